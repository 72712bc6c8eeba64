#pragma once
// The View options dialog's values: the view mode, the nine layer switches
// and the two magnitude sliders, read from the document when the dialog
// opens and written back when it closes with OK. The Qt dialog only moves
// these values in and out of its controls.

#include <cstdint>

class CLumoDoc;

// Both sliders run over tenths of a magnitude, -1.0 .. 8.0.
constexpr int32_t kMagnitudeSliderMin = -10;
constexpr int32_t kMagnitudeSliderMax = 80;

struct ViewOptions {
    bool horizon = false;  // "Horizon" checked, else "Equatorial"
    bool grid = false, ecliptic = false, localHorizon = false, ground = false;
    bool figures = false, constNames = false, bounds = false;
    bool deepSky = false, milkyWay = false;  // kept in the settings, not stars.db
    int32_t magSlider = 0;   // "Magnitude Visible", tenths of a magnitude
    int32_t nameSlider = 0;  // "Names visible", tenths of a magnitude
};

// The slider position that shows a magnitude limit: trunc(limit x 10), held
// within the slider's range (the default limit of 10000 shows as 80). A
// limit that is not a number shows at the bottom of the range, like a limit
// no star passes.
int32_t MagnitudeSliderPosition(float limit);

// The limit a slider position gives: whole magnitudes, the position divided
// by 10 in integer arithmetic (65 gives 6, -5 gives 0, -10 gives -1).
float MagnitudeLimitOf(int32_t position);

// The dialog's values on opening.
ViewOptions ReadViewOptions(const CLumoDoc& doc);

// OK: the view mode (1 Horizon, 0 Equatorial), the nine flags and both
// limits into the document. The caller repaints.
void ApplyViewOptions(CLumoDoc& doc, const ViewOptions& options);
