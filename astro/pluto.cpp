#include "astro/pluto.h"

#include "astro/angles.h"
#include "astro/series_angles.h"
#include "astro/series_tables.h"

namespace {
// The series with an extra longitude shift (degrees) added before the
// longitude is reduced.
void PlutoSeries(double jd, double shiftDegrees, double& l, double& b, double& r) {
    double T = JulianCenturies(jd);
    const AngleMultiples<kMaxPlutoMultiple> J((34.35 + 3034.9057 * T) * kDegToRad);
    const AngleMultiples<kMaxPlutoMultiple> S((50.08 + 1222.1138 * T) * kDegToRad);
    const AngleMultiples<kMaxPlutoMultiple> P((238.96 + 144.96 * T) * kDegToRad);
    double sumL = 0, sumB = 0, sumR = 0;
    for (const PlutoTerm& t : PlutoTerms()) {
        UnitAngle a = J[t.i] * S[t.j] * P[t.k];
        sumL += t.lA * a.s + t.lB * a.c;
        sumB += t.bA * a.s + t.bB * a.c;
        sumR += t.rA * a.s + t.rB * a.c;
    }
    l = Reduce360(sumL * 1e-6 + 144.96 * T + 238.956785 + shiftDegrees) * kDegToRad;
    b = Reduce360(sumB * 1e-6 - 3.908202) * kDegToRad;
    r = sumR * 1e-7 + 40.7247248;
}
}  // namespace

double PrecessionInLongitude(double jd) {
    double T = JulianCenturies(jd);
    return 1.396971278 * T + 0.0003086 * T * T;
}

void PlutoPositionJ2000(double jd, double& l, double& b, double& r) {
    PlutoSeries(jd, 0.0, l, b, r);
}

void PlutoPosition(double jd, double& l, double& b, double& r) {
    PlutoSeries(jd, PrecessionInLongitude(jd), l, b, r);
}
