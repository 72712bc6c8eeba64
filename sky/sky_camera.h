#pragma once
// CSkyCamera: the orientation of the sky view, an orthonormal basis of three
// Q15 rows in the sky frame (x to right ascension 0h, y to the north pole,
// z to 18h). A sky direction v (Q15) has camera coordinates
//   X = m_vSide . v   (positive X lies left of the screen centre),
//   Y = m_vUp . v     (positive Y up the screen),
//   Z = m_vDepth . v  (the depth; positive in front of the observer),
// each dot product the sum of the three products shifted right by 15.
// The sky window places it on every paint (PlaceCamera) and straightens it
// (Orthonormalise); the 3D renderer reads the engine copies.

#include "engine/fixed_point.h"
#include "framework/object.h"

class CSkyCamera : public CObject {
public:
    CSkyCamera() { Reset(); }

    Vec3i m_vDepth;
    Vec3i m_vUp;
    Vec3i m_vSide;
    // Engine copies, rebuilt by Reset, Rotate and RebuildEngineCopies: the
    // matrix with rows side, up, depth, and its transpose.
    MatQ15 m_engine = kMatQ15Identity;
    MatQ15 m_engineTransposed = kMatQ15Identity;

    // Depth (32767, 0, 0), up (0, 32767, 0), side (0, 0, -32767): the view
    // centre at right ascension 0h, declination 0, north up, right ascension
    // increasing to the left.
    void Reset();
    // Turns the basis by three angles (1/32768 turn; 0 skips that turn), in
    // this order: pitch moves the depth towards up, yaw moves the depth
    // towards the side, roll moves up towards the side. Each product of a
    // sine or cosine (Q15) with a row component is shifted right by 15 before
    // the sum. Rebuilds the engine copies.
    void Rotate(Angle roll, Angle pitch, Angle yaw);
    void RebuildEngineCopies();

    // Camera coordinates (X, Y, Z) of a Q15 sky direction.
    Vec3i ToCamera(int32_t x, int32_t y, int32_t z) const;
    // The depth Z alone (the visibility test of stars and lines).
    int32_t Depth(int32_t x, int32_t y, int32_t z) const;
};

// The fixed-point dot product of the camera: each product shifted right by
// 15 (arithmetic) before the sum; formed in 64 bits.
inline int32_t DotQ15(const Vec3i& row, int32_t x, int32_t y, int32_t z) {
    return static_cast<int32_t>(((int64_t{row.x} * x) >> 15) + ((int64_t{row.y} * y) >> 15) +
                                ((int64_t{row.z} * z) >> 15));
}

// Inline: the paint calls it for every line group and Milky Way point.
inline Vec3i CSkyCamera::ToCamera(int32_t x, int32_t y, int32_t z) const {
    return {DotQ15(m_vSide, x, y, z), DotQ15(m_vUp, x, y, z), DotQ15(m_vDepth, x, y, z)};
}
