// Vectors, the observer frame, aiming, the eye and the reference lines.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/aim.h"
#include "astro/angles.h"
#include "astro/eye.h"
#include "astro/frames.h"
#include "astro/local_frame.h"
#include "astro/reference_lines.h"
#include "astro/sidereal.h"
#include "astro/topocentric.h"
#include "astro/vec3.h"
#include "catalogue/lumo_doc.h"

namespace {

float Dot(const Vec3f& a, const Vec3f& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Sky-frame direction of right ascension and declination (degrees).
Vec3f SkyDirection(double raDeg, double decDeg) {
    double a = raDeg * kDegToRad, d = decDeg * kDegToRad;
    return {float(std::cos(d) * std::cos(a)), float(std::sin(d)), float(-std::cos(d) * std::sin(a))};
}

TEST(LocalFrame, ZenithAtLocalSiderealTimeAndARightHandedHorizon) {
    CPlanet earth;
    earth.m_dRotationAngle = SiderealAngle(2451545.0);  // GMST 280.46 degrees
    CPlanet* observer = nullptr;
    Vec3f zenith, east, south;
    const float lat = float(40 * kDegToRad), lon = float(-3.7 * kDegToRad);
    LocalFrame(&earth, lat, lon, observer, zenith, east, south);
    EXPECT_EQ(observer, &earth);
    Vec3f expected = SkyDirection(280.4606 - 3.7, 40);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(zenith[k], expected[k], 1e-5);
    // East lies on the horizon, 90 degrees of right ascension after the zenith.
    Vec3f eastExpected = SkyDirection(280.4606 - 3.7 + 90, 0);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(east[k], eastExpected[k], 1e-5);
    // South points away from the pole and lies in the horizon.
    EXPECT_NEAR(Dot(south, zenith), 0, 1e-6);
    EXPECT_NEAR(south[1], -std::cos(40 * kDegToRad), 1e-6);
}

TEST(Aim, ViewAnglesTowardsAPoint) {
    EyeHundredKm eye = {0, 0, 0};
    int32_t elevation = 7, azimuth = 7, mode = 1;
    // RA 6h (body x), declination 30: azimuth a quarter turn, elevation -30 degrees.
    double d = 30 * kDegToRad;
    AimAtPoint(float(1e6 * std::cos(d)), float(1e6 * std::sin(d)), 0, eye, 0, elevation, azimuth, mode);
    EXPECT_EQ(mode, 0);
    EXPECT_NEAR(azimuth, 8192, 1);
    EXPECT_NEAR(elevation, -2731, 1);
    // RA 18h: negative azimuth; the eye's own position counts (units of 100 km).
    EyeHundredKm away = {100, 0, 0};
    AimAtPoint(5000, 0, 0, away, 0, elevation, azimuth, mode);
    EXPECT_NEAR(azimuth, -8192, 1);
    EXPECT_EQ(elevation, 0);
    // Straight up the axis, and nearly: rounding must not make the arc cosine NaN.
    AimAtPoint(0, 1e6f, 0, eye, 0, elevation, azimuth, mode);
    EXPECT_EQ(azimuth, 0);
    EXPECT_NEAR(elevation, -8192, 1);
    AimAtPoint(1e-3f, 1e9f, 1e-3f, eye, 0, elevation, azimuth, mode);
    EXPECT_TRUE(azimuth >= -16384 && azimuth <= 16384);
    // VR mode leaves the view alone; a null body too.
    int32_t e0 = 11, a0 = 12, m0 = 1;
    AimAtPoint(1e6f, 0, 0, eye, 1, e0, a0, m0);
    AimAt(nullptr, eye, 0, e0, a0, m0);
    EXPECT_TRUE(e0 == 11 && a0 == 12 && m0 == 1);
}

TEST(Eye, OneRadiusUnderTheZenithOrAtTheCentreInVrMode) {
    CPlanet earth;
    earth.m_fRadius = 1;
    earth.m_dPos[0] = 1e300;  // whole units of 100 km saturate
    const Vec3f zenithSky = SkyDirection(60, 20);
    EXPECT_EQ(PlaceEye(earth, zenithSky, true)[0], 2147483647);
    earth.m_dPos[0] = 1.2e8;
    const auto eye = EyePositionKm(earth, zenithSky, false);
    const std::array<double, 3> up = {eye[0] - 1.2e8, eye[1], eye[2]}, upSky = SkyFromBody(up);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(upSky[k], zenithSky[k] * 6378.137, 1e-3);
    EXPECT_EQ(PlaceEye(earth, zenithSky, true), (EyeHundredKm{1200000, 0, 0}));
}

TEST(Topocentric, AltitudeAndAzimuthFromTheFrame) {
    // An observer on the equator with the zenith at RA 0h: north is the pole.
    Vec3f zenith = {1, 0, 0}, east = {0, 0, -1}, south = Vec3Cross(east, zenith);
    std::array<double, 3> eye = {0, 0, 0};
    auto at = [&](const std::array<double, 3>& bodyKm) { return PlaceFromEye(bodyKm, eye, zenith, east, south); };
    TopocentricPlace up = at({0, 0, 100});  // body frame z: RA 0h
    EXPECT_NEAR(up.altitudeDeg, 90, 1e-9);
    EXPECT_EQ(up.azimuthDeg, 0);
    EXPECT_EQ(up.distanceKm, 100);
    TopocentricPlace pole = at({0, 5, 0});
    EXPECT_NEAR(pole.altitudeDeg, 0, 1e-9);
    EXPECT_NEAR(pole.azimuthDeg, 0, 1e-9);
    EXPECT_NEAR(pole.declinationDeg, 90, 1e-9);
    TopocentricPlace rising = at({5, 0, 0});  // RA 6h rises in the east
    EXPECT_NEAR(rising.azimuthDeg, 90, 1e-9);
    EXPECT_NEAR(rising.rightAscensionHours, 6, 1e-12);
    TopocentricPlace setting = at({-5, -5, 0});
    EXPECT_NEAR(setting.azimuthDeg, 225, 1e-6);
    EXPECT_NEAR(setting.rightAscensionHours, 18, 1e-12);
    EXPECT_NEAR(setting.declinationDeg, -45, 1e-9);
    EXPECT_EQ(at({0, 0, 0}).distanceKm, 0);
}

}  // namespace
