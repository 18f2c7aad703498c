#include "replay/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

#include "replay/output.h"
#include "replay/player.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

class OutputFileTest : public ScratchFolderTest {
 protected:
  OutputFileTest() : ScratchFolderTest("pastura-output-file-") {}

  std::string Path(const char* name) const { return (folder / name).string(); }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  void Put(const char* name, const char* text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  std::size_t EntryCount() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
  }

  static std::unique_ptr<OutputFile> Created(const std::string& path) {
    try {
      return OutputFile::Create(path);
    } catch (const Refusal& refusal) {
      ADD_FAILURE() << refusal.message;
      return nullptr;
    }
  }

  // Writes a whole file as a run does; on failure gives the message.
  static std::optional<std::string> WriteWholeFile(const std::string& path,
                                                   std::string_view bytes) {
    try {
      auto file = OutputFile::Create(path);
      file->Write(bytes);
      file->Finish();
      file->Publish();
      return std::nullopt;
    } catch (const Refusal& refusal) {
      return refusal.message;
    }
  }
};

TEST_F(OutputFileTest, TheOldFileStaysUntilTheNewOneIsCommitted) {
  Put("counts.csv", "old");
  auto file = Created(Path("counts.csv"));
  ASSERT_TRUE(file);
  file->Write("new");
  EXPECT_EQ(Contents(Path("counts.csv")), "old");
  EXPECT_EQ(EntryCount(), 2u);
  file->Finish();
  EXPECT_EQ(Contents(Path("counts.csv")), "old");
  file->Publish();
  EXPECT_EQ(Contents(Path("counts.csv")), "new");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(OutputFileTest, AFileDroppedUnfinishedLeavesNothing) {
  Put("kept.png", "old");
  {
    auto file = Created(Path("kept.png"));
    ASSERT_TRUE(file);
    file->Write("half");
    auto fresh = Created(Path("fresh.png"));
    ASSERT_TRUE(fresh);
  }
  EXPECT_EQ(Contents(Path("kept.png")), "old");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(OutputFileTest, AMissingFolderOrAFolderInPlaceOfTheFileIsRefusedAtOnce) {
  EXPECT_EQ(WriteWholeFile(Path("none/x.png"), ""),
            "cannot write '" + Path("none/x.png") + "': No such file or directory");
  fs::create_directory(folder / "sub");
  EXPECT_EQ(WriteWholeFile(Path("sub"), ""), "cannot write '" + Path("sub") + "': Is a directory");
}

TEST_F(OutputFileTest, ALinkIsFollowedToTheFileItNames) {
  Put("data.csv", "old");
  fs::create_symlink(folder / "data.csv", folder / "link.csv");
  EXPECT_FALSE(WriteWholeFile(Path("link.csv"), "new"));
  EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
  EXPECT_EQ(Contents(Path("data.csv")), "new");
}

TEST_F(OutputFileTest, ALinkToAFileNotMadeYetMakesThatFile) {
  fs::create_symlink("new.csv", folder / "dangling.csv");
  EXPECT_FALSE(WriteWholeFile(Path("dangling.csv"), "new"));
  EXPECT_TRUE(fs::is_symlink(folder / "dangling.csv"));
  EXPECT_EQ(Contents(Path("new.csv")), "new");
}

TEST_F(OutputFileTest, ADeviceIsWrittenInPlace) {
  EXPECT_FALSE(WriteWholeFile("/dev/null", "anything"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(WriteWholeFile("/dev/full", std::string(1 << 16, 'x')),
            "cannot write '/dev/full': No space left on device");
}

TEST_F(OutputFileTest, AReplacedFileKeepsItsPermissionBits) {
  Put("private.csv", "old");
  fs::permissions(folder / "private.csv", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_FALSE(WriteWholeFile(Path("private.csv"), "new"));
  EXPECT_EQ(Contents(Path("private.csv")), "new");
  EXPECT_EQ(fs::status(folder / "private.csv").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(OutputFileTest, TheLongestValidNameHasATemporaryNameToo) {
  const std::string longest(255, 'n');
  EXPECT_FALSE(WriteWholeFile(Path(longest.c_str()), "new"));
  EXPECT_EQ(Contents(Path(longest.c_str())), "new");
  EXPECT_EQ(EntryCount(), 1u);
  // Two files whose names differ only at their end still get their own.
  auto first = Created(Path((longest.substr(1) + "a").c_str()));
  auto second = Created(Path((longest.substr(1) + "b").c_str()));
  EXPECT_TRUE(first && second);
}

TEST(OutputTest, KeepsTheFirstFailedWriteAndWritesNothingAfterIt) {
  std::FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  {
    Output out(full);
    EXPECT_FALSE(out.failure());
    out << "tick 1";
    out.EndLine();
    out.Flush();
    EXPECT_EQ(out.failure(), "No space left on device");
  }
  std::fclose(full);
}

TEST(OutputTest, AClosedStreamFailsOnlyOnceThereIsTextForIt) {
  Output out(stdout);
  out.MarkClosed();
  out.Flush();
  EXPECT_FALSE(out.failure());
  out << "state";
  out.Flush();
  EXPECT_EQ(out.failure(), "Bad file descriptor");
}
