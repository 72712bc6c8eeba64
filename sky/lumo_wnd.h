#pragma once
// CLumoWnd: the sky window core. It owns the drawing surface and the camera,
// keeps the eye's position and the stylus state, and paints the whole sky on
// every Redraw: the chosen time turned into a Julian day, every body placed,
// the camera put at the observer and turned to the view, every layer drawn,
// the frame presented. Everything the user can change lives in the document;
// the window keeps only transient state.
//
// The window system is reached through SkyHost (client size, presenting a
// frame) and the chosen time through SkyTimeSource; both are given by the
// owner before the first paint. Window coordinates count y downward from
// the top: y_window = Height - y_surface.

#include <cstdint>
#include <vector>

#include "astro/aim.h"
#include "astro/apparent.h"
#include "catalogue/lumo_doc.h"
#include "engine/surface.h"
#include "sky/moon_phase.h"
#include "sky/hit_table.h"
#include "sky/sky_camera.h"
#include "sky/sky_host.h"
#include "sky/sky_scale.h"
#include "sky/sky_tools.h"
#include "sky/telescope_reticle.h"
#include "sky/star_index.h"
#include "sky/line_index.h"

class CBodyModels;
class CDeepSky;

constexpr float kNoSkyLimit = 1e30f;

class CLumoWnd {
public:
    CLumoWnd();
    CLumoWnd(const CLumoWnd&) = delete;
    CLumoWnd& operator=(const CLumoWnd&) = delete;
    ~CLumoWnd();

    CSkyCamera m_Camera;
    // The camera turned back to the catalogue's J2000 directions: the camera
    // rows times the precession-nutation matrix of the paint's instant (with
    // the aberration at the view centre folded in). Stars, figures,
    // boundaries and constellation labels are drawn through it, so they land
    // at their apparent places of date at no cost per star.
    CSkyCamera m_CatalogueCamera;
    EyeHundredKm m_vEye = {0, 0, 0};  // units of 100 km, body-position frame
    Surface m_Surface;
    // Stylus state, driven by the stylus handlers.
    int32_t m_bPenDown = 0;
    int32_t m_ptLast[2] = {0, 0};
    int32_t m_ptPress[2] = {0, 0};
    int32_t m_nElevStep = 0;     // edge-scroll step of m_nViewElevation per tick
    int32_t m_nAzimuthStep = 0;  // edge-scroll step of m_nViewAzimuth per tick
    CLumoDoc* m_pDoc = nullptr;

    // Given by the owner; any of them may be null (no presentation, no new
    // time: the positions of the last paint stay, no tools: defaults).
    SkyHost* m_pHost = nullptr;
    const SkyTimeSource* m_pTimeSource = nullptr;
    SkyTools* m_pTools = nullptr;
    // The body models of VR mode, given by the owner; null: every body is
    // drawn as its marker.
    CBodyModels* m_pModels = nullptr;
    // Where a connected telescope points; the owner keeps it current.
    TelescopeMark m_telescope;
    // The deep-sky objects and the Milky Way, given by the owner; null: none.
    const CDeepSky* m_pDeepSky = nullptr;
    // Where the latest paint drew each star, body and deep-sky object.
    HitTable m_hits;
    // The stars by sky cell.
    StarIndex m_starIndex;
    // The line sets by group of nearby segments.
    LineIndex m_lineIndex;
    // The Daylight layer, set by the owner: in Horizon view on the Earth the
    // background follows the Sun's altitude and the stars drawn are limited
    // to m_fSkyLimit, the faintest magnitude that sky lets through (set by
    // each paint; no limit otherwise).
    bool m_bDaylight = false;
    float m_fSkyLimit = kNoSkyLimit;
    // The Moon icon held across paints.
    CMoonIconHolder m_moonIcon;
    // Surface pixels per designed pixel (sky_scale.h): 1 unless the owner
    // sets another with SetScale.
    SkyScale m_scale;

    // Sets the scale; the tools' fonts are made again for it when they were
    // made for another. The next OnSize and paint use it.
    void SetScale(const SkyScale& scale);

