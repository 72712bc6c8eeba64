#include "engine/object.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "engine/engine_alloc.h"
#include "engine/object_format.h"
#include "framework/archive.h"
#include "framework/file.h"
#include "framework/message_sink.h"

namespace {
// Reads one .ob3 file into an object. Each step checks what it is about to
// read against the bytes that remain; the first failure stops the reading.
class ObjectReader {
public:
    ObjectReader(EngineObject& obj, std::span<const uint8_t> bytes)
        : m_obj(obj), m_bytes(bytes), m_ar(bytes) {}

    bool Run();
    const std::string& Error() const { return m_error; }

private:
    bool Fail(const std::string& why) {
        if (m_error.empty()) m_error = why;
        return false;
    }
    // False (with where in the message) when the bytes ran out.
    bool Check(const std::string& where) {
        return !m_ar.Failed() || Fail("the file ends inside " + where);
    }
    int32_t I16() { return static_cast<int16_t>(m_ar.ReadU16()); }
    int32_t I32() { return m_ar.ReadI32(); }
    void I16s(int32_t* out, int n) {
        for (int i = 0; i < n; ++i) out[i] = I16();
    }
    void I32s(int32_t* out, int n) {
        for (int i = 0; i < n; ++i) out[i] = I32();
    }
    // Reads an image of width x height bytes into a new block, or leaves
    // image null when it is empty.
    bool ReadImage(int64_t width, int64_t height, uint8_t*& image, const std::string& what);
    bool ReadFrames(TextureFrame* frames, const std::string& what);

    bool ReadHeader();
    bool ReadMaterial();
    bool ReadFace(Face& f, int index);
    bool ReadSlotImages();
    bool ReadParts();

