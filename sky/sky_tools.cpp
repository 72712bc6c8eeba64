#include "sky/sky_tools.h"

bool SkyTools::Create(const SkyScale& forScale) {
    constexpr ColorRef kGround = Rgb(192, 192, 192);
    scale = forScale;
    fontA.DeleteObject();
    fontB.DeleteObject();
    bool a = fontA.CreateFont(scale.Pixels(12), "Arial", kFontWeightNormal);
    bool b = fontB.CreateFont(scale.Pixels(15), "Arial", kFontWeightNormal);
    bool brush = groundBrush.CreateSolidBrush(kGround);
    bool pen = groundPen.CreatePen(PS_SOLID, 1, kGround);
    return a && b && brush && pen;
}
