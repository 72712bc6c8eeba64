#pragma once
// Turns a presented engine frame (bottom-up palette pixels) into an upright
// QImage with the palette as its colour table.

#include <QImage>

#include "engine/surface.h"

QImage FrameToImage(const PresentedFrame& frame);
// The same pixels as 32-bit colours, written into image (reused when its
// size already fits): the sky window shows every frame this way, since
// drawing an indexed image converts it again on every paint.
void FrameToRgb(const PresentedFrame& frame, QImage& image);
// Presents a surface and converts it; a null image when it has no pixels.
QImage SurfaceToImage(const Surface& surface);
