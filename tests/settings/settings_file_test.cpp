#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

namespace tamblor {
namespace {

// Designated initializers below leave the fields they don't name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace std::string_literals;
namespace fs = std::filesystem;

// Every field differs from its default.
Settings Changed() {
  Settings s{false, false, 6, 6, false, false};
  s.limits = {0.5, 22'000'000.25, 10.125, -3.0};
  s.e24MinText.assign("123456789012345");
  s.e24MaxText.assign("");
  s.e96MinText1.assign("4k7");
  s.e96MaxText1.assign("a = b");
  s.e96MinText2.assign("R47");
  s.e96MaxText2.assign("2M2");
  s.alwaysOnTop = false;
  return s;
}

// A fresh directory for the test's files, removed afterwards.
class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(fs::create_directory(directory_)); }
  void TearDown() override { fs::remove_all(directory_); }
  std::ptrdiff_t Entries() const { return std::distance(fs::directory_iterator(directory_), {}); }

  const fs::path directory_ =
      fs::temp_directory_path() / ("tamblor-settings-" + std::to_string(std::random_device()()));
  const fs::path file_ = directory_ / settingsFileName;
};

// Loading resets every field before it reads.
TEST_F(SettingsFileTest, WithoutAFileTheDefaultsHoldAndTheyAreWrittenAsTheTwentyLines) {
  Settings settings = Changed();
  EXPECT_FALSE(LoadSettings(settings, file_));
  EXPECT_EQ(settings, Settings{});

  ASSERT_TRUE(SaveSettings(Settings{}, file_));
  std::ifstream in(file_);  // as text: Windows' CR LF line ends read as "\n"
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
            "NO_TIPS = FALSE\nNO_BANDS = FALSE\nE24_4 = TRUE\nE24_5 = FALSE\nE24_6 = FALSE\n"
            "E96_5 = TRUE\nE96_6 = FALSE\nE24ONLY = TRUE\nUSE_1PC = TRUE\nE24MIN = 1.000000\n"
            "E24MAX = 10000000.000000\nE96MIN = 1.000000\nE96MAX = 1000000.000000\n"
            "E24SZN = 1R\nE24SZM = 10M\nE96SZN1 = 1R\nE96SZN2 = 51R1\nE96SZM1 = 1M\n"
            "E96SZM2 = 1M\nNOT_ONTOP = FALSE\n");
  settings = Changed();
  EXPECT_TRUE(LoadSettings(settings, file_));
  EXPECT_EQ(settings, Settings{});
  EXPECT_EQ(Entries(), 1);
}

TEST_F(SettingsFileTest, EveryFieldSurvivesASaveAndALoadAtEveryBandCount) {
  for (const auto& [e24, e96] : {std::pair(4, 6), {5, 5}, {6, 6}}) {
    Settings saved = Changed(), loaded;
    saved.e24BandCount = e24;
    saved.e96BandCount = e96;
    EXPECT_TRUE(SaveSettings(saved, file_) && LoadSettings(loaded, file_));
    EXPECT_EQ(loaded, saved) << e24 << " and " << e96 << " bands";
  }
}

// A directory in the file's place can't be replaced by a rename.
TEST_F(SettingsFileTest, AFailedSaveKeepsWhatWasThereAndLeavesNoTemporaryFile) {
  EXPECT_FALSE(SaveSettings(Settings{}, directory_ / "missing" / settingsFileName));
  fs::create_directories(file_ / "kept");
  EXPECT_FALSE(SaveSettings(Settings{}, file_));
  EXPECT_TRUE(fs::exists(file_ / "kept"));
  EXPECT_EQ(Entries(), 1);
}

// The first key of the table found in a line decides it, not the first in the line. Lines are
// read in pieces of 79 characters, CR LF as LF (also split across the reader's 4096-byte blocks),
// up to a NUL byte; texts are cut to 15 characters.
TEST(ReadSettings, ReadsEachLineByTheFirstKeyOfTheTableThatItHolds) {
  const std::pair<std::string, Settings> cases[] = {
      {"NO_TIPS = TRUE\n", {.tooltipsOn = false}},
      {"no_tips = TRUE\nNO_TIPS = true\n", {}},
      {"NO_BANDS = TRUE\nNOT_ONTOP = TRUE\n", {.bandsShown = false, .alwaysOnTop = false}},
      {"E24ONLY = FALSE\nUSE_1PC = FALSE\n", {.E24ONLY = false, .USE_1PC = false}},
      {"E24ONLY = FALSE\nE24ONLY = false\nUSE_1PC = FALSE\nUSE_1PC\n", {}},
      {"E24_5 = TRUE\nE96_6 = TRUE\nE24_4 = false\n", {}},
      {"E24_4 = FALSE\nE96_5 = FALSE\n", {}},
      {"E24_4 = FALSE\nE24_6 = TRUE\nE24_5 = TRUE\n", {.e24BandCount = 5}},
      {"E24_4 = FALSE\nE24_6 = TRUE\nE96_5 = FALSE\nE96_6 = TRUE\n",
       {.e24BandCount = 6, .e96BandCount = 6}},
      {"E24MAX = 5 E24MIN\nE96MIN = abc\nE96MAX=-3e2x\nE96MAX 7\n",
       {.limits{5.0, 1e7, 0.0, -300.0}}},
      {"E24SZN =4k7\nE24SZM =\nE96SZN1 3R\n", {.e24MinText{"k7"}, .e24MaxText{""}}},
      {"E96SZN1 = 3R\nE96SZN2 = 4R\nE96SZM1 = 5k\nE96SZM2 = 6k\n",
       {.e96MinText1{"3R"}, .e96MaxText1{"5k"}, .e96MinText2{"4R"}, .e96MaxText2{"6k"}}},
      {"E24SZN = 1234567890123456\n", {.e24MinText{"123456789012345"}}},
      {"E24SZN = 4k\0 7\n\0NO_TIPS = TRUE\n"s, {.e24MinText{"4k"}}},
      {"E24SZN = 4k7\r\nE24SZM = 1\r2\r\r\n", {.e24MinText{"4k7"}, .e24MaxText{"1\r2\r"}}},
      {std::string(4'084, '\n') + "E24SZN = 1R\r\n", {.e24MinText{"1R"}}},
      {std::string(79, 'x') + "NO_TIPS = TRUE\n" + std::string(78, 'x') + "NOT_ONTOP = TRUE\n",
       {.tooltipsOn = false}},
      {"E24SZN = " + std::string(70, 'a') + "E24SZM = 2M",
       {.e24MinText{"aaaaaaaaaaaaaaa"}, .e24MaxText{"2M"}}}};
  for (const auto& [text, expected] : cases) {
    std::istringstream in(text);
    EXPECT_EQ(ReadSettings(in), expected) << testing::PrintToString(text);
  }
}

}  // namespace
}  // namespace tamblor
