// `lumo-data model FILE --render OUT.png`: a model file drawn to a picture.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/file.h"
#include "tests/engine/scene_models.h"
#include "tests/temp_dir.h"

namespace {

TEST(ModelPictureTest, RendersThePictureOfTheGivenSizeAndRefusesMalformedOptions) {
    TempDir dir;
    OwnedObject cube;
    ASSERT_TRUE(MakeCube(cube.obj, 60, {2, 3, 4, 5, 14, 15}));
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(ObjectWrite(cube.obj, bytes, &error)) << error;
    ASSERT_TRUE(WriteFileAtomic(dir.File("cube.ob3"), bytes, error)) << error;
    // Runs lumo-data model on the cube with the options; returns the exit status.
    auto run = [&](const std::string& options) {
        const std::string cmd = JoinPath(LUMO_BIN_DIR, "lumo-data") + " model " +
                                dir.File("cube.ob3") + " " + options + " >/dev/null 2>&1";
        return WEXITSTATUS(std::system(cmd.c_str()));
    };
    ASSERT_EQ(run("--render " + dir.File("cube.png") + " --angle 0,-22,33 --size 160x120"), 0);
    std::vector<uint8_t> png;
    ASSERT_TRUE(ReadWholeFile(dir.File("cube.png"), png, error) && png.size() > 24) << error;
    // IHDR width and height, big-endian
    EXPECT_TRUE((png[19] | png[18] << 8) == 160 && (png[23] | png[22] << 8) == 120);
    for (const char* options : {"--render x.png --size 5000x10", "--spin 3"})
        EXPECT_EQ(run(options), 2) << options;
    EXPECT_EQ(run("--render /no/such/folder/x.png"), 1);
}

}  // namespace
