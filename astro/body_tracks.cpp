#include "astro/body_tracks.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "astro/angles.h"
#include "astro/positions.h"

namespace {
constexpr double kMaxStepDays = 0.25;
const double kSinSunAltitude = std::sin(kSunStandardAltitudeDeg * kDegToRad);
const double kSinStarAltitude = std::sin(kStarStandardAltitudeDeg * kDegToRad);
}  // namespace

BodyTracks::BodyTracks(const PlanetArray& planets, const Mat3f& eclipticMatrix, double jdStart,
                       double jdEnd) {
    PlanetArray copy;
    copy.reserve(planets.size());
    for (const auto& p : planets) {
        if (p->m_strName == "Earth" && m_earth < 0) m_earth = static_cast<int>(copy.size());
        if (p->m_strName == "Sun" && m_sun < 0) m_sun = static_cast<int>(copy.size());
        if (p->m_nTheory == kTheoryMoon && m_moon < 0) m_moon = static_cast<int>(copy.size());
        // A moon of another planet circles it in hours or days (far faster
        // in the program's own orbits) and never strays more than a few
        // arcminutes from it as seen from here: it takes its planet's track.
        const int index = static_cast<int>(copy.size());
        const int parent = p->m_nParent;
        const bool otherMoon = parent > 0 && parent < index && p->m_nTheory != kTheoryMoon &&
                               planets[parent]->m_strName != "Earth";
        m_trackOf.push_back(otherMoon ? m_trackOf[parent] : index);
        copy.push_back(std::make_unique<CPlanet>(*p));
    }
    if (m_earth < 0 || !(jdEnd > jdStart)) return;
    m_bodyCount = static_cast<int>(copy.size());
    m_steps = std::max(1, static_cast<int>(std::ceil((jdEnd - jdStart) / kMaxStepDays)));
    m_step = (jdEnd - jdStart) / m_steps;
    m_start = jdStart;
    m_samples.resize(static_cast<size_t>(m_steps + 3) * m_bodyCount);
    double cache = std::nan("");
    for (int k = 0; k < m_steps + 3; ++k) {
        ComputePositions(copy, eclipticMatrix, cache, jdStart + (k - 1) * m_step);
        const CPlanet& earth = *copy[m_earth];
        for (int b = 0; b < m_bodyCount; ++b)
            for (int c = 0; c < 3; ++c)
                m_samples[static_cast<size_t>(k) * m_bodyCount + b][c] = copy[b]->m_dPos[c] - earth.m_dPos[c];
    }
    m_valid = true;
}

std::array<double, 3> BodyTracks::GeocentricKm(int body, double jd) const {
    if (!m_valid || body < 0 || body >= m_bodyCount) return {0, 0, 0};
    body = m_trackOf[body];
    // Sample k + 1 is at m_start + k step; interpolate on samples i .. i + 3
    // around the interval [i + 1, i + 2].
    double u = std::clamp((jd - m_start) / m_step, 0.0, static_cast<double>(m_steps));
    int i = std::min(static_cast<int>(u), m_steps - 1);
    double s = u - i;  // 0..1 between samples i + 1 and i + 2
    // Lagrange weights at nodes -1, 0, 1, 2.
    const double w[4] = {-s * (s - 1) * (s - 2) / 6, (s + 1) * (s - 1) * (s - 2) / 2,
                         -(s + 1) * s * (s - 2) / 2, (s + 1) * s * (s - 1) / 6};
    std::array<double, 3> v = {0, 0, 0};
    for (int n = 0; n < 4; ++n) {
        const auto& p = m_samples[static_cast<size_t>(i + n) * m_bodyCount + body];
        for (int c = 0; c < 3; ++c) v[c] += w[n] * p[c];
    }
    return v;
}

EventPlace BodyTracks::PlaceOf(int body, double jd) const {
    const std::array<double, 3> v = GeocentricKm(body, jd);
    const double r = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    EventPlace p;
    if (r > 0) p.direction = {v[0] / r, v[1] / r, v[2] / r};
    p.sinStandardAltitude = body == m_sun    ? kSinSunAltitude
                            : body == m_moon ? std::sin(MoonStandardAltitudeDeg(r) * kDegToRad)
                                             : kSinStarAltitude;
    return p;
}

BodyTrack::BodyTrack(const BodyTracks& tracks, int body, double standardAltitudeDeg)
    : m_tracks(tracks), m_body(body), m_fixedAltitude(true),
      m_sinAltitude(std::sin(standardAltitudeDeg * kDegToRad)) {}

EventPlace BodyTrack::At(double jd) const {
    EventPlace p = m_tracks.PlaceOf(m_body, jd);
    if (m_fixedAltitude) p.sinStandardAltitude = m_sinAltitude;
    return p;
}

std::vector<DayEvents> AllBodyEvents(const BodyTracks& tracks, const EarthPlace& place,
                                     double jdStart, double jdEnd) {
    std::vector<DayEvents> out(static_cast<size_t>(tracks.BodyCount()));
    for (int b = 0; b < tracks.BodyCount(); ++b) {
        if (b == tracks.EarthIndex()) continue;
        // The planet comes before its moons.
        const int followed = tracks.TrackOf(b);
        out[b] = followed == b ? FindDayEvents(BodyTrack(tracks, b), place, jdStart, jdEnd) : out[followed];
    }
    return out;
}

Twilights SunTwilights(const BodyTracks& tracks, const EarthPlace& place, double jdStart,
                       double jdEnd) {
    Twilights t;
    if (tracks.SunIndex() < 0) return t;
    auto at = [&](double altitudeDeg) {
        return FindDayEvents(BodyTrack(tracks, tracks.SunIndex(), altitudeDeg), place, jdStart, jdEnd);
    };
    t.civil = at(kCivilTwilightDeg);
    t.nautical = at(kNauticalTwilightDeg);
    t.astronomical = at(kAstronomicalTwilightDeg);
    return t;
}
