// Reads arbitrary bytes as an .ob3 model and finds every face's texture. A
// model that reads must also write, and reading and writing it twice more
// must give the first written file again. (Twice: the winding rule looks at
// a face's first non-degenerate vertex triple, so a non-convex face may be
// reversed on every read, and only every second read restores it.)

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/object.h"
#include "engine/object_write.h"
#include "framework/message_sink.h"

namespace {
// Reads bytes and writes the object again into out; false if either fails.
bool RoundTrip(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& out) {
    EngineObject obj;
    if (!ObjectRead(obj, bytes)) return false;
    bool written = ObjectWrite(obj, out);
    ObjectFree(obj);
    return written;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = (SetMessageSink([](const std::string&, const std::string&) {}), true);
    (void)quiet;
    EngineObject obj;
    if (!ObjectRead(obj, std::span<const uint8_t>(data, size))) return 0;
    for (int i = 0; i < obj.FaceCount; ++i) {
        Face copy = obj.Faces[i];  // FaceTexture may resize the face; keep the object as read
        FaceTexture(obj, copy);
    }
    std::vector<uint8_t> first, second, third;
    bool written = ObjectWrite(obj, first);
    ObjectFree(obj);
    if (!written || !RoundTrip(first, second) || !RoundTrip(second, third) || third != first)
        std::abort();
    return 0;
}
