// The packed stream: the run-length form, round trips, a stream made by
// hand, and the malformed corpus (tests/catalogue/corpus).

#include "catalogue/huffman_codec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "framework/file.h"

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

const Bytes kFailed{0xEE, 0xEE};  // never a valid expansion here

Bytes Expand(const Bytes& in, size_t cap = kPackedBufferSize) {
    Bytes out(cap);
    int n = RunLengthExpand(in, out.data(), cap);
    if (n < 0) return kFailed;
    out.resize(n);
    return out;
}

Bytes RandomBytes(size_t n, unsigned seed, int range = 256) {
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b) x = static_cast<uint8_t>(rng() % range);
    return b;
}

TEST(RunLength, EscapeFormsAndTheBufferLimit) {
    EXPECT_EQ(Expand({0, 3, 2, 65, 66}), (Bytes{65, 66, 65, 66, 65, 66}));
    EXPECT_EQ(Expand({7, 0, 0, 9}), (Bytes{7, 0, 9}));
    EXPECT_EQ(Expand({0, 5, 0, 1}), (Bytes{1}));  // an empty pattern adds nothing
    for (const Bytes& cut : {Bytes{1, 0}, Bytes{0, 3, 2, 65}}) EXPECT_EQ(Expand(cut), kFailed);
    EXPECT_EQ(Expand({0, 4, 1, 9}, 3), kFailed);
    // 255 x 15 bytes fit the 4096-byte buffer once, not twice.
    Bytes big{0, 255, 15};
    big.resize(18, 1);
    Bytes twice = big;
    twice.insert(twice.end(), big.begin(), big.end());
    EXPECT_EQ(Expand(big).size(), 255u * 15);
    EXPECT_EQ(Expand(twice), kFailed);
}

TEST(PackedStream, RoundTripsVariedData) {
    std::string text;
    while (text.size() < 30000) text += "The planets move on their orbits; the Moon shows its phase. ";
    std::vector<Bytes> inputs = {
        Bytes{}, Bytes{42}, RandomBytes(2047, 1), RandomBytes(2048, 2), RandomBytes(2049, 3),
        RandomBytes(100000, 5, 4), Bytes(text.begin(), text.end()), Bytes(5000, 0)};
    for (const Bytes& in : inputs) {
        Bytes packed = Pack(in), out;
        std::string error;
        ASSERT_TRUE(Unpack(packed, out, &error)) << in.size() << " bytes: " << error;
        EXPECT_EQ(out, in) << in.size() << " bytes";
    }
    EXPECT_LT(Pack(Bytes(text.begin(), text.end())).size(), text.size() * 2 / 3);  // text shrinks
}

TEST(PackedStream, DecodesAHandMadeStream) {
    // Header "#7", length 4, a tree (internal, leaf 'A' with code 1, leaf 'B'
    // with code 0), one coded block of 1 byte: the bits of "ABBA", 1, 0, 0, 1 =
    // 0x09 least significant first; the end marker -1.
    const Bytes s = {0x23, 0x37, 4, 0, 0, 0, 1, 0x00, 0x80, 'A', 0, 'B', 0, 1, 0, 0x09, 0xFF, 0xFF};
    Bytes out;
    ASSERT_TRUE(Unpack(s, out));
    EXPECT_EQ(out, (Bytes{'A', 'B', 'B', 'A'}));
    // Declared 3000 bytes, one stored block of 2048, the end marker.
    Bytes shortStream = {0x23, 0x37, 0xB8, 0x0B, 0, 0, 0, 0, 0};
    shortStream.resize(shortStream.size() + 2048);
    shortStream.insert(shortStream.end(), {0xFF, 0xFF});
    std::string error;
    EXPECT_FALSE(Unpack(shortStream, out, &error));
    EXPECT_NE(error.find("before its declared length"), std::string::npos) << error;
}

TEST(PackedStream, MalformedCorpusFailsEachForItsOwnReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"bad_magic", "not a packed stream"},
        {"blocks_past_length", "more blocks than its length"},
        {"code_runs_out", "runs out of code bits"},
        {"coded_block_without_tree", "without a code tree"},
        {"cut_in_stored_block", "cut short"},
        {"expansion_past_4096", "run-length form is malformed"},
        {"no_end_marker", "before its end marker"},
        {"stored_length_above_4096", "outside -1..4096"},
        {"stored_length_below_minus_one", "outside -1..4096"},
        {"tree_missing_subtree", "tree is cut short"},
        {"tree_too_large", "more than 511 nodes"},
    };
    const std::filesystem::path corpus = std::filesystem::path(LUMO_SOURCE_DIR) / "tests/catalogue/corpus";
    for (const auto& [name, reason] : cases) {
        Bytes bytes, out;
        std::string error;
        ASSERT_TRUE(ReadWholeFile((corpus / (std::string(name) + ".cmp")).string(), bytes, error)) << name;
        EXPECT_FALSE(Unpack(bytes, out, &error)) << name;
        EXPECT_NE(error.find(reason), std::string::npos) << name << ": " << error;
    }
}

TEST(PackedStream, EveryCutShortStreamFails) {
    Bytes packed = Pack(RandomBytes(5000, 9, 16));
    Bytes out;
    for (size_t n = 0; n < packed.size(); ++n)
        EXPECT_FALSE(Unpack(Bytes(packed.begin(), packed.begin() + n), out)) << n;
    size_t consumed = 0;
    CHuffmanCodec codec;
    packed.push_back(0x55);  // bytes after the stream are not part of it
    EXPECT_TRUE(codec.Decode(packed, [](const uint8_t*, size_t) { return true; }, nullptr, &consumed));
    EXPECT_EQ(consumed, packed.size() - 1);
}

}  // namespace
