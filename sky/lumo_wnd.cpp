#include "sky/lumo_wnd.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "astro/apparent.h"
#include "astro/body_table.h"
#include "astro/eye.h"
#include "astro/julian_day.h"
#include "astro/local_frame.h"
#include "astro/positions.h"
#include "astro/time_zone.h"
#include "engine/palette.h"
#include "engine/trig_tables.h"
#include "engine/vector_q15.h"
#include "sky/daylight.h"
#include "sky/sky_paint.h"

namespace {

// -a for an angle (1/32768 turn), wrapping instead of overflowing: the same
// angle modulo a turn.
Angle NegateAngle(Angle a) { return static_cast<Angle>(0u - static_cast<uint32_t>(a)); }

// A float unit vector as Q15: each component x 32768, rounded to float and
// truncated to int.
Vec3i ToQ15(const Vec3f& v) {
    auto c = [](float f) { return static_cast<int32_t>(static_cast<float>(f * 32768.0)); };
    return {c(v[0]), c(v[1]), c(v[2])};
}

Vec3f Negated(const Vec3f& v) { return {-v[0], -v[1], -v[2]}; }

// Solves for the component of U along the largest component of D so that
// U . D is (about) zero; ties leave U as it is.
void MakePerpendicular(Vec3i& u, const Vec3i& d) {
    const int64_t ax = std::abs(int64_t{d.x}), ay = std::abs(int64_t{d.y}), az = std::abs(int64_t{d.z});
    auto product = [](int32_t a, int32_t b) { return (int64_t{a} * b) >> 15; };
    if (ax > ay && ax > az) {
        u.x = static_cast<int32_t>(((-product(u.y, d.y)) - product(u.z, d.z)) * 32768 / d.x);
    } else if (ay > az) {
        u.y = static_cast<int32_t>(((-product(u.x, d.x)) - product(u.z, d.z)) * 32768 / d.y);
    } else if (az > ax) {
        u.z = static_cast<int32_t>(((-product(u.x, d.x)) - product(u.y, d.y)) * 32768 / d.z);
    }
}

// A projected coordinate kept well inside 32 bits (only a zoom far beyond
// any window reaches the bound).
int32_t ScreenCoordinate(int64_t v) {
    constexpr int64_t kLimit = int64_t{1} << 30;
    return static_cast<int32_t>(std::clamp(v, -kLimit, kLimit));
}

}  // namespace

CLumoWnd::CLumoWnd() { EngineTablesInit(); }

CLumoWnd::~CLumoWnd() = default;

void CLumoWnd::OnCreate() {
    SurfaceDestroy(m_Surface);
    m_Camera.RebuildEngineCopies();
}

void CLumoWnd::OnDestroy() {
    SurfaceDestroy(m_Surface);
}

void CLumoWnd::SetScale(const SkyScale& scale) {
    m_scale = scale;
    if (m_pTools && !(m_pTools->scale == scale)) m_pTools->Create(scale);
}

void CLumoWnd::OnSize() {
    int32_t width = 0, height = 0;
    if (m_pHost) m_pHost->GetClientSize(width, height);
    SurfaceDestroy(m_Surface);
    // The surface is two pixels wider than the client area. An empty client
    // area gets no surface; the engine refuses a side above its limit, so
    // the sum cannot overflow.
    if (width <= 0 || width > kMaxSurfaceSide) return;
    SurfaceCreate(m_Surface, width + 2, height);
}

void CLumoWnd::PaintSky() {
    if (m_Surface.Kind != kSurfaceKindLive || !m_pDoc) return;
    CLumoDoc& doc = *m_pDoc;
    if (m_pTimeSource) {
        CDateTime ut = GetUniversalTime(m_pTimeSource->ChosenTime(), m_pTimeSource->IsUtc());
        if (ut.IsValid()) PlaceBodies(DateTimeToJulianDay(ut));
    }
    CPlanet* observer = doc.m_bObserverOnBody && doc.m_pAim ? doc.m_pAim
                                                             : FindPlanet(doc.m_planets, "Earth");
    const bool daylight = m_bDaylight && doc.m_nViewMode == 1 && !doc.m_bObserverOnBody;
    PlaceCamera(observer);
    Orthonormalise();
    PlaceCatalogueCamera();
    uint8_t background = kFirstShadeIndex;  // black
    m_fSkyLimit = kNoSkyLimit;
    if (daylight) {
        const double sunAltitude = SunAltitudeDeg(doc);
        background = DaylightBackgroundIndex(sunAltitude);
        m_fSkyLimit = DaylightMagnitudeLimit(sunAltitude, doc.m_fMagLimit);
    }
    SurfaceClear(m_Surface, background);
    PaintLayers(doc, *this);
    m_Surface.BlitX = 1;
    PresentedFrame frame;
    if (SurfacePresent(m_Surface, 0, frame) && m_pHost) m_pHost->Present(frame);
}

