#include "astro/moon.h"

#include <cmath>
#include <cstdlib>

#include "astro/angles.h"
#include "astro/series_angles.h"
#include "astro/series_tables.h"

namespace {
// A mean argument: the polynomial in degrees, reduced, in radians.
double MeanArgument(double degrees) { return Reduce360(degrees) * kDegToRad; }

// The eccentricity factor of a term: E for the Sun's anomaly once, E^2 twice.
double EccentricityFactor(int m, double E) {
    switch (std::abs(m)) {
        case 1: return E;
        case 2: return E * E;
        default: return 1.0;
    }
}
}  // namespace

void MoonPosition(double jd, double& lambda, double& beta, double& distance) {
    double T = JulianCenturies(jd);
    double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    double Lp = Reduce360(218.3164591 + 481267.88134236 * T - 0.0013268 * T2 + T3 / 538841 -
                          T4 / 65194000);
    double D = MeanArgument(297.8502042 + 445267.1115168 * T - 0.00163 * T2 + T3 / 545868 -
                            T4 / 113065000);
    double M = MeanArgument(357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000);
    double Mp = MeanArgument(134.9634114 + 477198.8676313 * T + 0.008997 * T2 + T3 / 69699 -
                             T4 / 14712000);
    double F = MeanArgument(93.2720993 + 483202.0175273 * T - 0.0034029 * T2 - T3 / 3526000 +
                            T4 / 863310000);
    double A1 = MeanArgument(119.75 + 131.849 * T);
    double A2 = MeanArgument(53.09 + 479264.29 * T);
    double A3 = MeanArgument(313.45 + 481266.484 * T);
    double LpRad = Lp * kDegToRad;
    double E = 1 - 0.002516 * T - 0.0000074 * T2;

    const AngleMultiples<kMaxMoonMultiple> d(D), m(M), mp(Mp), f(F);
    double sumL = 0, sumR = 0, sumB = 0;
    for (const MoonTerm& t : MoonLongitudeDistanceTerms()) {
        UnitAngle a = d[t.D] * m[t.M] * mp[t.Mp] * f[t.F];
        double e = EccentricityFactor(t.M, E);
        sumL += t.primary * e * a.s;
        sumR += t.distance * e * a.c;
    }
    for (const MoonTerm& t : MoonLatitudeTerms()) {
        UnitAngle a = d[t.D] * m[t.M] * mp[t.Mp] * f[t.F];
        sumB += t.primary * EccentricityFactor(t.M, E) * a.s;
    }
    // Additive terms (Venus, Jupiter and the flattening of the Earth), 1e-6 degree.
    sumL += 3958 * std::sin(A1) + 1962 * std::sin(LpRad - F) + 318 * std::sin(A2);
    sumB += -2235 * std::sin(LpRad) + 382 * std::sin(A3) + 175 * std::sin(A1 - F) +
            175 * std::sin(A1 + F) + 127 * std::sin(LpRad - Mp) - 115 * std::sin(LpRad + Mp);

    lambda = Reduce360(Lp + sumL * 1e-6) * kDegToRad;
    beta = sumB * 1e-6 * kDegToRad;
    // (385000.56 km + sumR metres) in units of 6378 km.
    distance = sumR * 0.001 * (1.0 / 6378) + 60.36383819379115;
}
