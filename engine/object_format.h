#pragma once
// Sizes and offsets of the .ob3 file layout, shared by its reader and writer.
// All numbers little-endian; 16-bit values signed.

#include <cstddef>

constexpr size_t kMaterialOffset = 10;   // the material block follows the 10-byte header
// A slot header: key, reserved, width, height (2 bytes each), image flag (4), 36 unused.
constexpr size_t kSlotHeaderSize = 48;
constexpr int kSlotsOld = 8;             // slot headers in files of version 261 and below
constexpr int kSlotsNew = 16;            // version 262 and above
// Header5, HeaderTableA, Header1, HeaderTableB: 5 + 76 + 1 + 120 16-bit values.
constexpr size_t kMaterialFixedSize = 2 * (5 + 19 * 4 + 1 + 20 * 6);
constexpr size_t kPartRecordSize = 120;  // key, 2 x 9 matrix, angle, 3 pivot (4 each), 28 unused
constexpr size_t kFrameTableSize = 48;   // four (width, height, image flag), 4 bytes each
// A face record without its variable parts (own image, vertex normals, tiles, frames).
constexpr size_t kFaceRecordSize = 2 + 96 + 1 + 1 + 14 + 1 + 1 + 2 + 4 + 36 + 2 + 2 + 1 + 1 + 4;

static_assert(kMaterialFixedSize == 404);
static_assert(kPartRecordSize == 4 + 36 + 36 + 4 + 12 + 28);
static_assert(kFaceRecordSize == 168);
