#pragma once
// The Daylight layer: in Horizon view the sky's background takes the colour
// the Sun's altitude gives it, and stars fainter than that sky lets through
// are left out.
//
// Colours (palette indices; no new palette entries): black below -18
// degrees; then hue 12 (slate) at level 10 down to -15, and hue 4 (blue) at
// levels 10, 8, 6, 4 and 2 for each further three degrees up to the horizon;
// above it the static sky blue of entry 9 (166, 202, 240).

#include <cstdint>

class CLumoDoc;

// The background's palette index for the Sun's altitude (degrees).
uint8_t DaylightBackgroundIndex(double sunAltitudeDeg);

// The faintest magnitude drawn under a sky lit by the Sun at that altitude
// (degrees): the set limit up to -18 degrees, magnitude -1 from +10 degrees
// on, and in between a straight blend from the set limit (taken as at most
// 8, the brightest the View options allow for an unlimited one) to -1.
float DaylightMagnitudeLimit(double sunAltitudeDeg, float setLimit);

// The Sun's altitude (degrees) above the horizon of the document's observer
// frame, seen from the Earth's centre, from the current positions; NaN when
// the document has no Sun or Earth.
double SunAltitudeDeg(const CLumoDoc& doc);
