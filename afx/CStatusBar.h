// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar along the bottom of a frame: a message pane that stretches, then panes that
// show their key's name while that lock key is on.
#pragma once

#include "afx/AfxRes.h"
#include "afx/CString.h"
#include "afx/CWnd.h"

#include <vector>

class CFrameWnd;

class CStatusBar : public CWnd {
    DECLARE_DYNAMIC(CStatusBar)

public:
    CStatusBar() = default;
    ~CStatusBar() override;

    // Creates the bar in `pParentWnd`, which keeps it up to date from then on.
    BOOL Create(CFrameWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id, left to right: ID_SEPARATOR is the message pane, any other id is a
    // pane sized for that id's string. All start blank; the key panes fill with the frame's
    // idle updates. FALSE when the bar has no window.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    BOOL SetPaneText(int nIndex, const CString& text);

    // Brings the key panes up to date with the keyboard: each shows its string while its
    // key's lock is on, and nothing otherwise.
    void UpdateKeyIndicators();

private:
    struct Pane {
        UINT id = 0;
        CString text;
    };
    std::vector<Pane> m_panes;
    CFrameWnd* m_pFrame = nullptr;
};
