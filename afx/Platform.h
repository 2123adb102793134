// The seam between the toolkit-free core and the toolkit that shows windows. A backend
// installs its Platform at start-up; until then (and in tests that install none) there are no
// windows, window calls do nothing and no box is shown.
#pragma once

#include "afx/WinTypes.h"

class CDC;
class CString;

namespace afx {

class Platform {
public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    Platform(Platform&&) = delete;
    Platform& operator=(Platform&&) = delete;
    virtual ~Platform() = default;

    // Marks `rect` of the window (all of it when null) for repainting, erasing the background
    // first when `erase` is set. A null window means every window of the program.
    virtual BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) = 0;
    // The toolkit's own handling of a message that the program's handlers passed on.
    virtual LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Takes what the window drew while handling WM_PAINT, to show until its next paint.
    virtual void EndPaint(HWND window, const CDC& dc) = 0;
    // The window's object is going away: forget the handle.
    virtual void DestroyWindow(HWND window) = 0;
    // Shows a modal message box and returns the id of the button that closed it (IDOK, ...).
    virtual int MessageBox(const CString& text, UINT type, UINT helpContext) = 0;
};

// Installs `platform` (not owned) for the calls below; null removes it.
void SetPlatform(Platform* platform);
// The installed platform, or null.
Platform* GetPlatform();

} // namespace afx

// The platform's window calls, routed to the installed backend.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
