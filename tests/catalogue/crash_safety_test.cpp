// A save of stars.db interrupted at every byte boundary of its temporary
// file never leaves stars.db unreadable: it keeps the last complete save.

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "tests/temp_dir.h"

namespace {

TEST(CrashSafety, InterruptedSavesKeepTheLastCompleteCatalogue) {
    TempDir dir;
    const std::string path = dir.File("stars.db");
    // A small catalogue from the real one: its first stars, lines and cities.
    std::vector<uint8_t> real;
    std::string error;
    ASSERT_TRUE(ReadWholeFile(JoinPath(LUMO_BIN_DIR, "stars.db"), real, error)) << error;
    CLumoDoc doc;
    ASSERT_TRUE(doc.LoadFrom(real, error)) << error;
    doc.m_stars.resize(12);
    doc.m_figures.resize(5);
    doc.m_bounds.resize(5);
    doc.m_labels.resize(3);
    doc.m_cities.resize(4);
    CDocFile file;
    ASSERT_TRUE(file.SaveAs(doc, path)) << file.Error();
    const std::vector<uint8_t> saved = doc.StoreToBytes();

    doc.m_nZoom = 777;  // the change the interrupted saves try to write
    const std::vector<uint8_t> next = doc.StoreToBytes();
    for (size_t k = 0; k < next.size(); ++k) {
        ASSERT_FALSE(WriteFileAtomicInterrupted(path, next, error, k));
        std::vector<uint8_t> now;
        ASSERT_TRUE(ReadWholeFile(path, now, error));
        ASSERT_EQ(now, saved) << "interrupted after " << k << " bytes";
        CLumoDoc back;
        ASSERT_TRUE(back.LoadFrom(now, error)) << k << ": " << error;
        ASSERT_EQ(back.m_nZoom, 256);
    }
    // The leftovers are partial temporary files beside it, never stars.db itself.
    size_t leftovers = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        if (e.path().filename() != "stars.db") ++leftovers;
    EXPECT_EQ(leftovers, next.size());
    // The next complete save goes through.
    ASSERT_TRUE(file.SaveAs(doc, path)) << file.Error();
    CLumoDoc back;
    CDocFile again;
    ASSERT_EQ(again.Open(back, path), CDocFile::OpenResult::Loaded);
    EXPECT_EQ(back.m_nZoom, 777);
}

}  // namespace
