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

double Length(Vec3i v) { return std::sqrt(double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z); }

TEST_F(FixedMathTest, TablesAsBuilt) {
    EXPECT_EQ(CosTable[0], 32767);
    EXPECT_EQ(CosTable[8191], 6);  // cos of 8191 steps of 1.57079635 / 8192
    EXPECT_EQ(AcosTable[0], 8191);
    EXPECT_EQ(AcosTable[8191], 81);
    EXPECT_EQ(AcosTable[8192], 0);
    EXPECT_EQ(SqrtTable[0], 0);
    EXPECT_EQ(SqrtTable[8192], 16383);
    EXPECT_EQ(SqrtTable[32767], 32766);
    const int32_t before = CosTable[1234];
    EngineTablesInit();
    EXPECT_EQ(CosTable[1234], before);
}

TEST_F(FixedMathTest, SineAndCosineAtTheQuadrants) {
    EXPECT_EQ(Sin(8192), 32767);
    EXPECT_EQ(Cos(8192), -6);
    EXPECT_EQ(Cos(0), 32767);
    EXPECT_EQ(Sin(0), 6);
    EXPECT_EQ(Cos(16384), -32767);
    EXPECT_EQ(Sin(24576), -32767);
    for (Angle a = -40000; a < 40000; a += 97) {
        ASSERT_EQ(Sin(a), Sin(a + 32768)) << a;
        ASSERT_EQ(Cos(a), Cos(a - 32768)) << a;
        const double turn = a * 2 * M_PI / 32768;
        ASSERT_NEAR(Sin(a), 32767 * std::sin(turn), 8) << a;
        ASSERT_NEAR(Cos(a), 32767 * std::cos(turn), 8) << a;
    }
}

TEST_F(FixedMathTest, InverseCosineAndSine) {
    EXPECT_EQ(Acos(0), 8191);
    EXPECT_EQ(Acos(-32767), 16302);
    EXPECT_EQ(Acos(32767), 81);
    EXPECT_EQ(Asin(0), 0);
    EXPECT_EQ(Asin(32767), 8110);
    EXPECT_EQ(Asin(-32767), -8110);
    EXPECT_EQ(Acos(INT32_MIN), 16302);  // out-of-range values use the end of the table
    for (Angle a = 600; a < 16383 - 600; a += 50) {  // the table is coarse near 0 and 16384
        ASSERT_NEAR(Acos(Cos(a)), a, 12) << a;
    }
    for (Angle a = -7600; a < 7600; a += 50) {
        ASSERT_NEAR(Asin(Sin(a)), a, 12) << a;
    }
}

TEST_F(FixedMathTest, MulQ15) {
    EXPECT_EQ(MulQ15(16384, 16384), 8192);
    EXPECT_EQ(MulQ15(32767, -32767), -32767);  // the shift rounds down
    EXPECT_EQ(MulQ15(-16384, -8192), 4096);
    // Values beyond 15 bits are halved first and the shift shrinks to match.
    EXPECT_NEAR(MulQ15(65536, 32767), 65534, 4);
    EXPECT_NEAR(MulQ15(3 << 20, 1 << 20), 3 << 25, 1 << 12);
    // More than 15 halvings: the product is shifted by 31.
    EXPECT_EQ(MulQ15(INT32_MAX, INT32_MAX), 0);
    EXPECT_EQ(MulQ15(INT32_MIN, INT32_MAX), -1);
}

