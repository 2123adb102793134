// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CWnd.h"

#include "afx/Platform.h"

namespace {

// The message each window is handling, innermost first. A handler may run a modal loop that
// delivers other messages before it calls Default, so each delivery saves and restores it.
struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    const CurrentMessage* outer = nullptr;
};
const CurrentMessage* g_currentMessage = nullptr;

class CurrentMessageScope {
public:
    CurrentMessageScope(UINT message, WPARAM wParam, LPARAM lParam)
        : m_message{message, wParam, lParam, g_currentMessage}
    {
        g_currentMessage = &m_message;
    }
    ~CurrentMessageScope() { g_currentMessage = m_message.outer; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;
    CurrentMessageScope(CurrentMessageScope&&) = delete;
    CurrentMessageScope& operator=(CurrentMessageScope&&) = delete;

private:
    CurrentMessage m_message;
};

} // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    if (afx::Platform* platform = afx::GetPlatform(); platform != nullptr && m_hWnd != nullptr) {
        platform->DestroyWindow(m_hWnd);
    }
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessageScope scope(message, wParam, lParam);
    return WindowProc(message, wParam, lParam);
}

void CWnd::Invalidate(BOOL bErase)
{
    if (m_hWnd != nullptr) {
        ::InvalidateRect(m_hWnd, nullptr, bErase);
    }
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& /*cs*/)
{
    return TRUE;
}

BOOL CWnd::CreateChild(CWnd* pParent, afx::ChildKind kind)
{
    afx::Platform* platform = afx::GetPlatform();
    if (platform == nullptr || pParent == nullptr || pParent->m_hWnd == nullptr) {
        return FALSE;
    }
    CREATESTRUCT cs;
    cs.style = WS_CHILD | WS_VISIBLE;
    if (PreCreateWindow(cs) == FALSE) {
        return FALSE;
    }
    m_pParentWnd = pParent;
    return platform->CreateChildWindow(*this, pParent->m_hWnd, kind) != nullptr ? TRUE : FALSE;
}

BOOL CWnd::DestroyWindow()
{
    afx::Platform* platform = afx::GetPlatform();
    if (platform == nullptr || m_hWnd == nullptr) {
        return FALSE;
    }
    platform->DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

void CWnd::SetWindowText(const CString& text)
{
    if (afx::Platform* platform = afx::GetPlatform(); platform != nullptr && m_hWnd != nullptr) {
        platform->SetWindowText(m_hWnd, text);
    }
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse)
{
    afx::Platform* platform = afx::GetPlatform();
    if (platform == nullptr || m_hWnd == nullptr || nIDEvent == 0) {
        return 0;
    }
    return platform->SetTimer(m_hWnd, nIDEvent, nElapse);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    afx::Platform* platform = afx::GetPlatform();
    if (platform == nullptr || m_hWnd == nullptr) {
        return FALSE;
    }
    return platform->KillTimer(m_hWnd, nIDEvent);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM /*lParam*/)
{
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result) == FALSE) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam) == FALSE) {
            return FALSE;
        }
        *pResult = 0;
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
    if (entry == nullptr) {
        return FALSE;
    }
    *pResult = entry->pfn(*this, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    afx::Platform* platform = afx::GetPlatform();
    if (platform == nullptr || m_hWnd == nullptr) {
        return 0;
    }
    return platform->DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (g_currentMessage == nullptr) {
        return 0;
    }
    return DefWindowProc(g_currentMessage->message, g_currentMessage->wParam,
                         g_currentMessage->lParam);
}
