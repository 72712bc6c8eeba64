// Reads arbitrary bytes as an .ob3 model. A model that reads must write back
// and read again to the same file, and every face's texture must be found
// without fault.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/object.h"
#include "engine/object_write.h"
#include "framework/message_sink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = (SetMessageSink([](const std::string&, const std::string&) {}), true);
    (void)quiet;
    EngineObject obj;
    if (!ObjectRead(obj, std::span<const uint8_t>(data, size))) return 0;
    for (int i = 0; i < obj.FaceCount; ++i) {
        Face copy = obj.Faces[i];  // FaceTexture may resize the face; keep the object as read
        FaceTexture(obj, copy);
    }

    std::vector<uint8_t> first, second;
    EngineObject again;
    if (ObjectWrite(obj, first)) {
        if (!ObjectRead(again, first) || !ObjectWrite(again, second) || first != second)
            std::abort();
        ObjectFree(again);
    }
    ObjectFree(obj);
    return 0;
}
