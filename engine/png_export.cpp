#include "engine/png_export.h"

#include <png.h>

#include <cstring>
#include <vector>

#include "engine/palette.h"
#include "framework/file.h"

bool SurfaceSavePng(const Surface& surface, const std::string& path, std::string* error) {
    auto fail = [&](const std::string& message) {
        if (error) *error = message;
        return false;
    };
    if (surface.Kind != kSurfaceKindLive || !surface.Bits) {
        return fail("cannot save " + path + ": the surface has no pixels");
    }
    std::vector<uint8_t> colourMap(kPaletteSize * 3);
    const PaletteEntry* palette = CurrentPalette();
    for (int i = 0; i < kPaletteSize; ++i) {
        colourMap[i * 3] = palette[i].Red;
        colourMap[i * 3 + 1] = palette[i].Green;
        colourMap[i * 3 + 2] = palette[i].Blue;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(surface.Stride);
    image.height = static_cast<png_uint_32>(surface.Height);
    image.format = PNG_FORMAT_RGB_COLORMAP;
    image.colormap_entries = kPaletteSize;
    // A negative row stride tells the writer that the first row in memory is
    // the bottom line of the picture.
    const png_int_32 rowStride = -surface.RowStep;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, surface.Bits, rowStride,
                                         colourMap.data())) {
        return fail("cannot encode " + path + ": " + image.message);
    }
    std::vector<uint8_t> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, surface.Bits, rowStride,
                                   colourMap.data())) {
        return fail("cannot encode " + path + ": " + image.message);
    }
    bytes.resize(size);
    std::string writeError;
    if (!WriteFileAtomic(path, bytes, writeError)) return fail(writeError);
    return true;
}
