#pragma once
// ObjectWrite: the .ob3 writer used by our tools and tests (the program itself
// only reads models). What it writes, ObjectRead reads back to the same
// object, coordinates included: a scaled object (ScaleShift 4) is written in
// file units again.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/object.h"

// Writes obj as a file of the given version (259..266; 266 unless told) into
// out (replaced). Parts the version does not carry are left out: part keys and
// part transforms before 260, Reserved3 before 261, slots 8..15 before 262,
// tiles before 263, face frames before 264, slot frames before 266. Fails
// with a reason when a count or value does not fit its field. An own texture
// is written as TexWidth x TexHeight (spheres: TexWidth x TexWidth/2) bytes,
// so write objects as read or built, not after FaceTexture resized a face.
bool ObjectWrite(const EngineObject& obj, std::vector<uint8_t>& out, std::string* error = nullptr,
                 int version = kObjectVersion);
