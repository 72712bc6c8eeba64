// The tests that need a real window system: they run in an X server of
// their own (Xvfb, started by ctest through xvfb-run), and work the window
// with real pointer events sent through the server (xdotool), so that what
// the server does with grabs is part of the test.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
