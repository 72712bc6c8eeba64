#pragma once
// The Surface: the engine's off-screen 8-bit palettised frame buffer, one per
// drawing window (the sky view keeps one, the rotate window another).
// Everything they show is drawn into it and then presented in one piece.
//
// Pixels are bottom-up: row 0 is the bottom line, y points up, x right. The
// pixel at (x, y) is the byte at RowBase + y * RowStep + x. Stride is the
// width rounded up to a multiple of 4 and is also the drawing width.
// Window coordinates (text, icons) count y downward; the drawing context
// attached to MemoryDC maps window row w to surface row Height - 1 - w.
//
// A frame: SurfaceClear, SurfaceBeginFrame, drawing, SurfaceEndFrame,
// SurfacePresent. Resizing is SurfaceDestroy followed by SurfaceCreate.

#include <cstdint>

#include "engine/fixed_point.h"
#include "framework/pixel_target.h"

constexpr int32_t kSurfaceKindLive = 5;     // Kind while pixel memory exists
constexpr int32_t kMaxSurfaceSide = 16384;  // largest width or height accepted
// The light a surface starts with (see Surface::LightVector).
constexpr Vec3i kDefaultLight{90, 0, 90};

// One row of an edge table: the span of a polygon (or its light values)
// being filled on that row.
struct EdgePair {
    int32_t Left;
    int32_t Right;
};

// The header of the pixel memory: its size and its colour table, copied from
// the master palette at creation.
struct SurfaceInfo {
    int32_t Width;   // = Stride
    int32_t Height;  // rows, bottom-up
    uint16_t BitsPerPixel;
    PaletteEntry ColourTable[kPaletteSize];
};

struct Surface {
    uint8_t* RowBase = nullptr;  // first byte of row 0 (= Bits)
    uint8_t* Bits = nullptr;     // pixel memory, Stride * Height bytes
    int32_t PenX = 0, PenY = 0;  // current point of MoveTo / LineTo
    int32_t Stride = 0;          // bytes per row = drawing width, multiple of 4
    int32_t Height = 0;          // rows
    int32_t RowStep = 0;         // bytes from row y to row y + 1 (= Stride)
    int32_t CentreX = 0;         // Stride / 2, x of the optical axis
    int32_t CentreY = 0;         // Height / 2, y of the optical axis
    EdgePair* EdgeTable = nullptr;       // Height rows: left and right x
    EdgePair* ShadeEdgeTable = nullptr;  // Height rows: left and right light value
    int32_t DirtyTop = 0, DirtyBottom = 0;  // lowest and highest row touched in the edge tables
    int32_t Locked = 0;          // 1 between SurfaceBeginFrame and SurfaceEndFrame
    int32_t Kind = 0;            // kSurfaceKindLive while pixel memory exists, else 0
    int32_t ClientRect[4] = {};  // left, top, right, bottom of the window's client area
    void* Window = nullptr;      // the host window presenting it (opaque; may be null)
    PixelTarget MemoryDC;        // the pixels as a drawing context attaches to them
    SurfaceInfo* Info = nullptr;  // header and colour table
    int32_t BlitX = 0, BlitY = 0;  // where the host shows the pixels; set by the owner
    void* Bitmap = nullptr;      // the block owning the pixel memory
    // The projection of what is drawn on this surface: screen units per unit
    // of x / z. Starts at 320; SurfaceBeginFrame recomputes it from the
    // drawing width and the zoom. Kept across SurfaceDestroy and SurfaceCreate.
    int32_t FocalLength = 320;
    // The direction the light travels for the models drawn on this surface,
    // camera space (x right, y up, z away from the viewer), about 127 long.
    // Set by the surface's owner; kept across SurfaceDestroy and SurfaceCreate.
    Vec3i LightVector = kDefaultLight;

    Surface() = default;
    Surface(const Surface&) = delete;  // owns its memory
    Surface& operator=(const Surface&) = delete;
    ~Surface();
};

// Creates the pixel memory for a width x height client area (pixels; any
// height up to kMaxSurfaceSide) and rebuilds the master palette, the shade
// tables and the palette object. A surface still live is destroyed first.
// Returns 1, or 0 for a width or height of 0 or less or above
// kMaxSurfaceSide (the record is then left empty).
int32_t SurfaceCreate(Surface& surface, int32_t width, int32_t height);
// Frees the pixel memory and tables and empties the record (Kind 0, no
// pixels, so drawing on it afterwards writes nothing).
void SurfaceDestroy(Surface& surface);
// Starts a frame: with zoom != 0 (1/256 units, 256 = 1.0),
// the surface's FocalLength = ((Stride * 256 / 320) * zoom) >> 8 (0.8 Stride
// at zoom 256). Returns 0 when there is no pixel memory (FocalLength then
// unchanged), else 1;
// locks the surface unless already locked.
int32_t SurfaceBeginFrame(Surface& surface, int32_t zoom);
int32_t SurfaceEndFrame(Surface& surface);
// Fills the first Stride - 1 bytes of every row with a palette index (the
// last byte of each row keeps its value).
void SurfaceClear(Surface& surface, uint8_t index);

// What a host needs to show a surface: its pixels and the palette object.
struct PresentedFrame {
    const uint8_t* Bits = nullptr;  // row 0 = bottom line
    int32_t Width = 0;              // columns shown (= Stride)
    int32_t Height = 0;
    int32_t RowStep = 0;
    const PaletteEntry* Palette = nullptr;  // kPaletteSize entries
    uint32_t PaletteRevision = 0;
    int32_t BlitX = 0, BlitY = 0;
};

// Presents a live surface: applies the tint (an RGB value, red in the low
// byte) to the palette object and fills frame. A destroyed surface gives
// false and leaves frame alone.
bool SurfacePresent(const Surface& surface, ColorRef tint, PresentedFrame& frame);
