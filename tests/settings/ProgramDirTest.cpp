#include "settings/ProgramDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(ProgramDir, FirstDirectoryHoldingTheStarCatalogue) {
    std::string pattern = (fs::temp_directory_path() / "vn-progdir-XXXXXX").string();
    const fs::path root = mkdtemp(pattern.data());
    fs::create_directories(root / "empty");
    fs::create_directories(root / "bin");
    fs::create_directories(root / "share" / "vesperanova");
    std::ofstream(root / "share" / "vesperanova" / "bsc5.big") << "x";
    fs::create_directories(root / "fake" / "bsc5.big"); // a folder of that name does not count

    EXPECT_EQ(FirstDataDir(
                  {root / "empty", root / "fake", root / "bin" / ".." / "share" / "vesperanova"}),
              (root / "share" / "vesperanova").string());
    EXPECT_EQ(FirstDataDir({root / "empty", root / "missing"}), "");
    EXPECT_EQ(FirstDataDir({}), "");
    fs::remove_all(root);
}

TEST(ProgramDir, BuildTreeFindsTheSourceData) {
    if (!fs::exists(fs::path(VN_SOURCE_DATA_DIR) / "bsc5.big")) {
        GTEST_SKIP() << "the catalogue files are not built yet";
    }
    const std::string found = FindProgramDir();
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(fs::exists(fs::path(found) / "bsc5.big"));
}

// An installed program (here <root>/bin/vesperanova) takes the data beside it, even on the
// machine that built it, where the source tree's data/ exists too.
TEST(ProgramDir, DataBesideTheExecutableComesFirst) {
    std::string pattern = (fs::temp_directory_path() / "vn-progdir-XXXXXX").string();
    const fs::path root = mkdtemp(pattern.data());
    fs::create_directories(root / "bin");
    fs::create_directories(root / "share" / "vesperanova");
    std::ofstream(root / "share" / "vesperanova" / "bsc5.big") << "x";

    EXPECT_EQ(FindProgramDir(root / "bin" / "vesperanova"),
              (root / "share" / "vesperanova").string());
    fs::remove_all(root);
}

} // namespace