    EngineObject& m_obj;
    std::span<const uint8_t> m_bytes;
    CArchive m_ar;
    int m_version = 0;  // the version the file is read as
    int m_slots = 0;    // T: slot headers in the file
    bool m_slotHasImage[kSlotCount] = {};
    std::string m_error;
};

bool ObjectReader::ReadImage(int64_t width, int64_t height, uint8_t*& image,
                             const std::string& what) {
    if (width < 0 || height < 0) return Fail(what + " has a negative size");
    uint64_t size = uint64_t(width) * uint64_t(height);
    if (size > m_ar.Remaining()) return Fail(what + " is larger than the rest of the file");
    if (size == 0) return true;
    image = static_cast<uint8_t*>(EngineAlloc(size));
    return m_ar.ReadBytes(image, size);
}

// A frame table (width, height, image flag: 4 x three 32-bit values), then
// the image of every flagged frame in order.
bool ObjectReader::ReadFrames(TextureFrame* frames, const std::string& what) {
    int32_t table[kFrameCount][3];
    I32s(&table[0][0], kFrameCount * 3);
    if (!Check("the frames of " + what)) return false;
    for (int i = 0; i < kFrameCount; ++i) {
        frames[i].Width = table[i][0];
        frames[i].Height = table[i][1];
        if (table[i][2] != 0 &&
            !ReadImage(table[i][0], table[i][1], frames[i].Image, "a frame image of " + what))
            return false;
    }
    return true;
}

bool ObjectReader::ReadHeader() {
    m_obj.FaceCount = I16();
    m_obj.Reserved1 = I16();
    m_obj.PartPointCount = I16();
    m_obj.Version = I16();
    m_obj.MaterialSize = I16();
    if (!Check("its header")) return false;
    if (m_obj.Version < kOldestObjectVersion) ShowMessage("Error fatal", "Error");
    m_version = std::clamp(m_obj.Version, kOldestObjectVersion, kObjectVersion);
    m_slots = m_version <= 261 ? kSlotsOld : kSlotsNew;
    if (m_obj.FaceCount < 0) return Fail("the face count is negative");
    if (m_obj.PartPointCount < 0 || m_obj.PartPointCount > kMaxPartPoints)
        return Fail("the part point count lies outside 0..15");
    if (m_obj.MaterialSize < 0) return Fail("the material size is negative");
    return true;
}

bool ObjectReader::ReadMaterial() {
    I16s(m_obj.Header5, 5);
    I16s(&m_obj.HeaderTableA[0][0], 19 * 4);
    m_obj.Header1 = I16();
    I16s(&m_obj.HeaderTableB[0][0], 20 * 6);
    for (int k = 0; k < m_slots; ++k) {
        TextureSlot& s = m_obj.Slots[k];
        s.Key = I16();
        s.Reserved = I16();
        s.Width = I16();
        s.Height = I16();
        m_slotHasImage[k] = m_ar.ReadU32() != 0;
        m_ar.ReadBytes(s.Unused, sizeof s.Unused);
    }
    if (!Check("its material block")) return false;
    // The part points start where the file's material size says, which may
    // leave room for material data this reader does not know.
    size_t partPoints = kMaterialOffset + size_t(m_obj.MaterialSize);
    if (partPoints > m_bytes.size()) return Fail("the material size passes the end of the file");
    m_ar = CArchive(m_bytes.subspan(partPoints));
    I16s(&m_obj.PartPoints[0][0], m_obj.PartPointCount * 3);
    return Check("its part points");
}

// Reverses a face's vertices (and vertex normals) when its normal disagrees
// with the turn of its first non-degenerate vertex triple.
void FixWinding(Face& f) {
    int n = f.VertexCount;
    if (n < 3) return;
    const int32_t* v0 = f.Vertices[0];
    int64_t e1[3] = {f.Vertices[1][0] - v0[0], f.Vertices[1][1] - v0[1], f.Vertices[1][2] - v0[2]};
    int64_t d = 0;
    for (int k = 2; k < n && d == 0; ++k) {
        int64_t e2[3] = {f.Vertices[k][0] - v0[0], f.Vertices[k][1] - v0[1],
                         f.Vertices[k][2] - v0[2]};
        int64_t cross[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                            e1[0] * e2[1] - e1[1] * e2[0]};
        d = f.Normal[0] * cross[0] + f.Normal[1] * cross[1] + f.Normal[2] * cross[2];
    }
    if (d >= 0) return;
    for (int i = 0; i < n / 2; ++i) {
        std::swap(f.Vertices[i], f.Vertices[n - 1 - i]);
        if (f.VertexNormals) std::swap(f.VertexNormals[i], f.VertexNormals[n - 1 - i]);
    }
}

bool ObjectReader::ReadFace(Face& f, int index) {
    std::string what = "face " + std::to_string(index);
    f.Kind = I16();
    I16s(&f.Vertices[0][0], kMaxFaceVertices * 3);
    f.VertexCount = m_ar.ReadU8();
    f.PartKey = m_ar.ReadU8();
    if (m_version < 260) f.PartKey = 0;
    I16s(f.Centre, 3);
    I16s(f.Normal, 3);
    f.Colour = I16();
    f.PartIndex = m_ar.ReadU8();
    f.SlotKey = m_ar.ReadU8();
    m_ar.ReadU16();  // not used
    uint32_t texture = m_ar.ReadU32();
    I32s(&f.TexPoints[0][0], 9);
    f.TexWidth = I16();
    f.TexHeight = I16();
    f.ModeMask = m_ar.ReadU8();
    f.Flags = m_ar.ReadU8();
    bool hasNormals = m_ar.ReadU32() != 0;
    if (!Check(what)) return false;
    if (f.VertexCount > kMaxFaceVertices) return Fail(what + " has more than 16 vertices");

    if (texture >> 16) {
        int64_t rows = f.Kind == kFaceSphere ? f.TexWidth / 2 : f.TexHeight;
        if (!ReadImage(f.TexWidth, rows, f.Texture, "the texture of " + what)) return false;
    } else {
        f.TextureRef = texture;
    }
    if (hasNormals && f.VertexCount > 0) {
        if (!m_ar.CheckCount(f.VertexCount, 6, "vertex normals")) return Check(what);
        f.VertexNormals =
            static_cast<int32_t(*)[3]>(EngineAlloc(f.VertexCount * sizeof *f.VertexNormals));
        for (int i = 0; i < f.VertexCount; ++i)
            for (int32_t& c : f.VertexNormals[i])
                c = std::clamp(I16(), -kVertexNormalLimit, kVertexNormalLimit);
    }
    f.TileU = f.TileV = 1;
    if (m_version >= 263) {
        // The mapper repeats a texture at least once across a face.
        f.TileU = std::max(I16(), 1);
        f.TileV = std::max(I16(), 1);
    }
    if (!Check(what)) return false;
    if (m_version >= 264 && !ReadFrames(f.Frames, what)) return false;
    FixWinding(f);
    f.Flags &= 0x3F;
    return true;
}

bool ObjectReader::ReadSlotImages() {
    for (int k = 0; k < m_slots; ++k) {
        TextureSlot& s = m_obj.Slots[k];
        if (m_slotHasImage[k] &&
            !ReadImage(s.Width, s.Height, s.Image, "the image of slot " + std::to_string(k)))
            return false;
    }
    return true;
}

// Part transforms: a record with key 0 is dropped and does not count.
bool ObjectReader::ReadParts() {
    int32_t n = I16();
    if (!Check("its part transforms")) return false;
    if (n < 0) return Fail("the part transform count is negative");
    if (!m_ar.CheckCount(uint64_t(n), kPartRecordSize, "part transforms"))
        return Check("its part transforms");
    for (int i = 0; i < n; ++i) {
        PartTransform p{};
        p.Key = I32();
        I32s(&p.Rest[0][0], 9);
        I32s(&p.Current[0][0], 9);
        p.Angle = I32();
        I32s(p.Pivot, 3);
        m_ar.ReadBytes(p.Unused, sizeof p.Unused);
        if (p.Key == 0) continue;
        if (m_obj.PartCount == kMaxParts) return Fail("the file has more than 16 part transforms");
        m_obj.Parts[m_obj.PartCount++] = p;
    }
    return true;
}

bool ObjectReader::Run() {
    if (!ReadHeader() || !ReadMaterial()) return false;
    // Every face record takes at least kFaceRecordSize bytes: check before
    // allocating for a count taken from the file.
    if (!m_ar.CheckCount(uint64_t(m_obj.FaceCount), kFaceRecordSize, "faces"))
        return Fail("the face count is larger than the file");
    m_obj.Faces = static_cast<Face*>(EngineAlloc((m_obj.FaceCount + 2) * sizeof(Face)));
    for (int i = 0; i < m_obj.FaceCount; ++i)
        if (!ReadFace(m_obj.Faces[i], i)) return false;
    if (!ReadSlotImages()) return false;
    if (m_version >= 260 && !ReadParts()) return false;
    if (m_version >= 261) {
        m_obj.Reserved3 = static_cast<int16_t>(m_ar.ReadU16());
        if (!Check("its trailer")) return false;
    }
    if (m_version >= 266) {
        for (int k = 0; k < m_slots; ++k)
            if (!ReadFrames(m_obj.Slots[k].Frames, "slot " + std::to_string(k))) return false;
    }
    if (!ObjectScale(m_obj)) return Fail("a coordinate overflows once scaled by 16");
    m_obj.Version = kObjectVersion;
    m_obj.Reserved2 = 0;
    m_obj.Scale = 1.0f;
    return true;
}

bool FitsScaled(const int32_t* v, int n) {
    constexpr int32_t kLimit = std::numeric_limits<int32_t>::max() >> kCoordShift;
    return std::all_of(v, v + n, [](int32_t c) { return c >= -kLimit - 1 && c <= kLimit; });
}

void ScaleAll(int32_t* v, int n) {
    for (int i = 0; i < n; ++i) v[i] *= 1 << kCoordShift;
}

void FreeFrames(TextureFrame* frames) {
    for (int i = 0; i < kFrameCount; ++i) EngineFree(frames[i].Image);
}
}  // namespace

