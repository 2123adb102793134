// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the menu, the board in its client area and the status bar below it.
#pragma once

#include "afx/CFrameWnd.h"
#include "afx/CStatusBar.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The status bar, for whoever needs to read it.
    const CStatusBar& GetStatusBar() const { return m_wndStatusBar; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()

private:
    CStatusBar m_wndStatusBar;
};
