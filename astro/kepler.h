#pragma once
// Kepler's equation.

// The eccentric anomaly E (radians) with E - e·sin E = M, for a mean anomaly M
// (radians) and an eccentricity 0 <= e < 1, by Newton's method from E = M:
// stops when |E - e·sin E - M| <= 1e-8 or after 100 steps, whichever comes
// first. With e = 0 it returns M at once.
double SolveKepler(double M, double e);
