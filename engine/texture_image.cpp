#include "engine/texture_image.h"

namespace {

TextureImage Sized(const uint8_t* pixels, int32_t width, int32_t height) {
    if (!pixels || width <= 0 || height <= 0) return TextureImage{};
    return TextureImage{pixels, width, height};
}

}  // namespace

TextureImage FaceImage(const EngineObject& obj, Face& face) {
    const uint8_t* pixels = FaceTexture(obj, face);
    if (!pixels) return TextureImage{};
    if (pixels == face.Texture) {
        const int32_t height = face.Kind == kFaceSphere ? face.TexWidth / 2 : face.TexHeight;
        return Sized(pixels, face.TexWidth, height);
    }
    if (pixels == face.Frames[0].Image)
        return Sized(pixels, face.Frames[0].Width, face.Frames[0].Height);
    for (const TextureSlot& slot : obj.Slots) {
        if (slot.Key == 0 || slot.Key != face.SlotKey) continue;
        if (pixels == slot.Frames[0].Image)
            return Sized(pixels, slot.Frames[0].Width, slot.Frames[0].Height);
        if (pixels == slot.Image) return Sized(pixels, slot.Width, slot.Height);
    }
    return TextureImage{};
}
