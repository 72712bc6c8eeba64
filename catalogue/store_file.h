#pragma once
// CStoreFile: the planet store, a file of named compressed members.
// Layout: "cr", u32 directory offset, member data, then the directory:
// entries of u8 name length (1..127), the name (8-bit), u32 member offset,
// ended by a zero length byte. The store is only read.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/file.h"

struct StoreEntry {
    std::string name;  // UTF-8 form of the 8-bit name
    uint32_t offset;   // absolute offset of the member's packed stream
};

// Parses a directory that starts at dirOffset in a store of fileSize bytes.
// bytes holds the file from dirOffset on. Fails on a truncated entry, a name
// length above 127, or a member offset outside the file.
bool ParseStoreDirectory(std::span<const uint8_t> bytes, uint64_t fileSize,
                         std::vector<StoreEntry>& out, std::string& error);

class CStoreFile : public CFile {
public:
    // Opens the store for reading (others may not write it meanwhile).
    // Succeeds only when the magic matches and the directory is well formed;
    // otherwise the directory stays empty and error says why.
    bool OpenStore(const std::string& path, std::string* error = nullptr);
    // Finds a member by name, ignoring letter case; the first of equal names
    // wins. On a match the file is positioned at the member and true returned;
    // otherwise the position is unchanged.
    bool Lookup(const std::string& name);
    // The entries in file order.
    const std::vector<StoreEntry>& Directory() const { return m_directory; }
    // Where the directory starts; members end there at the latest.
    uint32_t DirectoryOffset() const { return m_dirOffset; }

private:
    std::vector<StoreEntry> m_directory;
    uint32_t m_dirOffset = 0;
};

constexpr uint16_t kStoreMagic = 0x7263;  // the bytes "cr"
