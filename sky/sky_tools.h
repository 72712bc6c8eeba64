#pragma once
// The drawing tools the sky painting selects: font A ("Arial", 12 pixels,
// normal weight) for star names, constellation names and azimuth labels,
// font B ("Arial", 15 pixels) for body names, and the light grey ground brush
// and pen (192, 192, 192). The program creates one set at start-up and keeps
// it for the whole run; a tool that could not be created is simply not
// selected (text or the ground is then drawn with the context's defaults).

#include "framework/drawing_context.h"

struct SkyTools {
    CFont fontA;
    CFont fontB;
    CBrush groundBrush;
    CPen groundPen;

    // Creates all four; false when any of them could not be created.
    bool Create();
};