bool ObjectRead(EngineObject& obj, std::span<const uint8_t> bytes, std::string* error) {
    obj = EngineObject{};
    ObjectReader reader(obj, bytes);
    if (reader.Run()) return true;
    ObjectFree(obj);
    if (error) *error = reader.Error();
    return false;
}

bool ObjectRead(EngineObject& obj, CFile& file, std::string* error) {
    int64_t pos = file.GetPosition();
    int64_t length = file.GetLength();
    std::vector<uint8_t> bytes(pos >= 0 && length > pos ? size_t(length - pos) : 0);
    if (file.Read(bytes.data(), bytes.size()) != bytes.size()) {
        obj = EngineObject{};
        if (error) *error = "cannot read " + file.GetFilePath();
        return false;
    }
    return ObjectRead(obj, bytes, error);
}

bool ObjectScale(EngineObject& obj) {
    if (obj.ScaleShift != 0) return true;
    for (int i = 0; i < obj.FaceCount; ++i) {
        const Face& f = obj.Faces[i];
        if (!FitsScaled(&f.Vertices[0][0], kMaxFaceVertices * 3) ||
            !FitsScaled(&f.TexPoints[0][0], 9))
            return false;
    }
    for (int i = 0; i < obj.PartCount; ++i)
        if (!FitsScaled(obj.Parts[i].Pivot, 3)) return false;
    for (int i = 0; i < obj.FaceCount; ++i) {
        ScaleAll(&obj.Faces[i].Vertices[0][0], kMaxFaceVertices * 3);
        ScaleAll(&obj.Faces[i].TexPoints[0][0], 9);
    }
    for (int i = 0; i < obj.PartCount; ++i) ScaleAll(obj.Parts[i].Pivot, 3);
    obj.ScaleShift = kCoordShift;
    return true;
}

