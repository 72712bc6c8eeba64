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

QImage SurfaceToImage(const Surface& surface) {
    PresentedFrame frame;
    if (!SurfacePresent(surface, 0, frame)) return {};
    return FrameToImage(frame);
}
