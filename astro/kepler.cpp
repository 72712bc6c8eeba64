#include "astro/kepler.h"

#include <cmath>

double SolveKepler(double M, double e) {
    double E = M;
    double f = E - e * std::sin(E) - M;
    for (int step = 0; std::fabs(f) > 1e-8 && step < 100; ++step) {
        E -= f / (1 - e * std::cos(E));
        f = E - e * std::sin(E) - M;
    }
    return E;
}
