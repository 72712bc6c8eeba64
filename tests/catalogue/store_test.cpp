#include <gtest/gtest.h>


#include "catalogue/store_file.h"
#include "framework/file.h"
#include "tests/temp_dir.h"

namespace {

struct Member {
    std::string name;
    std::string data;
};

// A store: magic, directory offset, the members' bytes, then the directory.
std::vector<uint8_t> MakeStore(const std::vector<Member>& members) {
    std::vector<uint8_t> b = {'c', 'r', 0, 0, 0, 0};
    std::vector<uint32_t> offsets;
    for (const Member& m : members) {
        offsets.push_back(static_cast<uint32_t>(b.size()));
        b.insert(b.end(), m.data.begin(), m.data.end());
    }
    uint32_t dir = static_cast<uint32_t>(b.size());
    for (int i = 0; i < 4; ++i) b[2 + i] = static_cast<uint8_t>(dir >> (8 * i));
    for (size_t i = 0; i < members.size(); ++i) {
        b.push_back(static_cast<uint8_t>(members[i].name.size()));
        b.insert(b.end(), members[i].name.begin(), members[i].name.end());
        for (int k = 0; k < 4; ++k) b.push_back(static_cast<uint8_t>(offsets[i] >> (8 * k)));
    }
    b.push_back(0);
    return b;
}

class StoreTest : public ::testing::Test {
protected:
    void Write(const std::vector<uint8_t>& b) {
        std::string error;
        ASSERT_TRUE(WriteFileAtomic(path, b, error));
    }
    std::string ReadAt(CStoreFile& s, size_t n) {
        std::string out(n, '\0');
        s.Read(out.data(), n);
        return out;
    }
    TempDir dir;
    std::string path = dir.File("planets.sto");
};

TEST_F(StoreTest, LookupIgnoresCaseAndTheFirstOfEqualNamesWins) {
    Write(MakeStore({{"Earth.ob3", "EARTH"}, {"esfptr.ob3", "POINT"}, {"earth.OB3", "OTHER"}}));
    CStoreFile store;
    std::string error;
    ASSERT_TRUE(store.OpenStore(path, &error)) << error;
    ASSERT_EQ(store.Directory().size(), 3u);
    EXPECT_EQ(store.Directory()[1].name, "esfptr.ob3");
    EXPECT_TRUE(store.Lookup("EARTH.OB3"));
    EXPECT_EQ(ReadAt(store, 5), "EARTH");
    EXPECT_TRUE(store.Lookup("ESFPTR.ob3"));
    EXPECT_EQ(ReadAt(store, 5), "POINT");
    int64_t pos = store.GetPosition();
    EXPECT_FALSE(store.Lookup("Mars.ob3"));
    EXPECT_FALSE(store.Lookup("Earth"));  // whole names only
    EXPECT_EQ(store.GetPosition(), pos);
}

TEST_F(StoreTest, WrongMagicOrBadDirectoryLeavesAnEmptyDirectory) {
    std::vector<uint8_t> good = MakeStore({{"a", "1234"}});
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<uint8_t> magic = good;
    magic[0] = 'x';
    std::vector<uint8_t> offsetOut = good;
    offsetOut[2] = 0xF0;
    std::vector<uint8_t> noEnd = good;
    noEnd.resize(noEnd.size() - 1);
    std::vector<uint8_t> memberOut = good;
    memberOut[memberOut.size() - 2] = 0x7F;  // high byte of the member offset
    std::vector<uint8_t> longName = good;
    longName[10] = 200;
    Case cases[] = {{"magic", magic}, {"directory offset", offsetOut}, {"no end", noEnd},
                    {"member outside", memberOut}, {"name length", longName},
                    {"too short", {'c', 'r', 6}}};
    for (const Case& c : cases) {
        Write(c.bytes);
        CStoreFile store;
        std::string error;
        EXPECT_FALSE(store.OpenStore(path, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
        EXPECT_TRUE(store.Directory().empty()) << c.what;
        EXPECT_FALSE(store.Lookup("a")) << c.what;
    }
    CStoreFile missing;
    EXPECT_FALSE(missing.OpenStore(dir.File("none.sto")));
}

}  // namespace
