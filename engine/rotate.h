#pragma once
// The rotate window's logic: a small trackball that shows the pointer model
// and turns it with the stylus. A drag started inside the ball (centre
// (30, 30), radius 22 pixels) turns the model about its vertical and
// horizontal axes by twice the change of the point's longitude and latitude
// on the ball; a drag started outside turns it about the view axis by the
// change of the point's polar angle. Every turn is added to Turned (sums
// about A, C and B in angle units, 32768 a turn), which the owner reports to
// the time bar. The window draws into its own Surface with RenderObject.

#include <cstdint>

#include "engine/fixed_point.h"
#include "engine/object.h"
#include "engine/surface.h"

struct RotateState {
    Surface surface;
    EngineObject* Model = nullptr;  // the pointer model; may be null (nothing drawn)
    MatQ15 View = kMatQ15Identity;  // model to camera: rows AxisC, AxisB, AxisA
    int32_t LastX = 0, LastY = 0;   // last stylus point, client pixels
    int32_t Dragging = 0;
    int32_t StartedInside = 0;
    Vec3i AxisA, AxisB, AxisC;      // the model's axes in camera space, Q15
    int32_t Turned[3] = {0, 0, 0};  // sums of the turns about A, C and B

    RotateState() = default;
    RotateState(const RotateState&) = delete;
    RotateState& operator=(const RotateState&) = delete;
};

constexpr int32_t kBallCentre = 30;  // client pixels, x and y
constexpr int32_t kBallRadius = 22;  // pixels
constexpr int32_t kBallClearIndex = 19;  // palette index behind the model

// Window creation: the start axes, nothing turned, the model.
void RotateInit(RotateState& s, EngineObject* model);
// Turns the axes by a (about A... see Turned), b and c, angle units; Q15
// products; the axes are not re-orthonormalised. Rebuilds View.
void RotateBy(RotateState& s, int32_t a, int32_t b, int32_t c);
// A client point in ball units (256 = one radius).
void BallPoint(int32_t x, int32_t y, int32_t& bx, int32_t& by);
bool InsideBall(int32_t x, int32_t y);
// Latitude and longitude (angle units) of a ball point with height z.
void PointAngles(int32_t x, int32_t y, int32_t z, int32_t& lat, int32_t& lon);

// Size change: a new surface for the client area, cleared to index 19 and
// the model drawn, lit by kDefaultLight. False when no surface could be made.
bool RotateResize(RotateState& s, int32_t width, int32_t height);
void RotatePenDown(RotateState& s, int32_t x, int32_t y);
void RotatePenUp(RotateState& s);
// A stylus move: while dragging, turns, redraws without clearing and
// returns true (the owner then notifies its parent); false when nothing turned.
bool RotatePenMove(RotateState& s, int32_t x, int32_t y);
// Draws the model over what the surface holds, lit from (147, -147, 147).
void RotateRedraw(RotateState& s);
