#pragma once
// Turns a presented engine frame (bottom-up palette pixels) into an upright
// QImage with the palette as its colour table.

#include <QImage>

#include "engine/surface.h"

QImage FrameToImage(const PresentedFrame& frame);
// Presents a surface and converts it; a null image when it has no pixels.
QImage SurfaceToImage(const Surface& surface);
