#include "sky/sky_tools.h"

bool SkyTools::Create() {
    constexpr ColorRef kGround = Rgb(192, 192, 192);
    bool a = fontA.CreateFont(12, "Arial", kFontWeightNormal);
    bool b = fontB.CreateFont(15, "Arial", kFontWeightNormal);
    bool brush = groundBrush.CreateSolidBrush(kGround);
    bool pen = groundPen.CreatePen(PS_SOLID, 1, kGround);
    return a && b && brush && pen;
}
