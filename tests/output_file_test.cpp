#include "replay/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

#include "replay/output.h"
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
    auto created = OutputFile::Create(path);
    if (auto* reason = std::get_if<std::string>(&created)) {
      ADD_FAILURE() << path << ": " << *reason;
      return nullptr;
    }
    return std::move(std::get<std::unique_ptr<OutputFile>>(created));
  }

  // Writes a whole file as a run does; on failure gives the reason.
  static std::optional<std::string> WriteWholeFile(const std::string& path,
                                                   std::string_view bytes) {
    auto created = OutputFile::Create(path);
    if (auto* reason = std::get_if<std::string>(&created)) {
      return *reason;
    }
    OutputFile& file = *std::get<std::unique_ptr<OutputFile>>(created);
    auto reason = file.Write(bytes);
    if (!reason) {
      reason = file.Finish();
    }
    return reason ? reason : file.Publish();
  }
};

TEST_F(OutputFileTest, TheOldFileStaysUntilTheNewOneIsCommitted) {
  Put("counts.csv", "old");
  auto file = Created(Path("counts.csv"));
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->Write("new"));
  EXPECT_EQ(Contents(Path("counts.csv")), "old");
  EXPECT_EQ(EntryCount(), 2u);
  EXPECT_FALSE(file->Finish());
  EXPECT_EQ(Contents(Path("counts.csv")), "old");
  EXPECT_FALSE(file->Publish());
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
  auto missing = OutputFile::Create(Path("none/x.png"));
  ASSERT_TRUE(std::holds_alternative<std::string>(missing));
  EXPECT_EQ(std::get<std::string>(missing), "No such file or directory");
  fs::create_directory(folder / "sub");
  auto directory = OutputFile::Create(Path("sub"));
  ASSERT_TRUE(std::holds_alternative<std::string>(directory));
  EXPECT_EQ(std::get<std::string>(directory), "Is a directory");
}

TEST_F(OutputFileTest, ALinkIsFollowedToTheFileItNames) {
  Put("data.csv", "old");
  fs::create_symlink(folder / "data.csv", folder / "link.csv");
  EXPECT_FALSE(WriteWholeFile(Path("link.csv"), "new"));
  EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
  EXPECT_EQ(Contents(Path("data.csv")), "new");
}

TEST_F(OutputFileTest, ADeviceIsWrittenInPlace) {
  EXPECT_FALSE(WriteWholeFile("/dev/null", "anything"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(WriteWholeFile("/dev/full", std::string(1 << 16, 'x')), "No space left on device");
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
