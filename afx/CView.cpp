#include "afx/CView.h"

#include "afx/CDC.h"
#include "afx/CDocument.h"
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
