#include "sky/daylight.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/frames.h"
#include "catalogue/lumo_doc.h"
#include "engine/palette.h"

namespace {
constexpr double kDarkSkyDeg = -18.0;    // the end of astronomical twilight
constexpr double kBrightSkyDeg = 10.0;   // the Sun high enough to leave only magnitude -1
constexpr float kDaylightLimit = -1.0f;
constexpr float kFaintestBlendStart = 8.0f;
constexpr uint8_t kBlack = kFirstShadeIndex;  // hue 0 at level 0
constexpr uint8_t kDaySkyBlue = 9;            // static entry (166, 202, 240)
constexpr int32_t kSlateHue = 12, kBlueHue = 4;
}  // namespace

uint8_t DaylightBackgroundIndex(double altitude) {
    if (!(altitude >= kDarkSkyDeg)) return kBlack;
    if (altitude >= 0) return kDaySkyBlue;
    if (altitude < -15) return static_cast<uint8_t>(PaletteIndexOf(10, kSlateHue));
    // -15..0 in steps of three degrees: levels 10, 8, 6, 4, 2 (brighter upwards).
    int32_t band = std::clamp(static_cast<int32_t>(std::floor((altitude + 15) / 3)), 0, 4);
    return static_cast<uint8_t>(PaletteIndexOf(10 - 2 * band, kBlueHue));
}

float DaylightMagnitudeLimit(double altitude, float setLimit) {
    if (!(altitude > kDarkSkyDeg)) return setLimit;
    const float start = std::min(setLimit, kFaintestBlendStart);
    if (altitude >= kBrightSkyDeg) return std::min(setLimit, kDaylightLimit);
    const double f = (altitude - kDarkSkyDeg) / (kBrightSkyDeg - kDarkSkyDeg);
    return std::min(setLimit, static_cast<float>(start + (kDaylightLimit - start) * f));
}

double SunAltitudeDeg(const CLumoDoc& doc) {
    const CPlanet* sun = FindPlanet(doc.m_planets, "Sun");
    const CPlanet* earth = FindPlanet(doc.m_planets, "Earth");
    if (!sun || !earth) return std::nan("");
    const std::array<double, 3> body = {sun->m_dPos[0] - earth->m_dPos[0], sun->m_dPos[1] - earth->m_dPos[1],
                                        sun->m_dPos[2] - earth->m_dPos[2]};
    const std::array<double, 3> sky = SkyFromBody(body);
    const double r = std::sqrt(sky[0] * sky[0] + sky[1] * sky[1] + sky[2] * sky[2]);
    if (!(r > 0)) return std::nan("");
    const auto& z = doc.m_vZenith;
    const double up = (sky[0] * z[0] + sky[1] * z[1] + sky[2] * z[2]) / r;
    return std::asin(std::clamp(up, -1.0, 1.0)) * kRadToDeg;
}
