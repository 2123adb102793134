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
