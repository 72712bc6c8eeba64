#include "catalogue/huffman_codec.h"

#include <algorithm>
#include <cstring>

namespace {
bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

uint16_t GetU16(std::span<const uint8_t> in, size_t pos) {
    return static_cast<uint16_t>(in[pos] | (in[pos + 1] << 8));
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    PutU16(out, static_cast<uint16_t>(v));
    PutU16(out, static_cast<uint16_t>(v >> 16));
}

constexpr int kMaxPattern = 15;
constexpr int kMinRepeats = 4;
constexpr int kMaxRepeats = 255;

// How many times the len-byte pattern at in[at] repeats in a row from there.
int CountRepeats(std::span<const uint8_t> in, size_t at, size_t len) {
    int count = 1;
    while (count < kMaxRepeats && at + (count + 1) * len <= in.size() &&
           std::memcmp(&in[at], &in[at + count * len], len) == 0)
        ++count;
    return count;
}
}  // namespace

int RunLengthExpand(std::span<const uint8_t> in, uint8_t* out, size_t cap) {
    size_t o = 0;
    size_t i = 0;
    while (i < in.size()) {
        uint8_t b = in[i++];
        if (b != 0) {
            if (o >= cap) return -1;
            out[o++] = b;
            continue;
        }
        if (i >= in.size()) return -1;
        uint8_t count = in[i++];
        if (count == 0) {  // 0, 0: one literal zero
            if (o >= cap) return -1;
            out[o++] = 0;
            continue;
        }
        if (i >= in.size()) return -1;
        size_t len = in[i++];
        if (in.size() - i < len || size_t(count) * len > cap - o) return -1;
        for (int r = 0; r < count; ++r, o += len) std::memcpy(out + o, &in[i], len);
        i += len;
    }
    return static_cast<int>(o);
}

void RunLengthWrite(std::span<const uint8_t> in, std::vector<uint8_t>& out) {
    size_t i = 0;
    while (i < in.size()) {
        bool escaped = false;
        for (size_t len = 1; len <= kMaxPattern && i + len * kMinRepeats <= in.size(); ++len) {
            int count = CountRepeats(in, i, len);
            if (count >= kMinRepeats) {
                out.push_back(0);
                out.push_back(static_cast<uint8_t>(count));
                out.push_back(static_cast<uint8_t>(len));
                out.insert(out.end(), in.begin() + i, in.begin() + i + len);
                i += count * len;
                escaped = true;
                break;
            }
        }
        if (escaped) continue;
        uint8_t b = in[i++];
        out.push_back(b);
        if (b == 0) out.push_back(0);
    }
}

// ---- decoding ----

// Reads the pre-order tree at in[pos], without recursion: open holds the
// internal nodes still waiting for a child.
bool CHuffmanCodec::ReadTree(std::span<const uint8_t> in, size_t& pos, std::string* error) {
    std::vector<int16_t> open;
    do {
        if (m_tree.size() >= kPackedMaxTreeNodes)
            return Fail(error, "the code tree has more than 511 nodes");
        if (in.size() - pos < 2) return Fail(error, "the code tree is cut short");
        uint16_t v = GetU16(in, pos);
        pos += 2;
        auto index = static_cast<int16_t>(m_tree.size());
        m_tree.push_back({v, -1, -1});
        if (!open.empty()) {
            TreeNode& parent = m_tree[open.back()];
            if (parent.first < 0) {
                parent.first = index;
            } else {
                parent.second = index;
                open.pop_back();
            }
        }
        if (v & 0x8000) open.push_back(index);
    } while (!open.empty());
    return true;
}

// Decodes n bytes from nbits code bits; false when the bits run out mid-code.
bool CHuffmanCodec::DecodeBits(const uint8_t* bits, size_t nbits, uint8_t* out, int n) const {
    size_t k = 0;
    for (int i = 0; i < n; ++i) {
        const TreeNode* node = &m_tree[0];
        while (node->value & 0x8000) {
            if (k >= nbits) return false;
            bool one = (bits[k >> 3] >> (k & 7)) & 1;
            ++k;
            node = &m_tree[one ? node->first : node->second];
        }
        out[i] = static_cast<uint8_t>(node->value);
    }
    return true;
}

bool CHuffmanCodec::Decode(std::span<const uint8_t> in, const PackedSink& sink,
                           std::string* error, size_t* consumed) {
    m_tree.clear();
    if (in.size() < 7 || GetU16(in, 0) != kPackedMagic)
        return Fail(error, "not a packed stream (no \"#7\" header)");
    uint32_t total = in[2] | (in[3] << 8) | (in[4] << 16) | (uint32_t(in[5]) << 24);
    size_t pos = 7;
    if (in[6] != 0 && !ReadTree(in, pos, error)) return false;

    uint8_t expanded[kPackedBufferSize];
    uint8_t block[kPackedBlockSize];
    int64_t remaining = total;
    while (true) {
        if (in.size() - pos < 2) return Fail(error, "the stream ends before its end marker");
        auto stored = static_cast<int16_t>(GetU16(in, pos));
        pos += 2;
        if (stored == -1) break;
        if (stored < -1 || stored > kPackedBufferSize)
            return Fail(error, "a block length lies outside -1..4096");
        if (remaining <= 0) return Fail(error, "the stream has more blocks than its length");
        int n = static_cast<int>(std::min<int64_t>(remaining, kPackedBlockSize));
        const uint8_t* bytes = block;
        if (stored == 0) {
            if (in.size() - pos < size_t(n)) return Fail(error, "a stored block is cut short");
            bytes = &in[pos];
            pos += n;
        } else {
            if (m_tree.empty()) return Fail(error, "a coded block comes without a code tree");
            if (in.size() - pos < size_t(stored)) return Fail(error, "a coded block is cut short");
            int length = RunLengthExpand(in.subspan(pos, stored), expanded, sizeof expanded);
            pos += stored;
            if (length < 0) return Fail(error, "a coded block's run-length form is malformed");
            if (!DecodeBits(expanded, size_t(length) * 8, block, n))
                return Fail(error, "a coded block runs out of code bits");
        }
        if (!sink(bytes, size_t(n))) return Fail(error, "the unpacked data could not be written");
        remaining -= n;
    }
    if (remaining > 0) return Fail(error, "the stream ends before its declared length");
    if (consumed) *consumed = pos;
    return true;
}

