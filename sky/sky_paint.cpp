#include "sky/sky_paint.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "catalogue/lumo_doc.h"
#include "engine/palette.h"
#include "engine/primitives.h"
#include "engine/vector_q15.h"
#include "sky/body_models.h"
#include "sky/lumo_wnd.h"
#include "sky/observer_circles.h"

namespace {

// Body indices with a marker of their own.
constexpr int32_t kSunIndex = 0;
constexpr int32_t kEarthIndex = 3;
constexpr int32_t kMoonIndex = 4;
constexpr int32_t kMarsIndex = 5;

// Marker radii in designed pixels.
constexpr int32_t kLargeStarRadius = 2;
constexpr int32_t kSunRadius = 6;
constexpr int32_t kBodyRadius = 2;

void SelectFontB(CDC& dc, const CLumoWnd& wnd) {
    if (wnd.m_pTools) dc.SelectObject(&wnd.m_pTools->fontB);
}

// trunc(v) held inside the int32 range (NaN gives 0).
int32_t TruncToInt32(double v) {
    if (!(v == v)) return 0;
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(std::trunc(v), lo, hi));
}

void ClearScreenPositions(CLumoDoc& doc) {
    for (auto& star : doc.m_stars) star->m_ptScreen[0] = star->m_ptScreen[1] = kOffScreen;
    for (auto& body : doc.m_planets) body->m_ptScreen[0] = body->m_ptScreen[1] = kOffScreen;
}

void DrawSkyLines(CLumoDoc& doc, CLumoWnd& wnd, const std::vector<CSkyLine>& lines,
                  int32_t colour) {
    for (const CSkyLine& line : lines) DrawSegment(doc, wnd, colour, line.m_start, line.m_end);
}

void DrawStars(CLumoDoc& doc, CDC& dc, CLumoWnd& wnd) {
    const CSkyCamera& camera = wnd.m_Camera;
    const int32_t height = wnd.m_Surface.Height;
    // The Daylight layer's sky hides what is fainter than it lets through.
    const float magLimit = std::min(doc.m_fMagLimit, wnd.m_fSkyLimit);
    const float nameLimit = std::min(doc.m_fNameLimit, wnd.m_fSkyLimit);
    for (auto& star : doc.m_stars) {
        const float magnitude = star->m_fMagnitude;
        // Brightest first: the first star at or past the limit ends the layer.
        if (!(magnitude < magLimit)) break;
        const SkyPoint& p = star->m_pos;
        if (camera.Depth(p.X, p.Y, p.Z) <= 0) continue;
        int32_t x, y;
        wnd.ProjectToScreen(DotQ15(camera.m_vSide, p.X, p.Y, p.Z),
                            DotQ15(camera.m_vUp, p.X, p.Y, p.Z), x, y);
        DrawStar(wnd, magnitude, x, y);
        star->m_ptScreen[0] = x;
        star->m_ptScreen[1] = height - y;
        if (magnitude < nameLimit && !star->m_strName.empty()) {
            dc.SetTextColor(kStarNameColour);
            SelectFontA(dc, wnd);
            dc.TextOut(x, height - y, star->m_strName);
        }
    }
}

// Stores the body's view vector (units of 100 km, sky frame, from the eye)
// and its squared length.
void SetViewVector(CPlanet& body, const EyeHundredKm& eye) {
    body.m_vView[0] = TruncToInt32(0.01 * body.m_dPos[2] - eye[2]);
    body.m_vView[1] = TruncToInt32(0.01 * body.m_dPos[1] - eye[1]);
    body.m_vView[2] = TruncToInt32(eye[0] - 0.01 * body.m_dPos[0]);
    const double x = body.m_vView[0], y = body.m_vView[1], z = body.m_vView[2];
    body.m_dDistance = x * x + y * y + z * z;
}

void DrawMoonIcon(CDC& dc, CLumoWnd& wnd, double julianDay, int32_t x, int32_t windowY) {
    const int32_t side = wnd.m_scale.Pixels(CIcon::kSize);
    const CIcon* icon = wnd.m_moonIcon.Get(MoonIconIdForFraction(LunationFraction(julianDay)), side);
    if (icon) dc.DrawIcon(x - side / 2, windowY - side / 2, *icon);
}

