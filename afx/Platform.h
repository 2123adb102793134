// The seam between the toolkit-free core and the toolkit that shows windows. A backend
// installs its Platform at start-up; until then (and in tests that install none) there
// are no windows, and window calls do nothing.
#pragma once

#include "afx/WinTypes.h"

namespace afx {

class Platform {
public:
    virtual ~Platform() = default;

    // Marks `rect` of the window (all of it when null) for repainting, erasing the background
    // first when `erase` is set. A null window means every window of the program.
    virtual BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) = 0;
};

// Installs `platform` (not owned) for the calls below; null removes it.
void SetPlatform(Platform* platform);

} // namespace afx

// The platform's invalidation call, routed to the installed backend.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
