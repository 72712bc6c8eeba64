#pragma once
// EngineObject: one 3D model as the engine draws it (faces, texture slots,
// part points for depth ordering, part transforms), read from ".ob3" files.
//
// Coordinates are integers in model units. Reading multiplies vertices,
// texture reference points and part pivots by 16 (ScaleShift = 4); face
// centres, normals, vertex normals and part points stay in file units.
// Normals are integer vectors; vertex normals are clamped to -255..255.
// Readers: the rotate window (the pointer model) and the VR body models.
// Images are width x height bytes of model colours, row after row.
// All memory an object points to comes from EngineAlloc, is owned by it and
// is released by ObjectFree.

#include <cstdint>
#include <span>
#include <string>

class CFile;

constexpr int kMaxFaceVertices = 16;
constexpr int kMaxPartPoints = 15;
constexpr int kMaxParts = 16;
constexpr int kSlotCount = 16;
constexpr int kFrameCount = 4;
constexpr int kCoordShift = 4;           // model coordinates are file units x 16
constexpr int kVertexNormalLimit = 255;  // vertex normal components are clamped to +-255
constexpr int kObjectVersion = 266;      // the newest file version; higher ones read as it
constexpr int kOldestObjectVersion = 259;

// Face kinds; any other value is a textured polygon with its own texture size.
enum FaceKind : int32_t {
    kFaceFlat = 0,
    kFaceSlotTextured = 1,  // takes its texture size from its slot
    kFaceSphere = 2,        // vertices: polar-axis point, centre, prime-meridian point
    kFaceSprite = 3,
    kFaceOutline = 5,
    kFaceDot = 6,
};
constexpr uint8_t kSlotKeyHidden = 253;  // a face with this slot key is never drawn
constexpr int32_t kColourNoPolygon = 247;

// An alternative texture image.
struct TextureFrame {
    int32_t Width;
    int32_t Height;
    uint8_t* Image;  // Width x Height bytes, or null
};

struct TextureSlot {
    int32_t Key;  // 0: empty slot
    int32_t Reserved;
    int32_t Width;
    int32_t Height;
    uint8_t* Image;  // Width x Height bytes, or null
    uint8_t Unused[36];
    TextureFrame Frames[kFrameCount];
};

// Turns the faces whose PartKey equals Key about Pivot. Keys 210..213 belong
// to parts attached to the part whose key is 10 less.
struct PartTransform {
    int32_t Key;
    int32_t Rest[3][3];     // Q15 matrix, 32767 = 1.0
    int32_t Current[3][3];  // Q15 matrix
    int32_t Angle;          // 1/32768 of a turn
    int32_t Pivot[3];       // model units (file units x 16 once read)
    uint8_t Unused[28];
};

struct Face {
    int32_t Kind;                         // FaceKind
    int32_t Vertices[kMaxFaceVertices][3];  // model units; the first VertexCount are used
    uint8_t VertexCount;                  // 1..16 are drawn, 0 is skipped
    uint8_t PartKey;                      // PartTransform key moving this face, 0 none
    int32_t Centre[3];                    // file units
    int32_t Normal[3];                    // file units
    int32_t Colour;                       // model colour; 247: never drawn as a polygon
    uint8_t PartIndex;                    // the part point this face is ordered by
    uint8_t SlotKey;                      // texture slot used without an own image
    uint8_t* Texture;                     // own image, or null
    uint32_t TextureRef;                  // without an own image: 0 the slot's, 1..65535 external
    int32_t TexPoints[3][3];              // origin, end of u, end of v; model units
    int32_t TexWidth;                     // spheres: equirectangular width
    int32_t TexHeight;                    // spheres: radius; sprites and dots: size
    uint8_t ModeMask;                     // detail modes: 1 far, 2 near, 4 very far
    uint8_t Flags;                        // 0x01 second mapping family; 0x04, 0x10 not filled
    int32_t (*VertexNormals)[3];          // VertexCount normals, or null
    int32_t TileU, TileV;                 // repetitions across the face, at least 1
    TextureFrame Frames[kFrameCount];
};

struct EngineObject {
    int32_t FaceCount;
    int32_t Reserved1;
    int32_t Version;  // 266 once read
    int32_t MaterialSize;
    int32_t Header5[5];
    int32_t HeaderTableA[19][4];
    int32_t Header1;
    int32_t HeaderTableB[20][6];
    TextureSlot Slots[kSlotCount];
    int32_t PartPointCount;
    int32_t PartPoints[kMaxPartPoints][3];  // file units
    Face* Faces;                            // FaceCount + 2 records (two spare)
    int32_t PartCount;
    PartTransform Parts[kMaxParts];
    int32_t ScaleShift;  // 4 once coordinates are scaled, 0 before
    int32_t Reserved2;
    float Scale;
    int16_t Reserved3;
};

// Reads an .ob3 file held in bytes into obj (whose previous contents are
// dropped, not freed). Every count, size and length is checked against the
// bytes: a negative or oversized count, a vertex count above 16, more than
// 15 part points or 16 part transforms, an image larger than what remains,
// a truncated file or coordinates that overflow once scaled make it return
// false with the reason in error and obj zeroed. A version below 259 shows
// "Error fatal" through the message sink and is read as 259; versions above
// 266 are read as 266.
bool ObjectRead(EngineObject& obj, std::span<const uint8_t> bytes, std::string* error = nullptr);
// The same for an open file, from its position to its end.
bool ObjectRead(EngineObject& obj, CFile& file, std::string* error = nullptr);

// Multiplies vertices, texture reference points and part pivots by 16 unless
// ScaleShift says this was done. False (nothing changed) when a value would
// overflow 32 bits.
bool ObjectScale(EngineObject& obj);

// Releases everything obj points to and zeroes it.
void ObjectFree(EngineObject& obj);

// The texture image a face is drawn with, or null. An own image yields to its
// first frame's image when that has one; otherwise the slot whose Key equals
// the face's SlotKey (0 matches nothing) gives its first frame's image, or
// else its own image. The face's TexWidth/TexHeight take the size of the
// image chosen from a frame (a sphere keeps its radius, sprites and dots
// their size), and a kind-1 face takes its slot's size.
const uint8_t* FaceTexture(const EngineObject& obj, Face& face);