void CLumoWnd::PlaceBodies(double julianDay) {
    CLumoDoc& doc = *m_pDoc;
    if (julianDay == doc.m_dJulianDay) return;  // placed for this instant already
    ComputePositions(doc.m_planets, doc.m_dJulianDay, julianDay, PositionKind::kApparent, &m_frameOfDate);
    m_frameJulianDay = julianDay;
}

void CLumoWnd::PlaceCamera(CPlanet* observer) {
    if (!observer || !m_pDoc) return;
    CLumoDoc& d = *m_pDoc;
    LocalFrame(observer, d.m_fLatitude, d.m_fLongitude, d.m_pObserverBody, d.m_vZenith, d.m_vEast,
               d.m_vSouth);
    m_vEye = PlaceEye(*observer, d.m_vZenith, d.m_bObserverOnBody != 0);
    if (d.m_nViewMode == 1) {
        // Aiming switches the document to Equatorial from the next paint on;
        // this paint still builds the horizon basis.
        if (d.m_pAim)
            AimAt(d.m_pAim, m_vEye, d.m_bObserverOnBody, d.m_nViewElevation, d.m_nViewAzimuth,
                  d.m_nViewMode);
        m_Camera.m_vSide = ToQ15(Negated(d.m_vZenith));
        m_Camera.m_vDepth = ToQ15(Negated(d.m_vSouth));
        m_Camera.m_vUp = ToQ15(Negated(d.m_vEast));
        // A quarter turn of roll: up becomes the zenith and the side west.
        m_Camera.Rotate(-kAngleQuarterTurn, 0, 0);
    } else {
        m_Camera.Reset();
        if (d.m_pAim)
            AimAt(d.m_pAim, m_vEye, d.m_bObserverOnBody, d.m_nViewElevation, d.m_nViewAzimuth,
                  d.m_nViewMode);
    }
    m_Camera.Rotate(0, 0, d.m_nViewAzimuth);
    m_Camera.Rotate(0, NegateAngle(d.m_nViewElevation), 0);
}

void CLumoWnd::Orthonormalise() {
    CSkyCamera& c = m_Camera;
    c.m_vDepth = Normalize(c.m_vDepth);
    MakePerpendicular(c.m_vUp, c.m_vDepth);
    c.m_vUp = Normalize(c.m_vUp);
    c.m_vSide = Normalize(CrossQ15(c.m_vUp, c.m_vDepth));
}

void CLumoWnd::ProjectToScreen(int32_t X, int32_t Y, int32_t& x, int32_t& y) const {
    const int64_t f = m_Surface.FocalLength;
    x = ScreenCoordinate(m_Surface.CentreX - f * X / 32768);
    y = ScreenCoordinate(m_Surface.CentreY + f * Y / 32768);
}

namespace {
DVec3 FromQ15(const Vec3i& v) { return {v.x / 32768.0, v.y / 32768.0, v.z / 32768.0}; }
Vec3i RowToQ15(const DVec3& v) {
    auto c = [](double f) { return static_cast<int32_t>(std::lround(f * 32768.0)); };
    return {c(v[0]), c(v[1]), c(v[2])};
}
}  // namespace

void CLumoWnd::PlaceCatalogueCamera() {
    m_CatalogueCamera = m_Camera;
    if (!m_pDoc || !std::isfinite(m_pDoc->m_dJulianDay)) return;
    if (m_frameJulianDay != m_pDoc->m_dJulianDay) {
        m_frameOfDate = ComputeFrameOfDate(m_pDoc->m_dJulianDay);
        m_frameJulianDay = m_pDoc->m_dJulianDay;
    }
    const FrameOfDate& f = m_frameOfDate;
    const CSkyCamera& c = m_Camera;
    // A camera row r dotted with M s equals (M^T r) dotted with s.
    const DMat3 M = Mat3Multiply(AberrationRotationAt(f, FromQ15(c.m_vDepth)), CatalogueToDateSky(f));
    const DMat3 Mt = Mat3Transpose(M);
    m_CatalogueCamera.m_vSide = RowToQ15(Mat3Apply(Mt, FromQ15(c.m_vSide)));
    m_CatalogueCamera.m_vUp = RowToQ15(Mat3Apply(Mt, FromQ15(c.m_vUp)));
    m_CatalogueCamera.m_vDepth = RowToQ15(Mat3Apply(Mt, FromQ15(c.m_vDepth)));
}
