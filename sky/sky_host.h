#pragma once
// What the sky window needs from the window system and from the main view,
// as two small interfaces. The desktop shell implements them with its
// widgets; the headless renderer and the tests implement them with plain
// objects.

#include <cstdint>

#include "engine/surface.h"
#include "framework/datetime.h"

// The chosen time of the main view: a calendar date and time, local civil
// time unless the UTC flag is set. Read on every paint.
class SkyTimeSource {
public:
    virtual ~SkyTimeSource() = default;
    virtual CDateTime ChosenTime() const = 0;
    virtual bool IsUtc() const = 0;
};

// The window that shows the sky.
class SkyHost {
public:
    virtual ~SkyHost() = default;
    // Width and height of the window's client area, pixels.
    virtual void GetClientSize(int32_t& width, int32_t& height) const = 0;
    // Shows a finished frame: its pixels at (BlitX, BlitY) of the client
    // area, with the frame's palette.
    virtual void Present(const PresentedFrame& frame) = 0;
};
