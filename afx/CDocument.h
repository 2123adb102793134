// The framework's document: the data of a single-document program, with its title and the
// steps the framework runs when a new document starts.
#pragma once

#include "afx/CObject.h"
#include "afx/CString.h"
#include "afx/WinTypes.h"

// What Serialize would write to or read from. No document of this program is ever stored or
// loaded, so no archive is ever made.
class CArchive;

class CDocument : public CObject {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    ~CDocument() override = default;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const CString& title);

    // The base new-document step: clears the contents and marks the document unmodified.
    // Derived documents call it first and give up when it returns FALSE.
    virtual BOOL OnNewDocument();
    // Drops the document's data; the base has none.
    virtual void DeleteContents();
    // Writes the document to, or reads it from, the archive; the base stores nothing.
    virtual void Serialize(CArchive& ar);

    BOOL IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(BOOL modified = TRUE);

private:
    CString m_strTitle;
    BOOL m_bModified = FALSE;
};
