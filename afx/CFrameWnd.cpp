// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CFrameWnd.h"

#include "afx/AfxRes.h"
#include "afx/CDocument.h"
#include "afx/CStatusBar.h"
#include "afx/CView.h"
#include "afx/CWinApp.h"
#include "afx/Platform.h"
#include "afx/Resources.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_MENUSELECT()
    ON_MESSAGE_VOID(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    // The view's window goes before its frame's.
    m_pViewActive = nullptr;
    m_pView.reset();
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* /*pParentWnd*/,
                          CCreateContext* pContext)
{
    afx::Platform* platform = afx::GetPlatform();
    if (platform == nullptr) {
        return FALSE;
    }
    CString docString;
    docString.LoadString(nIDResource);
    m_strTitle = afx::ExtractSubString(docString, 0); // the document string's window title

    CREATESTRUCT cs;
    cs.style = dwDefaultStyle;
    cs.lpCreateParams = pContext;
    if (PreCreateWindow(cs) == FALSE) {
        return FALSE;
    }
    afx::FrameWindowParts parts;
    parts.cs = &cs;
    parts.menu = afx::FindMenu(nIDResource);
    parts.accelerators = afx::FindAcceleratorTable(nIDResource);
    parts.icon = afx::FindIcon(nIDResource);
    if (platform->CreateFrameWindow(*this, parts) == nullptr) {
        return FALSE;
    }
    SetWindowText(m_strTitle);
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): WM_CREATE carries an address
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    auto* context = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    return OnCreateClient(lpCreateStruct, context) != FALSE ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT /*lpcs*/, CCreateContext* pContext)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr) {
        return TRUE; // a frame without a view
    }
    std::unique_ptr<CObject> object = pContext->m_pNewViewClass->CreateObject();
    auto* view = dynamic_cast<CView*>(object.get());
    if (view == nullptr) {
        return FALSE;
    }
    m_pView.reset(view);
    static_cast<void>(object.release());
    if (view->Create(this) == FALSE) {
        m_pView.reset();
        return FALSE;
    }
    if (pContext->m_pCurrentDoc != nullptr) {
        pContext->m_pCurrentDoc->AddView(view);
    }
    m_pViewActive = view;
    return TRUE;
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* /*pDoc*/, BOOL bMakeVisible)
{
    if (m_pViewActive != nullptr) {
        m_pViewActive->OnInitialUpdate();
    }
    OnUpdateFrameTitle(TRUE);
    if (bMakeVisible != FALSE) {
        ShowWindow(SW_SHOW);
    }
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CString title;
    if (const CDocument* doc = GetActiveDocument();
        bAddToTitle != FALSE && doc != nullptr && !doc->GetTitle().IsEmpty()) {
        title = doc->GetTitle();
        title += L" - ";
    }
    title += m_strTitle;
    SetWindowText(title);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    if (nID == AFX_IDS_IDLEMESSAGE) {
        const wchar_t* idle = afx::FindString(AFX_IDS_IDLEMESSAGE);
        SetMessageText(idle != nullptr ? CString(idle) : CString());
        return;
    }
    SetMessageText(afx::LoadPrompt(nID));
}

void CFrameWnd::SetMessageText(const CString& text)
{
    if (CStatusBar* bar = GetMessageBar(); bar != nullptr && bar->GetCount() > 0) {
        bar->SetPaneText(0, text);
    }
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode)
{
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode) != FALSE) {
        return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, nCode) != FALSE) {
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->OnCmdMsg(nID, nCode) : FALSE;
}

void CFrameWnd::AddControlBar(CStatusBar* pBar)
{
    m_controlBars.push_back(pBar);
}

void CFrameWnd::RemoveControlBar(CStatusBar* pBar)
{
    std::erase(m_controlBars, pBar);
}

CStatusBar* CFrameWnd::GetMessageBar() const
{
    return m_controlBars.empty() ? nullptr : m_controlBars.front();
}

void CFrameWnd::OnClose()
{
    if (CDocument* doc = GetActiveDocument(); doc != nullptr && doc->SaveModified() == FALSE) {
        return;
    }
    CWinApp* app = AfxGetApp();
    const bool isMainWindow = app != nullptr && app->m_pMainWnd == this;
    DestroyWindow();
    if (isMainWindow) {
        app->m_pMainWnd = nullptr;
        AfxPostQuitMessage(0);
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags)
{
    if (nFlags == MF_MENUCLOSED) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    } else if ((nFlags & (MF_POPUP | MF_SEPARATOR)) != 0) {
        SetMessageText(CString());
    } else {
        SetMessageText(nItemID);
    }
}

void CFrameWnd::OnIdleUpdateCmdUI()
{
    for (CStatusBar* bar : m_controlBars) {
        bar->UpdateKeyIndicators();
    }
}
