#include "astro/rise_set.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/sidereal.h"

namespace {
constexpr double kSampleStepDays = 10.0 / 1440.0;
constexpr double kToleranceDays = 0.5 / 86400.0;

// The object at one instant: its altitude above the standard altitude and
// its hour angle, radians, the hour angle in [-pi, pi).
struct Sample {
    double elevation, hourAngle;
};

Sample SampleAt(const EarthPlace& place, const EventTrack& track, double jd) {
    EventPlace p = track.At(jd);
    double h = GreenwichMeanSiderealTime(jd) * kDegToRad + place.eastLongitudeRad - p.rightAscensionRad;
    double s = std::sin(place.latitudeRad) * std::sin(p.declinationRad) +
               std::cos(place.latitudeRad) * std::cos(p.declinationRad) * std::cos(h);
    return {std::asin(std::clamp(s, -1.0, 1.0)) - p.standardAltitudeRad,
            WrapAngle(h + kPi, 2 * kPi) - kPi};
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

double AltitudeRad(const EarthPlace& place, double ra, double dec, double jd) {
    double h = GreenwichMeanSiderealTime(jd) * kDegToRad + place.eastLongitudeRad - ra;
    double s = std::sin(place.latitudeRad) * std::sin(dec) +
               std::cos(place.latitudeRad) * std::cos(dec) * std::cos(h);
    return std::asin(std::clamp(s, -1.0, 1.0));
}

DayEvents FindDayEvents(const EventTrack& track, const EarthPlace& place, double jdStart,
                        double jdEnd) {
    DayEvents out;
    if (!(jdEnd > jdStart)) return out;
    const int steps = std::max(1, static_cast<int>(std::ceil((jdEnd - jdStart) / kSampleStepDays)));
    const double step = (jdEnd - jdStart) / steps;
    auto elevation = [&](double t) { return SampleAt(place, track, t).elevation; };
    auto hourAngle = [&](double t) { return SampleAt(place, track, t).hourAngle; };

    double t0 = jdStart;
    Sample s0 = SampleAt(place, track, t0);
    double e0 = s0.elevation, h0 = s0.hourAngle;
    // A culmination exactly at the start belongs to this span.
    if (h0 == 0) out.transits.Add(t0);
    const bool upAtStart = e0 >= 0;
    for (int i = 1; i <= steps; ++i) {
        double t1 = i == steps ? jdEnd : jdStart + i * step;
        Sample s1 = SampleAt(place, track, t1);
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
        double t = out.transits.julianDay[i];
        EventPlace p = track.At(t);
        out.transitAltitudeDeg[i] = AltitudeRad(place, p.rightAscensionRad, p.declinationRad, t) * kRadToDeg;
    }
    if (out.rises.empty() && out.sets.empty())
        out.kind = upAtStart ? DayKind::AlwaysUp : DayKind::NeverRises;
    else
        out.kind = DayKind::RisesOrSets;
    return out;
}
