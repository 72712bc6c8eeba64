#pragma once
// Sines and cosines of the whole multiples of one base angle, computed once
// per evaluation and combined by angle addition, so that a series of many
// terms with integer arguments needs only a handful of trigonometric calls.

#include <cmath>

// A point on the unit circle: cos and sin of an angle.
struct UnitAngle {
    double c = 1, s = 0;
};

// The angle sum a + b.
inline UnitAngle operator*(UnitAngle a, UnitAngle b) {
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}

// cos and sin of k·x for k = -N .. N.
template <int N>
class AngleMultiples {
public:
    explicit AngleMultiples(double x) {
        m_v[N] = UnitAngle{};
        for (int k = 1; k <= N; ++k) {
            UnitAngle u{std::cos(k * x), std::sin(k * x)};
            m_v[N + k] = u;
            m_v[N - k] = UnitAngle{u.c, -u.s};
        }
    }
    // k must lie in -N .. N (the table generator guarantees it).
    UnitAngle operator[](int k) const { return m_v[N + k]; }

private:
    UnitAngle m_v[2 * N + 1];
};
