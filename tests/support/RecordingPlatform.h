// A platform without windows that records the window calls the core makes, installed for
// the lifetime of the object.
#pragma once

#include "afx/Platform.h"

#include <vector>

class RecordingPlatform : public afx::Platform {
public:
    struct Invalidation {
        HWND window;
        bool wholeArea; // no rectangle given
        BOOL erase;
    };

    RecordingPlatform();
    ~RecordingPlatform() override;
    RecordingPlatform(const RecordingPlatform&) = delete;
    RecordingPlatform& operator=(const RecordingPlatform&) = delete;

    BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) override;

    std::vector<Invalidation> invalidations;
};
