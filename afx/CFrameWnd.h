// SPDX-License-Identifier: GPL-3.0-or-later
// A frame: the program's top-level window, with its menu, accelerators, status bar and the
// view in its client area. Commands from the menu and the accelerators arrive here and go
// along the command route: the view (and through it the document), the frame, the program.
#pragma once

#include "afx/CString.h"
#include "afx/CWnd.h"

#include <memory>
#include <vector>

class CDocument;
class CStatusBar;
class CView;
struct CRuntimeClass;

// What a frame needs to make its view: handed to WM_CREATE through lpCreateParams.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
};

// The frame adds the document's title to its caption ("Title - Program"; the program's
// title alone while the document's title is empty).
inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000U;
inline constexpr DWORD WS_FRAME_DEFAULT = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame from resource `nIDResource` (its title string, menu, accelerators and
    // icon), hidden, and its view from `pContext`. FALSE when the window or its view cannot be
    // made, or OnCreate stops it.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_FRAME_DEFAULT,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    CView* GetActiveView() const { return m_pViewActive; }
    CDocument* GetActiveDocument() const;

    // Gives the view its first update and the caption its title, then shows the frame when
    // `bMakeVisible` is set.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // Sets the caption from the program's title and the document's.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    // The status bar's message pane: the prompt of command `nID` (a blank pane when it has
    // none), or the idle message for AFX_IDS_IDLEMESSAGE.
    void SetMessageText(UINT nID);
    void SetMessageText(const CString& text);

    // Routes a command to the view, then to the frame itself, then to the program.
    BOOL OnCmdMsg(UINT nID, int nCode) override;

    // Status bars register here when they are created, so that the frame keeps them up to date.
    void AddControlBar(CStatusBar* pBar);
    void RemoveControlBar(CStatusBar* pBar);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Makes the view from the context; FALSE when it cannot be made.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void OnClose();
    void OnMenuSelect(UINT nItemID, UINT nFlags);
    void OnIdleUpdateCmdUI();

    DECLARE_MESSAGE_MAP()

private:
    CStatusBar* GetMessageBar() const;

    CString m_strTitle;             // the program's part of the caption
    std::unique_ptr<CView> m_pView; // the view the frame made, and owns
    CView* m_pViewActive = nullptr;
    std::vector<CStatusBar*> m_controlBars;
};
