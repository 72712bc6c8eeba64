#pragma once
// Writes planet stores (the program itself only reads them): "cr", the u32
// directory offset, each member packed, then the directory of (u8 name length,
// 8-bit name, u32 member offset) ended by a zero byte. Used by lumo-data and
// by the build to make planets.sto.

#include <cstdint>
#include <string>
#include <vector>

struct StoreMember {
    std::string name;            // file name without folder, UTF-8, 1..127 8-bit characters
    std::vector<uint8_t> bytes;  // the member's unpacked content
};

// Builds a whole store into out (replaced), packing each member in order.
// Fails with a reason on an empty, too long or non-Latin-1 name.
bool BuildStore(const std::vector<StoreMember>& members, std::vector<uint8_t>& out,
                std::string& error);
