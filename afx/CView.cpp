// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CView.h"

#include "afx/CDC.h"
#include "afx/CDocument.h"
#include "afx/CFrameWnd.h"
#include "afx/Platform.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
    }
}

void CView::OnPaint()
{
    CDC dc;
    OnDraw(&dc);
    if (afx::Platform* platform = afx::GetPlatform(); platform != nullptr && m_hWnd != nullptr) {
        platform->EndPaint(m_hWnd, dc);
    }
}

CFrameWnd* CView::GetParentFrame() const
{
    return dynamic_cast<CFrameWnd*>(GetParent());
}

BOOL CView::Create(CWnd* pParent)
{
    return CreateChild(pParent, afx::ChildKind::View);
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr);
}

void CView::OnUpdate(CView* /*pSender*/)
{
    Invalidate(TRUE);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode)
{
    if (CWnd::OnCmdMsg(nID, nCode) != FALSE) {
        return TRUE;
    }
    return m_pDocument != nullptr ? m_pDocument->OnCmdMsg(nID, nCode) : FALSE;
}
