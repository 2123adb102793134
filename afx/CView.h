// SPDX-License-Identifier: GPL-3.0-or-later
// A view: the window that shows a document and takes the user's input on it. It draws
// through OnDraw whenever it is painted.
#pragma once

#include "afx/CWnd.h"

class CDC;
class CDocument;
class CFrameWnd;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)

public:
    CView() = default;
    // Leaves its document's list of views.
    ~CView() override;

    // The document this view shows; null until a document adds the view.
    CDocument* GetDocument() const { return m_pDocument; }
    // The frame the view lives in; null while it has none.
    CFrameWnd* GetParentFrame() const;

    // Creates the view's window in `pParent`'s client area.
    BOOL Create(CWnd* pParent);

    // The first showing of a new document; the base shows it afresh.
    virtual void OnInitialUpdate();
    // The document changed; the base repaints the whole view.
    virtual void OnUpdate(CView* pSender);

    // Commands go to the view's map, then to its document's.
    BOOL OnCmdMsg(UINT nID, int nCode) override;

protected:
    // Draws the document, every time the view is painted.
    virtual void OnDraw(CDC* pDC) = 0;

    // Painting: OnDraw into a fresh device context, whose record the platform then shows.
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument; // sets and clears m_pDocument as it adds and removes views
    CDocument* m_pDocument = nullptr;
};