TEST_F(FixedMathTest, NormalizeKeepsDirectionAndSmallComponents) {
    EXPECT_EQ(Normalize({0, 0, 0}), (Vec3i{0, 0, 0}));
    EXPECT_EQ(Normalize({3, 4, 0}), (Vec3i{19660, 26214, 0}));
    EXPECT_EQ(Normalize({-3000000, 0, 4000000}), (Vec3i{-19660, 0, 26214}));
    EXPECT_EQ(Normalize({INT32_MIN, 0, 0}), (Vec3i{-32767, 0, 0}));
    EXPECT_EQ(Normalize({0, 1, 0}), (Vec3i{0, 32767, 0}));
    // A body one arcminute off the axis keeps its offset (0.00029 of the length).
    const double tan1 = std::tan(M_PI / 180 / 60);
    EXPECT_EQ(Normalize({1000000000, 0, int32_t(1000000000 * tan1)}).z, 10);
    EXPECT_EQ(Normalize({1000000, 1000, -100}), (Vec3i{32767, 33, -3}));
    std::mt19937 rng(3);
    for (int n = 0; n < 5000; ++n) {
        const int shift = n % 31;
        std::uniform_int_distribution<int32_t> c(-(INT32_MAX >> shift), INT32_MAX >> shift);
        const Vec3i v{c(rng), c(rng), c(rng)};
        if (v == Vec3i{}) continue;
        const Vec3i u = Normalize(v);
        ASSERT_NEAR(Length(u), 32767, 2);
        const double len = Length(v);
        ASSERT_NEAR(u.x, v.x / len * 32767, 0.5 + 1e-4);
        ASSERT_NEAR(u.y, v.y / len * 32767, 0.5 + 1e-4);
        ASSERT_NEAR(u.z, v.z / len * 32767, 0.5 + 1e-4);
    }
}

TEST_F(FixedMathTest, TableNormalizations) {
    EXPECT_EQ(Normalize128({0, 0, 0}), (Vec3i{0, 0, 0}));
    EXPECT_EQ(Normalize90({0, 0, 0}), (Vec3i{0, 0, 0}));
    EXPECT_EQ(Normalize128({1, 0, 0}), (Vec3i{127, 0, 0}));
    EXPECT_EQ(Normalize128({0, -100, 0}), (Vec3i{0, -127, 0}));
    EXPECT_EQ(Normalize128({100, 100, 0}), (Vec3i{90, 90, 0}));
    EXPECT_EQ(Normalize90({100, 0, 0}), (Vec3i{90, 0, 0}));
    EXPECT_EQ(Normalize90({0, 0, -1}), (Vec3i{0, 0, -90}));
    std::mt19937 rng(5);
    std::uniform_int_distribution<int32_t> c(-30000, 30000);
    for (int n = 0; n < 2000; ++n) {
        const Vec3i v{c(rng), c(rng), c(rng)};
        const Vec3i a = Normalize128(v), b = Normalize90(v);
        ASSERT_NEAR(Length(a), 128, 8);
        ASSERT_NEAR(Length(b), 90.5, 8);
        ASSERT_TRUE((a.x < 0) == (v.x < 0) || a.x == 0);
    }
}

TEST_F(FixedMathTest, CrossProducts) {
    EXPECT_EQ(Cross128({128, 0, 0}, {0, 128, 0}), (Vec3i{0, 0, 128}));
    EXPECT_EQ(Cross128({0, 128, 0}, {128, 0, 0}), (Vec3i{0, 0, -128}));
    EXPECT_EQ(Cross128({0, 0, 128}, {128, 0, 0}), (Vec3i{0, 128, 0}));
    EXPECT_EQ(CrossQ15({32767, 0, 0}, {0, 32767, 0}), (Vec3i{0, 0, 32766}));
    EXPECT_EQ(CrossQ15({0, 32767, 0}, {0, 0, 32767}), (Vec3i{32766, 0, 0}));
    const Vec3i a{20000, -5000, 12000}, b{-3000, 25000, 7000};
    const Vec3i c = CrossQ15(a, b);
    EXPECT_NEAR(c.x, (double(a.y) * b.z - double(a.z) * b.y) / 32768, 2);
    EXPECT_NEAR(c.y, (double(a.z) * b.x - double(a.x) * b.z) / 32768, 2);
    EXPECT_NEAR(c.z, (double(a.x) * b.y - double(a.y) * b.x) / 32768, 2);
}

