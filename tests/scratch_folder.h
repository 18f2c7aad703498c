// ScratchFolderTest: a fixture whose every case gets a fresh, empty folder of
// its own under the system's temporary folder, named after the case and
// removed after it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class ScratchFolderTest : public ::testing::Test {
 protected:
  explicit ScratchFolderTest(const std::string& prefix)
      : folder(std::filesystem::temp_directory_path() /
               (prefix + ::testing::UnitTest::GetInstance()->current_test_info()->name())) {}

  void SetUp() override {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  const std::filesystem::path folder;
};
