#include "engine/object_write.h"

#include <cstring>

#include "engine/object_format.h"
#include "framework/archive.h"

namespace {
class ObjectWriter {
public:
    ObjectWriter(const EngineObject& obj, int version)
        : m_obj(obj),
          m_version(version),
          m_slots(version <= 261 ? kSlotsOld : kSlotsNew),
          m_shift(obj.ScaleShift) {}

    bool Run();
    const std::vector<uint8_t>& Bytes() const { return m_ar.Buffer(); }
    const std::string& Error() const { return m_error; }

private:
    bool Fail(const std::string& why) {
        if (m_error.empty()) m_error = why;
        return false;
    }
    void I16(int64_t v, const char* what) {
        if (v < INT16_MIN || v > INT16_MAX) Fail(std::string(what) + " does not fit 16 bits");
        m_ar.WriteU16(static_cast<uint16_t>(v));
    }
    void I16s(const int32_t* v, int n, const char* what) {
        for (int i = 0; i < n; ++i) I16(v[i], what);
    }
    void I32s(const int32_t* v, int n) {
        for (int i = 0; i < n; ++i) m_ar.WriteI32(v[i]);
    }
    // Model coordinates back to file units.
    int32_t Unscaled(int32_t v) const { return v >> m_shift; }
    void Image(const uint8_t* image, int64_t width, int64_t height) {
        if (!image) return;
        if (width < 0 || height < 0) Fail("an image has a negative size");
        else m_ar.WriteBytes(image, size_t(width * height));
    }
    void Frames(const TextureFrame* frames);
    void Slot(const TextureSlot& s);
    void WriteFace(const Face& f);
    void Part(const PartTransform& p);

    const EngineObject& m_obj;
    int m_version;
    int m_slots;
    int m_shift;
    CArchive m_ar;
    std::string m_error;
};

void ObjectWriter::Frames(const TextureFrame* frames) {
    for (int i = 0; i < kFrameCount; ++i) {
        m_ar.WriteI32(frames[i].Width);
        m_ar.WriteI32(frames[i].Height);
        m_ar.WriteU32(frames[i].Image ? 1 : 0);
    }
    for (int i = 0; i < kFrameCount; ++i) Image(frames[i].Image, frames[i].Width, frames[i].Height);
}

void ObjectWriter::Slot(const TextureSlot& s) {
    I16(s.Key, "a slot key");
    I16(s.Reserved, "a slot field");
    I16(s.Width, "a slot width");
    I16(s.Height, "a slot height");
    m_ar.WriteU32(s.Image ? 1 : 0);
    m_ar.WriteBytes(s.Unused, sizeof s.Unused);
}

void ObjectWriter::WriteFace(const Face& f) {
    I16(f.Kind, "a face kind");
    for (const auto& v : f.Vertices)
        for (int32_t c : v) I16(Unscaled(c), "a vertex coordinate");
    if (f.VertexCount > kMaxFaceVertices) Fail("a face has more than 16 vertices");
    m_ar.WriteU8(f.VertexCount);
    m_ar.WriteU8(m_version >= 260 ? f.PartKey : 0);
    I16s(f.Centre, 3, "a face centre");
    I16s(f.Normal, 3, "a face normal");
    I16(f.Colour, "a face colour");
    m_ar.WriteU8(f.PartIndex);
    m_ar.WriteU8(f.SlotKey);
    m_ar.WriteU16(0);
    if (!f.Texture && f.TextureRef > 0xFFFF) Fail("an external texture reference passes 65535");
    m_ar.WriteU32(f.Texture ? 0x10000 : f.TextureRef);
    for (const auto& p : f.TexPoints)
        for (int32_t c : p) m_ar.WriteI32(Unscaled(c));
    I16(f.TexWidth, "a texture width");
    I16(f.TexHeight, "a texture height");
    m_ar.WriteU8(f.ModeMask);
    m_ar.WriteU8(f.Flags);
    m_ar.WriteU32(f.VertexNormals ? 1 : 0);
    Image(f.Texture, f.TexWidth, f.Kind == kFaceSphere ? f.TexWidth / 2 : f.TexHeight);
    if (f.VertexNormals)
        for (int i = 0; i < f.VertexCount; ++i) I16s(f.VertexNormals[i], 3, "a vertex normal");
    if (m_version >= 263) {
        I16(f.TileU, "a tile count");
        I16(f.TileV, "a tile count");
    }
    if (m_version >= 264) Frames(f.Frames);
}

void ObjectWriter::Part(const PartTransform& p) {
    m_ar.WriteI32(p.Key);
    I32s(&p.Rest[0][0], 9);
    I32s(&p.Current[0][0], 9);
    m_ar.WriteI32(p.Angle);
    for (int32_t c : p.Pivot) m_ar.WriteI32(Unscaled(c));
    m_ar.WriteBytes(p.Unused, sizeof p.Unused);
}

bool ObjectWriter::Run() {
    if (m_version < kOldestObjectVersion || m_version > kObjectVersion)
        return Fail("versions 259 to 266 can be written");
    if (m_obj.FaceCount < 0 || (m_obj.FaceCount > 0 && !m_obj.Faces))
        return Fail("the object has no faces array");
    if (m_obj.PartPointCount < 0 || m_obj.PartPointCount > kMaxPartPoints)
        return Fail("the part point count lies outside 0..15");
    if (m_obj.PartCount < 0 || m_obj.PartCount > kMaxParts)
        return Fail("the part transform count lies outside 0..16");
    I16(m_obj.FaceCount, "the face count");
    I16(m_obj.Reserved1, "the second header value");
    I16(m_obj.PartPointCount, "the part point count");
    I16(m_version, "the version");
    I16(kMaterialFixedSize + m_slots * kSlotHeaderSize, "the material size");
    I16s(m_obj.Header5, 5, "a header value");
    I16s(&m_obj.HeaderTableA[0][0], 19 * 4, "a header value");
    I16(m_obj.Header1, "a header value");
    I16s(&m_obj.HeaderTableB[0][0], 20 * 6, "a header value");
    for (int k = 0; k < m_slots; ++k) Slot(m_obj.Slots[k]);
    I16s(&m_obj.PartPoints[0][0], m_obj.PartPointCount * 3, "a part point");
    for (int i = 0; i < m_obj.FaceCount; ++i) WriteFace(m_obj.Faces[i]);
    for (int k = 0; k < m_slots; ++k)
        Image(m_obj.Slots[k].Image, m_obj.Slots[k].Width, m_obj.Slots[k].Height);
    if (m_version >= 260) {
        m_ar.WriteU16(static_cast<uint16_t>(m_obj.PartCount));
        for (int i = 0; i < m_obj.PartCount; ++i) Part(m_obj.Parts[i]);
    }
    if (m_version >= 261) m_ar.WriteU16(static_cast<uint16_t>(m_obj.Reserved3));
    if (m_version >= 266)
        for (int k = 0; k < m_slots; ++k) Frames(m_obj.Slots[k].Frames);
    return m_error.empty();
}
}  // namespace

bool ObjectWrite(const EngineObject& obj, std::vector<uint8_t>& out, std::string* error,
                 int version) {
    ObjectWriter writer(obj, version);
    bool ok = writer.Run();
    if (ok) out = writer.Bytes();
    if (!ok && error) *error = writer.Error();
    return ok;
}
