#pragma once
// The models of the solar-system bodies that VR mode draws, one per body of
// the body table, made at build time: a textured sphere each (Saturn with
// its rings as flat polygons around it) in model colours. The Earth's
// texture comes from data/earth_texture.pgm (converted once from NASA's
// Blue Marble); every other texture is painted here, deterministically.
//
// Geometry: the body's north pole lies along -y and its prime meridian
// along -z, which is how VR mode's model matrix shows a body north up when
// the sky's north is up. Textures are equirectangular, north in row 0, the
// prime meridian in column 0 and longitude growing eastward.
//
// Sizes (sphere radius, model file units) are chosen for the depths VR mode
// draws at: the observer's own body at depth 4000 (about a third of the
// view's height at the default zoom), neighbours deeper and smaller.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/model_builder.h"

struct BodyModel {
    std::string name;            // the body's name
    std::vector<uint8_t> bytes;  // the .ob3 file
};

// The names of the bodies that get a model, in body-table order.
std::vector<std::string> BodyModelNames();

// The sphere radius (file units) of a body's model; 0 for an unknown name.
int32_t BodyModelRadius(const std::string& name);

// Makes the model of one body; the Earth's reads its texture from dataDir.
// False with a reason for an unknown body or an unreadable texture.
bool MakeBodyModel(const std::string& name, const std::string& dataDir, std::vector<uint8_t>& out,
                   std::string& error);

// Makes every body's model.
bool MakeBodyModels(const std::string& dataDir, std::vector<BodyModel>& out, std::string& error);

// Reads a texture from the bytes of a binary greymap ("P5", width, height,
// maxval 255, then width x height bytes, each a model colour): false with a
// reason unless the header is well formed, the width is twice the height
// (2..4096 wide) and every texel is present.
bool ReadTexturePgm(std::span<const uint8_t> bytes, Texture& texture, std::string& error);
