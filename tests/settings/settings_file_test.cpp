#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tamblor {
namespace {

using namespace std::string_view_literals;
namespace fs = std::filesystem;

Settings Read(std::string_view text) {
  std::istringstream in{std::string(text)};
  return ReadSettings(in);
}

std::string WithCrLf(std::string_view text) {
  std::string result;
  for (const char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

// Every field differs from its default.
Settings ChangedSettings() {
  Settings s;
  s.tooltipsOn = false;
  s.bandsShown = false;
  s.e24BandCount = 6;
  s.e96BandCount = 6;
  s.E24ONLY = false;
  s.USE_1PC = false;
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

// Each test works in a fresh directory of its own, removed afterwards.
class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("tamblor-settings-") + test->test_suite_name() + "-" +
                       test->name() + "-" +
                       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    std::replace(name.begin(), name.end(), '/', '-');
    directory_ = fs::temp_directory_path() / name;
    ASSERT_TRUE(fs::create_directory(directory_));
  }

  void TearDown() override {
    std::error_code error;
    fs::permissions(directory_, fs::perms::owner_all, error);
    fs::remove_all(directory_, error);
  }

  fs::path File() const { return directory_ / settingsFileName; }

  void WriteFile(std::string_view bytes) const {
    std::ofstream(File(), std::ios::binary).write(bytes.data(), std::ssize(bytes));
  }

  std::string ReadFile() const {
    std::ifstream in(File(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path directory_;
};

TEST_F(SettingsFileTest, WithoutAFileLoadingFailsAndGivesTheDefaults) {
  Settings settings = ChangedSettings();
  EXPECT_FALSE(LoadSettings(settings, File()));
  EXPECT_EQ(settings, Settings{});
}

TEST_F(SettingsFileTest, AnyFileLoadsOverTheDefaults) {
  WriteFile("\x01junk\xff\0\n"sv);
  Settings settings = ChangedSettings();
  EXPECT_TRUE(LoadSettings(settings, File()));
  EXPECT_EQ(settings, Settings{});
}

TEST_F(SettingsFileTest, WritesTheTwentyLinesInTheirOrder) {
  ASSERT_TRUE(SaveSettings(Settings{}, File()));
  EXPECT_EQ(ReadFile(),
            "NO_TIPS = FALSE\n"
            "NO_BANDS = FALSE\n"
            "E24_4 = TRUE\n"
            "E24_5 = FALSE\n"
            "E24_6 = FALSE\n"
            "E96_5 = TRUE\n"
            "E96_6 = FALSE\n"
            "E24ONLY = TRUE\n"
            "USE_1PC = TRUE\n"
            "E24MIN = 1.000000\n"
            "E24MAX = 10000000.000000\n"
            "E96MIN = 1.000000\n"
            "E96MAX = 1000000.000000\n"
            "E24SZN = 1R\n"
            "E24SZM = 10M\n"
            "E96SZN1 = 1R\n"
            "E96SZN2 = 51R1\n"
            "E96SZM1 = 1M\n"
            "E96SZM2 = 1M\n"
            "NOT_ONTOP = FALSE\n");

  ASSERT_TRUE(SaveSettings(ChangedSettings(), File()));
  EXPECT_EQ(ReadFile(),
            "NO_TIPS = TRUE\n"
            "NO_BANDS = TRUE\n"
            "E24_4 = FALSE\n"
            "E24_5 = FALSE\n"
            "E24_6 = TRUE\n"
            "E96_5 = FALSE\n"
            "E96_6 = TRUE\n"
            "E24ONLY = FALSE\n"
            "USE_1PC = FALSE\n"
            "E24MIN = 0.500000\n"
            "E24MAX = 22000000.250000\n"
            "E96MIN = 10.125000\n"
            "E96MAX = -3.000000\n"
            "E24SZN = 123456789012345\n"
            "E24SZM = \n"
            "E96SZN1 = 4k7\n"
            "E96SZN2 = R47\n"
            "E96SZM1 = a = b\n"
            "E96SZM2 = 2M2\n"
            "NOT_ONTOP = TRUE\n");
  EXPECT_EQ(Entries(), std::vector<std::string>{settingsFileName});
}

TEST_F(SettingsFileTest, EveryFieldSurvivesASaveAndALoad) {
  for (const int e24 : {4, 5, 6}) {
    for (const int e96 : {5, 6}) {
      SCOPED_TRACE(testing::Message() << "bands " << e24 << " and " << e96);
      Settings saved = ChangedSettings();
      saved.e24BandCount = e24;
      saved.e96BandCount = e96;
      ASSERT_TRUE(SaveSettings(saved, File()));
      Settings loaded;
      ASSERT_TRUE(LoadSettings(loaded, File()));
      EXPECT_EQ(loaded, saved);
    }
  }
}

TEST_F(SettingsFileTest, AFailedSaveKeepsWhatWasThereAndLeavesNoTemporaryFile) {
  EXPECT_FALSE(SaveSettings(Settings{}, directory_ / "missing" / settingsFileName));
  EXPECT_TRUE(Entries().empty());

  fs::create_directory(File());
  std::ofstream(File() / "kept") << "kept";
  EXPECT_FALSE(SaveSettings(Settings{}, File()));
  EXPECT_TRUE(fs::is_directory(File()));
  EXPECT_TRUE(fs::exists(File() / "kept"));
  EXPECT_EQ(Entries(), std::vector<std::string>{settingsFileName});
}

TEST_F(SettingsFileTest, ASaveIntoAReadOnlyDirectoryKeepsTheOldFile) {
  WriteFile("NO_TIPS = TRUE\n");
  fs::permissions(directory_, fs::perms::owner_read | fs::perms::owner_exec);
  if (std::ofstream(directory_ / "probe")) GTEST_SKIP() << "permissions don't bind this user";
  EXPECT_FALSE(SaveSettings(Settings{}, File()));
  EXPECT_EQ(ReadFile(), "NO_TIPS = TRUE\n");
  EXPECT_EQ(Entries(), std::vector<std::string>{settingsFileName});
}

TEST_F(SettingsFileTest, AFileOfMegabytesLoadsPieceByPiece) {
  WriteFile(std::string(2'000'000, 'x') + "\nNO_TIPS = TRUE\n");
  Settings settings;
  EXPECT_TRUE(LoadSettings(settings, File()));
  EXPECT_FALSE(settings.tooltipsOn);
}

void NoChange(Settings&) {}

struct LoadCase {
  std::string_view text;
  void (*change)(Settings&);  // the expected change to the defaults
};

// Each line is read by the first key of the table that it holds; whole records are compared, so a
// rule that touches another field fails too.
TEST(ReadSettings, EachLineIsReadByItsKeyRule) {
  const LoadCase cases[] = {
      {"NO_TIPS = TRUE\n", [](Settings& s) { s.tooltipsOn = false; }},
      {"NO_TIPS = true\n", NoChange},
      {"NO_TIPS = FALSE\n", NoChange},
      {"TRUE, NO_TIPS\n", [](Settings& s) { s.tooltipsOn = false; }},
      {"no_tips = TRUE\n", NoChange},
      {"NO_BANDS = TRUE\n", [](Settings& s) { s.bandsShown = false; }},
      {"NOT_ONTOP = TRUE\n", [](Settings& s) { s.alwaysOnTop = false; }},
      {"E24ONLY = FALSE\n", [](Settings& s) { s.E24ONLY = false; }},
      {"E24ONLY = FALSE\nE24ONLY = false\n", NoChange},
      {"E24ONLY = FALSE\nE24ONLY\n", NoChange},
      {"USE_1PC = FALSE\n", [](Settings& s) { s.USE_1PC = false; }},
      {"USE_1PC = FALSE\nUSE_1PC = yes\n", NoChange},
      {"E24MIN = 47.5\n", [](Settings& s) { s.limits.e24Min = 47.5; }},
      {"E24MIN = abc\n", [](Settings& s) { s.limits.e24Min = 0.0; }},
      {"E24MIN 47\n", NoChange},
      {"E24MIN=-3e2x\n", [](Settings& s) { s.limits.e24Min = -300.0; }},
      {"E24MAX = 5 E24MIN\n", [](Settings& s) { s.limits.e24Min = 5.0; }},
      {"E24MAX = 2e7\nE96MIN = 2\nE96MAX = 3\n",
       [](Settings& s) {
         s.limits = {1.0, 2e7, 2.0, 3.0};
       }},
      {"E24SZN =4k7\n", [](Settings& s) { s.e24MinText.assign("k7"); }},
      {"E24SZN =\n", [](Settings& s) { s.e24MinText.assign(""); }},
      {"E24SZN = \n", [](Settings& s) { s.e24MinText.assign(""); }},
      {"E24SZN 4k7\n", NoChange},
      {"E24SZN = a=b c\n", [](Settings& s) { s.e24MinText.assign("a=b c"); }},
      {"E24SZN = 1234567890123456789\n",
       [](Settings& s) { s.e24MinText.assign("123456789012345"); }},
      {"E96SZN1 = 9 E24SZN\n", [](Settings& s) { s.e24MinText.assign("9 E24SZN"); }},
      {"E24SZM = 2M\nE96SZN1 = 3R\nE96SZN2 = 4R\nE96SZM1 = 5k\nE96SZM2 = 6k\n",
       [](Settings& s) {
         s.e24MaxText.assign("2M");
         s.e96MinText1.assign("3R");
         s.e96MinText2.assign("4R");
         s.e96MaxText1.assign("5k");
         s.e96MaxText2.assign("6k");
       }},
      {"E24SZN = 4k7", [](Settings& s) { s.e24MinText.assign("4k7"); }},
      {"E24SZN = 4k7\r\n", [](Settings& s) { s.e24MinText.assign("4k7"); }},
      {"E24SZN = 1\r2\r\r\n", [](Settings& s) { s.e24MinText.assign("1\r2\r"); }},
      {"E24SZN = 4k\0 7\n"sv, [](Settings& s) { s.e24MinText.assign("4k"); }},
      {"\0NO_TIPS = TRUE\n"sv, NoChange},
      {"no key = TRUE\nNO_TIPS = TRUE", [](Settings& s) { s.tooltipsOn = false; }},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(testing::Message() << testing::PrintToString(std::string(c.text)));
    Settings expected;
    c.change(expected);
    EXPECT_EQ(Read(c.text), expected);
  }
}

TEST(ReadSettings, BandCountsFollowTheFirstSetFlag) {
  const struct {
    std::string_view text;
    int e24;
    int e96;
  } cases[] = {
      {"", 4, 5},
      {"E24_5 = TRUE\n", 4, 5},
      {"E24_4 = FALSE\nE24_5 = TRUE\n", 5, 5},
      {"E24_5 = TRUE\nE24_4 = FALSE\n", 5, 5},
      {"E24_4 = FALSE\nE24_6 = TRUE\n", 6, 5},
      {"E24_4 = FALSE\nE24_5 = TRUE\nE24_6 = TRUE\n", 5, 5},
      {"E24_4 = FALSE\n", 4, 5},
      {"E24_4 = false\nE24_5 = TRUE\n", 4, 5},
      {"E96_6 = TRUE\n", 4, 5},
      {"E96_5 = FALSE\nE96_6 = TRUE\n", 4, 6},
      {"E96_5 = FALSE\n", 4, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    const Settings settings = Read(c.text);
    EXPECT_EQ(settings.e24BandCount, c.e24);
    EXPECT_EQ(settings.e96BandCount, c.e96);
  }
}

// A line of 79 characters fills the buffer; what follows is read as a line of its own.
TEST(ReadSettings, LongLinesAreReadInPiecesOf79Characters) {
  EXPECT_FALSE(Read(std::string(79, 'x') + "NO_TIPS = TRUE\n").tooltipsOn);
  EXPECT_TRUE(Read(std::string(78, 'x') + "NO_TIPS = TRUE\n").tooltipsOn);

  const Settings settings = Read("E24SZN = " + std::string(70, 'a') + "E24SZM = 2M\n");
  EXPECT_EQ(settings.e24MinText, std::string(15, 'a'));
  EXPECT_EQ(settings.e24MaxText, "2M");
}

// The pair counts as one character, as the line feed alone does, wherever the pieces end.
TEST(ReadSettings, CarriageReturnAndLineFeedReadAsALineFeed) {
  for (int length = 60; length <= 85; ++length) {
    SCOPED_TRACE(testing::Message() << length << " characters before the key");
    const std::string text = std::string(length, 'x') + "E24SZN =ab\nE24SZM = cd\n";
    const Settings settings = Read(text);
    EXPECT_EQ(Read(WithCrLf(text)), settings);
    EXPECT_EQ(settings.e24MaxText, "cd");
  }
  for (int power = 8; power <= 16; ++power) {
    for (const int at : {(1 << power) - 1, 1 << power}) {
      SCOPED_TRACE(testing::Message() << "carriage return at " << at);
      const std::string text = std::string(at - 11, '\n') + "E24SZN = 1R\r\nE24SZM = 2M\r\n";
      const Settings settings = Read(text);
      EXPECT_EQ(settings.e24MinText, "1R");
      EXPECT_EQ(settings.e24MaxText, "2M");
    }
  }
}

}  // namespace
}  // namespace tamblor
