// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's basic types and values, as the framework's classes and calls spell them.
#pragma once

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using SHORT = std::int16_t;
using LONG = std::int32_t;
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;

inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;

// What a window handle points at. Each toolkit backend derives its own window record from it;
// the core only passes handles around.
struct WindowHandle {
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;
    WindowHandle(WindowHandle&&) = delete;
    WindowHandle& operator=(WindowHandle&&) = delete;
    virtual ~WindowHandle() = default;

protected:
    WindowHandle() = default;
};
using HWND = WindowHandle*;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct POINT {
    LONG x;
    LONG y;
};

// Where a window lets the toolkit choose its position or size.
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000U);

// The creation parameters a window may adjust before it is created.
struct CREATESTRUCT {
    void* lpCreateParams = nullptr; // what the creator hands to WM_CREATE's handler
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int cx = CW_USEDEFAULT;
    int cy = CW_USEDEFAULT;
    DWORD style = 0;
};
using LPCREATESTRUCT = CREATESTRUCT*;

// Window messages.
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_MENUSELECT = 0x011F;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
// The framework's own: a frame brings its status bar up to date while the program is idle.
inline constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;

// Notification codes of WM_COMMAND: a menu item or accelerator, and a clicked button.
inline constexpr UINT CN_COMMAND = 0;
inline constexpr UINT BN_CLICKED = 0;

// WM_MENUSELECT's flags: what kind of item is highlighted, or that the menu has closed.
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT MF_MENUCLOSED = 0xFFFF;

// Message box types and the answers a box or dialog gives.
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// How ShowWindow shows a window.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

// Window styles.
inline constexpr DWORD WS_POPUP = 0x80000000U;
inline constexpr DWORD WS_CHILD = 0x40000000U;
inline constexpr DWORD WS_VISIBLE = 0x10000000U;
inline constexpr DWORD WS_CAPTION = 0x00C00000U;
inline constexpr DWORD WS_SYSMENU = 0x00080000U;
inline constexpr DWORD WS_GROUP = 0x00020000U;
inline constexpr DWORD WS_TABSTOP = 0x00010000U;
inline constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000U;
inline constexpr DWORD DS_MODALFRAME = 0x80U;
inline constexpr DWORD DS_SETFONT = 0x40U;
inline constexpr DWORD DS_FIXEDSYS = 0x08U;
// A control bar docked at the bottom of its frame, with a border along its top.
inline constexpr DWORD CBRS_BOTTOM = 0x8200U;
// Static control styles.
inline constexpr DWORD SS_NOPREFIX = 0x80U;

// Virtual keys: letters and digits of the main block are their own upper-case ASCII codes ('A',
// '1'); the others are named.
inline constexpr UINT VK_SPACE = 0x20;
inline constexpr UINT VK_NUMPAD0 = 0x60; // VK_NUMPAD1 to VK_NUMPAD9 follow it
inline constexpr UINT VK_NUMPAD9 = 0x69;

// WM_KEYDOWN's lParam: the repeat count in the low word, and in the high word (the flags of
// OnKeyDown) whether the key was already down, i.e. the message is the keyboard's auto-repeat.
inline constexpr UINT KF_REPEAT = 0x4000;

// Virtual keys with a lock state.
inline constexpr int VK_CAPITAL = 0x14;
inline constexpr int VK_NUMLOCK = 0x90;
inline constexpr int VK_SCROLL = 0x91;

constexpr WORD LOWORD(std::uintptr_t value)
{
    return static_cast<WORD>(value & 0xFFFFU);
}
constexpr WORD HIWORD(std::uintptr_t value)
{
    return static_cast<WORD>((value >> 16U) & 0xFFFFU);
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high)
{
    return static_cast<WPARAM>(low) | static_cast<WPARAM>(high) << 16U;
}

// A mouse message carries its point in lParam: x in the low 16 bits, y in the high 16, each a
// signed value so that points left of or above the window survive.
constexpr LPARAM MAKELPARAM(int x, int y)
{
    return static_cast<LPARAM>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(x)) |
                               static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16U);
}
constexpr int GET_X_LPARAM(LPARAM lParam)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam & 0xFFFF));
}
constexpr int GET_Y_LPARAM(LPARAM lParam)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((lParam >> 16) & 0xFFFF));
}
