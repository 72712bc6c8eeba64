#include "astro/rise_set.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/sidereal.h"

namespace {
constexpr double kSampleStepDays = 10.0 / 1440.0;
constexpr double kToleranceDays = 0.5 / 86400.0;

// The observer's latitude, ready for every sample.
struct Observer {
    explicit Observer(const EarthPlace& place)
        : sinLat(std::sin(place.latitudeRad)), cosLat(std::cos(place.latitudeRad)),
          longitudeRad(place.eastLongitudeRad) {}
    double sinLat, cosLat, longitudeRad;
};

// The object at one instant: the sine of its altitude less that of its
// standard altitude (the sign tells above or below), the sine of its
// altitude, and its hour angle, radians in [-pi, pi].
struct Sample {
    double elevation, sinAltitude, hourAngle;
};

Sample SampleAt(const Observer& o, const EventTrack& track, double jd) {
    const EventPlace p = track.At(jd);
    const double lst = GreenwichMeanSiderealTime(jd) * kDegToRad + o.longitudeRad;
    const double s = std::sin(lst), c = std::cos(lst);
    const auto& v = p.direction;
    // With right ascension a and declination d, v = (cos d sin a, sin d,
    // cos d cos a); the hour angle is H = lst - a.
    const double cosDecCosH = v[0] * s + v[2] * c;
    const double cosDecSinH = v[2] * s - v[0] * c;
    const double sinAltitude = o.sinLat * v[1] + o.cosLat * cosDecCosH;
    return {sinAltitude - p.sinStandardAltitude, sinAltitude, std::atan2(cosDecSinH, cosDecCosH)};
}

// A root of f between t0 and t1 where f changes sign (f0 = f(t0), f1 =
// f(t1)), by regula falsi with the Illinois step, to kToleranceDays.
template <class F>
double Refine(const F& f, double t0, double f0, double t1, double f1) {
    int side = 0;
    for (int i = 0; i < 60 && t1 - t0 > kToleranceDays; ++i) {
        double t = f1 != f0 ? t1 - f1 * (t1 - t0) / (f1 - f0) : 0.5 * (t0 + t1);
        if (!(t > t0 && t < t1)) t = 0.5 * (t0 + t1);
        double ft = f(t);
        if (ft == 0) return t;
        if ((ft < 0) == (f0 < 0)) {
            t0 = t, f0 = ft;
            if (side == -1) f1 *= 0.5;
            side = -1;
        } else {
            t1 = t, f1 = ft;
            if (side == 1) f0 *= 0.5;
            side = 1;
        }
        if (std::fabs(t1 - t0) <= kToleranceDays) break;
    }
    return f1 != f0 ? t1 - f1 * (t1 - t0) / (f1 - f0) : 0.5 * (t0 + t1);
}
}  // namespace

double MoonStandardAltitudeDeg(double distanceKm) {
    constexpr double kEarthEquatorialRadiusKm = 6378.14;
    double parallaxDeg = std::asin(std::min(1.0, kEarthEquatorialRadiusKm / distanceKm)) * kRadToDeg;
    return 0.7275 * parallaxDeg - 34.0 / 60.0;
}

EventPlace EquatorialEventPlace(double ra, double dec, double standardAltitudeDeg) {
    EventPlace p;
    p.direction = {std::cos(dec) * std::sin(ra), std::sin(dec), std::cos(dec) * std::cos(ra)};
    p.sinStandardAltitude = std::sin(standardAltitudeDeg * kDegToRad);
    return p;
}

DayEvents FindDayEvents(const EventTrack& track, const EarthPlace& place, double jdStart,
                        double jdEnd) {
    DayEvents out;
    if (!(jdEnd > jdStart)) return out;
    const int steps = std::max(1, static_cast<int>(std::ceil((jdEnd - jdStart) / kSampleStepDays)));
    const double step = (jdEnd - jdStart) / steps;
    const Observer o(place);
    auto elevation = [&](double t) { return SampleAt(o, track, t).elevation; };
    auto hourAngle = [&](double t) { return SampleAt(o, track, t).hourAngle; };

    double t0 = jdStart;
    Sample s0 = SampleAt(o, track, t0);
    double e0 = s0.elevation, h0 = s0.hourAngle;
    // A culmination exactly at the start belongs to this span.
    if (h0 == 0) out.transits.Add(t0);
    const bool upAtStart = e0 >= 0;
    for (int i = 1; i <= steps; ++i) {
        double t1 = i == steps ? jdEnd : jdStart + i * step;
        Sample s1 = SampleAt(o, track, t1);
        double e1 = s1.elevation, h1 = s1.hourAngle;
        if ((e0 >= 0) != (e1 >= 0)) {
            double t = Refine(elevation, t0, e0, t1, e1);
            if (t < jdEnd) {
                if (e1 >= 0) {
                    out.rises.Add(t);
                    out.daysUp += t1 - t;
                } else {
                    out.sets.Add(t);
                    out.daysUp += t - t0;
                }
            }
        } else if (e0 >= 0) {
            out.daysUp += t1 - t0;
        }
        // Upper culmination: the hour angle passes zero going up (a jump
        // from +pi to -pi is the lower culmination).
        if (h0 < 0 && h1 >= 0 && h1 - h0 < kPi) {
            double t = h1 == 0 ? t1 : Refine(hourAngle, t0, h0, t1, h1);
            if (t < jdEnd) out.transits.Add(t);
        }
        t0 = t1, e0 = e1, h0 = h1;
    }
    for (int i = 0; i < out.transits.count; ++i) {
        const double sinAltitude = SampleAt(o, track, out.transits.julianDay[i]).sinAltitude;
        out.transitAltitudeDeg[i] = std::asin(std::clamp(sinAltitude, -1.0, 1.0)) * kRadToDeg;
    }
    if (out.rises.empty() && out.sets.empty())
        out.kind = upAtStart ? DayKind::AlwaysUp : DayKind::NeverRises;
    else
        out.kind = DayKind::RisesOrSets;
    return out;
}
