// The platform's basic types and values, as the framework's classes and calls spell them.
#pragma once

#include <cstdint>

using BOOL = int;
using LONG = std::int32_t;

inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;

// A window handle: opaque to the core, given meaning by the toolkit backend.
using HWND = struct WindowHandle*;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