bool CHuffmanCodec::Decode(std::span<const uint8_t> in, std::vector<uint8_t>& out,
                           std::string* error) {
    out.clear();
    return Decode(
        in,
        [&out](const uint8_t* data, size_t n) {
            out.insert(out.end(), data, data + n);
            return true;
        },
        error);
}

// ---- encoding ----

// Counts the bytes of in, builds the code tree (nodes joined two at a time,
// smallest counts first; the first subtree is the one with the smaller count),
// writes it in pre-order to treeOut and fills the code table.
void CHuffmanCodec::BuildCodes(std::span<const uint8_t> in, std::vector<uint8_t>& treeOut) {
    std::fill(std::begin(m_counts), std::end(m_counts), 0);
    std::fill(std::begin(m_codes), std::end(m_codes), Code{0, 0});
    for (uint8_t b : in) ++m_counts[b];

    struct Node {
        uint64_t count;
        int value;  // byte value of a leaf, -1 for an internal node
        int first, second;
    };
    std::vector<Node> nodes;
    std::vector<int> live;
    for (int v = 0; v < 256; ++v) {
        if (m_counts[v] == 0) continue;
        live.push_back(static_cast<int>(nodes.size()));
        nodes.push_back({m_counts[v], v, -1, -1});
    }
    if (live.empty()) return;
    while (live.size() > 1) {
        std::stable_sort(live.begin(), live.end(),
                         [&](int a, int b) { return nodes[a].count < nodes[b].count; });
        nodes.push_back({nodes[live[0]].count + nodes[live[1]].count, -1, live[0], live[1]});
        live.erase(live.begin(), live.begin() + 2);
        live.push_back(static_cast<int>(nodes.size()) - 1);
    }

    // Pre-order walk; a code longer than 64 bits (never met below 2^40 input
    // bytes) is left empty, which makes every block stored.
    struct Step {
        int node;
        uint64_t bits;
        int depth;
    };
    std::vector<Step> stack{{live[0], 0, 0}};
    while (!stack.empty()) {
        Step s = stack.back();
        stack.pop_back();
        const Node& n = nodes[s.node];
        if (n.value >= 0) {
            PutU16(treeOut, static_cast<uint16_t>(n.value));
            if (s.depth <= 64) m_codes[n.value] = {s.bits, static_cast<uint8_t>(s.depth)};
            continue;
        }
        PutU16(treeOut, 0x8000);
        uint64_t bit = s.depth < 64 ? uint64_t(1) << s.depth : 0;
        stack.push_back({n.second, s.bits, s.depth + 1});      // 0 bit, written second
        stack.push_back({n.first, s.bits | bit, s.depth + 1});  // 1 bit, written first
    }
}

// Appends one block: coded when the code bits fit the reader's buffers,
// stored otherwise.
void CHuffmanCodec::EncodeSlice(std::span<const uint8_t> slice, std::vector<uint8_t>& out) const {
    size_t nbits = 0;
    bool codable = true;
    for (uint8_t b : slice) {
        codable = codable && m_codes[b].length > 0;
        nbits += m_codes[b].length;
    }
    size_t nbytes = (nbits + 7) / 8;
    if (codable && nbytes < kPackedBufferSize) {
        std::vector<uint8_t> bits(nbytes, 0);
        size_t k = 0;
        for (uint8_t b : slice) {
            const Code& c = m_codes[b];
            for (int i = 0; i < c.length; ++i, ++k)
                if ((c.bits >> i) & 1) bits[k >> 3] |= static_cast<uint8_t>(1u << (k & 7));
        }
        std::vector<uint8_t> rle;
        RunLengthWrite(bits, rle);
        // Zero bytes take two bytes each: the run-length form itself must fit too.
        if (rle.size() <= kPackedBufferSize) {
            PutU16(out, static_cast<uint16_t>(rle.size()));
            out.insert(out.end(), rle.begin(), rle.end());
            return;
        }
    }
    PutU16(out, 0);
    out.insert(out.end(), slice.begin(), slice.end());
}

bool CHuffmanCodec::Encode(std::span<const uint8_t> in, std::vector<uint8_t>& out) {
    out.clear();
    if (in.size() > UINT32_MAX) return false;
    std::vector<uint8_t> tree;
    BuildCodes(in, tree);
    PutU16(out, kPackedMagic);
    PutU32(out, static_cast<uint32_t>(in.size()));
    out.push_back(tree.empty() ? 0 : 1);  // empty input: no tree at all
    out.insert(out.end(), tree.begin(), tree.end());
    for (size_t at = 0; at < in.size(); at += kPackedBlockSize)
        EncodeSlice(in.subspan(at, std::min<size_t>(kPackedBlockSize, in.size() - at)), out);
    PutU16(out, 0xFFFF);
    return true;
}
