// The sky window's stylus handlers: drag to turn the view, hold near an edge
// to turn it continuously, double tap to read about a star or a body.

#include <cmath>
#include <cstdlib>

#include "catalogue/deep_sky.h"
#include "catalogue/lumo_doc.h"
#include "engine/surface.h"
#include "sky/lumo_wnd.h"

int32_t CLumoWnd::EdgeStep() const {
    const int32_t focal = m_Surface.FocalLength;
    if (focal <= 0) return 0;
    // The scale keeps the turn per tick the same on a denser surface, whose
    // F is larger by the same factor.
    const int64_t units = std::llround(131072.0 * m_scale.factor);
    return static_cast<int32_t>(units / focal);
}

void CLumoWnd::OnPenDown(int32_t x, int32_t y) {
    if (m_pHost) m_pHost->CaptureStylus();
    int32_t r = 0, b = 0;
    if (m_pHost) m_pHost->GetClientSize(r, b);
    const int32_t l = 0, t = 0;
    m_bPenDown = 1;
    m_ptLast[0] = m_ptPress[0] = x;
    m_ptLast[1] = m_ptPress[1] = y;
    m_nElevStep = 0;
    m_nAzimuthStep = 0;
    const int32_t step = EdgeStep();
    const int32_t zone = m_scale.Pixels(kEdgeZone);
    if (x > r - zone) m_nAzimuthStep = -step;
    if (x < l + zone) m_nAzimuthStep = step;  // checked second, wins
    if (y > b - zone) m_nElevStep = step;
    if (y < t + zone) m_nElevStep = -step;
    if (m_pDoc) {
        m_pDoc->m_nViewElevation += m_nElevStep;
        m_pDoc->m_nViewAzimuth += m_nAzimuthStep;
    }
    Redraw();
    if (m_pHost) m_pHost->StartTimer(kStylusTimer, kStylusTickMs);
}

void CLumoWnd::OnTick(int32_t id) {
    if (m_pHost) m_pHost->StopTimer(kStylusTimer);
    if (id == kStylusTimer) {
        if (m_pDoc) {
            m_pDoc->m_nViewElevation += m_nElevStep;
            m_pDoc->m_nViewAzimuth += m_nAzimuthStep;
        }
        Redraw();
    }
    if (m_pHost) m_pHost->StartTimer(kStylusTimer, kStylusTickMs);
}

void CLumoWnd::TurnByEdgeStep(int32_t across, int32_t down) {
    if (!m_pDoc) return;
    const int32_t step = EdgeStep();
    // As the edges do: the right edge lowers the azimuth, the bottom edge
    // raises the elevation.
    m_pDoc->m_nViewAzimuth -= across * step;
    m_pDoc->m_nViewElevation += down * step;
    Redraw();
}

void CLumoWnd::OnPenMove(int32_t x, int32_t y) {
    if (!m_bPenDown || m_nElevStep != 0 || m_nAzimuthStep != 0 || !m_pDoc ||
        m_Surface.FocalLength <= 0)
        return;
    double f = m_Surface.FocalLength;
    double dx = x - m_ptLast[0], dy = y - m_ptLast[1];
    m_pDoc->m_nViewElevation =
        static_cast<int32_t>(m_pDoc->m_nViewElevation - (dy / f) * kDragGain);
    m_pDoc->m_nViewAzimuth = static_cast<int32_t>((dx / f) * kDragGain + m_pDoc->m_nViewAzimuth);
    Redraw();
    m_ptLast[0] = x;
    m_ptLast[1] = y;
}

void CLumoWnd::OnPenUp(int32_t x, int32_t y) {
    m_bPenDown = 0;
    m_nElevStep = 0;
    m_nAzimuthStep = 0;
    if (!m_pHost) return;
    // The stylus is let go before any message: a box shown while this
    // window keeps the stylus could not be clicked.
    m_pHost->ReleaseStylus();
    m_pHost->StopTimer(kStylusTimer);
    const int32_t threshold = m_scale.Pixels(kLockThreshold);
    if (m_pDoc && m_pDoc->m_pAim && !m_pDoc->m_bObserverOnBody &&
        std::abs(m_ptPress[0] - x) > threshold && std::abs(m_ptPress[1] - y) > threshold)
        m_pHost->ShowLockedMessage();
}

void CLumoWnd::HitTest(int32_t x, int32_t y) {
    if (!m_pDoc) return;
    // Marks are in surface pixels across; the surface is shown BlitX pixels
    // right of the client's left edge, so the tap is shifted back.
    const int64_t sx = int64_t{x} - m_Surface.BlitX, sy = y;
    int64_t best = m_scale.SquaredPixels(kTapRadiusSquared);
    // A mark's index is checked against its list: a table left from before
    // the document changed picks nothing that is not there.
    const ScreenMark* mark = NearestMark(m_hits.bodies, sx, sy, best);
    CPlanet* body = mark && size_t(mark->index) < m_pDoc->m_planets.size()
                        ? m_pDoc->m_planets[size_t(mark->index)].get()
                        : nullptr;
    mark = NearestMark(m_hits.stars, sx, sy, best);
    CStar* star = mark && size_t(mark->index) < m_pDoc->m_stars.size()
                      ? m_pDoc->m_stars[size_t(mark->index)].get()
                      : nullptr;
    mark = m_pDeepSky ? NearestMark(m_hits.deepSky, sx, sy, best) : nullptr;
    const DeepSkyObject* deep = mark && size_t(mark->index) < m_pDeepSky->objects.size()
                                    ? &m_pDeepSky->objects[size_t(mark->index)]
                                    : nullptr;
    if (!m_pHost) return;
    if (deep)
        m_pHost->ShowDeepSkyInfo(*deep);
    else if (star)
        m_pHost->ShowStarInfo(*star);
    else if (body)
        m_pHost->ShowPlanetInfo(*body);
}
