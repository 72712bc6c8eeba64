// `lumo-data model FILE --render OUT.png`: a model file drawn to a picture.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/object_write.h"
#include "framework/file.h"
#include "tests/engine/scene_models.h"
#include "tests/temp_dir.h"

namespace {

class ModelPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        OwnedObject cube;
        ASSERT_TRUE(MakeCube(cube.obj, 60, {2, 3, 4, 5, 14, 15}));
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(ObjectWrite(cube.obj, bytes, &error)) << error;
        ASSERT_TRUE(WriteFileAtomic(dir.File("cube.ob3"), bytes, error)) << error;
    }
    // Runs lumo-data model on the cube with the options; returns the exit status.
    int Run(const std::string& options) {
        const std::string cmd = JoinPath(LUMO_BIN_DIR, "lumo-data") + " model " + dir.File("cube.ob3") +
                                " " + options + " >" + dir.File("out.txt") + " 2>&1";
        const int status = std::system(cmd.c_str());
        std::vector<uint8_t> bytes;
        std::string error;
        ReadWholeFile(dir.File("out.txt"), bytes, error);
        out.assign(bytes.begin(), bytes.end());
        return WEXITSTATUS(status);
    }
    TempDir dir;
    std::string out;
};

TEST_F(ModelPictureTest, RendersThePictureOfTheGivenSizeAndRefusesMalformedOptions) {
    ASSERT_EQ(Run("--render " + dir.File("cube.png") + " --angle 0,-22,33 --size 160x120"), 0) << out;
    EXPECT_NE(out.find("(160x120, distance "), std::string::npos) << out;
    std::vector<uint8_t> png;
    std::string error;
    ASSERT_TRUE(ReadWholeFile(dir.File("cube.png"), png, error) && png.size() > 24) << error;
    // IHDR width and height, big-endian
    EXPECT_TRUE((png[19] | png[18] << 8) == 160 && (png[23] | png[22] << 8) == 120);
    for (const char* options : {"--render x.png --size 5000x10", "--spin 3"})
        EXPECT_EQ(Run(options), 2) << options << "\n" << out;
    EXPECT_EQ(Run("--render /no/such/folder/x.png"), 1) << out;
}

}  // namespace