void DrawBodyMarker(CLumoDoc& doc, CDC& dc, CLumoWnd& wnd, const CPlanet& body, int32_t x,
                    int32_t y) {
    Surface& s = wnd.m_Surface;
    const int32_t r = wnd.m_scale.Pixels(kBodyRadius);
    switch (body.m_nIndex) {
        case kSunIndex: DrawBodyDisc(s, x, y, wnd.m_scale.Pixels(kSunRadius), 5); break;
        case kEarthIndex: DrawBodyDisc(s, x, y, r, 4); break;
        case kMarsIndex: DrawBodyDisc(s, x, y, r, 2); break;
        case kMoonIndex: DrawMoonIcon(dc, wnd, doc.m_dJulianDay, x, s.Height - y); break;
        default: DrawBodyDisc(s, x, y, r, 1); break;
    }
}

void DrawBodies(CLumoDoc& doc, CDC& dc, CLumoWnd& wnd) {
    std::vector<CPlanet*> order;
    order.reserve(doc.m_planets.size());
    for (auto& body : doc.m_planets) {
        SetViewVector(*body, wnd.m_vEye);
        order.push_back(body.get());
    }
    // Far to near, so nearer bodies paint over farther ones.
    std::stable_sort(order.begin(), order.end(),
                     [](const CPlanet* a, const CPlanet* b) { return a->m_dDistance > b->m_dDistance; });
    const CPlanet* observer = doc.m_pObserverBody;
    const int32_t height = wnd.m_Surface.Height;
    for (CPlanet* body : order) {
        if (body == observer && !doc.m_bObserverOnBody) continue;
        // Moons are shown only around the body the observer stands on.
        if (body->m_nParent != 0 && !(observer && body->m_nParent == observer->m_nIndex)) continue;
        const Vec3i u = Normalize({body->m_vView[0], body->m_vView[1], body->m_vView[2]});
        const Vec3i c = wnd.m_Camera.ToCamera(u.x, u.y, u.z);
        if (c.z < 0) continue;  // a body exactly on the rim is drawn
        int32_t x, y;
        wnd.ProjectToScreen(c.x, c.y, x, y);
        if (DrawBodyModel(doc, wnd, *body, x, y, body->m_dDistance)) continue;
        DrawBodyMarker(doc, dc, wnd, *body, x, y);
        body->m_ptScreen[0] = x;
        body->m_ptScreen[1] = height - y;
        dc.SetTextColor(kBodyNameColour);
        SelectFontB(dc, wnd);
        dc.TextOut(x, height - y, body->m_strName);
    }
}

}  // namespace

void SelectFontA(CDC& dc, const CLumoWnd& wnd) {
    if (wnd.m_pTools) dc.SelectObject(&wnd.m_pTools->fontA);
}

void PaintLayers(CLumoDoc& doc, CLumoWnd& wnd) {
    Surface& s = wnd.m_Surface;
    ClearScreenPositions(doc);
    BuildShadeBase(0);
    CDC dc;
    dc.Attach(s.MemoryDC);
    dc.SetBkMode(TRANSPARENT);
    FocalLength = doc.m_nZoom;
    SurfaceBeginFrame(s, doc.m_nZoom);
    DrawCircle(s, s.CentreX, s.CentreY, FocalLength, kGridColour);  // the rim
    if (doc.m_bGrid) DrawLineSet(doc, wnd, doc.m_gridLines, kGridColour);
    if (doc.m_bEcliptic) DrawLineSet(doc, wnd, doc.m_eclipticLines, kEclipticColour);
    if (doc.m_bLocalCircles) DrawLocalCircles(doc, wnd);
    if (doc.m_bHorizon && !doc.m_bGround) DrawHorizon(doc, dc, wnd);
    if (doc.m_bFigures) DrawSkyLines(doc, wnd, doc.m_figures, kFigureColour);
    if (doc.m_bBounds) DrawSkyLines(doc, wnd, doc.m_bounds, kBoundsColour);
    if (doc.m_bConstNames)
        for (const CSkyLabel& label : doc.m_labels)
            DrawLabel(dc, wnd, label.m_pos, label.m_strName, kConstellationNameColour);
    doc.m_frameLines.clear();
    DrawStars(doc, dc, wnd);
    DrawBodies(doc, dc, wnd);
    doc.m_frameLines.clear();
    // The ground goes over the stars and bodies below the horizon.
    if (doc.m_bHorizon && doc.m_bGround) DrawHorizon(doc, dc, wnd);
    dc.Detach();
    SurfaceEndFrame(s);
}

