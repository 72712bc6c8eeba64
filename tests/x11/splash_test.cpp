// The splash on a real X server, where a window is mapped some time after it
// is shown: it is on the screen, its picture painted, before ShowSplash
// returns, that is before the start-up work that follows it.

#include <gtest/gtest.h>

#include <QWindow>

#include "app/qt/splash.h"

namespace {

TEST(Splash, IsPaintedAsSoonAsItIsShown) {
    CSplashWindow* splash = CSplashWindow::ShowSplash();
    ASSERT_NE(splash, nullptr);
    ASSERT_NE(splash->windowHandle(), nullptr);
    EXPECT_TRUE(splash->windowHandle()->isExposed());
    EXPECT_GE(splash->Paints(), 1);
    splash->close();
}

}  // namespace
