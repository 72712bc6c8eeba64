#include "app/qt/frame_image.h"

#include <cstring>

QImage FrameToImage(const PresentedFrame& frame) {
    if (!frame.Bits || frame.Width <= 0 || frame.Height <= 0) return {};
    QImage image(frame.Width, frame.Height, QImage::Format_Indexed8);
    QList<QRgb> colours(kPaletteSize);
    for (int i = 0; i < kPaletteSize; ++i)
        colours[i] = qRgb(frame.Palette[i].Red, frame.Palette[i].Green, frame.Palette[i].Blue);
    image.setColorTable(colours);
    for (int32_t y = 0; y < frame.Height; ++y) {
        const uint8_t* row = frame.Bits + static_cast<ptrdiff_t>(frame.Height - 1 - y) * frame.RowStep;
        std::memcpy(image.scanLine(y), row, static_cast<size_t>(frame.Width));
    }
    return image;
}

void FrameToRgb(const PresentedFrame& frame, QImage& image) {
    if (!frame.Bits || frame.Width <= 0 || frame.Height <= 0) {
        image = QImage();
        return;
    }
    if (image.width() != frame.Width || image.height() != frame.Height ||
        image.format() != QImage::Format_RGB32)
        image = QImage(frame.Width, frame.Height, QImage::Format_RGB32);
    QRgb colours[kPaletteSize];
    for (int i = 0; i < kPaletteSize; ++i)
        colours[i] = qRgb(frame.Palette[i].Red, frame.Palette[i].Green, frame.Palette[i].Blue);
    for (int32_t y = 0; y < frame.Height; ++y) {
        const uint8_t* row = frame.Bits + static_cast<ptrdiff_t>(frame.Height - 1 - y) * frame.RowStep;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < frame.Width; ++x) out[x] = colours[row[x]];
    }
}

QImage SurfaceToImage(const Surface& surface) {
    PresentedFrame frame;
    if (!SurfacePresent(surface, 0, frame)) return {};
    return FrameToImage(frame);
}
