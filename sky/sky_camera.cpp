#include "sky/sky_camera.h"

#include "engine/matrix_q15.h"
#include "engine/trig_tables.h"

namespace {

// (s a + c b) with each product shifted right by 15 on its own.
int32_t Mix(int32_t s, int32_t a, int32_t c, int32_t b) {
    return static_cast<int32_t>(((int64_t{s} * a) >> 15) + ((int64_t{c} * b) >> 15));
}

// Turns the pair of rows (toward, from): from <- s toward + c from and
// toward <- c toward - s from, both from the rows as they were.
void TurnPair(Vec3i& from, Vec3i& toward, Angle angle) {
    const int32_t s = Sin(angle), c = Cos(angle);
    const Vec3i f = from, t = toward;
    from = {Mix(s, t.x, c, f.x), Mix(s, t.y, c, f.y), Mix(s, t.z, c, f.z)};
    toward = {Mix(c, t.x, -s, f.x), Mix(c, t.y, -s, f.y), Mix(c, t.z, -s, f.z)};
}

}  // namespace

void CSkyCamera::Reset() {
    m_vDepth = {kQ15One, 0, 0};
    m_vUp = {0, kQ15One, 0};
    m_vSide = {0, 0, -kQ15One};
    RebuildEngineCopies();
}

void CSkyCamera::Rotate(Angle roll, Angle pitch, Angle yaw) {
    // pitch: D <- s U + c D, U <- c U - s D
    if (pitch != 0) TurnPair(m_vDepth, m_vUp, pitch);
    // yaw: D <- s S + c D, S <- c S - s D
    if (yaw != 0) TurnPair(m_vDepth, m_vSide, yaw);
    // roll: U <- s S + c U, S <- c S - s U
    if (roll != 0) TurnPair(m_vUp, m_vSide, roll);
    RebuildEngineCopies();
}

void CSkyCamera::RebuildEngineCopies() {
    m_engine = {m_vSide.x, m_vSide.y, m_vSide.z, m_vUp.x, m_vUp.y,
                m_vUp.z,   m_vDepth.x, m_vDepth.y, m_vDepth.z};
    MatTranspose(m_engineTransposed, m_engine);
}

int32_t CSkyCamera::Depth(int32_t x, int32_t y, int32_t z) const { return DotQ15(m_vDepth, x, y, z); }
