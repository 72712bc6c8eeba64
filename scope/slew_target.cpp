#include "scope/slew_target.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "astro/angles.h"
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
        ComputePositions(planets, eclipticMatrix, cache, julianDay);
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

// A J2000 catalogue place (radians) carried to the mean equator and equinox
// of the date by the IAU 2006 precession angles (Capitaine et al. 2003, as
// USNO Circular 179 prints them). Nutation
// and aberration (together under 30") are left out.
void PrecessFromJ2000(double julianDay, double& ra, double& dec) {
    const double t = JulianCenturies(julianDay);
    auto arcsec = [t](const double (&c)[6]) {
        return (c[0] + t * (c[1] + t * (c[2] + t * (c[3] + t * (c[4] + t * c[5]))))) / 3600.0 * kDegToRad;
    };
    static constexpr double kZeta[6] = {2.650545, 2306.083227, 0.2988499, 0.01801828, -0.000005971, -0.0000003173};
    static constexpr double kZ[6] = {-2.650545, 2306.077181, 1.0927348, 0.01826837, -0.000028596, -0.0000002904};
    static constexpr double kTheta[6] = {0, 2004.191903, -0.4294934, -0.04182264, -0.000007089, -0.0000001274};
    const double zeta = arcsec(kZeta), z = arcsec(kZ), theta = arcsec(kTheta);
    const double a = std::cos(dec) * std::sin(ra + zeta);
    const double b = std::cos(theta) * std::cos(dec) * std::cos(ra + zeta) - std::sin(theta) * std::sin(dec);
    const double c = std::sin(theta) * std::cos(dec) * std::cos(ra + zeta) + std::cos(theta) * std::sin(dec);
    ra = std::atan2(a, b) + z;
    dec = std::asin(std::clamp(c, -1.0, 1.0));
}

TrackRate RateOf(const CPlanet& body) {
    if (body.m_strName == "Moon") return TrackRate::Lunar;
    if (body.m_strName == "Sun") return TrackRate::Solar;
    return TrackRate::Sidereal;
}
}  // namespace

std::optional<SlewTarget> FindSlewTarget(const CLumoDoc& doc, std::string_view name,
                                         double julianDay, std::string& error) {
    const std::string folded = FoldCase(name);
    const CPlanet* body = folded.empty() ? nullptr : BodyNamed(doc, folded);
    const CStar* star = body || folded.empty() ? nullptr : StarNamed(doc, folded);
    if (!body && !star && !folded.empty()) {
        const SeekResult seek = SeekSearch(doc, name);
        body = seek.body;
        star = seek.star;
    }
    if (!body && !star) {
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
        const SkyPoint& p = star->m_pos;
        double ra = p.a, dec = p.b;
        PrecessFromJ2000(julianDay, ra, dec);
        const double cosDec = std::cos(dec);
        const std::array<double, 3> dirSky = {cosDec * std::cos(ra), std::sin(dec), -cosDec * std::sin(ra)};
        const std::array<double, 3> dirBody = BodyFromSky(dirSky);
        std::array<double, 3> far;
        for (int k = 0; k < 3; ++k) far[k] = sky.eyeKm[k] + kStarDistanceKm * dirBody[k];
        place = sky.Place(far);
        t.mount.name = star->m_strName;
        t.mount.raHoursJ2000 = Reduce360(p.a * kRadToDeg) / 15.0;
        t.mount.decDegJ2000 = p.b * kRadToDeg;
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
