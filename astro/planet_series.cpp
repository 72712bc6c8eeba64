#include "astro/planet_series.h"

#include <cmath>

#include "astro/angles.h"

double EvaluateSeries(double t, std::span<const SeriesTerm> series) {
    double sum = 0;
    for (const SeriesTerm& term : series) sum += term.A * std::cos(term.B + term.C * t);
    return sum * 1e-8;
}

namespace {
// One coordinate: its series X0 .. Xk combined by Horner's rule, highest
// power first.
double EvaluateCoordinate(double t, const SeriesSlice* slices, int powers) {
    std::span<const SeriesTerm> terms = VsopTerms();
    double x = 0;
    for (int p = powers - 1; p >= 0; --p)
        x = x * t + EvaluateSeries(t, terms.subspan(slices[p].first, slices[p].count));
    return x;
}

void PlanetPosition(int planet, double jd, double& L, double& B, double& R) {
    const PlanetSeries& s = VsopPlanets()[planet];
    double t = JulianMillennia(jd);
    L = EvaluateCoordinate(t, s.L, s.nL);
    B = EvaluateCoordinate(t, s.B, s.nB);
    R = EvaluateCoordinate(t, s.R, s.nR);
}
}  // namespace

void MercuryPosition(double jd, double& L, double& B, double& R) { PlanetPosition(0, jd, L, B, R); }
void VenusPosition(double jd, double& L, double& B, double& R) { PlanetPosition(1, jd, L, B, R); }
void EarthPosition(double jd, double& L, double& B, double& R) { PlanetPosition(2, jd, L, B, R); }
void MarsPosition(double jd, double& L, double& B, double& R) { PlanetPosition(3, jd, L, B, R); }
void JupiterPosition(double jd, double& L, double& B, double& R) { PlanetPosition(4, jd, L, B, R); }
void SaturnPosition(double jd, double& L, double& B, double& R) { PlanetPosition(5, jd, L, B, R); }
void UranusPosition(double jd, double& L, double& B, double& R) { PlanetPosition(6, jd, L, B, R); }
void NeptunePosition(double jd, double& L, double& B, double& R) { PlanetPosition(7, jd, L, B, R); }
