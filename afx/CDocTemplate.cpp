// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CDocTemplate.h"

#include "afx/CDocument.h"
#include "afx/CFrameWnd.h"
#include "afx/CObject.h"
#include "afx/CWinApp.h"
#include "afx/Resources.h"

namespace {

// An object of `runtimeClass` as a T; null when the class cannot be created or is no T.
template <class T>
std::unique_ptr<T> CreateAs(const CRuntimeClass* runtimeClass)
{
    if (runtimeClass == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CObject> object = runtimeClass->CreateObject();
    if (dynamic_cast<T*>(object.get()) == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<T>(static_cast<T*>(object.release())); // NOLINT: checked just above
}

} // namespace

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass,
                                       const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource)
    , m_pDocClass(pDocClass)
    , m_pFrameClass(pFrameClass)
    , m_pViewClass(pViewClass)
{}

CSingleDocTemplate::~CSingleDocTemplate()
{
    CloseAllDocuments();
}

std::unique_ptr<CFrameWnd> CSingleDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    std::unique_ptr<CFrameWnd> frame = CreateAs<CFrameWnd>(m_pFrameClass);
    if (frame == nullptr) {
        return nullptr;
    }
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    if (frame->LoadFrame(m_nIDResource, WS_FRAME_DEFAULT, nullptr, &context) == FALSE) {
        return nullptr;
    }
    return frame;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const wchar_t* lpszPathName, BOOL bMakeVisible)
{
    const bool created = m_pOnlyDoc == nullptr;
    if (created) {
        std::unique_ptr<CDocument> document = CreateAs<CDocument>(m_pDocClass);
        if (document == nullptr) {
            return nullptr;
        }
        std::unique_ptr<CFrameWnd> frame = CreateNewFrame(document.get());
        if (frame == nullptr) {
            return nullptr;
        }
        m_pOnlyDoc = std::move(document);
        m_pOnlyFrame = std::move(frame);
    } else if (m_pOnlyDoc->SaveModified() == FALSE) {
        return nullptr;
    }

    CDocument* document = m_pOnlyDoc.get();
    const BOOL ready = lpszPathName == nullptr ? document->OnNewDocument()
                                               : document->OnOpenDocument(lpszPathName);
    if (ready == FALSE) {
        if (created) {
            CloseAllDocuments();
        }
        return nullptr;
    }
    if (lpszPathName != nullptr) {
        document->SetPathName(lpszPathName);
    }
    if (CWinApp* app = AfxGetApp(); created && app != nullptr && app->m_pMainWnd == nullptr) {
        app->m_pMainWnd = m_pOnlyFrame.get();
    }
    m_pOnlyFrame->InitialUpdateFrame(document, bMakeVisible);
    return document;
}

void CSingleDocTemplate::CloseAllDocuments()
{
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == m_pOnlyFrame.get()) {
        app->m_pMainWnd = nullptr;
    }
    // The frame first: its view leaves the document on its way out.
    m_pOnlyFrame.reset();
    m_pOnlyDoc.reset();
}
