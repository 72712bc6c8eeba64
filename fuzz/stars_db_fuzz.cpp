// Loads arbitrary bytes as a stars.db file. A file that loads must store
// again to bytes that load to the same bytes (nothing lost or changed), and
// one that fails must leave the document as it was.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "catalogue/lumo_doc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CLumoDoc doc;
    const std::vector<uint8_t> before = doc.StoreToBytes();
    std::string error;
    if (!doc.LoadFrom(std::span<const uint8_t>(data, size), error)) {
        if (doc.StoreToBytes() != before) std::abort();
        return 0;
    }
    const std::vector<uint8_t> stored = doc.StoreToBytes();
    CLumoDoc again;
    if (!again.LoadFrom(stored, error) || again.StoreToBytes() != stored) std::abort();
    return 0;
}
