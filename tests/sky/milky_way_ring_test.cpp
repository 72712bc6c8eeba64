// The point-in-ring test of the Milky Way's fill passes over the runs of a
// ring that lie off the plane of the arc it counts crossings on: over the
// real rings it must answer as the pass over every edge does.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "catalogue/deep_sky.h"
#include "framework/file.h"

namespace {

TEST(MilkyWayRingTest, PassingOverRunsOffTheArcChangesNoAnswer) {
    CDeepSky sky;
    std::string error;
    ASSERT_TRUE(sky.LoadFile(JoinPath(LUMO_BIN_DIR, kDeepSkyFileName), error)) << error;
    ASSERT_FALSE(sky.rings.empty());
    std::mt19937 rng(18);
    std::normal_distribution<double> axis(0, 1);
    int32_t inside = 0, tried = 0;
    for (const MilkyWayRing& ring : sky.rings) {
        ASSERT_TRUE(RunsCoverRing(ring));
        MilkyWayRing everyEdge = ring;
        everyEdge.chunks.clear();  // no runs: a pass over every edge
        ASSERT_FALSE(RunsCoverRing(everyEdge));
        for (int k = 0; k < 40; ++k) {
            // Directions all over the sky, and near the ring's own points.
            double v[3] = {axis(rng), axis(rng), axis(rng)};
            if (k % 2) {
                const SkyDirQ15& p = ring.directions[rng() % ring.directions.size()];
                v[0] = p.x / 32768.0 + 0.01 * v[0];
                v[1] = p.y / 32768.0 + 0.01 * v[1];
                v[2] = p.z / 32768.0 + 0.01 * v[2];
            }
            const double n = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
            for (double& c : v) c /= n;
            const bool answer = InsideRing(ring, v);
            ASSERT_EQ(answer, InsideRing(everyEdge, v)) << "ring of level " << ring.level;
            inside += answer;
            ++tried;
        }
    }
    // Both answers were exercised.
    EXPECT_GT(inside, 0);
    EXPECT_LT(inside, tried);
}

}  // namespace
