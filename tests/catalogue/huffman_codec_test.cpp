#include "catalogue/huffman_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>


namespace {
using Bytes = std::vector<uint8_t>;

Bytes Pack(const Bytes& in) {
    CHuffmanCodec codec;
    Bytes out;
    EXPECT_TRUE(codec.Encode(in, out));
    return out;
}

bool Unpack(const Bytes& in, Bytes& out, std::string* error = nullptr) {
    CHuffmanCodec codec;
    return codec.Decode(in, out, error);
}

Bytes Expand(const Bytes& in, size_t cap = kPackedBufferSize) {
    Bytes out(cap);
    int n = RunLengthExpand(in, out.data(), cap);
    if (n < 0) return {0xEE, 0xEE};  // marks failure, never a valid expansion here
    out.resize(n);
    return out;
}

Bytes RandomBytes(size_t n, unsigned seed, int range = 256) {
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b) x = static_cast<uint8_t>(rng() % range);
    return b;
}

// Stored lengths of the blocks of a packed stream, in order, walking the
// tree the way the layout describes it.
std::vector<int> BlockLengths(const Bytes& s) {
    size_t pos = 7;
    if (s[6]) {
        for (int needed = 1; needed > 0; pos += 2) {
            --needed;
            if (s[pos + 1] & 0x80) needed += 2;
        }
    }
    uint32_t remaining = s[2] | (s[3] << 8) | (s[4] << 16) | (uint32_t(s[5]) << 24);
    std::vector<int> lengths;
    while (true) {
        auto len = static_cast<int16_t>(s[pos] | (s[pos + 1] << 8));
        pos += 2;
        if (len == -1) return lengths;
        lengths.push_back(len);
        uint32_t n = std::min<uint32_t>(remaining, kPackedBlockSize);
        pos += len == 0 ? n : size_t(len);
        remaining -= n;
    }
}

// A stream header: magic, total length, tree flag.
Bytes Header(uint32_t total, uint8_t flag) {
    return {
        0x23, 0x37, uint8_t(total), uint8_t(total >> 8), uint8_t(total >> 16), uint8_t(total >> 24),
        flag};
}

void Append(Bytes& b, std::initializer_list<int> values16) {
    for (int v : values16) {
        b.push_back(uint8_t(v));
        b.push_back(uint8_t(v >> 8));
    }
}
}  // namespace

TEST(RunLength, ExpandsTheEscapeForms) {
    EXPECT_EQ(Expand({0, 3, 2, 65, 66}), (Bytes{65, 66, 65, 66, 65, 66}));
    EXPECT_EQ(Expand({0, 0}), (Bytes{0}));
    EXPECT_EQ(Expand({7, 0, 0, 9}), (Bytes{7, 0, 9}));
    EXPECT_EQ(Expand({0, 5, 0, 1}), (Bytes{1}));  // an empty pattern adds nothing
}

TEST(RunLength, RefusesCutFormsAndOverflow) {
    Bytes failed{0xEE, 0xEE};
    EXPECT_EQ(Expand({1, 0}), failed);
    EXPECT_EQ(Expand({0, 3}), failed);
    EXPECT_EQ(Expand({0, 3, 2, 65}), failed);
    EXPECT_EQ(Expand({1, 2, 3}, 2), failed);
    EXPECT_EQ(Expand({0, 4, 1, 9}, 3), failed);
    // 255 x 15 bytes twice passes the 4096-byte buffer.
    Bytes big{0, 255, 15};
    big.resize(18, 1);
    Bytes twice = big;
    twice.insert(twice.end(), big.begin(), big.end());
    EXPECT_EQ(Expand(big).size(), 255u * 15);
    EXPECT_EQ(Expand(twice), failed);
}

TEST(RunLength, WritesShortestPatternsAndEscapedZeros) {
    Bytes out;
    RunLengthWrite(Bytes{0}, out);
    EXPECT_EQ(out, (Bytes{0, 0}));
    out.clear();
    RunLengthWrite(Bytes(8, 5), out);  // also a 2-byte pattern 4 times: the 1-byte one wins
    EXPECT_EQ(out, (Bytes{0, 8, 1, 5}));
    out.clear();
    RunLengthWrite(Bytes{1, 2, 1, 2, 1, 2, 1, 2, 7}, out);
    EXPECT_EQ(out, (Bytes{0, 4, 2, 1, 2, 7}));
    out.clear();
    RunLengthWrite(Bytes{4, 4, 4}, out);  // three repeats stay literal
    EXPECT_EQ(out, (Bytes{4, 4, 4}));
    out.clear();
    RunLengthWrite(Bytes(300, 6), out);  // at most 255 repeats per escape
    EXPECT_EQ(out, (Bytes{0, 255, 1, 6, 0, 45, 1, 6}));
}

