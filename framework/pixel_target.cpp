#include "framework/pixel_target.h"

#include <limits>

uint8_t NearestPaletteIndex(const PaletteEntry* palette, ColorRef colour) {
    const int r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < kPaletteSize; ++i) {
        const int dr = palette[i].Red - r, dg = palette[i].Green - g, db = palette[i].Blue - b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0) break;
        }
    }
    return static_cast<uint8_t>(best);
}
