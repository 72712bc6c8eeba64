#include "sky/sky_paint.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "catalogue/lumo_doc.h"
#include "engine/palette.h"
#include "engine/primitives.h"
#include "engine/vector_q15.h"
#include "sky/body_models.h"
#include "sky/deep_sky_paint.h"
#include "sky/lumo_wnd.h"
#include "sky/observer_circles.h"
#include "sky/telescope_reticle.h"

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

// Pixels beyond the surface's edge within which a star is still placed: its
// marker and a tap on the edge reach that far.
constexpr int32_t kStarMargin = 32;

// Slack for the rounding of camera coordinates and of the screen projection.
constexpr int32_t kGroupSlackQ15 = 16;
constexpr int64_t kGroupSlackPixels = 4;

// False when no segment of the group can put a pixel on the surface: its
// ball lies behind the viewer (no end has a positive depth) or projects
// wholly off the surface.
bool GroupMayShow(const CLumoWnd& wnd, const LineGroup& g) {
    if (g.everywhere) return true;
    const Vec3i c = wnd.m_Camera.ToCamera(g.x, g.y, g.z);
    if (c.z + g.radius + kGroupSlackQ15 <= 0) return false;
    int32_t x, y, edgeX, edgeY;
    wnd.ProjectToScreen(c.x, c.y, x, y);
    wnd.ProjectToScreen(c.x - g.radius, c.y, edgeX, edgeY);
    const int64_t r = std::abs(int64_t{edgeX} - x) + kGroupSlackPixels;
    const Surface& s = wnd.m_Surface;
    return x + r >= 0 && x - r < s.Stride && y + r >= 0 && y - r < s.Height;
}

void DrawSkyLines(CLumoWnd& wnd, const std::vector<CSkyLine>& lines, int32_t colour) {
    for (const LineGroup& g : wnd.m_lineIndex.GroupsOf(lines)) {
        if (!GroupMayShow(wnd, g)) continue;
        for (uint32_t i = g.first; i < g.end; ++i)
            DrawSegment(wnd, colour, lines[i].m_start, lines[i].m_end);
    }
}

// Catalogue lines (J2000 directions): drawn through the catalogue camera.
void DrawCatalogueLines(CLumoWnd& wnd, const std::vector<CSkyLine>& lines, int32_t colour) {
    std::swap(wnd.m_Camera, wnd.m_CatalogueCamera);
    DrawLineSet(wnd, lines, colour);
    std::swap(wnd.m_Camera, wnd.m_CatalogueCamera);
}

