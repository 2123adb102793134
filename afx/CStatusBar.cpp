// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CStatusBar.h"

#include "afx/AfxRes.h"
#include "afx/CFrameWnd.h"
#include "afx/Platform.h"

#include <span>
#include <vector>

IMPLEMENT_DYNAMIC(CStatusBar, CWnd)

namespace {

// The lock key whose state a key pane shows; 0 for any other pane.
int LockKeyOf(UINT paneId)
{
    switch (paneId) {
    case ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    case ID_INDICATOR_SCRL:
        return VK_SCROLL;
    default:
        return 0;
    }
}

} // namespace

CStatusBar::~CStatusBar()
{
    if (m_pFrame != nullptr) {
        m_pFrame->RemoveControlBar(this);
    }
}

BOOL CStatusBar::Create(CFrameWnd* pParentWnd, DWORD /*dwStyle*/, UINT /*nID*/)
{
    if (CreateChild(pParentWnd, afx::ChildKind::StatusBar) == FALSE) {
        return FALSE;
    }
    m_pFrame = pParentWnd;
    m_pFrame->AddControlBar(this);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    afx::Platform* platform = afx::GetPlatform();
    if (platform == nullptr || m_hWnd == nullptr || lpIDArray == nullptr || nIDCount < 0) {
        return FALSE;
    }
    std::vector<CString> sizingTexts;
    m_panes.clear();
    for (const UINT id : std::span(lpIDArray, static_cast<size_t>(nIDCount))) {
        CString text;
        if (id != ID_SEPARATOR) {
            text.LoadString(id);
        }
        sizingTexts.push_back(text);
        m_panes.push_back({id, CString()});
    }
    // The key panes start blank; the frame's idle updates fill them, the first as it shows,
    // so that nothing waits on the keyboard while it is hidden.
    if (platform->SetStatusBarPanes(m_hWnd, sizingTexts) == FALSE) {
        m_panes.clear();
        return FALSE;
    }
    return TRUE;
}

BOOL CStatusBar::SetPaneText(int nIndex, const CString& text)
{
    if (nIndex < 0 || nIndex >= GetCount()) {
        return FALSE;
    }
    m_panes[static_cast<size_t>(nIndex)].text = text;
    if (afx::Platform* platform = afx::GetPlatform(); platform != nullptr && m_hWnd != nullptr) {
        platform->SetPaneText(m_hWnd, nIndex, text);
    }
    return TRUE;
}

void CStatusBar::UpdateKeyIndicators()
{
    for (int index = 0; index < GetCount(); ++index) {
        const UINT id = m_panes[static_cast<size_t>(index)].id;
        const int key = LockKeyOf(id);
        if (key == 0) {
            continue;
        }
        CString text;
        if ((::GetKeyState(key) & 1) != 0) {
            text.LoadString(id);
        }
        if (!(text == m_panes[static_cast<size_t>(index)].text)) {
            SetPaneText(index, text);
        }
    }
}
