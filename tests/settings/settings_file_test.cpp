#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <tuple>

namespace tamblor {
namespace {

// Designated initializers below leave the fields they don't name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace std::literals;
namespace fs = std::filesystem;

// Every field differs from its default.
constexpr SeriesLimits oddLimits{0.5, 22'000'000.25, 10.125, -3.0};
const Settings changed{
    false, false,   6,         6,       false,   false, oddLimits, "123456789012345"sv,
    ""sv,  "4k7"sv, "a = b"sv, "R47"sv, "2M2"sv, false};

// A fresh directory for the test's files, removed afterwards. As root it belongs to an ordinary
// user, who does the saving: to root every file is writable.
class SettingsFileTest : public testing::Test {
 protected:
  static constexpr uid_t user = 65534;
  void SetUp() override {
    ASSERT_TRUE(fs::create_directory(directory_));
    ASSERT_TRUE(geteuid() != 0 || chown(directory_.c_str(), user, user) == 0);
  }
  void TearDown() override { fs::remove_all(directory_); }

  bool SaveAsUser(const fs::path& file) {
    if (geteuid() != 0) return SaveSettings(Settings{}, file);
    const pid_t child = fork();
    if (child == 0) _exit(setgid(user) == 0 && setuid(user) == 0 && SaveSettings({}, file) ? 0 : 1);
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  const fs::path directory_ =
      fs::temp_directory_path() / ("tamblor-settings-" + std::to_string(std::random_device()()));
  const fs::path file_ = directory_ / settingsFileName;
};

// Loading resets every field before it reads.
TEST_F(SettingsFileTest, DefaultsAreWrittenAsTheTwentyLinesAndEveryFieldSurvivesASaveAndALoad) {
  Settings settings = changed;
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
  // Every record a run can produce survives too: fuzz/settings_round_trip_fuzz.cpp.
  EXPECT_TRUE(SaveSettings(changed, file_) && LoadSettings(settings, file_));
  EXPECT_EQ(settings, changed);
}

// The save replaces only what opening the file for writing could change, through links, keeping
// the mode; a failure says so in one line naming the file. No temporary file stays behind.
TEST_F(SettingsFileTest, SavesOnlyWhereOpeningForWritingWouldSucceed) {
  const fs::path real = directory_ / "sub" / "real.dat";
  const std::string old = "E24SZN = old\n";
  const auto make = [&](const fs::path& path, int mode, bool ours) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << old;
    fs::permissions(path, fs::perms(mode));
    EXPECT_TRUE(!ours || geteuid() != 0 || chown(path.c_str(), user, user) == 0);
  };
  const auto links = [&] {
    make(real, 0640, true);
    EXPECT_TRUE(geteuid() != 0 || chown(real.parent_path().c_str(), user, user) == 0);
    fs::create_symlink("sub/link", file_);
    fs::create_symlink("real.dat", directory_ / "sub" / "link");
  };
  const std::tuple<std::function<void()>, fs::path, bool, int> cases[] = {
      // what is there, the final target, whether it is written, its mode after
      {[] {}, file_, true, 0},
      {[&] { make(file_, 0600, true); }, file_, true, 0600},
      {[&] { make(file_, 0444, true); }, file_, false, 0444},
      {[&] { make(file_, 0, false); }, file_, false, 0},
      {links, real, true, 0640},
      {[&] { make(file_.string() + ".tmp", 0444, true); }, file_, true, 0},
      {[&] { fs::create_directories(file_ / "kept"); }, file_, false, 0}};
  for (const auto& [setUp, target, written, mode] : cases) {
    SCOPED_TRACE(target.string() + (written ? " written" : " kept"));
    setUp();
    testing::internal::CaptureStderr();
    EXPECT_EQ(SaveAsUser(file_), written);
    const std::string report = testing::internal::GetCapturedStderr();
    Settings loaded = changed;
    EXPECT_EQ(written, report == "" && LoadSettings(loaded, target) && loaded == Settings{});
    EXPECT_TRUE(written || report.starts_with("settings not saved: " + target.string())) << report;
    EXPECT_EQ(report.find('\n'), written ? std::string::npos : report.size() - 1) << report;
    EXPECT_TRUE(written || !fs::is_regular_file(target) || fs::file_size(target) == old.size());
    EXPECT_TRUE(target != real || fs::is_symlink(file_));
    EXPECT_TRUE(mode == 0 || fs::status(target).permissions() == fs::perms(mode));
    EXPECT_FALSE(fs::exists(target.string() + ".tmp"));
    for (const auto& entry : fs::directory_iterator(directory_)) fs::remove_all(entry);
  }
}

// The first key of the table found in a line decides it, not the first in the line. Lines are
// read in pieces of 79 characters, CR LF as LF, up to a NUL byte; texts are cut to 15 characters.
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
      {std::string(79, 'x') + "NO_TIPS = TRUE\n" + std::string(78, 'x') + "NOT_ONTOP = TRUE\n",
       {.tooltipsOn = false}},
      {"E24SZN = " + std::string(70, 'a') + "E24SZM = 2M",
       {.e24MinText{"aaaaaaaaaaaaaaa"}, .e24MaxText{"2M"}}}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ReadSettings(text), expected) << testing::PrintToString(text);
  }
}

}  // namespace
}  // namespace tamblor
