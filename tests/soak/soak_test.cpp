// The long run: time runs forward one hour per tick for 100,000 ticks, then
// back again, with every layer on, through the real paint cycle and the real
// catalogue, in VR mode on Jupiter with its body models; the document is
// saved every 10,000 ticks. Memory must stay flat after the first cycle,
// every save must load back to the same document, and every tick must paint
// and present a frame. Run with `make soak`.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "catalogue/doc_file.h"
#include "catalogue/store_file.h"
#include "engine/trig_tables.h"
#include "sky/body_models.h"
#include "tests/sky/sky_fixture.h"
#include "tests/temp_dir.h"

namespace {

// Resident memory of this process, kB.
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

constexpr int kTicks = 100000;
constexpr int kSaveEvery = 10000;

using Soak = SkyWindowTest;

TEST_F(Soak, TimeRunsForwardAndBackWithFlatMemoryAndGoodSaves) {
    EngineTablesInit();
    TempDir dir;
    CDocFile file;
    ASSERT_EQ(file.Open(doc, JoinPath(LUMO_BIN_DIR, "stars.db")), CDocFile::OpenResult::Loaded);
    doc.m_bGrid = doc.m_bEcliptic = doc.m_bHorizon = doc.m_bFigures = doc.m_bConstNames =
        doc.m_bBounds = doc.m_bLocalCircles = 1;
    FixedTimeSource time(CDateTime(2026, 12, 6, 22, 0, 0), false);
    wnd.m_pTimeSource = &time;
    // The body models from a copy of the planet store, unpacked in the scratch folder.
    std::filesystem::copy_file(JoinPath(LUMO_BIN_DIR, "planets.sto"), dir.File("planets.sto"));
    CStoreFile store;
    ASSERT_TRUE(store.OpenStore(dir.File("planets.sto")));
    CBodyModels models(&store, dir.Path());
    wnd.m_pModels = &models;
    Size(1280, 800);
    // VR mode on Jupiter: the observer at its centre, its moons around.
    doc.m_pAim = FindPlanet(doc.m_planets, "Jupiter");
    ASSERT_NE(doc.m_pAim, nullptr);
    doc.m_bObserverOnBody = 1;

    long warm = 0, peak = 0;
    int saves = 0;
    const CTimeSpan hour(0, 1, 0, 0);
    const int presents = host.presents;
    for (int tick = 1; tick <= 2 * kTicks; ++tick) {
        time.chosen = tick <= kTicks ? time.chosen + hour : time.chosen - hour;
        ASSERT_TRUE(time.chosen.IsValid()) << tick;
        wnd.Redraw();
        ASSERT_EQ(host.presents - presents, tick) << "tick " << tick << " did not paint";
        ASSERT_NE(host.last.Bits, nullptr) << tick;
        if (tick % kSaveEvery == 0) {
            CDocFile saved;
            ASSERT_TRUE(saved.SaveAs(doc, dir.File("stars.db"))) << saved.Error();
            CLumoDoc back;
            ASSERT_EQ(saved.Open(back, dir.File("stars.db")), CDocFile::OpenResult::Loaded) << tick;
            ASSERT_EQ(back.StoreToBytes(), doc.StoreToBytes()) << "save at tick " << tick;
            ++saves;
            // Memory is compared at the same point of every cycle: after a
            // save, when the save's own buffers have come and gone.
            if (saves == 1)
                warm = ResidentKb();
            else
                peak = std::max(peak, ResidentKb());
        }
    }
    EXPECT_EQ(time.chosen, CDateTime(2026, 12, 6, 22, 0, 0));
    EXPECT_EQ(saves, 2 * kTicks / kSaveEvery);
    EXPECT_NE(models.FindModel("Jupiter"), nullptr);  // VR really drew models
    // Flat: no growth beyond a little allocator slack after the first cycle.
    EXPECT_LT(peak - warm, 1024) << "resident memory grew from " << warm << " kB to " << peak << " kB";
    wnd.OnDestroy();
}

}  // namespace
