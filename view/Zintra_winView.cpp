// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Zintra_winView.h"

IMPLEMENT_DYNCREATE(CZintra_winView, CView)

BEGIN_MESSAGE_MAP(CZintra_winView, CView)
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_TIMER()
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
    if (const CZintra_winDoc* pDoc = GetDocument(); pDoc != nullptr) {
        m_computers.NewGame(*pDoc);
    }
}

void CZintra_winView::SetComputerPlayers(const ComputerPlayers& players)
{
    if (const CZintra_winDoc* pDoc = GetDocument(); pDoc != nullptr) {
        m_computers.SetPlayers(players, *pDoc);
    }
}

void CZintra_winView::OnTimer(UINT_PTR nIDEvent)
{
    CZintra_winDoc* pDoc = GetDocument();
    if (pDoc == nullptr || nIDEvent != ComputerTurns::TIMER_ID) {
        Default();
        return;
    }
    if (const std::optional<CPoint> click = m_computers.StepDue(*pDoc)) {
        const ComputerTurns::Stepping computersClick(m_computers);
        OnLButtonUp(0, *click);
    }
}
