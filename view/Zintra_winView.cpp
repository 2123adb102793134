// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Zintra_winView.h"

IMPLEMENT_DYNCREATE(CZintra_winView, CView)

BEGIN_MESSAGE_MAP(CZintra_winView, CView)
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CZintra_winView::CZintra_winView() = default;

CZintra_winView::~CZintra_winView() = default;

CZintra_winDoc* CZintra_winView::GetDocument() const
{
    return dynamic_cast<CZintra_winDoc*>(CView::GetDocument());
}

BOOL CZintra_winView::PreCreateWindow(CREATESTRUCT& cs)
{
    return CView::PreCreateWindow(cs);
}

void CZintra_winView::OnInitialUpdate()
{
    // A screen reader calls the board by its window text, which nothing shows on screen.
    SetWindowText(CString("Board"));
    CView::OnInitialUpdate();
}
