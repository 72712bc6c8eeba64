#pragma once
// The main view's layout: the time bar below the sky on a narrow screen (48
// pixels high), in a 120-pixel column on its left on a wide one. A screen is
// narrow when its width is less than 1.5 times its height. The desktop
// program takes its main window as the screen.

#include <cstdint>

struct ViewRect {
    int32_t left, top, right, bottom;
};

struct ViewLayout {
    ViewRect timeBar;
    ViewRect sky;
    bool wide;
};

constexpr int32_t kNarrowTimeBarHeight = 48;
constexpr int32_t kWideTimeBarWidth = 120;

bool IsWideScreen(int32_t screenWidth, int32_t screenHeight);
// Lays out a view with client rectangle client on a screen of the given size.
ViewLayout LayoutView(const ViewRect& client, int32_t screenWidth, int32_t screenHeight);
