#include "astro/planet_series.h"

#include <algorithm>
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

// Terms of each series that enter the rates: the series are sorted by
// falling amplitude, and the rates only move a planet along its orbit over
// the light time and give the Earth's velocity for the aberration, where a
// relative error of 1e-3 costs at most 0.05" (Mercury).
constexpr uint16_t kRateTerms = 16;

// One coordinate and its rate (per Julian millennium): d/dt of t^p S_p(t) by
// the product rule, the sines only for the leading terms.
void EvaluateCoordinateAndRate(double t, const SeriesSlice* slices, int powers, double& x, double& rate) {
    std::span<const SeriesTerm> terms = VsopTerms();
    x = 0;
    rate = 0;
    for (int p = powers - 1; p >= 0; --p) {
        const std::span<const SeriesTerm> series = terms.subspan(slices[p].first, slices[p].count);
        double ds = 0;
        for (const SeriesTerm& term : series.first(std::min(kRateTerms, slices[p].count)))
            ds -= term.A * term.C * std::sin(term.B + term.C * t);
        // x = x t + s; rate = rate t + x_old + ds (Horner on the derivative).
        rate = rate * t + x + ds * 1e-8;
        x = x * t + EvaluateSeries(t, series);
    }
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

void PlanetPositionAndRate(int planet, double jd, SeriesPlace& place) {
    const PlanetSeries& s = VsopPlanets()[planet];
    const double t = JulianMillennia(jd);
    constexpr double kPerDay = 1.0 / 365250.0;
    EvaluateCoordinateAndRate(t, s.L, s.nL, place.L, place.dL);
    EvaluateCoordinateAndRate(t, s.B, s.nB, place.B, place.dB);
    EvaluateCoordinateAndRate(t, s.R, s.nR, place.R, place.dR);
    place.dL *= kPerDay;
    place.dB *= kPerDay;
    place.dR *= kPerDay;
}

void SeriesCartesian(const SeriesPlace& p, DVec3& position, DVec3& velocity) {
    const double cL = std::cos(p.L), sL = std::sin(p.L), cB = std::cos(p.B), sB = std::sin(p.B);
    position = {p.R * cB * cL, p.R * cB * sL, p.R * sB};
    velocity = {p.dR * cB * cL - p.R * (p.dL * cB * sL + p.dB * sB * cL),
                p.dR * cB * sL + p.R * (p.dL * cB * cL - p.dB * sB * sL),
                p.dR * sB + p.R * p.dB * cB};
}
