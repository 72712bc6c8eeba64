#pragma once
// Renders a model file's EngineObject to a picture, for `lumo-data model
// FILE --render OUT.png`: a person looks at what the model holds.

#include <cstdint>
#include <string>

#include "engine/object.h"

struct ModelView {
    double AngleDegrees[3] = {0, 0, 0};  // the three angles of the model matrix, degrees
    int64_t Distance = 0;                // tz, model file units; 0: fit the model to the picture
    int32_t Width = 320;                 // picture size, pixels
    int32_t Height = 240;
};

// Parses the render options after FILE (--render OUT.png, --angle A,B,C,
// --distance Z, --size WxH) into view and out; false with a message on a
// malformed value. out stays empty when --render is not given.
bool ParseRenderOptions(int argc, char** argv, ModelView& view, std::string& out,
                        std::string& error);

// The distance at which the model's bounding sphere spans about 80 % of the
// picture's smaller side, given the projection scale F.
int64_t FitDistance(const EngineObject& obj, int32_t width, int32_t height, int32_t focal);

// Draws the model on a black picture with RenderObject (the engine's default
// light) and writes it as a PNG; false with a message on failure. Says in
// used (when given) the distance it drew at.
bool RenderModelPicture(EngineObject& obj, const ModelView& view, const std::string& path,
                        std::string& error, int64_t* used = nullptr);
