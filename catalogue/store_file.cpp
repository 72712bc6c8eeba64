#include "catalogue/store_file.h"

#include "framework/text.h"

bool ParseStoreDirectory(std::span<const uint8_t> bytes, uint64_t fileSize,
                         std::vector<StoreEntry>& out, std::string& error) {
    out.clear();
    size_t pos = 0;
    while (true) {
        if (pos >= bytes.size()) {
            error = "the directory has no end marker";
            out.clear();
            return false;
        }
        uint8_t len = bytes[pos++];
        if (len == 0) return true;
        if (len > 127) {
            error = "a directory name is longer than 127 bytes";
            out.clear();
            return false;
        }
        if (bytes.size() - pos < size_t(len) + 4) {
            error = "the directory is truncated";
            out.clear();
            return false;
        }
        std::string name =
            Latin1ToUtf8(std::string_view(reinterpret_cast<const char*>(&bytes[pos]), len));
        pos += len;
        uint32_t offset = bytes[pos] | (bytes[pos + 1] << 8) | (bytes[pos + 2] << 16) |
                          (uint32_t(bytes[pos + 3]) << 24);
        pos += 4;
        if (offset < 6 || offset >= fileSize) {
            error = "member '" + name + "' lies outside the file";
            out.clear();
            return false;
        }
        out.push_back({std::move(name), offset});
    }
}

bool CStoreFile::OpenStore(const std::string& path, std::string* error) {
    m_directory.clear();
    if (!Open(path, modeRead | shareDenyWrite, error)) return false;
    uint8_t header[6];
    if (Read(header, 6) != 6 || (header[0] | (header[1] << 8)) != kStoreMagic) {
        if (error) *error = path + " is not a planet store";
        return false;
    }
    uint32_t dirOffset = header[2] | (header[3] << 8) | (header[4] << 16) |
                         (uint32_t(header[5]) << 24);
    int64_t size = GetLength();
    if (dirOffset < 6 || dirOffset >= size) {
        if (error) *error = path + ": the directory offset lies outside the file";
        return false;
    }
    std::vector<uint8_t> dir(static_cast<size_t>(size - dirOffset));
    Seek(dirOffset, begin);
    if (Read(dir.data(), dir.size()) != dir.size()) {
        if (error) *error = path + ": cannot read the directory";
        return false;
    }
    m_dirOffset = dirOffset;
    std::string why;
    if (!ParseStoreDirectory(dir, static_cast<uint64_t>(size), m_directory, why)) {
        if (error) *error = path + ": " + why;
        return false;
    }
    return true;
}

bool CStoreFile::Lookup(const std::string& name) {
    std::string folded = FoldCase(name);
    for (const StoreEntry& e : m_directory) {
        if (FoldCase(e.name) == folded) return Seek(e.offset, begin) >= 0;
    }
    return false;
}
