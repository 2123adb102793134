#include "afx/CDocument.h"

IMPLEMENT_DYNAMIC(CDocument, CObject)

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
