#include "tests/support/RecordingPlatform.h"

RecordingPlatform::RecordingPlatform()
{
    afx::SetPlatform(this);
}

RecordingPlatform::~RecordingPlatform()
{
    afx::SetPlatform(nullptr);
}

BOOL RecordingPlatform::InvalidateRect(HWND window, const RECT* rect, BOOL erase)
{
    invalidations.push_back({window, rect == nullptr, erase});
    return TRUE;
}
