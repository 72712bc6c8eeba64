#pragma once
// What the sky window needs from the window system and from the main view,
// as two small interfaces. The desktop shell implements them with its
// widgets; the headless renderer and the tests implement them with plain
// objects.

#include <cstdint>

#include "engine/surface.h"
#include "framework/datetime.h"

class CStar;
class CPlanet;
struct DeepSkyObject;

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

    // What the stylus handlers ask of the window system; a host without a
    // window ignores them.
    // Starts (or restarts) the window timer id to fire once after the period.
    virtual void StartTimer(int32_t id, int32_t milliseconds) {}
    virtual void StopTimer(int32_t id) {}
    // Keeps the stylus events for this window until released.
    virtual void CaptureStylus() {}
    virtual void ReleaseStylus() {}
    // Shows the locked-view message and returns when it is dismissed.
    virtual void ShowLockedMessage() {}
    // Shows the Star or Planet dialog for a record and returns when it closes.
    virtual void ShowStarInfo(const CStar& star) {}
    virtual void ShowPlanetInfo(const CPlanet& planet) {}
    // Shows the information box of a deep-sky object.
    virtual void ShowDeepSkyInfo(const DeepSkyObject& object) {}
};

// A window of fixed size that shows nothing: the headless renderer's and
// the benchmarks' host.
class FixedSizeHost : public SkyHost {
public:
    FixedSizeHost(int32_t width, int32_t height) : m_width(width), m_height(height) {}
    void GetClientSize(int32_t& width, int32_t& height) const override {
        width = m_width;
        height = m_height;
    }
    void Present(const PresentedFrame&) override {}

private:
    int32_t m_width, m_height;
};

// A chosen time set by its owner.
class FixedTimeSource : public SkyTimeSource {
public:
    FixedTimeSource() = default;
    FixedTimeSource(const CDateTime& chosen, bool utc) : chosen(chosen), utc(utc) {}
    CDateTime ChosenTime() const override { return chosen; }
    bool IsUtc() const override { return utc; }

    CDateTime chosen;
    bool utc = false;
};
