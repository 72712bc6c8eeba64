#pragma once
// The coefficient tables of the position theories, as constant data compiled
// into the program. The definitions are generated at build time from the TSV
// files in astro/data by tools/series/gen_series_tables.cpp; this header only
// declares their shape. Readers use the tables in place, without copying.

#include <cstdint>
#include <span>

// One term of a planetary series: A·cos(B + C·t).
struct SeriesTerm {
    double A;  // amplitude, 1e-8 radian (L, B) or 1e-8 AU (R)
    double B;  // phase, radians
    double C;  // frequency, radians per Julian millennium
};

// Where one series lies in the term array.
struct SeriesSlice {
    uint16_t first;
    uint16_t count;
};

// The series of one planet: for each coordinate, one series per power of t,
// from power 0 up to power (number - 1).
struct PlanetSeries {
    SeriesSlice L[6], B[6], R[6];
    uint8_t nL, nB, nR;
};

// One row of the Moon's periodic terms: multiples of D, M, M' and F, and the
// coefficient(s) of the row (longitude or latitude in 1e-6 degree, distance
// in metres; the distance is 0 in the latitude table).
struct MoonTerm {
    int8_t D, M, Mp, F;
    int32_t primary;   // longitude (table A) or latitude (table B), sine coefficient
    int32_t distance;  // table A only: cosine coefficient, metres
};

// One row of Pluto's periodic terms: multiples of J, S and P, and the sine and
// cosine coefficients of longitude and latitude (1e-6 degree) and radius
// vector (1e-7 AU).
struct PlutoTerm {
    int8_t i, j, k;
    int32_t lA, lB, bA, bB, rA, rB;
};

// One range of the Delta T polynomials: for decimal years yMin <= y < yMax,
// x = (y - x0) / xScale and Delta T = sum c[k] x^k seconds.
struct DeltaTRange {
    double yMin, yMax, x0, xScale;
    double c[8];
};

// One term of the IAU 1980 nutation series: multiples of D, M, M', F and the
// Moon's node, the longitude sine and obliquity cosine coefficients (0.0001
// arcsec) and their rates (0.0001 arcsec per Julian century).
struct NutationTerm {
    int8_t D, M, Mp, F, Om;
    double psi, psiT, eps, epsT;
};

// The mean elements of one planetary moon in its local Laplace plane: epoch
// (Julian day, TT), a (km), e, argument of periapsis, mean anomaly at the
// epoch, inclination and node (degrees), n (rate of the mean longitude,
// degrees per day), the unsigned precession periods of the periapsis and node
// (Julian years) and their senses (+1, -1), and the Laplace pole (ICRF right
// ascension and declination, degrees).
struct MoonElements {
    const char* name;
    const char* planet;
    double epochJd, aKm, e, wDeg, mDeg, iDeg, nodeDeg, nDegPerDay, periapsisPeriodYears,
        nodePeriodYears;
    int8_t periapsisSense, nodeSense;
    double poleRaDeg, poleDecDeg;
};

// Largest multiple of a base argument that the tables use; the generator
// refuses data beyond it, so the evaluators can precompute the multiples.
constexpr int kMaxMoonMultiple = 4;
constexpr int kMaxPlutoMultiple = 6;
constexpr int kMaxNutationMultiple = 4;
// Largest number of distinct frequencies among the planetary terms (all the
// planets together); the generator refuses more, so the evaluator can keep
// the sine and cosine of each on the stack.
constexpr int kMaxSeriesFrequencies = 1024;

// All planetary terms, Mercury to Neptune, in the order of the data file.
std::span<const SeriesTerm> VsopTerms();
// The series layout of the eight planets, Mercury (0) to Neptune (7).
std::span<const PlanetSeries> VsopPlanets();
// Longitude and distance terms of the Moon (table A).
std::span<const MoonTerm> MoonLongitudeDistanceTerms();
// Latitude terms of the Moon (table B).
std::span<const MoonTerm> MoonLatitudeTerms();
// The 43 periodic terms of Pluto.
std::span<const PlutoTerm> PlutoTerms();
// The Delta T polynomials, ranges in rising order.
std::span<const DeltaTRange> DeltaTRanges();
// The 106 terms of the nutation series.
std::span<const NutationTerm> NutationTerms();
// The mean elements of the planetary moons.
std::span<const MoonElements> MoonElementRows();