void DrawStars(CLumoDoc& doc, CDC& dc, CLumoWnd& wnd) {
    const CSkyCamera& camera = wnd.m_CatalogueCamera;
    const Surface& s = wnd.m_Surface;
    const int32_t height = s.Height;
    // The Daylight layer's sky hides what is fainter than it lets through.
    const float magLimit = std::min(doc.m_fMagLimit, wnd.m_fSkyLimit);
    const float nameLimit = std::min(doc.m_fNameLimit, wnd.m_fSkyLimit);
    StarIndex& index = wnd.m_starIndex;
    // Cells farther from the view centre than the surface's corners (and a
    // margin) hold no star this paint can draw; named stars are placed
    // whatever their cell, as their names may reach into the view.
    const double corner = std::hypot(std::max(s.CentreX, s.Stride - s.CentreX),
                                     std::max(s.CentreY, s.Height - s.CentreY));
    index.MarkVisible(camera.m_vDepth,
                      (corner + wnd.m_scale.Pixels(kStarMargin)) / std::max(1, s.FocalLength));
    for (size_t i = 0; i < doc.m_stars.size(); ++i) {
        CStar* star = doc.m_stars[i].get();
        const float magnitude = star->m_fMagnitude;
        // Brightest first: the first star at or past the limit ends the layer.
        if (!(magnitude < magLimit)) break;
        const bool mayBeNamed = magnitude < nameLimit;
        if (!mayBeNamed && !index.MayShow(i)) continue;
        const SkyPoint& p = star->m_pos;
        if (camera.Depth(p.X, p.Y, p.Z) <= 0) continue;
        int32_t x, y;
        wnd.ProjectToScreen(DotQ15(camera.m_vSide, p.X, p.Y, p.Z),
                            DotQ15(camera.m_vUp, p.X, p.Y, p.Z), x, y);
        DrawStar(wnd, magnitude, x, y);
        wnd.m_hits.stars.push_back({static_cast<int32_t>(i), x, height - y});
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

// How far (surface pixels) a moon seen from elsewhere must stand from its
// planet's centre to be drawn, and to be named.
constexpr int64_t kMoonApartPixels = 3;
constexpr int64_t kMoonNamedPixels = 24;

// Where a body (its view vector set) falls on the surface; false when it is
// behind the viewer.
bool ProjectBody(CLumoWnd& wnd, const CPlanet& body, int32_t& x, int32_t& y) {
    const Vec3i u = Normalize({body.m_vView[0], body.m_vView[1], body.m_vView[2]});
    const Vec3i c = wnd.m_Camera.ToCamera(u.x, u.y, u.z);
    if (c.z < 0) return false;  // a body exactly on the rim is drawn
    wnd.ProjectToScreen(c.x, c.y, x, y);
    return true;
}

void DrawBodies(CLumoDoc& doc, CDC& dc, CLumoWnd& wnd) {
    const PlanetArray& bodies = doc.m_planets;
    std::vector<size_t> order(bodies.size());
    for (size_t i = 0; i < bodies.size(); ++i) {
        SetViewVector(*bodies[i], wnd.m_vEye);
        order[i] = i;
    }
    // Far to near, so nearer bodies paint over farther ones.
    std::stable_sort(order.begin(), order.end(), [&bodies](size_t a, size_t b) {
        return bodies[a]->m_dDistance > bodies[b]->m_dDistance;
    });
    const CPlanet* observer = doc.m_pObserverBody;
    const int32_t height = wnd.m_Surface.Height;
    for (size_t i : order) {
        CPlanet* body = bodies[i].get();
        if (body == observer && !doc.m_bObserverOnBody) continue;
        int32_t x, y;
        if (!ProjectBody(wnd, *body, x, y)) continue;
        // Around the body the observer stands on its moons are always
        // shown; another planet's moons once they stand apart from it on
        // the screen, and named once there is room for the name.
        bool named = true;
        const bool ownMoon = observer && body->m_nParent == observer->m_nIndex;
        if (body->m_nParent != 0 && !ownMoon) {
            const size_t parent = static_cast<size_t>(body->m_nParent);
            int32_t px, py;
            if (parent >= doc.m_planets.size() || !ProjectBody(wnd, *doc.m_planets[parent], px, py))
                continue;
            const int64_t dx = x - px, dy = y - py, apart = dx * dx + dy * dy;
            if (apart < kMoonApartPixels * kMoonApartPixels) continue;
            named = apart >= kMoonNamedPixels * kMoonNamedPixels;
        }
        if (DrawBodyModel(doc, wnd, *body, x, y, body->m_dDistance)) continue;
        DrawBodyMarker(doc, dc, wnd, *body, x, y);
        wnd.m_hits.bodies.push_back({static_cast<int32_t>(i), x, height - y});
        if (!named) continue;
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
    wnd.m_starIndex.Update(doc.m_stars);
    wnd.m_hits.Clear();
    BuildShadeBase(0);
    CDC dc;
    dc.Attach(s.MemoryDC);
    dc.SetBkMode(TRANSPARENT);
    s.FocalLength = doc.m_nZoom;
    SurfaceBeginFrame(s, doc.m_nZoom);
    DrawMilkyWay(doc, wnd);
    DrawCircle(s, s.CentreX, s.CentreY, s.FocalLength, kGridColour);  // the rim
    if (doc.m_bGrid) DrawLineSet(wnd, doc.m_gridLines, kGridColour);
    if (doc.m_bEcliptic) DrawLineSet(wnd, doc.m_eclipticLines, kEclipticColour);
    if (doc.m_bLocalCircles) DrawLocalCircles(doc, wnd);
    if (doc.m_bHorizon && !doc.m_bGround) DrawHorizon(doc, dc, wnd);
    if (doc.m_bFigures) DrawCatalogueLines(wnd, doc.m_figures, kFigureColour);
    if (doc.m_bBounds) DrawCatalogueLines(wnd, doc.m_bounds, kBoundsColour);
    if (doc.m_bConstNames) {
        std::swap(wnd.m_Camera, wnd.m_CatalogueCamera);
        for (const CSkyLabel& label : doc.m_labels)
            DrawLabel(dc, wnd, label.m_pos, label.m_strName, kConstellationNameColour);
        std::swap(wnd.m_Camera, wnd.m_CatalogueCamera);
    }
    DrawDeepSky(doc, dc, wnd);
    DrawStars(doc, dc, wnd);
    DrawBodies(doc, dc, wnd);
    // The ground goes over the stars and bodies below the horizon.
    if (doc.m_bHorizon && doc.m_bGround) DrawHorizon(doc, dc, wnd);
    // The telescope's reticle stays visible over everything.
    DrawTelescopeReticle(wnd, wnd.m_telescope);
    dc.Detach();
    SurfaceEndFrame(s);
}

std::optional<FramePoint> DrawSegmentQ15(CLumoWnd& wnd, int32_t colour, const Vec3i& a,
                                         const Vec3i& b) {
    // The depths first: a segment with an end behind the viewer is not drawn.
    const CSkyCamera& camera = wnd.m_Camera;
    if (camera.Depth(a.x, a.y, a.z) <= 0 || camera.Depth(b.x, b.y, b.z) <= 0) return std::nullopt;
    const Vec3i ca{DotQ15(camera.m_vSide, a.x, a.y, a.z), DotQ15(camera.m_vUp, a.x, a.y, a.z), 0};
    const Vec3i cb{DotQ15(camera.m_vSide, b.x, b.y, b.z), DotQ15(camera.m_vUp, b.x, b.y, b.z), 0};
    int32_t x1, y1, x2, y2;
    wnd.ProjectToScreen(ca.x, ca.y, x1, y1);
    wnd.ProjectToScreen(cb.x, cb.y, x2, y2);
    MoveTo(wnd.m_Surface, x1, y1);
    LineTo(wnd.m_Surface, x2, y2, colour);
    return FramePoint{x2, y2};
}

std::optional<FramePoint> DrawSegment(CLumoWnd& wnd, int32_t colour, const SkyPoint& a,
                                      const SkyPoint& b) {
    return DrawSegmentQ15(wnd, colour, {a.X, a.Y, a.Z}, {b.X, b.Y, b.Z});
}

void DrawLineSet(CLumoWnd& wnd, const std::vector<CSkyLine>& set, int32_t colour) {
    DrawSkyLines(wnd, set, colour);
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
