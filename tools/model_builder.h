#pragma once
// Builds model files for the program's data: sphere faces with an
// equirectangular texture and flat polygons, written with the program's own
// model writer. Colours and texels are model colours (ModelColour in
// engine/light_band.h); texels from kFirstUnlitTexel on are drawn unlit.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/object.h"

// A texture of width x height texels, row 0 at the north.
struct Texture {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> texels;
    uint8_t& At(int32_t col, int32_t row) { return texels[size_t(row) * width + col]; }
};

using Vertex = std::array<int32_t, 3>;  // file units

class ModelBuilder {
public:
    ModelBuilder() = default;
    ModelBuilder(const ModelBuilder&) = delete;
    ModelBuilder& operator=(const ModelBuilder&) = delete;

    // A sphere of radius (file units) about the centre with the prime
    // meridian towards -z and the pole of the texture's last row on the side
    // of y that `pole` gives: -1 (the south pole below, row 0 north and up)
    // or +1 (row 0 towards -y); texture width x width/2.
    void AddSphere(int32_t radius, const Texture& texture, int32_t colour,
                   Vertex centre = {0, 0, 0}, int32_t pole = -1);
    // A flat polygon (3..16 vertices, in order) with its outward normal.
    void AddPolygon(const std::vector<Vertex>& vertices, Vertex normal, int32_t colour);
    // Starts a part: the faces added from now on are drawn together, ordered
    // among the other parts by the depth of this reference point (file
    // units). Up to 15 parts; a model without parts is drawn in one pass.
    void BeginPart(Vertex point);

    // The model as an .ob3 file (version 266).
    bool Write(std::vector<uint8_t>& out, std::string& error) const;

private:
    uint8_t CurrentPart() const;

    struct Sphere {
        int32_t radius, colour;
        Vertex centre;
        Texture texture;
        int32_t pole;
        uint8_t part;
    };
    struct Polygon {
        std::vector<Vertex> vertices;
        Vertex normal;
        int32_t colour;
        uint8_t part;
    };
    std::vector<Sphere> m_spheres;
    std::vector<Polygon> m_polygons;
    std::vector<Vertex> m_parts;
};

// The trackball's pointer: a globe of radius 128 with meridians, an equator,
// a red north cap and a yellow arrow through it along x, so every turn shows.
bool MakePointerModel(std::vector<uint8_t>& out, std::string& error);
