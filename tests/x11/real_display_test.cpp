// On a real X server (an Xvfb of the tests' own), where a window is mapped
// some time after it is shown and pointer events go through the server: the
// splash and a message box shown from a mouse handler.

#include <QAbstractButton>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QWindow>

#include "app/qt/splash.h"
#include "astro/body_table.h"
#include "tests/gui/shell_fixture.h"

namespace {

// The splash is on the screen, its picture painted, before ShowSplash
// returns, that is before the start-up work that follows it.
TEST(Splash, IsPaintedAsSoonAsItIsShown) {
    CSplashWindow* splash = CSplashWindow::ShowSplash();
    ASSERT_NE(splash, nullptr);
    ASSERT_NE(splash->windowHandle(), nullptr);
    EXPECT_TRUE(splash->windowHandle()->isExposed());
    EXPECT_GE(splash->Paints(), 1);
    splash->close();
}

// Moves, presses and releases the pointer through the X server.
void Pointer(const QStringList& args) {
    ASSERT_EQ(QProcess::execute("xdotool", args), 0) << args.join(' ').toStdString();
}
QStringList At(const QPoint& p) { return {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())}; }

using RealPointer = ShellTest;

// The locked-view message, shown when the user drags while aimed at a body,
// closes with a click on its OK button: the drag and the click are real
// pointer events (xdotool); a grab the sky window still held would send the
// click to it.

TEST_F(RealPointer, TheLockedViewMessageClosesWithAClickOnOk) {
    CopyCatalogue();
    Start(800, 600);
    Frame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
    QApplication::processEvents();
    Doc().m_pAim = FindPlanet(Doc().m_planets, "Jupiter");
    // When the box is up: click its OK button as a user does, then wait for
    // the box to go; if it stays, close it so the test can end.
    bool boxShown = false, closedByClick = false;
    QTimer watch;
    watch.setInterval(50);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || boxShown || !box->windowHandle() || !box->windowHandle()->isExposed()) return;
        boxShown = true;
        EXPECT_NE(box->text().toStdString().find("locked"), std::string::npos);
        QAbstractButton* ok = box->buttons().value(0);
        ASSERT_NE(ok, nullptr);
        const QPoint target = ok->mapToGlobal(ok->rect().center());
        QStringList click = At(target);
        click << "click" << "1";
        for (int attempt = 0; attempt < 3 && box->isVisible(); ++attempt) {
            Pointer(click);
            closedByClick = QTest::qWaitFor([box] { return !box->isVisible(); }, 1000);
        }
        if (box->isVisible()) box->reject();
    });
    watch.start();
    // A drag of 30 pixels both ways on the sky.
    const QPoint from = Sky()->mapToGlobal(Sky()->rect().center());
    const QPoint to = from + QPoint(30, 30);
    Pointer(At(from) << "mousedown" << "1");
    QTest::qWait(100);  // the sky window takes the press (and the grab)
    Pointer(At(from + QPoint(15, 15)));
    QTest::qWait(100);
    Pointer(At(to) << "mouseup" << "1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return boxShown && !QApplication::activeModalWidget(); }, 10000));
    watch.stop();
    EXPECT_TRUE(boxShown) << "no locked-view message after the drag";
    EXPECT_TRUE(closedByClick) << "three clicks on OK did not close the message";
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

}  // namespace
