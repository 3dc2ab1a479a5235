// The last-file record in the per-user configuration folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "files/settings.h"
#include "support/temp_dir.h"

using namespace dorvel;
using dorvel::testing::readBytes;
using dorvel::testing::TempDir;
using dorvel::testing::writeBytes;

namespace {

// Points XDG_CONFIG_HOME and HOME at a scratch folder for one test.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saveEnv("XDG_CONFIG_HOME", xdg_);
    saveEnv("HOME", home_);
    ::setenv("HOME", dir_.file("home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", dir_.file("config").c_str(), 1);
  }
  void TearDown() override {
    restoreEnv("XDG_CONFIG_HOME", xdg_);
    restoreEnv("HOME", home_);
  }
  static void saveEnv(const char* name, std::pair<bool, std::string>& slot) {
    const char* v = std::getenv(name);
    slot = {v != nullptr, v ? v : ""};
  }
  static void restoreEnv(const char* name, const std::pair<bool, std::string>& slot) {
    if (slot.first)
      ::setenv(name, slot.second.c_str(), 1);
    else
      ::unsetenv(name);
  }

  TempDir dir_;
  std::pair<bool, std::string> xdg_, home_;
};

}  // namespace

TEST_F(SettingsTest, LocationFollowsXdgThenHome) {
  EXPECT_EQ(lastFileRecordPath(), dir_.file("config") + "/Dorvel/Dorvel.ini");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(lastFileRecordPath(), dir_.file("home") + "/.config/Dorvel/Dorvel.ini");
  ::setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: ignored
  EXPECT_EQ(lastFileRecordPath(), dir_.file("home") + "/.config/Dorvel/Dorvel.ini");
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("HOME");
  EXPECT_EQ(lastFileRecordPath(), "");
  RecordingInteraction ui;
  EXPECT_FALSE(rememberDataFile("/x", ui));
  EXPECT_EQ(recallDataFile(ui), "");
  EXPECT_TRUE(ui.log().empty());
}

TEST_F(SettingsTest, FreshAccountHasNoRecordAndNoMessage) {
  RecordingInteraction ui;
  EXPECT_EQ(recallDataFile(ui), "");
  EXPECT_TRUE(ui.log().empty());
}

TEST_F(SettingsTest, PathWithBlanksIsRememberedWhole) {
  RecordingInteraction ui;
  const std::string path = "/home/engineer/My Cases/feed water FT 101.dvl";
  ASSERT_TRUE(rememberDataFile(path, ui));
  EXPECT_EQ(readBytes(lastFileRecordPath()), path + "\r\n");
  EXPECT_EQ(recallDataFile(ui), path);
  // Each file command overwrites the record.
  ASSERT_TRUE(rememberDataFile("/tmp/other.dvl", ui));
  EXPECT_EQ(recallDataFile(ui), "/tmp/other.dvl");
  EXPECT_TRUE(ui.log().empty());
}

TEST_F(SettingsTest, MissingConfigFoldersAreCreated) {
  ::setenv("XDG_CONFIG_HOME", "", 1);
  RecordingInteraction ui;
  ASSERT_TRUE(rememberDataFile("/a/b.dvl", ui));
  EXPECT_TRUE(std::filesystem::exists(dir_.file("home") + "/.config/Dorvel/Dorvel.ini"));
  EXPECT_EQ(recallDataFile(ui), "/a/b.dvl");
}

TEST_F(SettingsTest, FolderThatCannotBeMadeStopsWithoutWriting) {
  writeBytes(dir_.file("config"), "a file where the folder should be");
  RecordingInteraction ui;
  EXPECT_FALSE(rememberDataFile("/a/b.dvl", ui));
  EXPECT_TRUE(ui.log().empty());
  EXPECT_EQ(readBytes(dir_.file("config")), "a file where the folder should be");
}

TEST_F(SettingsTest, RecordThatCannotBeWrittenIsReportedAndKept) {
  RecordingInteraction ui;
  ASSERT_TRUE(rememberDataFile("/first.dvl", ui));
  // A folder in place of the record cannot be replaced.
  std::filesystem::remove(lastFileRecordPath());
  std::filesystem::create_directory(lastFileRecordPath());
  EXPECT_FALSE(rememberDataFile("/second.dvl", ui));
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].rfind("Cannot write the last-file record " + lastFileRecordPath(), 0),
            0u);
  ui.clear();
  EXPECT_EQ(recallDataFile(ui), "");
  EXPECT_EQ(ui.messages().size(), 1u);
}

TEST_F(SettingsTest, OnlyTheFirstLineCountsAndLineEndsAreStripped) {
  std::filesystem::create_directories(dir_.file("config") + "/Dorvel");
  writeBytes(lastFileRecordPath(), "C:\\old\\case.dat\r\nsecond line\r\n");
  RecordingInteraction ui;
  EXPECT_EQ(recallDataFile(ui), "C:\\old\\case.dat");
  writeBytes(lastFileRecordPath(), "/no/line/end.dvl");
  EXPECT_EQ(recallDataFile(ui), "/no/line/end.dvl");
}
