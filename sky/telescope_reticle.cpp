#include "sky/telescope_reticle.h"

#include <cmath>

#include "astro/angles.h"
#include "engine/primitives.h"
#include "sky/lumo_wnd.h"

void DrawTelescopeReticle(CLumoWnd& wnd, const TelescopeMark& mark) {
    if (!mark.shown) return;
    const double ra = mark.raHours * 15.0 * kDegToRad, dec = mark.decDeg * kDegToRad;
    // Sky frame, Q15: x to 0h, y to the pole, z to 18h.
    const auto q15 = [](double v) { return static_cast<int32_t>(std::lround(v * 32767.0)); };
    const Vec3i c = wnd.m_Camera.ToCamera(q15(std::cos(dec) * std::cos(ra)), q15(std::sin(dec)),
                                          q15(-std::cos(dec) * std::sin(ra)));
    if (c.z <= 0) return;
    int32_t x, y;
    wnd.ProjectToScreen(c.x, c.y, x, y);
    Surface& s = wnd.m_Surface;
    const int32_t arm = wnd.m_scale.Pixels(kReticleArm);
    DrawCircle(s, x, y, wnd.m_scale.Pixels(kReticleInnerRadius), kTelescopeColour);
    DrawCircle(s, x, y, wnd.m_scale.Pixels(kReticleOuterRadius), kTelescopeColour);
    MoveTo(s, x - arm, y);
    LineTo(s, x + arm, y, kTelescopeColour);
    MoveTo(s, x, y - arm);
    LineTo(s, x, y + arm, kTelescopeColour);
}
