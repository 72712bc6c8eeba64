#include "sky/observer_circles.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "catalogue/lumo_doc.h"
#include "engine/primitives.h"
#include "framework/format.h"
#include "sky/lumo_wnd.h"
#include "sky/sky_paint.h"

namespace {

// The circles are walked by float angles that grow by addition.
constexpr double kChordStep = 0.05235987755982988;  // 3 degrees
constexpr double kMarkStep = 0.2617993877991494;    // 15 degrees
constexpr double kCircleEnd = 6.284185307179587;    // a turn and a little
constexpr double kMarkEnd = 6.282185307179586;      // a turn less a little: 24 marks
constexpr int32_t kMarkRadius = 3;  // designed pixels, also the label's gap

// The closed circle cos(t) a + sin(t) b as 120 chords of 3 degrees; returns
// the end points of the chords drawn, in drawing order (surface pixels).
std::vector<FramePoint> DrawCircleChords(CLumoWnd& wnd, const Vec3f& a, const Vec3f& b) {
    std::vector<FramePoint> ends;
    Vec3i previous{};
    bool first = true;
    for (float t = 0; t < kCircleEnd; t += kChordStep) {
        Vec3i p = CirclePoint(a, b, t);
        if (!first) {
            if (const auto end = DrawSegmentQ15(wnd, kHorizonColour, previous, p)) ends.push_back(*end);
        }
        previous = p;
        first = false;
    }
    return ends;
}

// The mark at direction p when it is in front; true with its surface pixel
// when it was drawn.
bool DrawMark(CLumoWnd& wnd, const Vec3i& p, int32_t& x, int32_t& y) {
    const Vec3i c = wnd.m_Camera.ToCamera(p.x, p.y, p.z);
    if (c.z <= 0) return false;
    wnd.ProjectToScreen(c.x, c.y, x, y);
    DrawCircle(wnd.m_Surface, x, y, wnd.m_scale.Pixels(kMarkRadius), kHorizonColour);
    return true;
}

void DrawAzimuthMarks(CLumoDoc& doc, CDC& dc, CLumoWnd& wnd) {
    for (float s = 0; s < kMarkEnd; s += kMarkStep) {
        int32_t x, y;
        if (!DrawMark(wnd, CirclePoint(doc.m_vEast, doc.m_vSouth, s), x, y)) continue;
        dc.SetTextColor(kAzimuthLabelColour);
        SelectFontA(dc, wnd);
        dc.TextOut(x + wnd.m_scale.Pixels(kMarkRadius), wnd.m_Surface.Height - y, AzimuthLabel(s));
    }
}

// The ground below the horizon whose drawn chords ended at points.
void FillGround(const CLumoDoc& doc, CDC& dc, const CLumoWnd& wnd, std::vector<FramePoint> points) {
    std::stable_sort(points.begin(), points.end(),
                     [](const FramePoint& a, const FramePoint& b) { return a.x < b.x; });
    const Surface& s = wnd.m_Surface;
    const int32_t base = GroundBaseRow(doc.m_nViewElevation, s.Height);
    std::vector<CPoint> polygon;
    polygon.reserve(points.size() + 2);
    polygon.push_back({0, base});
    for (const FramePoint& p : points) polygon.push_back({p.x, s.Height - p.y});
    polygon.push_back({s.Stride, base});
    dc.Polygon(polygon.data(), static_cast<int32_t>(polygon.size()));
}

}  // namespace

std::string AzimuthLabel(double s) {
    // The circle starts at the east point: azimuth = s + 90 degrees. The
    // angle grows in float steps, so the north mark comes out a hair below
    // a whole turn; it is labelled 0, not 360.
    long degrees = std::lround(std::fmod(s + kPi / 2, 2 * kPi) * kRadToDeg) % 360;
    return Format("%ld\u00BA", degrees);
}

Vec3i CirclePoint(const Vec3f& a, const Vec3f& b, double t) {
    const double c = std::cos(t), s = std::sin(t);
    auto q15 = [&](int k) {
        const float v = static_cast<float>(c * a[k] + s * b[k]);
        return static_cast<int32_t>(v * 32768.0);
    };
    return {q15(0), q15(1), q15(2)};
}

int32_t GroundBaseRow(int32_t viewElevation, int32_t height) {
    const int32_t e = viewElevation & (kAngleFullTurn - 1);  // 0..32767
    return e >= kAngleQuarterTurn && e < 3 * kAngleQuarterTurn ? 0 : height;
}

void DrawHorizon(CLumoDoc& doc, CDC& dc, CLumoWnd& wnd) {
    if (wnd.m_pTools) {
        dc.SelectObject(&wnd.m_pTools->groundBrush);
        dc.SelectObject(&wnd.m_pTools->groundPen);
    }
    std::vector<FramePoint> ends = DrawCircleChords(wnd, doc.m_vEast, doc.m_vSouth);
    if (!doc.m_bGround || !doc.m_bHorizon || doc.m_nViewMode == 0)
        DrawAzimuthMarks(doc, dc, wnd);
    else
        FillGround(doc, dc, wnd, std::move(ends));
}

void DrawLocalCircles(CLumoDoc& doc, CLumoWnd& wnd) {
    DrawCircleChords(wnd, doc.m_vEast, doc.m_vZenith);
    for (float s = 0; s < kCircleEnd; s += kMarkStep) {
        int32_t x, y;
        DrawMark(wnd, CirclePoint(doc.m_vEast, doc.m_vZenith, s), x, y);
    }
}
