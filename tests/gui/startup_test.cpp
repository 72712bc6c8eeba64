// Starting the program on what its folder holds: the catalogue, the
// optional planet store and pointer model, or nothing.

#include <QMenuBar>
#include <QToolBar>

#include "app/qt/rotate_widget.h"
#include "app/qt/time_bar.h"
#include "catalogue/store_writer.h"
#include "engine/object.h"
#include "engine/object_write.h"
#include "tests/gui/shell_fixture.h"
#include "tests/models/model_sample.h"

namespace {

// Started on the catalogue without the optional files: no message, the
// title, three menus, command buttons with icons, and the About box and help.
TEST_F(ShellTest, StartsWithTheCatalogueAndWithoutTheOptionalFiles) {
    CopyCatalogue();
    Start();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Doc().m_stars.size(), 41411u);
    EXPECT_EQ(app->PointerModel(), nullptr);  // no esfptr.ob3: silently absent, no trackball
    EXPECT_EQ(View()->TimeBar()->findChild<QWidget*>("ROTATE"), nullptr);
    EXPECT_TRUE(app->Store()->Directory().empty());
    EXPECT_GT(Sky()->Paints(), 0);
    EXPECT_EQ(Frame()->windowTitle(), "Tarvel Lumo");
    auto* bar = Frame()->findChild<QToolBar*>("CommandBar");
    ASSERT_NE(bar, nullptr);
    for (QAction* a : bar->actions())
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
        }
    ShownDialog about = CaptureModal([&] { Frame()->OnCommand(ID_APP_ABOUT); });
    EXPECT_EQ(about.title, "Acerca de lumo");
    Frame()->OnCommand(ID_HELP);
    auto* help = Frame()->findChild<QWidget*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(ShellTest, WithoutCatalogueItReportsAndStartsWithBodiesOnly) {
    Start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Tarvel Lumo: Failed to open document", 0), 0u) << messages[0];
    EXPECT_TRUE(Doc().m_stars.empty());
    EXPECT_EQ(Doc().m_planets.size(), 23u);
}

// The pointer model comes from the planet store or the folder (a broken one
// is as good as none); with it the trackball turns the sky.
TEST_F(ShellTest, PointerModelAndTheTrackball) {
    OwnedObject o;
    MakeSampleObject(o.obj);
    std::vector<uint8_t> model, store;
    std::string error;
    ASSERT_TRUE(ObjectWrite(o.obj, model));
    ASSERT_TRUE(BuildStore({{"ESFPTR.OB3", model}}, store, error)) << error;
    ASSERT_TRUE(WriteFileAtomic(folder.File("planets.sto"), store, error));
    Start();
    EXPECT_EQ(app->Store()->Directory().size(), 1u);
    ASSERT_NE(app->PointerModel(), nullptr);
    EXPECT_GT(app->PointerModel()->FaceCount, 0);
    Close();
    std::filesystem::remove(folder.File("planets.sto"));
    std::filesystem::copy_file(JoinPath(LUMO_BIN_DIR, "esfptr.ob3"), folder.File("esfptr.ob3"));
    Start();
    EXPECT_NE(app->PointerModel(), nullptr);
    auto* ball = dynamic_cast<CRotateWidget*>(View()->TimeBar()->findChild<QWidget*>("ROTATE"));
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->geometry(), View()->TimeBar()->PointerRect());
    EXPECT_EQ(ball->Picture().pixelIndex(1, 1), kBallClearIndex);
    const int paints = Sky()->Paints();
    const int32_t elevation = Doc().m_nViewElevation;
    QTest::mousePress(ball, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseMove(ball, QPoint(36, 34));
    QTest::mouseRelease(ball, Qt::LeftButton, {}, QPoint(36, 34));
    EXPECT_NE(Doc().m_nViewElevation, elevation);  // by how much is the time bar's rule
    EXPECT_GT(Sky()->Paints(), paints);
    Close();
    ASSERT_TRUE(WriteFileAtomic(folder.File("esfptr.ob3"), {1, 2, 3}, error));
    Start();
    EXPECT_EQ(app->PointerModel(), nullptr);
}

}  // namespace
