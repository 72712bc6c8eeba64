// Q15 trigonometry, vectors and matrices: property sweeps against doubles.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/matrix_q15.h"
#include "engine/trig_tables.h"
#include "engine/vector_q15.h"

namespace {

class FixedMathTest : public ::testing::Test {
protected:
    void SetUp() override { EngineTablesInit(); }
};

double Length(Vec3i v) { return std::hypot(double(v.x), double(v.y), double(v.z)); }

TEST_F(FixedMathTest, TrigonometryFollowsTheCircle) {
    EXPECT_EQ(Acos(INT32_MIN), Acos(-32767));  // out of range: clamped
    for (Angle a = -40000; a < 40000; a += 97) {
        ASSERT_EQ(Sin(a), Sin(a + 32768)) << a;
        ASSERT_EQ(Cos(a), Cos(a - 32768)) << a;
        ASSERT_NEAR(Sin(a), 32767 * std::sin(a * M_PI / 16384), 8) << a;
    }
    for (Angle a = 600; a < 16383 - 600; a += 50) {  // the table is coarse near 0 and 16384
        ASSERT_NEAR(Acos(Cos(a)), a, 12) << a;
        ASSERT_NEAR(Asin(Sin(a - 8192)), a - 8192, 12) << a;
    }
}

TEST_F(FixedMathTest, MulQ15AndUnitVector127KeepLargeValues) {
    EXPECT_EQ(MulQ15(32767, -32767), -32767);  // the shift rounds down
    EXPECT_NEAR(MulQ15(3 << 20, 1 << 20), 3 << 25, 1 << 12);  // halved first, shifted less
    EXPECT_EQ(MulQ15(INT32_MAX, INT32_MAX), 0);  // more than 15 halvings: shifted by 31
    EXPECT_NEAR(UnitVector127(1e200, 1e200, 0).x, 127 / std::sqrt(2.0), 1e-9);  // squares overflow
    EXPECT_EQ(UnitVector127(0, 0, 0).x, 0);  // e.g. the light seen from the Sun's centre
}

TEST_F(FixedMathTest, NormalizationsKeepDirectionAndLength) {
    EXPECT_EQ(Normalize({0, 0, 0}), (Vec3i{0, 0, 0}));
    EXPECT_EQ(Normalize({INT32_MIN, 0, 0}), (Vec3i{-32767, 0, 0}));
    // A body one arcminute off the axis keeps its offset.
    EXPECT_EQ(Normalize({1000000000, 0, int32_t(1000000000 * std::tan(M_PI / 10800))}).z, 10);
    std::mt19937 rng(3);
    for (int n = 0; n < 3000; ++n) {
        std::uniform_int_distribution<int32_t> c(-(INT32_MAX >> (n % 31)), INT32_MAX >> (n % 31));
        const Vec3i v{c(rng), c(rng), c(rng)};
        if (v == Vec3i{}) continue;
        const Vec3i u = Normalize(v);
        ASSERT_NEAR(Length(u), 32767, 2);
        ASSERT_NEAR(u.y, v.y / Length(v) * 32767, 0.5 + 1e-4);
        const Vec3i small{v.x >> 17, v.y >> 17, v.z >> 17};
        if (n % 31 || small == Vec3i{}) continue;
        ASSERT_NEAR(Length(Normalize128(small)), 128, 8);
        ASSERT_NEAR(Length(Normalize90(small)), 90.5, 8);
    }
    EXPECT_EQ(Normalize90({0, 0, -1}), (Vec3i{0, 0, -90}));
    EXPECT_EQ(CrossQ15({0, 32767, 0}, {0, 0, 32767}), (Vec3i{32766, 0, 0}));
}

TEST_F(FixedMathTest, MatricesTurnComposeStayOrthonormalAndMayAlias) {
    std::mt19937 rng(9);
    std::uniform_int_distribution<Angle> angle(0, 32767);
    for (int n = 0; n < 200; ++n) {
        const Angle a = angle(rng), b = angle(rng), c = angle(rng);
        const MatQ15 m = MatFromAngles(a, b, c);
        MatQ15 mmT, ab, mT, viaTranspose;
        MatMulByTranspose(mmT, m, m);  // m x transpose(m)
        for (int i = 0; i < 9; ++i) ASSERT_NEAR(mmT[i], i % 4 == 0 ? 32767 : 0, 24);
        MatTranspose(mT, m);
        MatMul(viaTranspose, m, mT);
        ASSERT_EQ(viaTranspose, mmT);
        // One angle turns the x-y plane; a then b is a + b.
        const MatQ15 one = MatFromAngles(a, 0, 0);
        ASSERT_NEAR(one[1], -Sin(a), 1);
        ASSERT_NEAR(one[3], Sin(a), 1);
        MatMul(ab, one, MatFromAngles(b, 0, 0));
        const MatQ15 sum = MatFromAngles(a + b, 0, 0);
        for (int i = 0; i < 9; ++i) ASSERT_NEAR(ab[i], sum[i], 16);
    }
    const MatQ15 a = MatFromAngles(1000, 2000, 3000), b = MatFromAngles(-700, 5000, 100);
    MatQ15 product, inPlace = a;
    MatMul(product, a, b);
    MatMul(inPlace, inPlace, b);
    EXPECT_EQ(inPlace, product);
    // The dot product is formed in 64 bits before the shift.
    EXPECT_EQ(MatVec(kMatQ15Identity, {1 << 30, -(1 << 30), 12345}),
              (Vec3i{(1 << 30) - (1 << 15), -(1 << 30) + (1 << 15), 12344}));
}

}  // namespace
