// SPDX-License-Identifier: GPL-3.0-or-later
// The framework's document: the data of a single-document program, with its title and the
// steps the framework runs when a new document starts.
#pragma once

#include "afx/CCmdTarget.h"
#include "afx/CString.h"
#include "afx/WinTypes.h"

#include <vector>

// What Serialize would write to or read from. No document of this program is ever stored or
// loaded, so no archive is ever made.
class CArchive;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    // Views outliving their document are left without one.
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Sets the title and, with it, the caption of every frame that shows the document.
    virtual void SetTitle(const CString& title);
    // The document came from the file at `pathName`: its name becomes the title.
    virtual void SetPathName(const CString& pathName);

    // The base new-document step: clears the contents. Derived documents call it first and give
    // up when it returns FALSE.
    virtual BOOL OnNewDocument();
    // The base open step: the document is replaced by the file's contents. Nothing of a
    // document is ever stored in a file, so there is nothing to read: the contents are only
    // dropped, which leaves a document that keeps no contents of the base's as it was.
    virtual BOOL OnOpenDocument(const wchar_t* lpszPathName);
    // Whether the document may be replaced or closed. Nothing of a document is ever stored, so
    // there is nothing to lose and nothing to ask.
    virtual BOOL SaveModified();
    // Drops the document's data; the base has none.
    virtual void DeleteContents();
    // Writes the document to, or reads it from, the archive; the base stores nothing.
    virtual void Serialize(CArchive& ar);

    // Makes the document the one `pView` shows, taking it from any document it showed before.
    void AddView(CView* pView);
    // The view no longer shows this document.
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }

    DECLARE_MESSAGE_MAP()

private:
    void UpdateFrameCounts();

    std::vector<CView*> m_viewList;
    CString m_strTitle;
};
