#include "sky/deep_sky_paint.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "catalogue/deep_sky.h"
#include "catalogue/lumo_doc.h"
#include "engine/palette.h"
#include "engine/primitives.h"
#include "sky/lumo_wnd.h"
#include "sky/milky_way_fill.h"
#include "sky/sky_paint.h"

namespace {
constexpr int32_t kBlueGreyHue = 12;
constexpr ColorRef kDeepSkyNameColour = Rgb(110, 160, 150);

void Line(Surface& s, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    MoveTo(s, x0, y0);
    LineTo(s, x1, y1, kDeepSkyColour);
}

// An outline of `steps` chords round an ellipse of half-axes rx, ry.
void Oval(Surface& s, int32_t x, int32_t y, int32_t rx, int32_t ry) {
    const int32_t steps = std::clamp(rx / 2, 16, 256);
    int32_t px = x + rx, py = y;
    for (int32_t i = 1; i <= steps; ++i) {
        const double t = 2 * kPi * i / steps;
        const int32_t qx = x + static_cast<int32_t>(std::lround(rx * std::cos(t)));
        const int32_t qy = y + static_cast<int32_t>(std::lround(ry * std::sin(t)));
        Line(s, px, py, qx, qy);
        px = qx;
        py = qy;
    }
}

void DottedCircle(Surface& s, int32_t x, int32_t y, int32_t r) {
    const int32_t dots = std::clamp(r, 8, 256) & ~3;
    for (int32_t i = 0; i < dots; ++i) {
        const double t = 2 * kPi * i / dots;
        PutPixel(s, x + static_cast<int32_t>(std::lround(r * std::cos(t))),
                 y + static_cast<int32_t>(std::lround(r * std::sin(t))), kDeepSkyColour + 10);
    }
}

void Symbol(Surface& s, DeepSkySymbol symbol, int32_t x, int32_t y, int32_t rx, int32_t ry,
            int32_t min) {
    const int32_t r = rx;
    switch (symbol) {
        case DeepSkySymbol::Galaxy: Oval(s, x, y, rx, std::max(ry, (min + 1) / 2)); break;
        case DeepSkySymbol::OpenCluster: DottedCircle(s, x, y, r); break;
        case DeepSkySymbol::GlobularCluster:
            Oval(s, x, y, r, r);
            Line(s, x - r, y, x + r, y);
            Line(s, x, y - r, x, y + r);
            break;
        case DeepSkySymbol::Nebula:
            Line(s, x - r, y - r, x + r, y - r);
            LineTo(s, x + r, y + r, kDeepSkyColour);
            LineTo(s, x - r, y + r, kDeepSkyColour);
            LineTo(s, x - r, y - r, kDeepSkyColour);
            break;
        case DeepSkySymbol::PlanetaryNebula: {
            Oval(s, x, y, r, r);
            const int32_t ray = std::max(2, r / 2);
            Line(s, x + r, y, x + r + ray, y);
            Line(s, x - r, y, x - r - ray, y);
            Line(s, x, y + r, x, y + r + ray);
            Line(s, x, y - r, x, y - r - ray);
            break;
        }
        case DeepSkySymbol::Other:
            Line(s, x, y - min, x + min, y);
            LineTo(s, x, y + min, kDeepSkyColour);
            LineTo(s, x - min, y, kDeepSkyColour);
            LineTo(s, x, y - min, kDeepSkyColour);
            break;
    }
}

// Radius in surface pixels of half an angle of `arcmin` at focal length F.
int32_t RadiusOf(float arcmin, int32_t focal, int32_t min, int32_t max) {
    const double r = focal * std::sin(arcmin * (kDegToRad / 60.0) / 2);
    return static_cast<int32_t>(std::clamp(r, double(min), double(max)));
}
}  // namespace

uint8_t MilkyWayPaletteIndex(int32_t level) {
    // Levels 10 (darkest) for the faintest up to 6 for the brightest.
    return static_cast<uint8_t>(PaletteIndexOf(11 - std::clamp(level, 1, kMilkyWayLevels), kBlueGreyHue));
}

