// Two paths are one file when the file system says so, however they are
// spelt; a path lies inside a folder at any depth, made or not.
#include "replay/path_identity.h"

#include <gtest/gtest.h>

#include <fstream>

#include "scratch_folder.h"

namespace fs = std::filesystem;

class PathIdentityTest : public ScratchFolderTest {
 protected:
  PathIdentityTest() : ScratchFolderTest("pastura-path-identity-") {}

  void SetUp() override {
    ScratchFolderTest::SetUp();
    fs::create_directories(root / "real" / "inner");
    fs::create_symlink(root / "real" / "inner", root / "L");
    std::ofstream(root / "real" / "s.txt") << "tick";
  }

  const fs::path& root = folder;
};

TEST_F(PathIdentityTest, AnExistingFileIsOneWhateverTheSpelling) {
  EXPECT_TRUE(SameFile(root / "L" / ".." / "s.txt", root / "real" / "s.txt"));
  EXPECT_TRUE(SameFile(root / "real" / "." / "s.txt", root / "real" / "s.txt"));
  fs::create_hard_link(root / "real" / "s.txt", root / "hard.txt");
  EXPECT_TRUE(SameFile(root / "hard.txt", root / "real" / "s.txt"));
  EXPECT_FALSE(SameFile(root / "real" / "s.txt", root / "real" / "inner"));
}

TEST_F(PathIdentityTest, ANewFileIsItsFolderAndItsName) {
  EXPECT_TRUE(SameFile(root / "L" / ".." / "new.csv", root / "real" / "new.csv"));
  EXPECT_FALSE(SameFile(root / "L" / "new.csv", root / "real" / "new.csv"));
  EXPECT_FALSE(SameFile(root / "real" / "new.csv", root / "real" / "s.txt"));
  fs::create_symlink("new.csv", root / "real" / "dangling.csv");
  EXPECT_TRUE(SameFile(root / "L" / ".." / "dangling.csv", root / "real" / "new.csv"));
}

TEST_F(PathIdentityTest, InsideAFolderAtAnyDepthMadeOrNot) {
  EXPECT_TRUE(InsideFolder(root / "real" / "inner" / "frame-000001.png", root / "L"));
  EXPECT_TRUE(InsideFolder(root / "L" / "sub" / ".." / "x.png", root / "real" / "inner"));
  EXPECT_TRUE(InsideFolder(root / "fresh" / "deep" / "x.png", root / "fresh"));
  EXPECT_FALSE(InsideFolder(root / "L" / ".." / "s.txt", root / "L"));
  EXPECT_FALSE(InsideFolder(root / "real", root / "real" / "inner"));
}
