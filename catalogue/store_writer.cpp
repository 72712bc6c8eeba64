#include "catalogue/store_writer.h"

#include "catalogue/huffman_codec.h"
#include "catalogue/store_file.h"
#include "framework/text.h"

namespace {
void PutU32At(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// The 8-bit form of a UTF-8 name, or false when a character has none.
bool ToLatin1(const std::string& utf8, std::string& latin1) {
    latin1.clear();
    for (char32_t c : Utf8ToUtf32(utf8)) {
        if (c > 0xFF) return false;
        latin1.push_back(static_cast<char>(c));
    }
    return true;
}
}  // namespace

bool BuildStore(const std::vector<StoreMember>& members, std::vector<uint8_t>& out,
                std::string& error) {
    out.assign(6, 0);
    out[0] = static_cast<uint8_t>(kStoreMagic);
    out[1] = static_cast<uint8_t>(kStoreMagic >> 8);
    std::vector<uint8_t> directory;
    CHuffmanCodec codec;
    std::vector<uint8_t> packed;
    for (const StoreMember& m : members) {
        std::string name;
        if (!ToLatin1(m.name, name) || name.empty() || name.size() > 127) {
            error = "'" + m.name + "' cannot name a store member (1 to 127 8-bit characters)";
            return false;
        }
        if (!codec.Encode(m.bytes, packed) || out.size() + packed.size() > UINT32_MAX) {
            error = "the store would pass 4 GiB";
            return false;
        }
        directory.push_back(static_cast<uint8_t>(name.size()));
        directory.insert(directory.end(), name.begin(), name.end());
        directory.resize(directory.size() + 4);
        PutU32At(directory, directory.size() - 4, static_cast<uint32_t>(out.size()));
        out.insert(out.end(), packed.begin(), packed.end());
    }
    directory.push_back(0);
    PutU32At(out, 2, static_cast<uint32_t>(out.size()));
    out.insert(out.end(), directory.begin(), directory.end());
    return true;
}
