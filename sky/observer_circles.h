#pragma once
// The circles tied to the observer's place, drawn from the document's local
// frame (zenith, east and south: float unit vectors of the sky frame): the
// horizon with its azimuth marks, or with the ground filled below it, and
// the vertical circle through the east point and the zenith.

#include <cstdint>
#include <string>

#include "astro/vec3.h"
#include "engine/fixed_point.h"
#include "framework/drawing_context.h"

class CLumoDoc;
class CLumoWnd;

// The horizon line (120 chords of 3 degrees, yellow), then either the
// azimuth marks (a small circle and its AzimuthLabel every 15 degrees) or, in Horizon mode with the ground on, the
// ground: a polygon through the horizon points sorted by x, closed along the
// top or bottom edge of the window (GroundBaseRow), filled with the ground
// brush.
void DrawHorizon(CLumoDoc& doc, CDC& dc, CLumoWnd& wnd);

// The vertical circle through the east point and the zenith, with a small
// circle every 15 degrees and no labels.
void DrawLocalCircles(CLumoDoc& doc, CLumoWnd& wnd);

// The window row along which the ground polygon closes: 0 (the top) when
// the elevation (1/32768 turn), reduced to 0..32767, lies in [8192, 24576),
// where the turn leaves the screen's up direction pointing below the horizon
// and the picture is upside down; else height (the bottom). The reduction
// makes every elevation that shows the same view close on the same edge.
int32_t GroundBaseRow(int32_t viewElevation, int32_t height);

// The label of the azimuth mark at angle s (radians from the east point
// toward the south point): the azimuth in whole degrees from north through
// east, 0 to 359, followed by "º" (U+00BA).
std::string AzimuthLabel(double s);

// Q15 direction of cos(t) a + sin(t) b (a, b float unit vectors, t radians):
// each component formed in double, stored as float, then x 32768 truncated.
Vec3i CirclePoint(const Vec3f& a, const Vec3f& b, double t);
