#include "engine/matrix_q15.h"

#include "engine/trig_tables.h"

namespace {

// Q15 product, shifted as it is formed.
int32_t P(int64_t a, int64_t b) { return static_cast<int32_t>((a * b) >> 15); }

int32_t At(const MatQ15& m, int row, int column) { return m[row * 3 + column]; }

}  // namespace

MatQ15 MatFromAngles(Angle a, Angle b, Angle c) {
    const int32_t sa = Sin(a), ca = Cos(a);
    const int32_t sb = Sin(b), cb = Cos(b);
    const int32_t sc = Sin(c), cc = Cos(c);
    return MatQ15{
        P(P(sc, sb), sa) + P(cc, ca), P(-cb, sa), P(P(sb, sa), cc) - P(sc, ca),
        P(cc, sa) - P(P(sc, sb), ca), P(ca, cb), -(P(sc, sa) + P(P(cc, sb), ca)),
        P(sc, cb), sb, P(cc, cb),
    };
}

void MatMul(MatQ15& out, const MatQ15& a, const MatQ15& b) {
    MatQ15 r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            r[i * 3 + j] = P(At(a, i, 0), At(b, 0, j)) + P(At(a, i, 1), At(b, 1, j)) +
                           P(At(a, i, 2), At(b, 2, j));
        }
    }
    out = r;
}

void MatMulByTranspose(MatQ15& out, const MatQ15& a, const MatQ15& b) {
    MatQ15 r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            r[i * 3 + j] = P(At(b, i, 0), At(a, j, 0)) + P(At(b, i, 1), At(a, j, 1)) +
                           P(At(b, i, 2), At(a, j, 2));
        }
    }
    out = r;
}

void MatTranspose(MatQ15& out, const MatQ15& a) {
    MatQ15 r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) r[i * 3 + j] = At(a, j, i);
    }
    out = r;
}

Vec3i MatVec(const MatQ15& m, Vec3i v) {
    auto row = [&](int i) {
        const int64_t dot = int64_t{At(m, i, 0)} * v.x + int64_t{At(m, i, 1)} * v.y +
                            int64_t{At(m, i, 2)} * v.z;
        return static_cast<int32_t>(dot >> 15);
    };
    return Vec3i{row(0), row(1), row(2)};
}
