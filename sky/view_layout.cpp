#include "sky/view_layout.h"

bool IsWideScreen(int32_t screenWidth, int32_t screenHeight) {
    // width < 1.5 height, in whole numbers: 2 width < 3 height.
    return !(2 * int64_t(screenWidth) < 3 * int64_t(screenHeight));
}

ViewLayout LayoutView(const ViewRect& c, int32_t screenWidth, int32_t screenHeight) {
    ViewLayout l;
    l.wide = IsWideScreen(screenWidth, screenHeight);
    if (l.wide) {
        l.timeBar = {c.left, c.top, c.left + kWideTimeBarWidth, c.bottom};
        l.sky = {c.left + kWideTimeBarWidth, c.top, c.right, c.bottom};
    } else {
        l.timeBar = {c.left, c.bottom - kNarrowTimeBarHeight, c.right, c.bottom};
        l.sky = {c.left, c.top, c.right, c.bottom - kNarrowTimeBarHeight};
    }
    return l;
}
