#pragma once
// The Moon's marker: a 16 x 16 picture of its phase (larger on a scaled
// sky), one of twelve icons with ids 2300 to 2311, chosen from the fraction
// of the lunation.
// Id 2306 shows the full Moon; ids fall as the lunation advances, 2311 just
// after new Moon and 2300 just before it.

#include <cstdint>

#include "framework/drawing_tools.h"

constexpr int32_t kFirstMoonIcon = 2300;
constexpr int32_t kLastMoonIcon = 2311;

// Fraction of the lunation at a Julian day (UT), in [0, 1): 0 at the new
// Moon of JD 2451993.365, 0.5 at full Moon, counting 0.033863867253640365
// lunations a day.
double LunationFraction(double julianDay);

// The icon id for a lunation fraction f: trunc(11 - (f - 0.1) * 12 + 2300),
// which is 2312 for f <= 1/60; that first sixtieth (around new Moon) is
// shown with the new-Moon icon 2300, so the result is always 2300..2311.
int32_t MoonIconIdForFraction(double f);

// Draws the picture of icon id (2300..2311) into icon, filling its side: a
// lit disc whose terminator matches the middle of the id's twelfth of the
// lunation (waxing lit on the right), the dark part grey, the corners
// transparent. False for any other id (icon unchanged).
bool LoadMoonIcon(int32_t id, CIcon& icon);

// The one Moon icon the painter holds across paints, reloaded only when the
// id or the side changes.
class CMoonIconHolder {
public:
    // The icon for id with a side of side pixels, or null when id has no
    // picture.
    const CIcon* Get(int32_t id, int32_t side = CIcon::kSize);
    int32_t HeldId() const { return m_id; }

private:
    int32_t m_id = 0;
    int32_t m_side = CIcon::kSize;
    bool m_loaded = false;
    CIcon m_icon;
};
