// The sky window's stylus handlers: drag to turn the view, hold near an edge
// to turn it continuously, double tap to read about a star or a body.

#include <cmath>
#include <cstdlib>

#include "catalogue/lumo_doc.h"
#include "engine/surface.h"
#include "sky/lumo_wnd.h"

int32_t CLumoWnd::EdgeStep() const {
    if (FocalLength <= 0) return 0;
    // The scale keeps the turn per tick the same on a denser surface, whose
    // F is larger by the same factor.
    const int64_t units = std::llround(131072.0 * m_scale.factor);
    return static_cast<int32_t>(units / FocalLength);
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
    if (!m_bPenDown || m_nElevStep != 0 || m_nAzimuthStep != 0 || !m_pDoc || FocalLength <= 0)
        return;
    double f = FocalLength;
    double dx = x - m_ptLast[0], dy = y - m_ptLast[1];
    m_pDoc->m_nViewElevation =
        static_cast<int32_t>(m_pDoc->m_nViewElevation - (dy / f) * kDragGain);
    m_pDoc->m_nViewAzimuth = static_cast<int32_t>((dx / f) * kDragGain + m_pDoc->m_nViewAzimuth);
    Redraw();
    m_ptLast[0] = x;
    m_ptLast[1] = y;
}

void CLumoWnd::OnPenUp(int32_t x, int32_t y) {
    const int32_t threshold = m_scale.Pixels(kLockThreshold);
    if (m_pDoc && m_pDoc->m_pAim && !m_pDoc->m_bObserverOnBody &&
        std::abs(m_ptPress[0] - x) > threshold && std::abs(m_ptPress[1] - y) > threshold && m_pHost)
        m_pHost->ShowLockedMessage();
    m_bPenDown = 0;
    m_nElevStep = 0;
    m_nAzimuthStep = 0;
    if (m_pHost) {
        m_pHost->ReleaseStylus();
        m_pHost->StopTimer(kStylusTimer);
    }
}

void CLumoWnd::HitTest(int32_t x, int32_t y) {
    if (!m_pDoc) return;
    // Stored positions are surface pixels; the surface is shown BlitX pixels
    // right of the client's left edge, so a stored x is compared shifted.
    const int64_t shift = m_Surface.BlitX;
    auto dist = [&](const int32_t pt[2]) {
        int64_t dx = pt[0] + shift - x, dy = pt[1] - y;
        return dx * dx + dy * dy;
    };
    int64_t best = m_scale.SquaredPixels(kTapRadiusSquared);
    CPlanet* body = nullptr;
    CStar* star = nullptr;
    for (auto& p : m_pDoc->m_planets) {
        int64_t d = dist(p->m_ptScreen);
        if (d < best) {
            body = p.get();
            best = d;
        }
    }
    for (auto& s : m_pDoc->m_stars) {
        int64_t d = dist(s->m_ptScreen);
        if (d < best) {
            star = s.get();
            best = d;
        }
    }
    if (!m_pHost) return;
    if (star)
        m_pHost->ShowStarInfo(*star);
    else if (body)
        m_pHost->ShowPlanetInfo(*body);
}