TEST(PackedStream, RoundTripsVariedData) {
    std::string text;
    while (text.size() < 30000)
        text += "The planets move on their orbits; the Moon shows its phase. ";
    Bytes all256(512);
    for (size_t i = 0; i < all256.size(); ++i) all256[i] = uint8_t(i);
    std::vector<Bytes> inputs = {
        Bytes{}, Bytes{42}, RandomBytes(2047, 1), RandomBytes(2048, 2), RandomBytes(2049, 3),
        RandomBytes(100000, 4), RandomBytes(100000, 5, 4), Bytes(text.begin(), text.end()),
        Bytes(5000, 0), all256};
    for (const Bytes& in : inputs) {
        Bytes packed = Pack(in), out;
        std::string error;
        ASSERT_TRUE(Unpack(packed, out, &error)) << in.size() << " bytes: " << error;
        EXPECT_EQ(out, in) << in.size() << " bytes";
    }
    // Text and skewed data shrink; coded blocks are used for them.
    EXPECT_LT(Pack(Bytes(text.begin(), text.end())).size(), text.size() * 2 / 3);
    EXPECT_GT(BlockLengths(Pack(RandomBytes(5000, 6, 4)))[0], 0);
}

TEST(PackedStream, HasOneBlockPer2048Bytes) {
    EXPECT_EQ(BlockLengths(Pack(RandomBytes(4096, 7))).size(), 2u);
    EXPECT_EQ(BlockLengths(Pack(RandomBytes(4097, 7))).size(), 3u);
    EXPECT_EQ(BlockLengths(Pack(RandomBytes(2047, 7))).size(), 1u);
    EXPECT_TRUE(BlockLengths(Pack(Bytes{})).empty());
}

TEST(PackedStream, OneRepeatedByteIsASingleLeafAndStoredBlocks) {
    Bytes packed = Pack(Bytes(5000, 'x'));
    EXPECT_EQ(packed[6], 1);
    EXPECT_EQ(packed[7] | (packed[8] << 8), 'x');  // the whole tree: one leaf
    EXPECT_EQ(BlockLengths(packed), (std::vector<int>{0, 0, 0}));
}

TEST(PackedStream, DecodesAHandMadeStream) {
    // Tree: internal, leaf 'A' (code 1), leaf 'B' (code 0). Bits of "ABBA":
    // 1, 0, 0, 1 = 0x09, least significant first.
    Bytes s = Header(4, 1);
    Append(s, {0x8000, 'A', 'B', 1});
    s.push_back(0x09);
    Append(s, {-1});
    Bytes out;
    ASSERT_TRUE(Unpack(s, out));
    EXPECT_EQ(out, (Bytes{'A', 'B', 'B', 'A'}));
}

TEST(PackedStream, RejectsMalformedStreams) {
    // Each case must fail for its own reason, named in the message.
    auto fails = [](const Bytes& s, const char* reason) {
        Bytes out;
        std::string error;
        EXPECT_FALSE(Unpack(s, out, &error)) << reason;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    };
    Bytes leafTree = Header(4, 1);
    Append(leafTree, {0x8000, 'A', 'B'});

    Bytes s = Header(4, 0);
    Append(s, {-2});
    fails(s, "outside -1..4096");
    s = Header(4, 0);
    Append(s, {4097});
    s.resize(s.size() + 4097);
    fails(s, "outside -1..4096");
    s = Header(4, 0);
    Append(s, {1});
    s.push_back(0x09);
    Append(s, {-1});
    fails(s, "without a code tree");
    s = Header(4, 1);
    for (int i = 0; i < 600; ++i) Append(s, {0x8000});
    fails(s, "more than 511 nodes");
    s = Header(4, 1);
    Append(s, {0x8000, 'A'});
    fails(s, "tree is cut short");
    s = leafTree;
    Append(s, {36});
    for (int twice = 0; twice < 2; ++twice) {
        s.insert(s.end(), {0, 255, 15});
        s.resize(s.size() + 15, 1);
    }
    Append(s, {-1});
    fails(s, "run-length form is malformed");
    s = Header(10, 1);
    Append(s, {0x8000, 'A', 'B', 1});
    s.push_back(0xFF);  // 8 bits for 10 codes of one bit
    Append(s, {-1});
    fails(s, "runs out of code bits");
    s = Header(2, 0);
    Append(s, {0});
    s.push_back(1);
    s.push_back(2);
    Append(s, {0});
    s.push_back(3);
    Append(s, {-1});
    fails(s, "more blocks than its length");
    s = Header(3000, 0);
    Append(s, {0});
    s.resize(s.size() + 2048);
    Append(s, {-1});
    fails(s, "before its declared length");
    Bytes packed = Pack(RandomBytes(100, 8));
    packed[0] = '#';
    packed[1] = '8';
    fails(packed, "not a packed stream");
}

TEST(PackedStream, EveryCutShortStreamFails) {
    Bytes packed = Pack(RandomBytes(5000, 9, 16));
    Bytes out;
    for (size_t n = 0; n < packed.size(); ++n)
        EXPECT_FALSE(Unpack(Bytes(packed.begin(), packed.begin() + n), out)) << n;
    size_t consumed = 0;
    CHuffmanCodec codec;
    packed.push_back(0x55);  // bytes after the stream are not part of it
    EXPECT_TRUE(codec.Decode(
        packed, [](const uint8_t*, size_t) { return true; }, nullptr, &consumed));
    EXPECT_EQ(consumed, packed.size() - 1);
}
