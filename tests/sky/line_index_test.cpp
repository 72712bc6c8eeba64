// The sky's line sets drawn through their index: passing over the groups off
// the view must not lose a pixel of what every segment drawn one by one gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "engine/surface.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"

namespace {

class LineIndexTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(320, 240);
    }
    std::vector<uint8_t> Frame() const { return {S().Bits, S().Bits + S().Stride * S().Height}; }
    // The set through the index, and every segment of it one by one.
    void ExpectSameAsEverySegment(const std::vector<CSkyLine>& lines, const char* what) {
        SurfaceClear(wnd.m_Surface, 0);
        DrawLineSet(doc, wnd, lines, 3);
        const std::vector<uint8_t> indexed = Frame();
        SurfaceClear(wnd.m_Surface, 0);
        for (const CSkyLine& line : lines) DrawSegment(doc, wnd, 3, line.m_start, line.m_end);
        doc.m_frameLines.clear();
        ASSERT_TRUE(indexed == Frame()) << what << " at focal " << FocalLength;
    }
};

// Short and long segments scattered over the sky, some in runs close together.
std::vector<CSkyLine> ScatteredLines(std::mt19937& rng) {
    std::uniform_real_distribution<double> ra(0, 360), dec(-89, 89), step(-3, 3), far(-70, 70);
    std::vector<CSkyLine> lines;
    for (int run = 0; run < 60; ++run) {
        double a = ra(rng), d = dec(rng);
        for (int k = 0; k < 12; ++k) {
            const bool longOne = k == 5;
            const double a1 = a + (longOne ? far(rng) : step(rng)), d1 = std::clamp(d + (longOne ? far(rng) : step(rng)), -89.0, 89.0);
            lines.emplace_back(SkyPointAt(a, d), SkyPointAt(a1, d1));
            a = a1, d = d1;
        }
    }
    return lines;
}

TEST_F(LineIndexTest, GroupsOffTheViewHoldNoPixelOfTheSet) {
    std::mt19937 rng(5);
    const std::vector<CSkyLine> scattered = ScatteredLines(rng);
    std::uniform_int_distribution<int32_t> angle(-16384, 16383);
    for (int32_t zoom : {90, 256, 700, 2048, 6000}) {
        FocalLength = zoom;
        for (int view = 0; view < 12; ++view) {
            wnd.m_Camera.Reset();
            wnd.m_Camera.Rotate(angle(rng), angle(rng), angle(rng));
            ExpectSameAsEverySegment(doc.m_gridLines, "grid");
            ExpectSameAsEverySegment(doc.m_eclipticLines, "ecliptic");
            ExpectSameAsEverySegment(scattered, "scattered");
        }
    }
}

TEST_F(LineIndexTest, ASetReplacedInItsOwnVectorIsIndexedAgain) {
    std::mt19937 rng(9);
    std::vector<CSkyLine> lines = ScatteredLines(rng);
    FocalLength = 700;
    wnd.m_Camera.Rotate(0, 3000, 9000);
    ExpectSameAsEverySegment(lines, "first set");
    const CSkyLine* storage = lines.data();
    const std::vector<CSkyLine> other = ScatteredLines(rng);
    lines = other;  // the same length: copied into the same storage
    ASSERT_EQ(lines.data(), storage);
    ExpectSameAsEverySegment(lines, "second set");
}

}  // namespace
