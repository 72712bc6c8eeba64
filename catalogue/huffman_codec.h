#pragma once
// CHuffmanCodec: the packed format of planet-store members and ".cmp" files.
//
// Layout, little-endian:
//   "#7" (u16 0x3723), u32 unpacked length, u8 tree flag,
//   the code tree in pre-order when the flag is non-zero (u16 per node: bit 15
//   clear = leaf whose low 8 bits are its byte; set = internal node followed by
//   its first subtree, then its second),
//   one block per 2048 unpacked bytes (the last one shorter), then i16 -1.
// Block: i16 stored length S, then S bytes. S = 0: the block's bytes as they
// are. S > 0: the run-length form of the block's code bits, least significant
// bit first; a 1 bit takes the first subtree, a 0 bit the second.
// Run-length form (escape byte 0): b != 0 stands for itself; 0, 0 for one
// zero byte; 0, c (1..255), L, then L bytes: the L-byte pattern c times.
//
// The decoder works on a byte span and treats anything malformed (bad magic,
// a block length outside -1..4096, an expansion past 4096 bytes, a coded block
// without a tree, a tree over 511 nodes or cut short, code bits that run out,
// more or fewer blocks than the length asks for, no end marker) as failure.
// It never reads outside the span nor writes past its 4096-byte buffers.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

constexpr uint16_t kPackedMagic = 0x3723;     // the bytes "#7"
constexpr int kPackedBlockSize = 2048;        // unpacked bytes per block
constexpr int kPackedBufferSize = 4096;       // largest stored length and expansion
constexpr int kPackedMaxTreeNodes = 511;      // a tree of all 256 byte values

// Receives the unpacked bytes in order; returns false to stop decoding.
using PackedSink = std::function<bool(const uint8_t* data, size_t n)>;

// Expands run-length form into out, which holds cap bytes. Returns the number
// of bytes written, or -1 when the form is cut short or would pass cap.
int RunLengthExpand(std::span<const uint8_t> in, uint8_t* out, size_t cap);

// Appends the run-length form of in to out: a pattern of 1 to 15 bytes that
// repeats 4 to 255 times in a row is written as an escape (shortest pattern
// tried first); every literal zero is written as 0, 0.
void RunLengthWrite(std::span<const uint8_t> in, std::vector<uint8_t>& out);

class CHuffmanCodec {
public:
    // Decodes the packed stream at the start of in, handing the unpacked bytes
    // to sink block by block. True when the end marker followed exactly the
    // declared length; otherwise error says why (bytes already handed to the
    // sink are then incomplete). consumed, when given, receives the number of
    // input bytes the stream took.
    bool Decode(std::span<const uint8_t> in, const PackedSink& sink, std::string* error = nullptr,
                size_t* consumed = nullptr);
    // The same into a vector (replaced).
    bool Decode(std::span<const uint8_t> in, std::vector<uint8_t>& out,
                std::string* error = nullptr);

    // Packs in (at most 4 GiB - 1 bytes) into out (replaced). False only when
    // the input is too long for the 32-bit length.
    bool Encode(std::span<const uint8_t> in, std::vector<uint8_t>& out);

private:
    struct TreeNode {
        uint16_t value;  // the node as stored; a leaf's byte in the low 8 bits
        int16_t first;   // child indices for internal nodes, -1 for leaves
        int16_t second;
    };
    struct Code {
        uint64_t bits;   // step k of the path in bit k (1 = first subtree)
        uint8_t length;  // 0: the byte has no code (absent, or a one-leaf tree)
    };

    bool ReadTree(std::span<const uint8_t> in, size_t& pos, std::string* error);
    bool DecodeBits(const uint8_t* bits, size_t nbits, uint8_t* out, int n) const;
    void BuildCodes(std::span<const uint8_t> in, std::vector<uint8_t>& treeOut);
    void EncodeSlice(std::span<const uint8_t> slice, std::vector<uint8_t>& out) const;

    std::vector<TreeNode> m_tree;  // decoding tree, root first; empty: none
    Code m_codes[256] = {};        // encoding table
    uint64_t m_counts[256] = {};   // byte counts of the input being encoded
};
