#include "engine/palette.h"

namespace {

std::array<PaletteEntry, kPaletteSize> g_master{};
std::array<PaletteEntry, kPaletteSize> g_paletteObject{};
std::array<int32_t, kShadeBaseSize> g_shadeBase{};
std::array<int32_t, kShadeClampSize> g_shadeClamp{};
int32_t g_lastTint[3] = {kNoTint, kNoTint, kNoTint};
uint32_t g_revision = 0;

constexpr PaletteEntry Entry(uint8_t r, uint8_t g, uint8_t b, uint8_t flags = 0) {
    return PaletteEntry{r, g, b, flags};
}

constexpr std::array<PaletteEntry, kPaletteSize> MakeSystemPalette() {
    std::array<PaletteEntry, kPaletteSize> p{};
    const PaletteEntry low[10] = {
        Entry(0, 0, 0),       Entry(128, 0, 0),     Entry(0, 128, 0),     Entry(128, 128, 0),
        Entry(0, 0, 128),     Entry(128, 0, 128),   Entry(0, 128, 128),   Entry(192, 192, 192),
        Entry(192, 220, 192), Entry(166, 202, 240),
    };
    const PaletteEntry high[10] = {
        Entry(255, 251, 240), Entry(160, 160, 164), Entry(128, 128, 128), Entry(255, 0, 0),
        Entry(0, 255, 0),     Entry(255, 255, 0),   Entry(0, 0, 255),     Entry(255, 0, 255),
        Entry(0, 255, 255),   Entry(255, 255, 255),
    };
    for (int i = 0; i < 10; ++i) {
        p[i] = low[i];
        p[246 + i] = high[i];
    }
    return p;
}

// Channel c of a hue at level L. Levels 0..10 scale by
// 1 + (L / 11) (contrast / 128 - 1) with contrast 32, that is (44 - 3 L) / 44,
// computed exactly; level 11 is the fixed 0.862 band. Truncated, at most 255.
uint8_t LevelChannel(uint8_t c, int32_t level) {
    const int32_t v = level < 11 ? c * (44 - 3 * level) / 44 : c * 862 / 1000;
    return static_cast<uint8_t>(v > 255 ? 255 : v);
}

void BuildShadeClamp() {
    for (int32_t i = 0; i < kShadeClampSize; ++i) {
        g_shadeClamp[i] = i < 219 ? i : 200 + (i - 10) % kHueCount;
    }
}

}  // namespace

const std::array<PaletteEntry, kHueCount> kBaseHues = {{
    {0, 0, 0},       {255, 255, 255}, {230, 27, 10},   {125, 173, 95},  {60, 74, 239},
    {223, 220, 98},  {100, 100, 100}, {214, 105, 239}, {91, 78, 95},    {128, 128, 128},
    {135, 189, 176}, {156, 207, 143}, {56, 96, 127},   {110, 160, 150}, {207, 128, 80},
    {239, 235, 45},  {80, 100, 75},   {224, 159, 112}, {243, 133, 16},
}};

const std::array<PaletteEntry, kPaletteSize> kSystemPalette = MakeSystemPalette();

const std::array<PaletteEntry, kPaletteSize>& MasterPalette = g_master;
const std::array<int32_t, kShadeBaseSize>& ShadeBase = g_shadeBase;
const std::array<int32_t, kShadeClampSize>& ShadeClamp = g_shadeClamp;

void BuildMasterPalette() {
    g_master = kSystemPalette;
    for (PaletteEntry& e : g_master) e.Flags = 0xFF;
    for (int32_t level = 0; level < kLevelCount; ++level) {
        for (int32_t hue = 0; hue < kHueCount; ++hue) {
            const PaletteEntry& base = kBaseHues[hue];
            g_master[PaletteIndexOf(level, hue)] =
                Entry(LevelChannel(base.Red, level), LevelChannel(base.Green, level),
                      LevelChannel(base.Blue, level));
        }
    }
    for (int32_t hue = 0; hue < 8; ++hue) {
        const PaletteEntry& base = kBaseHues[hue];
        g_master[238 + hue] = Entry(base.Red, base.Green, base.Blue, 0xFF);
    }
    g_master[247] = Entry(208, 255, 255, 0xFF);
    for (int i = 0; i < 4; ++i) {
        g_master[250 + i] = Entry(static_cast<uint8_t>(149 + 21 * i), 255, 255, 0xFF);
    }
    g_master[1] = Entry(0, 0, 0);
    g_master[0].Flags = 0;

    BuildShadeBase(0);
    BuildShadeClamp();

    g_paletteObject = g_master;
    for (int32_t& t : g_lastTint) t = kNoTint;
    ++g_revision;
}

void BuildShadeBase(int32_t depthCueMinimum) {
    for (int32_t k = 0; k < kShadeBaseSize; ++k) {
        int32_t level = ((480 - k) * 11) >> 8;  // arithmetic shift: floor
        if (level >= 10) level = 10;
        if (level < depthCueMinimum) level = depthCueMinimum;
        g_shadeBase[k] = kFirstShadeIndex + kHueCount * level;
    }
}

void PaletteApplyTint(int32_t red, int32_t green, int32_t blue) {
    const int32_t tint[3] = {red, green, blue};
    if (tint[0] != g_lastTint[0] || tint[1] != g_lastTint[1] || tint[2] != g_lastTint[2]) {
        auto apply = [](int32_t t, uint8_t c) {
            return static_cast<uint8_t>(t + (c * (255 - t)) / 255);
        };
        for (int i = 10; i <= 245; ++i) {
            const PaletteEntry& m = g_master[i];
            g_paletteObject[i] = Entry(apply(red, m.Red), apply(green, m.Green),
                                       apply(blue, m.Blue), m.Flags);
        }
        ++g_revision;
    }
    for (int i = 0; i < 3; ++i) g_lastTint[i] = tint[i];
}

const PaletteEntry* CurrentPalette() { return g_paletteObject.data(); }

uint32_t PaletteRevision() { return g_revision; }
