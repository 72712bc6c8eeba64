#include "astro/planet_series.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "astro/series_angles.h"

namespace {
// A term split for angle addition: A cos(B + x) = aCosB cos x - aSinB sin x
// with x = C t, so that the terms sharing a frequency (the same argument
// runs through L, B and R, through the powers of t and through the planets)
// share one sine and cosine.
struct SplitTerm {
    double aCosB, aSinB;  // A cos B, A sin B (1e-8 radian or AU)
    double C;             // frequency, radians per Julian millennium
    uint16_t harmonic;    // index of C among the distinct frequencies
};

// Every term of VsopTerms() split, at the same index (so the slices serve),
// the distinct frequencies of all the planets, and those each planet uses.
// Constant data derived from the tables, made once.
struct SplitTables {
    std::vector<SplitTerm> terms;
    std::vector<double> frequencies;
    std::vector<uint16_t> planetHarmonics[8];
};

SplitTables MakeSplitTables() {
    const std::span<const SeriesTerm> terms = VsopTerms();
    SplitTables split;
    split.terms.resize(terms.size());
    std::vector<double>& frequencies = split.frequencies;
    for (size_t planet = 0; planet < 8; ++planet) {
        const PlanetSeries& s = VsopPlanets()[planet];
        std::vector<uint16_t>& used = split.planetHarmonics[planet];
        for (const auto& [slices, powers] : {std::pair{s.L, s.nL}, {s.B, s.nB}, {s.R, s.nR}}) {
            for (int p = 0; p < powers; ++p) {
                for (size_t i = slices[p].first; i < size_t{slices[p].first} + slices[p].count; ++i) {
                    const SeriesTerm& term = terms[i];
                    auto at = std::find(frequencies.begin(), frequencies.end(), term.C);
                    if (at == frequencies.end()) at = frequencies.insert(at, term.C);
                    const auto k = static_cast<uint16_t>(at - frequencies.begin());
                    split.terms[i] = {term.A * std::cos(term.B), term.A * std::sin(term.B), term.C, k};
                    if (std::find(used.begin(), used.end(), k) == used.end()) used.push_back(k);
                }
            }
        }
    }
    return split;
}

const SplitTables& Split() {
    static const SplitTables split = MakeSplitTables();
    return split;
}

std::span<const SplitTerm> SplitSeries(const SeriesSlice& slice) {
    return std::span<const SplitTerm>(Split().terms).subspan(slice.first, slice.count);
}
}  // namespace

SeriesInstant::SeriesInstant(double julianDay) : m_julianDay(julianDay), m_t(JulianMillennia(julianDay)) {}

void SeriesInstant::Prepare(int planet) {
    if (m_planetReady[planet]) return;
    const std::vector<double>& frequencies = Split().frequencies;
    for (uint16_t k : Split().planetHarmonics[planet]) {
        if (m_ready[k]) continue;
        const double x = frequencies[k] * m_t;
        m_cos[k] = std::cos(x);
        m_sin[k] = std::sin(x);
        m_ready[k] = true;
    }
    m_planetReady[planet] = true;
}

namespace {
// The sum of A cos(B + C t) over one series, times 1e-8.
double SumSeries(std::span<const SplitTerm> series, const SeriesInstant& h) {
    double sum = 0;
    for (const SplitTerm& term : series) {
        const UnitAngle x = h[term.harmonic];
        sum += term.aCosB * x.c - term.aSinB * x.s;
    }
    return sum * 1e-8;
}

// Its derivative by t, -A C sin(B + C t), over the given terms, times 1e-8.
double SumSeriesRate(std::span<const SplitTerm> series, const SeriesInstant& h) {
    double sum = 0;
    for (const SplitTerm& term : series) {
        const UnitAngle x = h[term.harmonic];
        sum -= term.C * (term.aSinB * x.c + term.aCosB * x.s);
    }
    return sum * 1e-8;
}

// One coordinate: its series X0 .. Xk combined by Horner's rule, highest
// power first.
double EvaluateCoordinate(double t, const SeriesInstant& h, const SeriesSlice* slices, int powers) {
    double x = 0;
    for (int p = powers - 1; p >= 0; --p) x = x * t + SumSeries(SplitSeries(slices[p]), h);
    return x;
}

// Terms of each series that enter the rates: the series are sorted by
// falling amplitude, and the rates only move a planet along its orbit over
// the light time and give the Earth's velocity for the aberration, where a
// relative error of 1e-3 costs at most 0.05" (Mercury).
constexpr uint16_t kRateTerms = 16;

// One coordinate and its rate (per Julian millennium): d/dt of t^p S_p(t) by
// the product rule, the sines only for the leading terms.
void EvaluateCoordinateAndRate(double t, const SeriesInstant& h, const SeriesSlice* slices, int powers,
                               double& x, double& rate) {
    x = 0;
    rate = 0;
    for (int p = powers - 1; p >= 0; --p) {
        const std::span<const SplitTerm> series = SplitSeries(slices[p]);
        const double ds = SumSeriesRate(series.first(std::min(kRateTerms, slices[p].count)), h);
        // x = x t + s; rate = rate t + x_old + ds (Horner on the derivative).
        rate = rate * t + x + ds;
        x = x * t + SumSeries(series, h);
    }
}

void PlanetPosition(int planet, double jd, double& L, double& B, double& R) {
    const PlanetSeries& s = VsopPlanets()[planet];
    SeriesInstant h(jd);
    h.Prepare(planet);
    const double t = h.Millennia();
    L = EvaluateCoordinate(t, h, s.L, s.nL);
    B = EvaluateCoordinate(t, h, s.B, s.nB);
    R = EvaluateCoordinate(t, h, s.R, s.nR);
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
    SeriesInstant instant(jd);
    instant.PositionAndRate(planet, place);
}

void SeriesInstant::PositionAndRate(int planet, SeriesPlace& place) {
    Prepare(planet);
    const PlanetSeries& s = VsopPlanets()[planet];
    constexpr double kPerDay = 1.0 / 365250.0;
    EvaluateCoordinateAndRate(m_t, *this, s.L, s.nL, place.L, place.dL);
    EvaluateCoordinateAndRate(m_t, *this, s.B, s.nB, place.B, place.dB);
    EvaluateCoordinateAndRate(m_t, *this, s.R, s.nR, place.R, place.dR);
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
