#include "catalogue/view_options.h"

#include <algorithm>
#include <cmath>

#include "catalogue/lumo_doc.h"

int32_t MagnitudeSliderPosition(float limit) {
    if (std::isnan(limit)) return kMagnitudeSliderMin;
    // Clamped before the conversion: a stored limit far beyond the range
    // must not overflow the integer.
    double tenths = std::clamp(std::trunc(static_cast<double>(limit) * 10.0),
                               double{kMagnitudeSliderMin}, double{kMagnitudeSliderMax});
    return static_cast<int32_t>(tenths);
}

float MagnitudeLimitOf(int32_t position) { return static_cast<float>(position / 10); }

ViewOptions ReadViewOptions(const CLumoDoc& doc) {
    ViewOptions o;
    o.horizon = doc.m_nViewMode != 0;
    o.grid = doc.m_bGrid != 0;
    o.ecliptic = doc.m_bEcliptic != 0;
    o.localHorizon = doc.m_bHorizon != 0;
    o.ground = doc.m_bGround != 0;
    o.figures = doc.m_bFigures != 0;
    o.constNames = doc.m_bConstNames != 0;
    o.bounds = doc.m_bBounds != 0;
    o.deepSky = doc.m_bDeepSky != 0;
    o.milkyWay = doc.m_bMilkyWay != 0;
    o.magSlider = MagnitudeSliderPosition(doc.m_fMagLimit);
    o.nameSlider = MagnitudeSliderPosition(doc.m_fNameLimit);
    return o;
}

void ApplyViewOptions(CLumoDoc& doc, const ViewOptions& o) {
    doc.m_nViewMode = o.horizon ? 1 : 0;
    doc.m_bGrid = o.grid;
    doc.m_bEcliptic = o.ecliptic;
    doc.m_bHorizon = o.localHorizon;
    doc.m_bGround = o.ground;
    doc.m_bFigures = o.figures;
    doc.m_bConstNames = o.constNames;
    doc.m_bBounds = o.bounds;
    doc.m_bDeepSky = o.deepSky;
    doc.m_bMilkyWay = o.milkyWay;
    doc.m_fMagLimit = MagnitudeLimitOf(o.magSlider);
    doc.m_fNameLimit = MagnitudeLimitOf(o.nameSlider);
}
