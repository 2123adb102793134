// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CDocument.h"

#include "afx/CFrameWnd.h"
#include "afx/CView.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
END_MESSAGE_MAP()

CDocument::~CDocument()
{
    for (CView* view : m_viewList) {
        view->m_pDocument = nullptr;
    }
}

void CDocument::SetTitle(const CString& title)
{
    m_strTitle = title;
    UpdateFrameCounts();
}

void CDocument::SetPathName(const CString& pathName)
{
    const std::wstring_view path(pathName.GetString(), static_cast<size_t>(pathName.GetLength()));
    const size_t slash = path.find_last_of(L'/');
    SetTitle(CString(slash == std::wstring_view::npos ? path : path.substr(slash + 1)));
}

void CDocument::UpdateFrameCounts()
{
    for (CView* view : m_viewList) {
        if (CFrameWnd* frame = view->GetParentFrame(); frame != nullptr) {
            frame->OnUpdateFrameTitle(TRUE);
        }
    }
}

BOOL CDocument::OnOpenDocument(const wchar_t* /*lpszPathName*/)
{
    DeleteContents();
    return TRUE;
}

BOOL CDocument::SaveModified()
{
    return TRUE;
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    return TRUE;
}

void CDocument::DeleteContents() {}

void CDocument::Serialize(CArchive& /*ar*/) {}

void CDocument::AddView(CView* pView)
{
    if (pView->m_pDocument == this) {
        return;
    }
    if (pView->m_pDocument != nullptr) {
        pView->m_pDocument->RemoveView(pView);
    }
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    if (pView->m_pDocument != this) {
        return;
    }
    std::erase(m_viewList, pView);
    pView->m_pDocument = nullptr;
}
