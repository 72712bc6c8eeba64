#include "engine/rotate.h"

#include <algorithm>
#include <cmath>

#include "engine/render_object.h"
#include "engine/render_settings.h"
#include "engine/trig_tables.h"
#include "engine/vector_q15.h"

namespace {
const Vec3i kPointerLight = {147, -147, 147};
constexpr double kAngleUnitsPerRadian = 5217.834394904458;  // 16384 / 3.14

int32_t Q15(int64_t a, int64_t b) { return static_cast<int32_t>((a * b) >> 15); }

// s·u + c·v and c·u - s·v, each product Q15.
void Turn(Vec3i& u, Vec3i& v, int32_t angle) {
    const int32_t s = Sin(angle), c = Cos(angle);
    Vec3i nu{Q15(s, v.x) + Q15(c, u.x), Q15(s, v.y) + Q15(c, u.y), Q15(s, v.z) + Q15(c, u.z)};
    Vec3i nv{Q15(c, v.x) - Q15(s, u.x), Q15(c, v.y) - Q15(s, u.y), Q15(c, v.z) - Q15(s, u.z)};
    u = nu;
    v = nv;
}

// The model's distance on a surface: 128 file units at 22 pixels.
int32_t ModelDepth(const Surface& s) {
    return static_cast<int32_t>((int64_t(s.FocalLength) * 128) / kBallRadius);
}

// The height of a ball point above the screen, ball units, or -1 outside.
int32_t BallHeight(int32_t bx, int32_t by) {
    int32_t r = 256 - ((by * by) >> 8) - ((bx * bx) >> 8);
    if (r < 1) return -1;
    return SqrtTable[std::clamp(r * 128, 0, 32767)] >> 7;
}
}  // namespace

void RotateInit(RotateState& s, EngineObject* model) {
    s.Model = model;
    s.Dragging = 0;
    s.AxisA = {32767, 0, 0};
    s.AxisB = {0, 32767, 0};
    s.AxisC = {0, 0, -32767};
    s.Turned[0] = s.Turned[1] = s.Turned[2] = 0;
    RotateBy(s, 0, 0, 0);
}

void RotateBy(RotateState& s, int32_t a, int32_t b, int32_t c) {
    s.Turned[0] += a;
    s.Turned[1] += b;
    s.Turned[2] += c;
    if (b != 0) Turn(s.AxisA, s.AxisB, b);  // A from B, B from A
    if (c != 0) Turn(s.AxisA, s.AxisC, c);
    if (a != 0) Turn(s.AxisB, s.AxisC, a);
    const Vec3i& C = s.AxisC;
    const Vec3i& B = s.AxisB;
    const Vec3i& A = s.AxisA;
    s.View = {C.x, C.y, C.z, B.x, B.y, B.z, A.x, A.y, A.z};
}

void BallPoint(int32_t x, int32_t y, int32_t& bx, int32_t& by) {
    bx = ((x - kBallCentre) * 256) / kBallRadius;
    by = ((y - kBallCentre) * 256) / kBallRadius;
}

bool InsideBall(int32_t x, int32_t y) {
    int32_t bx, by;
    BallPoint(x, y, bx, by);
    return 256 - ((by * by) >> 8) - ((bx * bx) >> 8) > 0;
}

void PointAngles(int32_t x, int32_t y, int32_t z, int32_t& lat, int32_t& lon) {
    Vec3i n = Normalize(Vec3i{x, y, z});
    lat = Asin(n.y);
    int32_t half = Cos(lat) >> 1;
    int32_t sinLon = half != 0 ? std::clamp<int64_t>((int64_t(n.x) * 16384) / half, -32767, 32767) : 0;
    lon = Asin(sinLon);
    if (n.z < 0) lon = 16384 - lon;
}

bool RotateResize(RotateState& s, int32_t width, int32_t height) {
    if (!SurfaceCreate(s.surface, width, height)) return false;
    const int32_t savedMode = DetailMode;
    DetailMode = 2;
    s.surface.LightVector = kDefaultLight;
    if (SurfaceBeginFrame(s.surface, 256)) {
        SurfaceClear(s.surface, kBallClearIndex);
        if (s.Model) RenderObject(s.surface, *s.Model, s.View, 0, 0, ModelDepth(s.surface));
        SurfaceEndFrame(s.surface);
    }
    DetailMode = savedMode;
    return true;
}

void RotatePenDown(RotateState& s, int32_t x, int32_t y) {
    s.LastX = x;
    s.LastY = y;
    s.Dragging = 1;
    s.StartedInside = InsideBall(x, y) ? 1 : 0;
}

void RotatePenUp(RotateState& s) { s.Dragging = 0; }

bool RotatePenMove(RotateState& s, int32_t x, int32_t y) {
    if (!s.Dragging) return false;
    int32_t px, py, cx, cy;
    BallPoint(s.LastX, s.LastY, px, py);
    BallPoint(x, y, cx, cy);
    if (s.StartedInside) {
        int32_t pz = BallHeight(px, py), cz = BallHeight(cx, cy);
        if (pz < 0 || cz < 0) return false;  // outside the ball: ignored until it comes back
        int32_t lastLat, lastLon, curLat, curLon;
        PointAngles(px, py, pz, lastLat, lastLon);
        PointAngles(cx, cy, cz, curLat, curLon);
        RotateBy(s, 0, 0, 2 * (curLon - lastLon));
        RotateBy(s, 0, 2 * (lastLat - curLat), 0);
    } else {
        int32_t a = static_cast<int32_t>(std::atan2(double(py), double(px)) * kAngleUnitsPerRadian) -
                    static_cast<int32_t>(std::atan2(double(cy), double(cx)) * kAngleUnitsPerRadian);
        RotateBy(s, a, 0, 0);
    }
    RotateRedraw(s);
    s.LastX = x;
    s.LastY = y;
    return true;
}

void RotateRedraw(RotateState& s) {
    s.surface.LightVector = kPointerLight;
    if (SurfaceBeginFrame(s.surface, 256)) {
        if (s.Model) RenderObject(s.surface, *s.Model, s.View, 0, 0, ModelDepth(s.surface));
        SurfaceEndFrame(s.surface);
    }
}
