// The planet store: lookups by name and the malformed stores it refuses.

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
    ASSERT_TRUE(store.OpenStore(path));
    ASSERT_EQ(store.Directory().size(), 3u);
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
    const std::vector<uint8_t> good = MakeStore({{"a", "1234"}});  // the directory from byte 10
    auto with = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> b = good;
        b[at] = value;
        return b;
    };
    const std::pair<const char*, std::vector<uint8_t>> cases[] = {
        {"magic", with(0, 'x')},
        {"directory offset", with(2, 0xF0)},
        {"no end", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"member outside", with(good.size() - 2, 0x7F)},  // high byte of the member offset
        {"name length", with(10, 200)},
        {"too short", {'c', 'r', 6}}};
    for (const auto& [what, bytes] : cases) {
        Write(bytes);
        CStoreFile store;
        std::string error;
        EXPECT_FALSE(store.OpenStore(path, &error)) << what;
        EXPECT_FALSE(error.empty()) << what;
        EXPECT_FALSE(store.Lookup("a")) << what;
    }
    CStoreFile missing;
    EXPECT_FALSE(missing.OpenStore(dir.File("none.sto")));
}

}  // namespace
