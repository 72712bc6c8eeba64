#include "astro/time_scales.h"

#include "astro/angles.h"
#include "astro/series_tables.h"

double DeltaTSeconds(double jd) {
    const double y = 2000.0 + (jd - kJ2000) / 365.25;
    const auto ranges = DeltaTRanges();
    const DeltaTRange* r = &ranges.front();
    for (const DeltaTRange& range : ranges)
        if (y >= range.yMin) r = &range;
    const double x = (y - r->x0) / r->xScale;
    double sum = 0;
    for (int k = 7; k >= 0; --k) sum = sum * x + r->c[k];
    return sum;
}

double TerrestrialJulianDay(double jd) { return jd + DeltaTSeconds(jd) / 86400.0; }
