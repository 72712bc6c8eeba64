// The catalogue document stars.db: the round trip of every member, the
// malformed files it refuses, and the saves that must not lose it.

#include <gtest/gtest.h>

#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "tests/temp_dir.h"

namespace {

SkyPoint Point(float a, float b) { return {.a = a, .b = b, .x = a * 10.0, .Z = 32767}; }

void AddCity(CLumoDoc& doc, const std::string& name, float lat, float lon) {
    auto c = std::make_unique<CLocalizacion>();
    c->m_strName = name;
    c->m_fLatitude = lat;
    c->m_fLongitude = lon;
    doc.m_cities.push_back(std::move(c));
}

// A document with something in every persisted member and settings changed
// from their initial values.
std::vector<uint8_t> Filled(CLumoDoc& doc) {
    for (int i = 0; i < 3; ++i) {
        auto s = std::make_unique<CStar>();
        s->m_strName = "Star " + std::to_string(i);
        s->m_pos = Point(0.01f * i, -0.02f * i);
        s->m_ptScreen[1] = -i;
        s->m_fMagnitude = 0.001f * i;
        s->m_cType = 'A' + i;
        doc.m_stars.push_back(std::move(s));
    }
    doc.m_figures.emplace_back(Point(1, 2), Point(3, 4));
    doc.m_bounds.emplace_back(Point(5, 6), Point(7, 8));
    doc.m_bounds.emplace_back(Point(9, 1), Point(2, 3));
    doc.m_labels.emplace_back();
    doc.m_labels[0].m_strName = "Boötes";
    doc.m_labels[0].m_pos = Point(0.5f, 0.25f);
    AddCity(doc, "Madrid", 0.7051f, -0.0643f);
    AddCity(doc, "Quito", -0.0038f, -1.3655f);
    doc.m_bGrid = 0;
    doc.m_bObserverOnBody = 1;
    doc.m_nZoom = 1024;
    doc.m_fNameLimit = 1.5f;
    doc.m_nViewAzimuth = 12345;
    doc.m_nViewMode = 0;
    return doc.StoreToBytes();
}

TEST(Document, StoreThenLoadReproducesEveryMemberAndByte) {
    CLumoDoc doc, back;
    const std::vector<uint8_t> bytes = Filled(doc);
    std::string error;
    ASSERT_TRUE(back.LoadFrom(bytes, error)) << error;
    EXPECT_EQ(back.StoreToBytes(), bytes);  // so every stored member was read back
    EXPECT_EQ(back.m_stars.at(2)->m_ptScreen[1], -2);  // the stored screen position is restored
    EXPECT_EQ(back.m_labels.at(0).m_strName, "Boötes");
}

// Malformed files: each fails with a message and leaves the document as it was.
TEST(Document, MalformedFilesFailCleanly) {
    CLumoDoc good;
    const std::vector<uint8_t> bytes = Filled(good), empty = CLumoDoc().StoreToBytes();
    auto patched = [](std::vector<uint8_t> b, size_t at, std::initializer_list<uint8_t> with) {
        for (uint8_t v : with) b[at++] = v;
        return b;
    };
    // Offsets: the star count (0), the new-class tag (4), the schema (6),
    // the class name "CStar" (10), the first star's name (15).
    std::vector<std::tuple<const char*, std::vector<uint8_t>, const char*>> cases = {
        {"empty", {}, "end of file"},
        {"truncated in the stars", {bytes.begin(), bytes.begin() + 200}, "end of file"},
        {"truncated in the settings", {bytes.begin(), bytes.end() - 1}, "end of file"},
        {"wrong class name", patched(bytes, 10, {'X'}), "class"},
        {"schema 2", patched(bytes, 6, {2}), "schema"},
        {"star count larger than the file", patched(bytes, 0, {0xFF, 0xFF, 0xFF, 0x7F}), "stars"},
        {"huge string length",
         patched(bytes, 15, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}), "string"},
    };
    // Counts of figure lines, bounds, labels and cities: about a million each.
    for (size_t count = 4; count <= 16; count += 4)
        cases.emplace_back("count", patched(empty, count + 2, {0x10}), "larger than the file");
    for (const auto& [what, file, message] : cases) {
        CLumoDoc doc;
        AddCity(doc, "Kept", 1, 2);
        doc.m_nZoom = 77;
        std::string error;
        EXPECT_FALSE(doc.LoadFrom(file, error)) << what;
        EXPECT_NE(error.find(message), std::string::npos) << what << ": " << error;
        ASSERT_EQ(doc.m_cities.size(), 1u) << what;
        EXPECT_TRUE(doc.m_stars.empty()) << what;
        EXPECT_EQ(doc.m_nZoom, 77) << what;
    }
}

class DocFileTest : public ::testing::Test {
protected:
    std::vector<uint8_t> Contents() {
        std::vector<uint8_t> b;
        std::string error;
        ReadWholeFile(path, b, error);
        return b;
    }
    TempDir dir;
    std::string path = dir.File("stars.db");
    CDocFile file;
};

TEST_F(DocFileTest, UnreadableFileIsNeverOverwritten) {
    CLumoDoc good, doc;
    std::vector<uint8_t> bytes = Filled(good);
    bytes[10] = 'X';  // wrong class name
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, bytes, error));
    EXPECT_EQ(file.Open(doc, path), CDocFile::OpenResult::Failed);
    EXPECT_NE(file.Error().find(path), std::string::npos);
    EXPECT_FALSE(file.SaveAtExit(doc));
    EXPECT_NE(file.Error().find("left as it is"), std::string::npos);
    EXPECT_EQ(Contents(), bytes);
}

TEST_F(DocFileTest, MissingFileIsCreatedAndStarsAreNeverReplacedByNone) {
    CLumoDoc doc, emptied, again, back;
    EXPECT_EQ(file.Open(doc, path), CDocFile::OpenResult::Missing);
    Filled(doc);
    EXPECT_TRUE(file.SaveAtExit(doc)) << file.Error();
    const std::vector<uint8_t> before = Contents();
    ASSERT_EQ(file.Open(emptied, path), CDocFile::OpenResult::Loaded);
    emptied.m_stars.clear();
    EXPECT_FALSE(file.SaveAtExit(emptied));
    EXPECT_EQ(Contents(), before);
    // A document that still holds its stars saves its changes.
    file.Open(again, path);
    again.m_nZoom = 2048;
    EXPECT_TRUE(file.SaveAtExit(again));
    file.Open(back, path);
    EXPECT_EQ(back.m_nZoom, 2048);
}

}  // namespace
