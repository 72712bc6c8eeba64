#include "engine/surface.h"

#include <cstddef>
#include <cstring>

#include "engine/engine_alloc.h"
#include "engine/palette.h"

Surface::~Surface() { SurfaceDestroy(*this); }

namespace {

// Empties a record (the state of a surface without pixel memory).
void Reset(Surface& s) {
    s.RowBase = s.Bits = nullptr;
    s.PenX = s.PenY = 0;
    s.Stride = s.Height = s.RowStep = s.CentreX = s.CentreY = 0;
    s.EdgeTable = s.ShadeEdgeTable = nullptr;
    s.DirtyTop = s.DirtyBottom = 0;
    s.Locked = s.Kind = 0;
    for (int32_t& v : s.ClientRect) v = 0;
    s.Window = nullptr;
    s.MemoryDC = PixelTarget{};
    s.Info = nullptr;
    s.BlitX = s.BlitY = 0;
    s.Bitmap = nullptr;
}

EdgePair* NewEdgeTable(int32_t rows) {
    return static_cast<EdgePair*>(EngineAlloc(sizeof(EdgePair) * static_cast<size_t>(rows)));
}

}  // namespace

int32_t SurfaceCreate(Surface& s, int32_t width, int32_t height) {
    BuildMasterPalette();
    SurfaceDestroy(s);
    if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide) return 0;

    s.Stride = (width + 3) / 4 * 4;
    s.Height = height;
    s.CentreX = s.Stride / 2;
    s.CentreY = s.Height / 2;
    s.ClientRect[2] = width;
    s.ClientRect[3] = height;

    s.Info = static_cast<SurfaceInfo*>(EngineAlloc(sizeof(SurfaceInfo)));
    s.Info->Width = s.Stride;
    s.Info->Height = s.Height;
    s.Info->BitsPerPixel = 8;
    for (int i = 0; i < kPaletteSize; ++i) {
        s.Info->ColourTable[i] = MasterPalette[i];
        s.Info->ColourTable[i].Flags = 0;
    }
    s.Bitmap = EngineAlloc(static_cast<size_t>(s.Stride) * static_cast<size_t>(s.Height));
    s.Bits = s.RowBase = static_cast<uint8_t*>(s.Bitmap);
    s.RowStep = s.Stride;
    s.Kind = kSurfaceKindLive;
    s.MemoryDC = PixelTarget{s.Bits, s.Stride, s.Height, s.RowStep, true, s.Info->ColourTable};

    s.EdgeTable = NewEdgeTable(s.Height);
    s.ShadeEdgeTable = NewEdgeTable(s.Height);
    s.DirtyTop = 0;
    s.DirtyBottom = s.Height - 1;
    return 1;
}

void SurfaceDestroy(Surface& s) {
    if (s.Kind == kSurfaceKindLive) {
        EngineFree(s.Info);
        EngineFree(s.Bitmap);
        EngineFree(s.EdgeTable);
        EngineFree(s.ShadeEdgeTable);
    }
    Reset(s);
}

int32_t SurfaceBeginFrame(Surface& s, int32_t zoom) {
    if (s.Stride == 0 || !s.Bits) return 0;
    if (zoom != 0) {
        // 64-bit: a wide surface at a deep zoom passes 32 bits.
        s.FocalLength = static_cast<int32_t>(((int64_t{s.Stride} * 256 / 320) * zoom) >> 8);
    }
    if (s.Locked) return 1;
    s.RowBase = s.Bits;
    s.RowStep = s.Stride;
    s.Locked = 1;
    return 1;
}

int32_t SurfaceEndFrame(Surface& s) {
    s.Locked = 0;
    return 1;
}

void SurfaceClear(Surface& s, uint8_t index) {
    if (!s.RowBase || s.Stride < 2) return;
    for (int32_t y = 0; y < s.Height; ++y) {
        std::memset(s.RowBase + static_cast<ptrdiff_t>(y) * s.RowStep, index,
                    static_cast<size_t>(s.Stride - 1));
    }
}

bool SurfacePresent(const Surface& s, ColorRef tint, PresentedFrame& frame) {
    if (s.Kind != kSurfaceKindLive) return false;
    PaletteApplyTint(RedOf(tint), GreenOf(tint), BlueOf(tint));
    frame.Bits = s.Bits;
    frame.Width = s.Stride;
    frame.Height = s.Height;
    frame.RowStep = s.RowStep;
    frame.Palette = CurrentPalette();
    frame.PaletteRevision = PaletteRevision();
    frame.BlitX = s.BlitX;
    frame.BlitY = s.BlitY;
    return true;
}
