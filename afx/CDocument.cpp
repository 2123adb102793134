#include "afx/CDocument.h"

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
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::DeleteContents() {}

void CDocument::Serialize(CArchive& /*ar*/) {}

void CDocument::SetModifiedFlag(BOOL modified)
{
    m_bModified = modified;
}

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
