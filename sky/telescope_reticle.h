#pragma once
// The telescope's reticle on the sky: two circles and a cross, in a colour
// of their own, centred where the mount reports it points.

#include <cstdint>

class CLumoWnd;

// Orange (hue 18 at full brightness), a colour no other layer uses.
constexpr int32_t kTelescopeColour = 18;
// Designed pixels: the circles' radii and the cross's half length.
constexpr int32_t kReticleInnerRadius = 6;
constexpr int32_t kReticleOuterRadius = 12;
constexpr int32_t kReticleArm = 18;

// Where the mount points, as the sky window keeps it between paints.
struct TelescopeMark {
    bool shown = false;  // a mount is connected and has reported a position
    double raHours = 0, decDeg = 0;  // apparent place of date
};

// Draws the reticle when the mark is shown and its direction lies in front
// of the camera (the same test and projection as a body's marker).
void DrawTelescopeReticle(CLumoWnd& wnd, const TelescopeMark& mark);
