#include "catalogue/doc_summary.h"

#include <ostream>

#include "astro/angles.h"
#include "catalogue/lumo_doc.h"
#include "framework/format.h"

void PrintCatalogueSummary(const CLumoDoc& d, std::ostream& out) {
    out << "stars\t" << d.m_stars.size() << "\n"
        << "figure lines\t" << d.m_figures.size() << "\n"
        << "boundary lines\t" << d.m_bounds.size() << "\n"
        << "labels\t" << d.m_labels.size() << "\n"
        << "cities\t" << d.m_cities.size() << "\n"
        << "bodies\t" << d.m_planets.size() << "\n";
    out << Format("view mode\t%s\n", d.m_nViewMode == 0 ? "equatorial" : "horizon")
        << Format("layers\tgrid=%d ecliptic=%d horizon=%d ground=%d local=%d figures=%d "
                  "names=%d bounds=%d observer-on-body=%d\n",
                  d.m_bGrid, d.m_bEcliptic, d.m_bHorizon, d.m_bGround, d.m_bLocalCircles,
                  d.m_bFigures, d.m_bConstNames, d.m_bBounds, d.m_bObserverOnBody)
        << Format("place\tlatitude %.4f deg, longitude %.4f deg\n",
                  d.m_fLatitude * kRadToDeg, d.m_fLongitude * kRadToDeg)
        << Format("view\televation %d, azimuth %d (1/32768 turn), zoom %d\n",
                  d.m_nViewElevation, d.m_nViewAzimuth, d.m_nZoom)
        << Format("limits\tmagnitude %g, names %g, grid step %g deg\n", d.m_fMagLimit,
                  d.m_fNameLimit, d.m_fGridStep);
}
