#pragma once
// A texture image together with its true size, so that the rasterisers keep
// every read inside it. A face's TexWidth and TexHeight say how the model
// maps the texture; the image a face gets can be smaller (a textured face
// with its own size drawn from a slot keeps the size of its file record).

#include <cstdint>

#include "engine/object.h"

struct TextureImage {
    const uint8_t* Pixels = nullptr;  // Width x Height model colours, row after row
    int32_t Width = 0;
    int32_t Height = 0;

    bool Usable() const { return Pixels && Width > 0 && Height > 0; }
};

// The image FaceTexture gives for a face, with the size of the block it
// lies in: a face's own image is TexWidth x TexHeight (a sphere's
// TexWidth x TexWidth / 2), a frame's or slot's image has the frame's or
// slot's size. No image, or one of no size, gives an image that is not Usable.
TextureImage FaceImage(const EngineObject& obj, Face& face);
