#pragma once
// Painting the deep sky into the sky window's surface: the Milky Way's five
// levels filled in dim blue-grey (brightest level lightest), under every
// other layer, and the deep-sky objects as symbols by type with their names.
// Both come from the window's CDeepSky (null: nothing is drawn).

#include <cstdint>

#include "engine/light_band.h"

class CDC;
class CLumoDoc;
class CLumoWnd;

// Palette index of a Milky Way level (1 faintest .. 5 brightest).
uint8_t MilkyWayPaletteIndex(int32_t level);

// Fills the Milky Way when the document's m_bMilkyWay is set.
void DrawMilkyWay(const CLumoDoc& doc, CLumoWnd& wnd);

// Draws the deep-sky objects when the document's m_bDeepSky is set: those
// brighter than the magnitude limit, and those without a magnitude while
// the limit is 6 or fainter. A symbol by type (galaxy an oval, open cluster
// a dotted circle, globular cluster a circle with a cross, nebula a square,
// planetary nebula a circle with four rays, other a small diamond) sized by
// the object at the current zoom, at least kDeepSkyMinRadius designed
// pixels; the name (common name, else designation) when the object is
// brighter than the names limit, or, without a magnitude, from zoom 600 on.
// Records where each drawn object landed (window pixels) for the hit test.
void DrawDeepSky(const CLumoDoc& doc, CDC& dc, CLumoWnd& wnd);

constexpr int32_t kDeepSkyMinRadius = 3;          // designed pixels
constexpr int32_t kDeepSkyColour = ModelColour(2, 13);  // sea green, level 2
constexpr int32_t kNoMagnitudeNamesZoom = 600;
constexpr float kNoMagnitudeStarLimit = 6.0f;
