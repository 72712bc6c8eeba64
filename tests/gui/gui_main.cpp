// The desktop shell's tests run on Qt's offscreen platform (real widgets, no
// display needed) unless their target names another platform (tests/x11: a
// real X server) or a scale (tests/gui_dense: two device pixels per pixel).

#include <gtest/gtest.h>

#include <QApplication>

#ifndef LUMO_QPA_PLATFORM
#define LUMO_QPA_PLATFORM "offscreen"
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", LUMO_QPA_PLATFORM);
#ifdef LUMO_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", LUMO_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
