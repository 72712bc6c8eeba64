#pragma once
// Universal Time and Terrestrial Time. The Earth's rotation (sidereal time)
// runs on UT; every series, the moons' elements and the orientation of the
// equator and ecliptic run on TT = UT + Delta T.

// Delta T = TT - UT, seconds, for a Julian day in UT, from the polynomials of
// Espenak and Meeus (astro/data/delta_t.tsv), with the decimal year
// y = 2000 + (JD - 2451545) / 365.25. Years outside the table take its first
// or last range.
double DeltaTSeconds(double julianDayUt);

// The Julian Ephemeris Day (TT) of a Julian day in UT.
double TerrestrialJulianDay(double julianDayUt);
