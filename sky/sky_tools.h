#pragma once
// The drawing tools the sky painting selects: font A ("Arial", 12 pixels,
// normal weight) for star names, constellation names and azimuth labels,
// font B ("Arial", 15 pixels) for body names, and the light grey ground brush
// and pen (192, 192, 192). The program creates one set at start-up and keeps
// it for the whole run; a tool that could not be created is simply not
// selected (text or the ground is then drawn with the context's defaults).
// The font heights are multiplied by the sky view's scale (sky_scale.h); a
// window whose scale changes has the set made again.

#include "framework/drawing_context.h"
#include "sky/sky_scale.h"

struct SkyTools {
    CFont fontA;
    CFont fontB;
    CBrush groundBrush;
    CPen groundPen;
    // The scale the fonts were made for.
    SkyScale scale;

    // Creates all four for a scale (again, when they exist); false when any
    // of them could not be created.
    bool Create(const SkyScale& forScale = {});
};
