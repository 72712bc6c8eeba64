#pragma once
// The sky view's scale: how many surface pixels one pixel of the sky's
// design takes. On a high-density screen it is the window's device pixel
// ratio (the sky is then painted at the screen's physical resolution); the
// headless renderer takes it from --scale. Font heights, star and body
// markers, the Moon icon, the azimuth marks, the edge zone, the edge-scroll
// step and the tap radius are multiplied by it, so text and controls keep
// their size on the screen while the picture gets sharper. At factor 1 every
// size is exactly the designed one, pixel for pixel.
//
// The sky window holds one (CLumoWnd::m_scale); its owner sets it.

#include <cmath>
#include <cstdint>

constexpr double kMinSkyScale = 0.5;
constexpr double kMaxSkyScale = 8.0;

struct SkyScale {
    double factor = 1.0;

    // A designed length of n pixels (n >= 0) in surface pixels: n x factor,
    // rounded, and at least 1 when n is at least 1.
    int32_t Pixels(int32_t n) const {
        if (n <= 0) return 0;
        const auto scaled = static_cast<int32_t>(std::lround(n * factor));
        return scaled < 1 ? 1 : scaled;
    }
    // The side of the square that stands for one designed pixel of a star
    // marker: the factor rounded, at least 1.
    int32_t Block() const { return Pixels(1); }
    // A designed squared distance (pixels squared) in surface pixels squared.
    int64_t SquaredPixels(int64_t n2) const {
        return std::llround(static_cast<double>(n2) * factor * factor);
    }

    bool operator==(const SkyScale& other) const { return factor == other.factor; }
};

// A scale from a device pixel ratio or an option: held within
// kMinSkyScale..kMaxSkyScale; anything else (not finite) is 1.
inline SkyScale SkyScaleOf(double factor) {
    if (!std::isfinite(factor)) return {};
    if (factor < kMinSkyScale) return {kMinSkyScale};
    if (factor > kMaxSkyScale) return {kMaxSkyScale};
    return {factor};
}
