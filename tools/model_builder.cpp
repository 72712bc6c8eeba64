#include "tools/model_builder.h"

#include <cstring>
#include <utility>

#include "engine/engine_alloc.h"
#include "engine/light_band.h"
#include "engine/object_write.h"

void ModelBuilder::AddSphere(int32_t radius, const Texture& texture, int32_t colour, Vertex centre,
                             int32_t pole) {
    m_spheres.push_back({radius, colour, centre, texture, pole, CurrentPart()});
}

void ModelBuilder::AddPolygon(const std::vector<Vertex>& vertices, Vertex normal, int32_t colour) {
    m_polygons.push_back({vertices, normal, colour, CurrentPart()});
}

void ModelBuilder::BeginPart(Vertex point) { m_parts.push_back(point); }

uint8_t ModelBuilder::CurrentPart() const {
    return m_parts.empty() ? 0 : static_cast<uint8_t>(m_parts.size() - 1);
}

bool ModelBuilder::Write(std::vector<uint8_t>& out, std::string& error) const {
    if (m_parts.size() > size_t(kMaxPartPoints)) {
        error = "a model has at most 15 parts";
        return false;
    }
    EngineObject obj{};
    obj.Version = kObjectVersion;
    obj.PartPointCount = static_cast<int32_t>(m_parts.size());
    for (size_t p = 0; p < m_parts.size(); ++p)
        for (int k = 0; k < 3; ++k) obj.PartPoints[p][k] = m_parts[p][k];
    obj.FaceCount = static_cast<int32_t>(m_spheres.size() + m_polygons.size());
    obj.Faces = static_cast<Face*>(EngineAlloc(sizeof(Face) * size_t(obj.FaceCount + 2)));
    std::memset(obj.Faces, 0, sizeof(Face) * size_t(obj.FaceCount + 2));
    int i = 0;
    for (const Sphere& s : m_spheres) {
        Face& f = obj.Faces[i++];
        f.Kind = kFaceSphere;
        const Vertex& c = s.centre;
        const Vertex points[3] = {
            {c[0], c[1] + s.pole * s.radius, c[2]}, c, {c[0], c[1], c[2] - s.radius}};
        for (int v = 0; v < 3; ++v)
            for (int k = 0; k < 3; ++k) f.Vertices[v][k] = points[v][k];
        f.VertexCount = 3;
        for (int k = 0; k < 3; ++k) f.Centre[k] = c[k];
        f.Colour = s.colour;
        f.TexWidth = s.texture.width;
        f.TexHeight = s.radius;
        f.PartIndex = s.part;
        f.Texture = static_cast<uint8_t*>(EngineAlloc(s.texture.texels.size()));
        std::memcpy(f.Texture, s.texture.texels.data(), s.texture.texels.size());
    }
    for (const Polygon& p : m_polygons) {
        Face& f = obj.Faces[i++];
        f.Kind = kFaceFlat;
        f.VertexCount = static_cast<uint8_t>(p.vertices.size());
        int64_t sum[3] = {};
        for (size_t v = 0; v < p.vertices.size() && v < kMaxFaceVertices; ++v)
            for (int k = 0; k < 3; ++k) {
                f.Vertices[v][k] = p.vertices[v][k];
                sum[k] += p.vertices[v][k];
            }
        for (int k = 0; k < 3; ++k) {
            f.Centre[k] = static_cast<int32_t>(sum[k] / int64_t(p.vertices.size()));
            f.Normal[k] = p.normal[k];
        }
        f.Colour = p.colour;
        f.PartIndex = p.part;
    }
    for (int f = 0; f < obj.FaceCount; ++f) {
        obj.Faces[f].TileU = obj.Faces[f].TileV = 1;
        obj.Faces[f].ModeMask = 7;  // drawn in every detail mode
    }
    bool ok = ObjectWrite(obj, out, &error);
    ObjectFree(obj);
    return ok;
}

namespace {
constexpr int32_t kWhite = 1, kRed = 2, kBlue = 4, kYellow = 5;
}  // namespace

bool MakePointerModel(std::vector<uint8_t>& out, std::string& error) {
    Texture t;
    t.width = 64;
    t.height = 32;
    t.texels.assign(size_t(t.width) * t.height, 0);
    for (int32_t row = 0; row < t.height; ++row) {
        for (int32_t col = 0; col < t.width; ++col) {
            const int32_t lat = 90 - (row * 180 + 90) / t.height;  // degrees, north in row 0
            uint8_t texel = ModelColour(2, kBlue);                        // the globe
            if (col % 8 == 0) texel = ModelColour(0, kWhite);             // meridians every 45 degrees
            if (row == t.height / 2) texel = ModelColour(0, kYellow);     // the equator
            if (lat > 60) texel = ModelColour(0, kRed);                   // the north cap
            t.At(col, row) = texel;
        }
    }
    ModelBuilder model;
    model.AddSphere(128, t, ModelColour(2, kBlue));
    // An arrow through the globe pointing to +x, made of two crossed fins
    // (in the equator's plane and in the plane of the poles) with a face on
    // each side, so it shows whichever way the globe is turned.
    const std::vector<Vertex> fin = {{-150, 0, -12}, {100, 0, -12}, {100, 0, -36}, {160, 0, 0},
                                     {100, 0, 36},   {100, 0, 12},  {-150, 0, 12}};
    std::vector<Vertex> upright;
    for (const Vertex& v : fin) upright.push_back({v[0], v[2], 0});
    for (const auto& [shape, normal] : {std::pair{fin, Vertex{0, 128, 0}},
                                        std::pair{upright, Vertex{0, 0, -128}}}) {
        model.AddPolygon(shape, normal, ModelColour(0, kYellow));
        std::vector<Vertex> back(shape.rbegin(), shape.rend());
        model.AddPolygon(back, {-normal[0], -normal[1], -normal[2]}, ModelColour(0, kYellow));
    }
    return model.Write(out, error);
}
