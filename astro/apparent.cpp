#include "astro/apparent.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/planet_series.h"
#include "astro/sidereal.h"
#include "astro/time_scales.h"


FrameOfDate ComputeFrameOfDate(double jdUt) {
    SeriesInstant series(TerrestrialJulianDay(jdUt));
    return ComputeFrameOfDate(jdUt, series);
}

FrameOfDate ComputeFrameOfDate(double jdUt, SeriesInstant& series) {
    FrameOfDate f;
    f.julianDayUt = jdUt;
    const double jde = series.JulianDay();
    f.julianEphemerisDay = jde;
    const Nutation n = NutationIau1980(jde);
    f.meanObliquityRad = MeanObliquityArcsec(jde) * kArcsecToRad;
    f.trueObliquityRad = f.meanObliquityRad + n.epsArcsec * kArcsecToRad;
    f.nutationLongitudeRad = n.psiArcsec * kArcsecToRad;
    f.eclipticToTrueEquator =
        Mat3Multiply(FrameRotation1(-f.trueObliquityRad), FrameRotation3(-f.nutationLongitudeRad));
    const DMat3 nutation = Mat3Multiply(f.eclipticToTrueEquator, FrameRotation1(f.meanObliquityRad));
    f.precessionNutation = Mat3Multiply(nutation, PrecessionMatrix(jde));
    // The Earth's velocity from the rates of its series (the same as a
    // central difference of its positions).
    SeriesPlace earth;
    series.PositionAndRate(2, earth);
    DVec3 v;
    SeriesCartesian(earth, f.earthEclipticAu, v);
    for (double& c : v) c /= kLightAuPerDay;
    f.earthVelocityOverC = Mat3Apply(f.eclipticToTrueEquator, v);
    const double equationOfEquinoxes = f.nutationLongitudeRad * std::cos(f.trueObliquityRad) * kRadToDeg;
    f.apparentSiderealDeg = WrapAngle(GreenwichMeanSiderealTime(jdUt) + equationOfEquinoxes, 360.0);
    return f;
}

DVec3 Aberrate(const DVec3& u, const DVec3& v) {
    const double d = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    return Vec3Unit({u[0] + v[0] - d * u[0], u[1] + v[1] - d * u[1], u[2] + v[2] - d * u[2]});
}

void ApparentStarPlace(const FrameOfDate& f, double raJ2000, double decJ2000, double& ra, double& dec) {
    const DVec3 date = Mat3Apply(f.precessionNutation, UnitFromAngles(raJ2000, decJ2000));
    AnglesFromVector(Aberrate(date, f.earthVelocityOverC), ra, dec);
}

DMat3 CatalogueToDateSky(const FrameOfDate& f) {
    // S NP S^T with S the permutation standard -> sky.
    constexpr DMat3 S = {1, 0, 0, 0, 0, 1, 0, -1, 0};
    return Mat3Multiply(Mat3Multiply(S, f.precessionNutation), Mat3Transpose(S));
}

DMat3 AberrationRotationAt(const FrameOfDate& f, const DVec3& centreSky) {
    const DVec3 u = Vec3Unit(centreSky);
    if (Vec3Norm(u) == 0) return kDIdentity3;
    const DVec3 a = Aberrate(u, SkyFromStandard(f.earthVelocityOverC));
    // Rodrigues' formula about k = u x a, with sin and cos of the angle.
    const DVec3 k = {u[1] * a[2] - u[2] * a[1], u[2] * a[0] - u[0] * a[2], u[0] * a[1] - u[1] * a[0]};
    const double s = Vec3Norm(k), c = u[0] * a[0] + u[1] * a[1] + u[2] * a[2];
    if (s == 0) return kDIdentity3;
    const DVec3 n = {k[0] / s, k[1] / s, k[2] / s};
    const double t = 1 - c;
    return {c + t * n[0] * n[0],        t * n[0] * n[1] - s * n[2], t * n[0] * n[2] + s * n[1],
            t * n[1] * n[0] + s * n[2], c + t * n[1] * n[1],        t * n[1] * n[2] - s * n[0],
            t * n[2] * n[0] - s * n[1], t * n[2] * n[1] + s * n[0], c + t * n[2] * n[2]};
}
