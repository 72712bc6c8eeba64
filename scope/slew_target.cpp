#include "scope/slew_target.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/body_table.h"
#include "astro/eye.h"
#include "astro/frames.h"
#include "astro/local_frame.h"
#include "astro/positions.h"
#include "astro/topocentric.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/seek.h"
#include "framework/format.h"
#include "framework/text.h"

namespace {
// Far enough that the eye's offset from the Earth's centre does not turn a
// star by a measurable angle, near enough for double precision.
constexpr double kStarDistanceKm = 1e15;

// The solar system placed for the instant, apart from the document's own
// bodies (which hold the view's instant); the observer stands on the Earth.
struct SolarSystemAt {
    PlanetArray planets;
    Mat3f eclipticMatrix;
    Vec3f zenith{}, east{}, south{};
    std::array<double, 3> eyeKm{};

    SolarSystemAt(const CLumoDoc& doc, double julianDay) {
        BuildBodyTable(planets, eclipticMatrix);
        double cache = std::numeric_limits<double>::quiet_NaN();
        ComputePositions(planets, cache, julianDay);
        CPlanet* earth = FindPlanet(planets, "Earth");
        CPlanet* observer = nullptr;
        LocalFrame(earth, doc.m_fLatitude, doc.m_fLongitude, observer, zenith, east, south);
        eyeKm = EyePositionKm(*earth, zenith, false);
    }
    TopocentricPlace Place(const std::array<double, 3>& bodyKm) const {
        return PlaceFromEye(bodyKm, eyeKm, zenith, east, south);
    }
};

const CStar* StarNamed(const CLumoDoc& doc, const std::string& folded) {
    for (const auto& star : doc.m_stars)
        if (FoldCase(star->m_strName) == folded) return star.get();
    return nullptr;
}

const CPlanet* BodyNamed(const CLumoDoc& doc, const std::string& folded) {
    for (const auto& body : doc.m_planets)
        if (FoldCase(body->m_strName) == folded) return body.get();
    return nullptr;
}

TrackRate RateOf(const CPlanet& body) {
    if (body.m_strName == "Moon") return TrackRate::Lunar;
    if (body.m_strName == "Sun") return TrackRate::Solar;
    return TrackRate::Sidereal;
}
}  // namespace

std::optional<SlewTarget> FindSlewTarget(const CLumoDoc& doc, std::string_view name,
                                         double julianDay, std::string& error,
                                         const CDeepSky* deepSky) {
    const std::string folded = FoldCase(name);
    const CPlanet* body = folded.empty() ? nullptr : BodyNamed(doc, folded);
    const CStar* star = body || folded.empty() ? nullptr : StarNamed(doc, folded);
    // A deep-sky object found by Seek: its J2000 place, named as asked.
    std::optional<std::pair<double, double>> deepSkyPlace;
    if (!body && !star && !folded.empty()) {
        const SeekResult seek = SeekSearch(doc, name, deepSky);
        body = seek.body;
        star = seek.star;
        if (seek.found && !body && !star) deepSkyPlace.emplace(seek.rightAscension, seek.declination);
    }
    if (!body && !star && !deepSkyPlace) {
        error = Format("Nothing is named \"%.*s\"", static_cast<int>(name.size()), name.data());
        return std::nullopt;
    }
    if (body && body->m_strName == "Earth") {
        error = "The telescope stands on the Earth";
        return std::nullopt;
    }

    const SolarSystemAt sky(doc, julianDay);
    SlewTarget t;
    TopocentricPlace place;
    if (body) {
        const CPlanet* placed = FindPlanet(sky.planets, body->m_strName);
        place = sky.Place({placed->m_dPos[0], placed->m_dPos[1], placed->m_dPos[2]});
        t.mount.name = body->m_strName;
        t.mount.rate = RateOf(*body);
        // The position update gives places of date; the J2000 place is
        // taken as the same until a turn back to J2000 exists.
        t.mount.raHoursJ2000 = place.rightAscensionHours;
        t.mount.decDegJ2000 = place.declinationDeg;
    } else {
        const double ra2000 = star ? star->m_pos.a : deepSkyPlace->first;
        const double dec2000 = star ? star->m_pos.b : deepSkyPlace->second;
        double ra = 0, dec = 0;
        ApparentStarPlace(ComputeFrameOfDate(julianDay), ra2000, dec2000, ra, dec);
        const double cosDec = std::cos(dec);
        const std::array<double, 3> dirSky = {cosDec * std::cos(ra), std::sin(dec), -cosDec * std::sin(ra)};
        const std::array<double, 3> dirBody = BodyFromSky(dirSky);
        std::array<double, 3> far;
        for (int k = 0; k < 3; ++k) far[k] = sky.eyeKm[k] + kStarDistanceKm * dirBody[k];
        place = sky.Place(far);
        t.mount.name = star ? star->m_strName : std::string(name);
        t.mount.raHoursJ2000 = Reduce360(ra2000 * kRadToDeg) / 15.0;
        t.mount.decDegJ2000 = dec2000 * kRadToDeg;
    }
    t.mount.raHoursOfDate = place.rightAscensionHours;
    t.mount.decDegOfDate = place.declinationDeg;
    t.altitudeDeg = place.altitudeDeg;
    return t;
}

std::string HorizonRefusal(const SlewTarget& target) {
    if (target.altitudeDeg >= 0) return {};
    const double below = -target.altitudeDeg;
    return Format(below < 1 ? "%s is %.1f deg below the horizon" : "%s is %.0f deg below the horizon",
                  target.mount.name.c_str(), below);
}
