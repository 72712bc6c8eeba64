#pragma once
// SkyPoint: a direction on the sky with its angles, its Cartesian position and
// its Q15 unit vector. Sky frame: x to right ascension 0h, y to the north
// pole, z to right ascension 18h (so z = r cos(dec) sin(-ra)).

#include <cstdint>

class CArchive;

struct SkyPoint {
    float a = 0;           // right ascension (or longitude-like angle), radians
    float b = 0;           // declination, radians
    double x = 0, y = 0, z = 0;  // position, sky frame, in the point's radius unit
    int32_t X = 0, Y = 0, Z = 0;  // unit direction, Q15 (32768 = 1), sky frame

    // Archive layout: a f32, b f32, x y z f64, X Y Z i32 (44 bytes).
    void Serialize(CArchive& ar);
};

constexpr int kSkyPointBytes = 44;
