// Opening a model: a store member first, then the plain file, then its
// packed twin; members and twins go through a temporary file.

#include "catalogue/cmp_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/huffman_codec.h"
#include "catalogue/store_file.h"
#include "catalogue/store_writer.h"
#include "framework/file.h"
#include "tests/scoped_env.h"
#include "tests/temp_dir.h"

namespace {
namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes B(const std::string& s) { return Bytes(s.begin(), s.end()); }

class CmpFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_dir.File(name); }
    void Write(const std::string& name, const Bytes& bytes) {
        std::string error;
        ASSERT_TRUE(WriteFileAtomic(Path(name), bytes, error)) << error;
    }
    void MakeStore(const std::vector<StoreMember>& members) {
        Bytes bytes;
        std::string error;
        ASSERT_TRUE(BuildStore(members, bytes, error)) << error;
        Write("planets.sto", bytes);
        ASSERT_TRUE(m_store.OpenStore(Path("planets.sto"), &error)) << error;
    }
    static std::string ReadAll(CFile& f) {
        std::string s(static_cast<size_t>(f.GetLength()), '\0');
        f.Read(s.data(), s.size());
        return s;
    }
    // Names of the files in the folder that end in ".tmp".
    std::vector<std::string> TempFiles() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m_dir.Path()))
            if (e.path().extension() == ".tmp") names.push_back(e.path().filename().string());
        return names;
    }
    TempDir m_dir;
    CStoreFile m_store;
};

TEST_F(CmpFileTest, StoreComesBeforeThePlainFileWhichIsNeverDeleted) {
    MakeStore({{"Model.ob3", B("from the store")}});
    Write("model.ob3", B("plain"));
    Write("other.ob3", B("other"));
    {
        CCmpFile f(&m_store, m_dir.Path());
        ASSERT_TRUE(f.Open(Path("MODEL.OB3"), CFile::modeRead));  // letter case ignored
        EXPECT_EQ(ReadAll(f), "from the store");
        EXPECT_EQ(TempFiles(), std::vector<std::string>{"MODEL.OB3.tmp"});  // the requested name
        f.Close();
        EXPECT_TRUE(TempFiles().empty());
        ASSERT_TRUE(f.Open(Path("other.ob3"), CFile::modeRead));
        EXPECT_EQ(ReadAll(f), "other");
        f.Close();
        f.Close();
    }  // and the destructor closes nothing twice
    EXPECT_TRUE(FileExists(Path("model.ob3")) && FileExists(Path("other.ob3")));
    CCmpFile missing(&m_store, m_dir.Path());
    EXPECT_FALSE(missing.Open(Path("moon.ob3"), CFile::modeRead) || missing.IsOpen());
}

TEST_F(CmpFileTest, PackedTwinIsUnpackedBesideItAndDeletedOnClose) {
    CHuffmanCodec codec;
    Bytes packed;
    ASSERT_TRUE(codec.Encode(B("pointer model"), packed));
    Write("esfptr.ob3.cmp", packed);
    {
        CCmpFile f;
        ASSERT_TRUE(f.Open(Path("esfptr.ob3"), CFile::modeRead));
        EXPECT_EQ(ReadAll(f), "pointer model");
        EXPECT_TRUE(FileExists(Path("esfptr.ob3.tmp")));
    }  // the destructor closes and deletes
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_TRUE(FileExists(Path("esfptr.ob3.cmp")));
}

TEST_F(CmpFileTest, BadPackedSourcesFailWithoutLeavingTemporaryFiles) {
    // A corrupt store member is not looked for elsewhere, even with a plain file.
    Bytes store;
    std::string error;
    ASSERT_TRUE(BuildStore({{"bad.ob3", B("some model bytes")}}, store, error));
    store[6 + 5] = 0x10;  // the member's length field (after the magic): far more than its blocks hold
    Write("planets.sto", store);
    ASSERT_TRUE(m_store.OpenStore(Path("planets.sto")));
    Write("bad.ob3", B("plain"));
    CCmpFile f(&m_store, m_dir.Path());
    EXPECT_FALSE(f.Open(Path("bad.ob3"), CFile::modeRead, &error));
    EXPECT_NE(error.find("cannot unpack"), std::string::npos) << error;
    fs::copy_file(fs::path(LUMO_SOURCE_DIR) / "tests/catalogue/corpus/no_end_marker.cmp", Path("twin.ob3.cmp"));
    CCmpFile twin;
    EXPECT_FALSE(twin.Open(Path("twin.ob3"), CFile::modeRead));
    EXPECT_TRUE(TempFiles().empty());
}

TEST_F(CmpFileTest, TemporaryFileGoesToTheCacheWhenTheFolderCannotTakeIt) {
    ScopedEnv cache("XDG_CACHE_HOME", Path("cache"));
    MakeStore({{"model.ob3", B("from the store")}});
    CCmpFile member(&m_store, Path("no such folder"));
    ASSERT_TRUE(member.Open(Path("model.ob3"), CFile::modeRead));
    EXPECT_EQ(member.GetFilePath(), Path("cache/lumo/model.ob3.tmp"));
    member.Close();
    EXPECT_FALSE(fs::exists(Path("cache/lumo/model.ob3.tmp")));
    // No folder at all can take it: the open fails.
    Write("a file", B("not a folder"));
    ScopedEnv noCache("XDG_CACHE_HOME", Path("a file/cache"));
    CCmpFile f(&m_store, Path("no such folder"));
    EXPECT_FALSE(f.Open(Path("model.ob3"), CFile::modeRead) || f.IsOpen());
}

}  // namespace
