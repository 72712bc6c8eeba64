#pragma once
// Painting the sky into the sky window's surface, layer by layer: the Milky
// Way, the rim of the visible hemisphere, the grid, the ecliptic, the observer circles, the
// constellation figures, boundaries and names, the deep-sky objects, the stars by magnitude with
// their names, the bodies from far to near, and (when the ground is wanted)
// the horizon with the ground over everything below it. While drawing it
// records in the window's hit table where each star, body and deep-sky
// object landed, which is what a tap is later compared with.
//
// All directions are Q15 unit vectors of the sky frame; surface pixels count
// y up from the bottom row, text and hit marks are window pixels
// (y_window = Height - y_surface).

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "astro/sky_line.h"
#include "astro/sky_point.h"
#include "engine/fixed_point.h"
#include "framework/drawing_context.h"

class CLumoDoc;
class CLumoWnd;
class CPlanet;

// Text colours of the layers.
constexpr ColorRef kStarNameColour = Rgb(0, 255, 255);
constexpr ColorRef kBodyNameColour = Rgb(0, 255, 0);
constexpr ColorRef kConstellationNameColour = Rgb(255, 0, 0);
constexpr ColorRef kAzimuthLabelColour = Rgb(255, 255, 0);

// Colour numbers of the line work (palette index = colour number + 10).
constexpr int32_t kGridColour = 3;       // green, also the rim
constexpr int32_t kEclipticColour = 2;   // red
constexpr int32_t kFigureColour = 4;     // blue
constexpr int32_t kBoundsColour = 9;     // grey
constexpr int32_t kHorizonColour = 5;    // yellow

// The whole picture, after the camera has been placed and straightened.
// The window's hit table is emptied first, so only what this paint draws
// can be tapped.
// The light table (ShadeBase) is rebuilt without depth cue first, so no
// model drawn before (here or in another window) darkens the markers.
void PaintLayers(CLumoDoc& doc, CLumoWnd& wnd);

// A surface pixel (y up from the bottom row) a segment was drawn to.
struct FramePoint {
    int32_t x;
    int32_t y;
};

// One line between two sky directions, drawn only when both ends are in
// front (Z > 0); returns the end point's surface pixel when it was drawn.
std::optional<FramePoint> DrawSegment(CLumoWnd& wnd, int32_t colour, const SkyPoint& a,
                                      const SkyPoint& b);
// The same for two bare Q15 directions.
std::optional<FramePoint> DrawSegmentQ15(CLumoWnd& wnd, int32_t colour, const Vec3i& a,
                                         const Vec3i& b);
// Every segment of a set in order.
void DrawLineSet(CLumoWnd& wnd, const std::vector<CSkyLine>& set, int32_t colour);
// A constellation name at its direction when it is in front (font A).
void DrawLabel(CDC& dc, CLumoWnd& wnd, const SkyPoint& where, std::string_view text,
               ColorRef colour);

// Palette index of a star's cross or dot by magnitude: white, darker for
// each fainter band (below 3.0 level 0, then levels 4, 5, 6, and level 7
// from magnitude 6.0 on).
uint8_t StarPaletteIndex(float magnitude);
// The star marker at surface pixel (x, y): a disc of radius 2 below
// magnitude 1.0, a five-pixel cross below 2.0, one pixel otherwise; a marker
// that would leave the surface is not drawn at all. At a window scale above
// 1 the radius is scaled and each pixel of the cross or dot is a square of
// the scale's block side.
void DrawStar(CLumoWnd& wnd, float magnitude, int32_t x, int32_t y);

// Selects font A of the window's tools into dc when it exists.
void SelectFontA(CDC& dc, const CLumoWnd& wnd);
