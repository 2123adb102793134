// SPDX-License-Identifier: GPL-3.0-or-later
// A single-document template: the one document, frame and view of a program, created from
// their run-time classes and the frame's resource id, and reused for every new document.
#pragma once

#include "afx/CString.h"
#include "afx/WinTypes.h"

#include <memory>

class CDocument;
class CFrameWnd;
struct CRuntimeClass;

class CSingleDocTemplate {
public:
    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass);
    ~CSingleDocTemplate();
    CSingleDocTemplate(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate(CSingleDocTemplate&&) = delete;
    CSingleDocTemplate& operator=(CSingleDocTemplate&&) = delete;

    // A new document (null path) or the file at `lpszPathName`, in the one document, frame and
    // view, made on first use. Null when they cannot be made or the document's step fails.
    CDocument* OpenDocumentFile(const wchar_t* lpszPathName, BOOL bMakeVisible = TRUE);

    CDocument* GetDocument() const { return m_pOnlyDoc.get(); }
    CFrameWnd* GetFrame() const { return m_pOnlyFrame.get(); }

    // Destroys the frame (and its view) and the document.
    void CloseAllDocuments();

private:
    std::unique_ptr<CFrameWnd> CreateNewFrame(CDocument* pDoc);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    std::unique_ptr<CDocument> m_pOnlyDoc;
    std::unique_ptr<CFrameWnd> m_pOnlyFrame;
};
