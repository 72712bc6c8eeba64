#include "sky/moon_phase.h"

#include <cmath>

namespace {

constexpr double kPhaseEpoch = 2451993.365;          // a new Moon, JD
constexpr double kLunationsPerDay = 0.033863867253640365;
constexpr double kTwoPi = 6.283185307179586;

// Lunation fraction at the middle of an icon's twelfth: the id formula
// solved for f at id + 0.5.
double FractionOfIcon(int32_t id) { return 0.1 + (10.5 - (id - kFirstMoonIcon)) / 12.0; }

}  // namespace

double LunationFraction(double julianDay) {
    double t = (julianDay - kPhaseEpoch) * kLunationsPerDay;
    double f = t - std::trunc(t);  // the fractional part keeps the sign of t
    if (f < 0) f += 1;
    return f;
}

int32_t MoonIconIdForFraction(double f) {
    const double id = std::trunc(11 - (f - 0.1) * 12 + kFirstMoonIcon);
    // Above 2311 is the first sixtieth of the lunation, around new Moon; a
    // fraction outside [0, 1) (or NaN) also gets the new-Moon icon.
    if (!(id >= kFirstMoonIcon && id <= kLastMoonIcon)) return kFirstMoonIcon;
    return static_cast<int32_t>(id);
}

bool LoadMoonIcon(int32_t id, CIcon& icon) {
    if (id < kFirstMoonIcon || id > kLastMoonIcon) return false;
    constexpr ColorRef kLit = Rgb(255, 251, 240);
    constexpr ColorRef kDark = Rgb(72, 72, 72);
    // The Sun seen from the Moon's centre, in the viewer's frame (u right,
    // v up, w toward the viewer): behind the Moon at new Moon, to the right
    // at first quarter, behind the viewer at full Moon.
    const double elongation = kTwoPi * FractionOfIcon(id);
    const double sunU = std::sin(elongation), sunW = -std::cos(elongation);
    // A 16-pixel icon: centre 8, radius 7.5.
    const int32_t side = icon.Side();
    const double centre = side / 2.0, radius = centre - 0.5;
    for (int32_t y = 0; y < side; ++y) {
        for (int32_t x = 0; x < side; ++x) {
            const double u = (x + 0.5 - centre) / radius;
            const double v = (centre - (y + 0.5)) / radius;
            const double r2 = u * u + v * v;
            if (r2 > 1.0) {
                icon.SetPixel(x, y, 0, false);
                continue;
            }
            const double w = std::sqrt(1.0 - r2);
            icon.SetPixel(x, y, u * sunU + w * sunW > 0 ? kLit : kDark);
        }
    }
    return true;
}

const CIcon* CMoonIconHolder::Get(int32_t id, int32_t side) {
    if (id != m_id || side != m_side) {
        m_id = id;
        m_side = side;
        m_icon = CIcon(side);
        m_loaded = LoadMoonIcon(id, m_icon);
    }
    return m_loaded ? &m_icon : nullptr;
}
