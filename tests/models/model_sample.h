#pragma once
// A sample model for the model-file tests: every kind of data the file format
// carries (flat, sphere, slot-textured and own-textured faces, vertex
// normals, tiles, frames, slots in both halves, part points, part transforms).

#include <cstdint>
#include <vector>

#include "engine/object.h"
#include "engine/object_write.h"

// An object that frees itself.
struct OwnedObject {
    EngineObject obj{};
    OwnedObject() = default;
    OwnedObject(const OwnedObject&) = delete;
    OwnedObject& operator=(const OwnedObject&) = delete;
    ~OwnedObject() { ObjectFree(obj); }
};

// width x height bytes of a pattern, owned by the object it is put in.
uint8_t* SampleImage(int width, int height, int seed);

// Fills obj (in file units, not yet scaled) with the sample model.
void MakeSampleObject(EngineObject& obj);

inline void PutI16(std::vector<uint8_t>& b, size_t at, int v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
