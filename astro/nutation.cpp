#include "astro/nutation.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/series_angles.h"
#include "astro/series_tables.h"

Nutation NutationIau1980(double jde) {
    const double T = JulianCenturies(jde);
    const double T2 = T * T, T3 = T2 * T;
    // Fundamental arguments, degrees, reduced before the sums.
    const double D = Reduce360(297.85036 + 445267.111480 * T - 0.0019142 * T2 + T3 / 189474) * kDegToRad;
    const double M = Reduce360(357.52772 + 35999.050340 * T - 0.0001603 * T2 - T3 / 300000) * kDegToRad;
    const double Mp = Reduce360(134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250) * kDegToRad;
    const double F = Reduce360(93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270) * kDegToRad;
    const double Om = Reduce360(125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000) * kDegToRad;
    // The multiples of each argument once, each term's angle by addition.
    const AngleMultiples<kMaxNutationMultiple> d(D), m(M), mp(Mp), f(F), om(Om);
    Nutation n;
    for (const NutationTerm& t : NutationTerms()) {
        const UnitAngle a = d[t.D] * m[t.M] * mp[t.Mp] * f[t.F] * om[t.Om];
        n.psiArcsec += (t.psi + t.psiT * T) * a.s;
        n.epsArcsec += (t.eps + t.epsT * T) * a.c;
    }
    n.psiArcsec *= 1e-4;
    n.epsArcsec *= 1e-4;
    return n;
}

double MeanObliquityArcsec(double jde) {
    const double T = JulianCenturies(jde);
    return kObliquityJ2000Arcsec +
           T * (-46.836769 + T * (-0.0001831 + T * (0.00200340 + T * (-0.000000576 + T * -0.0000000434))));
}

DMat3 PrecessionMatrix(double jde) {
    const double T = JulianCenturies(jde);
    const double zeta =
        2.650545 + T * (2306.083227 + T * (0.2988499 + T * (0.01801828 + T * (-0.000005971 + T * -0.0000003173))));
    const double z =
        -2.650545 + T * (2306.077181 + T * (1.0927348 + T * (0.01826837 + T * (-0.000028596 + T * -0.0000002904))));
    const double theta =
        T * (2004.191903 + T * (-0.4294934 + T * (-0.04182264 + T * (-0.000007089 + T * -0.0000001274))));
    return Mat3Multiply(Mat3Multiply(FrameRotation3(-z * kArcsecToRad), FrameRotation2(theta * kArcsecToRad)),
                        FrameRotation3(-zeta * kArcsecToRad));
}