    // Gives the window its document, host, time source and tools.
    void Connect(CLumoDoc* doc, SkyHost* host, const SkyTimeSource* timeSource, SkyTools* tools) {
        m_pDoc = doc;
        m_pHost = host;
        m_pTimeSource = timeSource;
        m_pTools = tools;
    }
    // Window creation: no surface yet, the camera's engine copies rebuilt.
    void OnCreate();
    // Window destruction: the surface is freed.
    void OnDestroy();
    // Size change: the surface is replaced by one two pixels wider than the
    // client area and as high. A client area the engine cannot hold leaves
    // the window without a surface (it then paints nothing).
    void OnSize();

    // Paints at once.
    void Redraw() { PaintSky(); }
    // One complete paint. Without a surface (or a document) it does nothing
    // at all: no pixel, no record, no position is touched.
    void PaintSky();
    // Eye and camera for this paint, from the observer body (nothing when it
    // is null): the local frame, the eye on the body's surface (or at its
    // centre in VR mode), the basis of the view mode turned by the view angles.
    void PlaceCamera(CPlanet* observer);
    // Restores an orthonormal camera basis after fixed-point drift.
    void Orthonormalise();
    // Places the document's bodies for a Julian day (UT) unless they are
    // placed for it already, keeping the frame of date the placing used.
    void PlaceBodies(double julianDay);
    // Builds m_CatalogueCamera from m_Camera for the document's Julian day.
    void PlaceCatalogueCamera();
    // The frame of date of the latest paint and its Julian day (UT): made
    // again only when the instant changes.
    FrameOfDate m_frameOfDate;
    double m_frameJulianDay = -1;
    // Camera coordinates (X, Y: Q15 scale) to surface pixels (y up from the
    // bottom row): x = CentreX - F X / 32768, y = CentreY + F Y / 32768, with
    // F = the surface's FocalLength and each division truncating toward zero.
    void ProjectToScreen(int32_t X, int32_t Y, int32_t& x, int32_t& y) const;

    // Stylus handlers, in client pixels (y downward), which are surface
    // pixels: an owner whose window counts smaller pixels converts. A press
    // starts the 10 ms timer and, within the edge zone (20 pixels), an edge
    // scroll of EdgeStep() angle units per tick; a move without edge scroll
    // drags the view by 6000 angle units per F pixels; a release after a
    // diagonal drag of more than the lock threshold (10 pixels) while a body
    // is aimed (not in VR) shows the locked-view message. The pixel counts
    // are designed sizes, multiplied by m_scale.
    void OnPenDown(int32_t x, int32_t y);
    void OnPenMove(int32_t x, int32_t y);
    void OnPenUp(int32_t x, int32_t y);
    // The timer: repaints with the edge-scroll steps added, then restarts.
    void OnTick(int32_t id);
    // A double tap: the Star, Planet or deep-sky dialog of the nearest object
    // in the hit table strictly within the tap radius (15 pixels, scaled);
    // bodies win ties, then stars, and within a kind the lowest index.
    void HitTest(int32_t x, int32_t y);
    // Angle units (1/32768 turn) the view turns per edge-scroll tick:
    // 131072 x scale / F, truncated (about 7.4 degrees at F = 195 and scale
    // 1), with F the surface's FocalLength (set by each paint); 0 when F is 0.
    int32_t EdgeStep() const;
    // The arrow keys: the view turns by one edge-scroll step as a press at
    // that edge does on its first tick. across: -1 left, +1 right, 0 neither;
    // down: -1 up, +1 down, 0 neither. Repaints.
    void TurnByEdgeStep(int32_t across, int32_t down);
};

constexpr int32_t kStylusTimer = 100;
constexpr int32_t kStylusTickMs = 10;
constexpr int32_t kEdgeZone = 20;           // pixels
constexpr double kDragGain = 6000.0;        // angle units per F pixels
constexpr int32_t kLockThreshold = 10;      // pixels
constexpr int64_t kTapRadiusSquared = 225;  // 15 pixels
