// The platform's basic types and values, as the framework's classes and calls spell them.
#pragma once

#include <cstdint>

using BOOL = int;
using LONG = std::int32_t;
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

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

// The creation parameters a window may adjust before it is created.
struct CREATESTRUCT {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    LONG style = 0;
};

// Window messages.
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_LBUTTONUP = 0x0202;

// Message box types and the answer a box gives.
inline constexpr UINT MB_OK = 0x00;
inline constexpr int IDOK = 1;

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