void DrawSegmentQ15(CLumoDoc& doc, CLumoWnd& wnd, int32_t colour, const Vec3i& a, const Vec3i& b) {
    const Vec3i ca = wnd.m_Camera.ToCamera(a.x, a.y, a.z);
    const Vec3i cb = wnd.m_Camera.ToCamera(b.x, b.y, b.z);
    if (ca.z <= 0 || cb.z <= 0) return;
    int32_t x1, y1, x2, y2;
    wnd.ProjectToScreen(ca.x, ca.y, x1, y1);
    wnd.ProjectToScreen(cb.x, cb.y, x2, y2);
    MoveTo(wnd.m_Surface, x1, y1);
    LineTo(wnd.m_Surface, x2, y2, colour);
    doc.m_frameLines.push_back({x2, y2});
}

void DrawSegment(CLumoDoc& doc, CLumoWnd& wnd, int32_t colour, const SkyPoint& a, const SkyPoint& b) {
    DrawSegmentQ15(doc, wnd, colour, {a.X, a.Y, a.Z}, {b.X, b.Y, b.Z});
}

void DrawLineSet(CLumoDoc& doc, CLumoWnd& wnd, const std::vector<CSkyLine>& set, int32_t colour) {
    DrawSkyLines(doc, wnd, set, colour);
    doc.m_frameLines.clear();
}

void DrawLabel(CDC& dc, CLumoWnd& wnd, const SkyPoint& where, std::string_view text, ColorRef colour) {
    const Vec3i c = wnd.m_Camera.ToCamera(where.X, where.Y, where.Z);
    if (c.z <= 0) return;
    int32_t x, y;
    wnd.ProjectToScreen(c.x, c.y, x, y);
    dc.SetTextColor(colour);
    SelectFontA(dc, wnd);
    dc.TextOut(x, wnd.m_Surface.Height - y, text);
}

uint8_t StarPaletteIndex(float magnitude) {
    constexpr int32_t kWhite = 1;
    int32_t level = 7;
    if (magnitude < 3.0f) level = 0;
    else if (magnitude < 4.0f) level = 4;
    else if (magnitude < 5.0f) level = 5;
    else if (magnitude < 6.0f) level = 6;
    return static_cast<uint8_t>(PaletteIndexOf(level, kWhite));
}

void DrawStar(CLumoWnd& wnd, float magnitude, int32_t x, int32_t y) {
    Surface& s = wnd.m_Surface;
    if (magnitude < 1.0f) {
        const int32_t r = wnd.m_scale.Pixels(kLargeStarRadius);
        if (x >= r && x < s.Stride - r && y >= r && y < s.Height - r) DrawBodyDisc(s, x, y, r, 1);
        return;
    }
    const uint8_t index = StarPaletteIndex(magnitude);
    // Each designed pixel of the cross and the dot is a square of k x k
    // surface pixels; (x, y) lies in the middle square, h pixels from its
    // low corner. With k = 1 they are single pixels.
    const int32_t k = wnd.m_scale.Block();
    const int32_t h = (k - 1) / 2;
    auto square = [&s, k, h, index](int32_t cx, int32_t cy) {
        for (int32_t py = cy - h; py < cy - h + k; ++py) {
            uint8_t* row = s.RowBase + static_cast<ptrdiff_t>(py) * s.RowStep;
            for (int32_t px = cx - h; px < cx - h + k; ++px) row[px] = index;
        }
    };
    // The marker's reach from (x, y): below and left, above and right.
    const int32_t arm = magnitude < 2.0f ? k : 0;
    const int32_t low = arm + h, high = arm + k - 1 - h;
    if (x - low < 0 || x + high >= s.Stride || y - low < 0 || y + high >= s.Height) return;
    square(x, y);
    if (arm) {
        square(x - k, y);
        square(x + k, y);
        square(x, y - k);
        square(x, y + k);
    }
}
