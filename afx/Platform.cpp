// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/Platform.h"

namespace {
afx::Platform* g_platform = nullptr;
} // namespace

namespace afx {

void SetPlatform(Platform* platform)
{
    g_platform = platform;
}

Platform* GetPlatform()
{
    return g_platform;
}

} // namespace afx

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase)
{
    if (g_platform == nullptr) {
        return FALSE;
    }
    return g_platform->InvalidateRect(hWnd, lpRect, bErase);
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    if (g_platform == nullptr || hWnd == nullptr) {
        return FALSE;
    }
    return g_platform->ShowWindow(hWnd, nCmdShow);
}

BOOL UpdateWindow(HWND hWnd)
{
    if (g_platform == nullptr || hWnd == nullptr) {
        return FALSE;
    }
    return g_platform->UpdateWindow(hWnd);
}

SHORT GetKeyState(int nVirtKey)
{
    return g_platform != nullptr ? g_platform->GetKeyState(nVirtKey) : SHORT{0};
}