void DrawMilkyWay(const CLumoDoc& doc, CLumoWnd& wnd) {
    if (!doc.m_bMilkyWay || !wnd.m_pDeepSky || wnd.m_pDeepSky->rings.empty()) return;
    // A sky brighter than lets the naked-eye stars through hides it.
    if (wnd.m_fSkyLimit < kNoMagnitudeStarLimit) return;
    Surface& s = wnd.m_Surface;
    const double f = s.FocalLength;
    // The farthest surface corner from the optical axis bounds the view.
    const double dx = std::max(s.CentreX, s.Stride - s.CentreX);
    const double dy = std::max(s.CentreY, s.Height - s.CentreY);
    const double reach = std::hypot(dx, dy) / f;
    const double viewCos = reach >= 1 ? -1 : std::sqrt(1 - reach * reach);
    MilkyWayOutline outline(wnd.m_CatalogueCamera, f, s.CentreX, s.CentreY, viewCos);
    const auto& rings = wnd.m_pDeepSky->rings;
    for (size_t i = 0; i < rings.size();) {
        const int32_t level = rings[i].level;
        outline.Clear();
        for (; i < rings.size() && rings[i].level == level; ++i) outline.AddRing(rings[i]);
        FillEvenOdd(s, outline.Finish(), MilkyWayPaletteIndex(level));
    }
}

void DrawDeepSky(const CLumoDoc& doc, CDC& dc, CLumoWnd& wnd) {
    if (!doc.m_bDeepSky || !wnd.m_pDeepSky) return;
    Surface& s = wnd.m_Surface;
    const CSkyCamera& camera = wnd.m_CatalogueCamera;  // J2000 places
    const int32_t min = wnd.m_scale.Pixels(kDeepSkyMinRadius);
    const int32_t max = 2 * std::max(s.Stride, s.Height);
    // The Daylight layer's sky hides what is fainter than it lets through.
    const float magLimit = std::min(doc.m_fMagLimit, wnd.m_fSkyLimit);
    const float nameLimit = std::min(doc.m_fNameLimit, wnd.m_fSkyLimit);
    const bool faintShown = !(magLimit < kNoMagnitudeStarLimit);
    const bool faintNamed = doc.m_nZoom >= kNoMagnitudeNamesZoom;
    const auto& objects = wnd.m_pDeepSky->objects;
    for (size_t i = 0; i < objects.size(); ++i) {
        const DeepSkyObject& o = objects[i];
        if (o.HasMagnitude()) {
            if (!(o.magnitude < magLimit)) continue;  // brightest first, then none
        } else if (!faintShown) {
            break;
        }
        const SkyPoint& p = o.pos;
        if (camera.Depth(p.X, p.Y, p.Z) <= 0) continue;
        int32_t x, y;
        wnd.ProjectToScreen(DotQ15(camera.m_vSide, p.X, p.Y, p.Z), DotQ15(camera.m_vUp, p.X, p.Y, p.Z),
                            x, y);
        const int32_t rx = RadiusOf(o.majorArcmin, s.FocalLength, min, max);
        const int32_t ry = RadiusOf(o.minorArcmin, s.FocalLength, 1, max);
        const int32_t reach = rx + rx / 2 + min;
        if (x + reach < 0 || x - reach >= s.Stride || y + reach < 0 || y - reach >= s.Height) continue;
        Symbol(s, SymbolOf(o.kind), x, y, rx, ry, min);
        wnd.m_hits.deepSky.push_back({static_cast<int32_t>(i), x, s.Height - y});
        const bool named = o.HasMagnitude() ? o.magnitude < nameLimit : faintNamed;
        if (named) {
            dc.SetTextColor(kDeepSkyNameColour);
            SelectFontA(dc, wnd);
            dc.TextOut(x + rx / 2 + min, s.Height - y, o.Label());
        }
    }
}
