// VR mode in the running program: aimed at Jupiter, "VR..." puts the
// observer at its centre and the globe from planets.sto fills the middle of
// the sky window; without a planet store the body stays a marker.

#include "tests/gui/shell_fixture.h"

namespace {

class VrGuiTest : public ShellTest {
protected:
    // Aims at Jupiter, switches VR on, and tells how many pixels of the sky
    // window's middle row, within 40 pixels of its centre, have the colours
    // of Jupiter's bands: tan, brown or cream, neither dark nor the red,
    // green or blue of the line work.
    int GlobePixelsAtTheCentre() {
        Frame()->Action(ID_AIM_JUPITER)->trigger();
        Frame()->Action(ID_VR)->trigger();
        EXPECT_EQ(Doc().m_bObserverOnBody, 1);
        const QImage& picture = Sky()->Picture();
        const int cx = picture.width() / 2, cy = picture.height() / 2;
        int globe = 0;
        for (int x = cx - 40; x <= cx + 40; ++x) {
            const QColor c = picture.pixelColor(x, cy);
            globe += c.red() >= c.green() && c.green() >= c.blue() && c.green() > 60;
        }
        return globe;
    }
};

TEST_F(VrGuiTest, TheAimedBodyIsDrawnAsItsModel) {
    CopyCatalogue();
    std::filesystem::copy_file(JoinPath(LUMO_BIN_DIR, "planets.sto"), folder.File("planets.sto"));
    Start();
    EXPECT_EQ(GlobePixelsAtTheCentre(), 81);
    // Reading a model from the store leaves nothing behind in the folder.
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

TEST_F(VrGuiTest, WithoutAPlanetStoreTheBodyStaysAMarker) {
    CopyCatalogue();
    Start();
    // The marker, a few pixels of text and line work.
    EXPECT_LT(GlobePixelsAtTheCentre(), 20);
}

}  // namespace