TEST_F(FixedMathTest, UnitVector127) {
    const Vec3d u = UnitVector127(3e8, -4e8, 0);
    EXPECT_NEAR(u.x, 76.2, 1e-9);
    EXPECT_NEAR(u.y, -101.6, 1e-9);
    EXPECT_EQ(u.z, 0);
    const Vec3d big = UnitVector127(1e200, 1e200, 0);  // squares overflow a double
    EXPECT_NEAR(big.x, 127 / std::sqrt(2.0), 1e-9);
    const Vec3d zero = UnitVector127(0, 0, 0);  // e.g. the light seen from the Sun's centre
    EXPECT_EQ(zero.x, 0);
    EXPECT_EQ(zero.y, 0);
    EXPECT_EQ(zero.z, 0);
}

TEST_F(FixedMathTest, MatFromAnglesWithOneAngleTurnsThePlane) {
    for (Angle a : {0, 1000, 4096, 8192, 12345, 20000, 30000, -5000}) {
        const MatQ15 m = MatFromAngles(a, 0, 0);
        SCOPED_TRACE(a);
        EXPECT_NEAR(m[0], Cos(a), 1);
        EXPECT_NEAR(m[1], -Sin(a), 1);
        EXPECT_NEAR(m[3], Sin(a), 1);
        EXPECT_NEAR(m[4], Cos(a), 1);
        // Sin(0) is 6 in the table, so the other axes carry terms of that size.
        EXPECT_NEAR(m[2], 0, 12);
        EXPECT_NEAR(m[5], 0, 12);
        EXPECT_NEAR(m[6], 0, 12);
        EXPECT_NEAR(m[7], 0, 12);
        EXPECT_EQ(m[8], 32766);
        const Vec3i x = MatVec(m, {32767, 0, 0});
        EXPECT_NEAR(x.x, 32767 * std::cos(a * 2 * M_PI / 32768), 10);
        EXPECT_NEAR(x.y, 32767 * std::sin(a * 2 * M_PI / 32768), 10);
    }
}

TEST_F(FixedMathTest, MatricesComposeAndStayOrthonormal) {
    std::mt19937 rng(9);
    std::uniform_int_distribution<Angle> angle(0, 32767);
    for (int n = 0; n < 200; ++n) {
        const Angle a = angle(rng), b = angle(rng), c = angle(rng);
        const MatQ15 m = MatFromAngles(a, b, c);
        MatQ15 mmT;
        MatMulByTranspose(mmT, m, m);  // m x transpose(m)
        for (int i = 0; i < 9; ++i) ASSERT_NEAR(mmT[i], i % 4 == 0 ? 32767 : 0, 24) << a << " " << b << " " << c;
        // Turning by a then by b is turning by a + b.
        MatQ15 ab;
        MatMul(ab, MatFromAngles(a, 0, 0), MatFromAngles(b, 0, 0));
        const MatQ15 sum = MatFromAngles(a + b, 0, 0);
        for (int i = 0; i < 9; ++i) ASSERT_NEAR(ab[i], sum[i], 16);
    }
}

TEST_F(FixedMathTest, MatrixHelpersAgreeAndMayAlias) {
    const MatQ15 a = MatFromAngles(1000, 2000, 3000), b = MatFromAngles(-700, 5000, 100);
    MatQ15 at, viaTranspose, direct;
    MatTranspose(at, a);
    EXPECT_EQ(at[1], a[3]);
    EXPECT_EQ(at[2], a[6]);
    EXPECT_EQ(at[5], a[7]);
    MatMul(viaTranspose, b, at);
    MatMulByTranspose(direct, a, b);
    EXPECT_EQ(direct, viaTranspose);
    MatQ15 product;
    MatMul(product, a, b);
    MatQ15 inPlace = a;
    MatMul(inPlace, inPlace, b);
    EXPECT_EQ(inPlace, product);
    MatTranspose(inPlace, inPlace);
    MatTranspose(inPlace, inPlace);
    EXPECT_EQ(inPlace, product);
    // The dot product is formed in 64 bits before the shift.
    EXPECT_EQ(MatVec(kMatQ15Identity, {1 << 30, -(1 << 30), 12345}),
              (Vec3i{(1 << 30) - (1 << 15), -(1 << 30) + (1 << 15), 12344}));
}

}  // namespace
