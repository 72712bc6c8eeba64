#pragma once
// Heliocentric positions of Mercury to Neptune from the abridged VSOP87
// theory (version D: ecliptic and equinox of the date), evaluated at the
// Julian day given (the position update gives the Julian Ephemeris Day, TT).

#include <span>

#include "astro/rotation.h"
#include "astro/series_angles.h"
#include "astro/series_tables.h"

// Each coordinate is a polynomial in t (Julian millennia from J2000.0)
// whose coefficients are series: the sum of A·cos(B + C·t) over their
// terms, times 1e-8 (radians or AU).

// Each routine writes heliocentric ecliptic longitude L and latitude B
// (radians; L is not reduced to one turn) and the radius vector R (AU) for a
// Julian day. No state, no allocation; the table is read in place. Called by
// ComputePositions for the bodies of theory 1 to 8.
void MercuryPosition(double julianDay, double& L, double& B, double& R);
void VenusPosition(double julianDay, double& L, double& B, double& R);
void EarthPosition(double julianDay, double& L, double& B, double& R);
void MarsPosition(double julianDay, double& L, double& B, double& R);
void JupiterPosition(double julianDay, double& L, double& B, double& R);
void SaturnPosition(double julianDay, double& L, double& B, double& R);
void UranusPosition(double julianDay, double& L, double& B, double& R);
void NeptunePosition(double julianDay, double& L, double& B, double& R);

// A planet's L, B (radians), R (AU) and their rates per day.
struct SeriesPlace {
    double L = 0, B = 0, R = 0;
    double dL = 0, dB = 0, dR = 0;
};

// The same series for planet 0 (Mercury) .. 7 (Neptune), with the rates from
// the derivative of the leading terms of each series (to about 1e-3): the
// light-time correction and the Earth's velocity for the aberration.
void PlanetPositionAndRate(int planet, double julianDay, SeriesPlace& place);

// The series at one instant, for evaluating several planets there: the
// sine and cosine of each frequency times t are made once, when the first
// planet whose terms use that frequency is evaluated, and shared by the
// others (the planets have many frequencies in common). About 17 KB; one
// lives on the stack of one position update.
class SeriesInstant {
public:
    explicit SeriesInstant(double julianDay);
    double JulianDay() const { return m_julianDay; }
    // PlanetPositionAndRate(planet, JulianDay(), place), the same figures.
    void PositionAndRate(int planet, SeriesPlace& place);

    // For the evaluator: t in Julian millennia from J2000.0, the harmonics of
    // a planet made, and harmonic k (cos, sin) once made.
    double Millennia() const { return m_t; }
    void Prepare(int planet);
    UnitAngle operator[](uint16_t k) const { return {m_cos[k], m_sin[k]}; }

private:
    double m_julianDay, m_t;
    bool m_planetReady[8] = {};
    bool m_ready[kMaxSeriesFrequencies] = {};
    // Only the entries marked ready are written and read.
    double m_cos[kMaxSeriesFrequencies];
    double m_sin[kMaxSeriesFrequencies];
};

// The place as ecliptic rectangular position (AU) and velocity (AU per day),
// standard coordinates (x to the equinox, z to the ecliptic pole).
void SeriesCartesian(const SeriesPlace& place, DVec3& position, DVec3& velocity);