void ObjectFree(EngineObject& obj) {
    if (obj.Faces) {
        for (int i = 0; i < obj.FaceCount + 2; ++i) {
            Face& f = obj.Faces[i];
            EngineFree(f.Texture);
            EngineFree(f.VertexNormals);
            FreeFrames(f.Frames);
        }
    }
    EngineFree(obj.Faces);
    for (TextureSlot& s : obj.Slots) {
        EngineFree(s.Image);
        FreeFrames(s.Frames);
    }
    obj = EngineObject{};
}

namespace {
// A sphere's radius and a sprite's or dot's size are not image sizes.
void TakeImageSize(Face& face, int32_t width, int32_t height) {
    if (face.Kind == kFaceSprite || face.Kind == kFaceDot) return;
    face.TexWidth = width;
    if (face.Kind != kFaceSphere) face.TexHeight = height;
}
}  // namespace

const uint8_t* FaceTexture(const EngineObject& obj, Face& face) {
    if (face.Texture) {
        const TextureFrame& frame = face.Frames[0];
        if (!frame.Image) return face.Texture;
        TakeImageSize(face, frame.Width, frame.Height);
        return frame.Image;
    }
    if (face.TextureRef != 0 || face.SlotKey == 0) return nullptr;
    for (const TextureSlot& slot : obj.Slots) {
        if (slot.Key != face.SlotKey) continue;
        const TextureFrame& frame = slot.Frames[0];
        if (frame.Image) {
            TakeImageSize(face, frame.Width, frame.Height);
            return frame.Image;
        }
        if (face.Kind == kFaceSlotTextured) {
            face.TexWidth = slot.Width;
            face.TexHeight = slot.Height;
        }
        return slot.Image;
    }
    return nullptr;
}
