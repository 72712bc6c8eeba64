// Opens a model through CCmpFile from a store made of arbitrary bytes (a
// well-formed header and directory around a fuzzed member, or the raw bytes
// as the whole store), then from a fuzzed ".cmp" twin. Whatever happens, no
// temporary file may be left behind once the file is closed.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/cmp_file.h"
#include "catalogue/store_file.h"
#include "framework/file.h"

namespace {
const std::string& Folder() {
    static const std::string folder = [] {
        char tmpl[] = "/tmp/lumo-fuzz-cmp-XXXXXX";
        return std::string(mkdtemp(tmpl));
    }();
    return folder;
}

// "cr", the directory offset, the member, and a directory naming it.
std::vector<uint8_t> StoreAround(const uint8_t* data, size_t size) {
    std::vector<uint8_t> b = {'c', 'r', 0, 0, 0, 0};
    b.insert(b.end(), data, data + size);
    uint32_t dir = static_cast<uint32_t>(b.size());
    for (int i = 0; i < 4; ++i) b[2 + i] = static_cast<uint8_t>(dir >> (8 * i));
    const std::string name = "Earth.ob3";
    b.push_back(static_cast<uint8_t>(name.size()));
    b.insert(b.end(), name.begin(), name.end());
    b.insert(b.end(), {6, 0, 0, 0, 0});
    return b;
}

void OpenAndClose(CStoreFile* store, const std::string& path) {
    CCmpFile file(store, Folder());
    if (file.Open(path, CFile::modeRead)) {
        char buf[256];
        while (file.Read(buf, sizeof buf) == sizeof buf) {
        }
        file.Close();
    }
    for (const auto& entry : std::filesystem::directory_iterator(Folder()))
        if (entry.path().extension() == ".tmp") std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string storePath = JoinPath(Folder(), "planets.sto");
    const std::string model = JoinPath(Folder(), "Planets/Earth.ob3");
    std::string error;
    for (const std::vector<uint8_t>& bytes :
         {StoreAround(data, size), std::vector<uint8_t>(data, data + size)}) {
        WriteFileAtomic(storePath, bytes, error);
        CStoreFile store;
        store.OpenStore(storePath);
        OpenAndClose(&store, model);
    }
    // The same bytes as a compressed twin beside the requested file.
    std::filesystem::create_directories(JoinPath(Folder(), "Planets"));
    WriteFileAtomic(model + ".cmp", std::vector<uint8_t>(data, data + size), error);
    OpenAndClose(nullptr, model);
    std::filesystem::remove(model + ".cmp");
    return 0;
}
