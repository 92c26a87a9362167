#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>

namespace tamblor {
namespace {

// Designated initializers below leave the fields they don't name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace std::literals;
namespace fs = std::filesystem;

// A fresh directory for the test's files, removed afterwards. The saving is done by a child
// process: as root, as an ordinary user, since to root every file is writable.
class SettingsFileTest : public testing::Test {
 protected:
  static constexpr uid_t user = 65534;
  void SetUp() override {
    ASSERT_TRUE(fs::create_directory(directory_));
    ASSERT_TRUE(geteuid() != 0 || chown(directory_.c_str(), user, user) == 0);
  }
  void TearDown() override { fs::remove_all(directory_); }

  // A write beyond `sizeLimit` bytes fails with EFBIG instead of raising a signal.
  bool SaveAsUser(const fs::path& file, rlim_t sizeLimit) {
    const pid_t child = fork();
    if (child == 0) {
      const rlimit limit{sizeLimit, sizeLimit};
      const bool asUser = geteuid() != 0 || (setgid(user) == 0 && setuid(user) == 0);
      signal(SIGXFSZ, SIG_IGN);
      _exit(asUser && setrlimit(RLIMIT_FSIZE, &limit) == 0 && SaveSettings({}, file) ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  const fs::path directory_ = testing::TempDir() + "tamblor-settings-" + std::to_string(getpid());
  const fs::path file_ = directory_ / settingsFileName;
};

// Loading resets every field before it reads.
// Every record a run can produce survives a save and a load: fuzz/settings_fuzz.cpp.
TEST_F(SettingsFileTest, WithoutAFileTheDefaultsHoldAndTheyAreWrittenAsTheTwentyLines) {
  Settings settings{.e24BandCount = 6};
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
}

// The save replaces only what opening the file for writing could change, through links, keeping
// the mode; a failure, also of a write cut short, says so in one line naming the file and leaves
// the old one. No temporary file stays behind.
TEST_F(SettingsFileTest, SavesOnlyWhereOpeningForWritingWouldSucceed) {
  const fs::path real = directory_ / "sub" / "real.dat";
  const auto make = [&](const fs::path& path, int mode, bool ours) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "E24SZN = old\n";
    fs::permissions(path, fs::perms(mode));
    EXPECT_TRUE(!ours || geteuid() != 0 || chown(path.c_str(), user, user) == 0);
  };
  const auto links = [&] {
    make(real, 0640, true);
    EXPECT_TRUE(geteuid() != 0 || chown(real.parent_path().c_str(), user, user) == 0);
    fs::create_symlink("sub/link", file_);
    fs::create_symlink("real.dat", directory_ / "sub" / "link");
  };
  const std::tuple<std::function<void()>, fs::path, rlim_t, bool, int> cases[] = {
      // what is there, the final target, the file size limit, whether it is written, its mode after
      {[&] { make(file_, 0600, true); }, file_, 100, false, 0600},
      {[&] { make(file_, 0444, true); }, file_, RLIM_INFINITY, false, 0444},
      {[&] { make(file_, 0, false); }, file_, RLIM_INFINITY, false, 0},
      {links, real, RLIM_INFINITY, true, 0640},
      {[&] { make(file_.string() + ".tmp", 0444, true); }, file_, RLIM_INFINITY, true, 0},
      {[&] { fs::create_directories(file_ / "kept"); }, file_, RLIM_INFINITY, false, 0}};
  for (const auto& [setUp, target, sizeLimit, written, mode] : cases) {
    SCOPED_TRACE(target.string() + (written ? " written" : " kept"));
    setUp();
    testing::internal::CaptureStderr();
    EXPECT_EQ(SaveAsUser(file_, sizeLimit), written);
    const std::string report = testing::internal::GetCapturedStderr();
    Settings loaded{.e24BandCount = 6};
    const bool loads = LoadSettings(loaded, target);
    EXPECT_EQ(written, loads && loaded == Settings{});
    const std::string failure = "settings not saved: " + target.string();
    EXPECT_EQ(report.substr(0, failure.size()), written ? "" : failure);
    EXPECT_EQ(report.find('\n'), written ? std::string::npos : report.size() - 1) << report;
    EXPECT_TRUE(written || !loads || loaded.e24MinText == "old");
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
      {"NO_TIPS = TRUE\nNO_BANDS = TRUE\nNOT_ONTOP = TRUE\n",
       {.tooltipsOn = false, .bandsShown = false, .alwaysOnTop = false}},
      {"no_tips = TRUE\nNO_TIPS = true\nE24ONLY = FALSE\nE24ONLY = false\n", {}},
      {"USE_1PC = FALSE\nUSE_1PC\nE24_5 = TRUE\nE96_6 = TRUE\nE24_4 = false\n", {}},
      {"E24_4 = FALSE\nE24_6 = TRUE\nE24_5 = TRUE\n", {.e24BandCount = 5}},
      {"E24_4 = FALSE\nE24_6 = TRUE\nE96_5 = FALSE\nE96_6 = TRUE\n",
       {.e24BandCount = 6, .e96BandCount = 6}},
      {"E24MAX = 5 E24MIN\nE24MAX = \t\v\f 2.5e+3k\nE96MIN = 1e-99999999999999999999\n"
       "E96MAX=-3e2x\nE96MAX 7\nE24SZN =4k7\nE24SZM =\nE96SZN1 3R\n",
       {.limits{5.0, 2'500.0, 0.0, -300.0}, .e24MinText{"k7"}, .e24MaxText{""}}},
      {"E24MIN = +-5\nE24MAX = 1e400\nE96MIN = .5.5\nE96MAX = 0x10\n",
       {.limits{0.0, HUGE_VAL, 0.5, 0.0}}},
      {"E24SZN = 1234567890123456\n", {.e24MinText{"123456789012345"}}},
      {"E96SZN1 = 3R\nE96SZN2 = 4R\nE96SZM1 = 5k\nE96SZM2 = 6k\n",
       {.e96MinText1{"3R"}, .e96MaxText1{"5k"}, .e96MinText2{"4R"}, .e96MaxText2{"6k"}}},
      {"E24SZN = 4k\0 7\n\0NO_TIPS = TRUE\n"s, {.e24MinText{"4k"}}},
      {"E24SZN = 4k7\r\nE24SZM = 1\r2\r\r\n", {.e24MinText{"4k7"}, .e24MaxText{"1\r2\r"}}},
      {std::string(79, 'x') + "NO_TIPS = TRUE\n" + std::string(78, 'x') + "NOT_ONTOP = TRUE\n",
       {.tooltipsOn = false}},
      {"E24SZN = " + std::string(70, 'a') + "E24SZM = 2M",
       {.e24MinText{"aaaaaaaaaaaaaaa"}, .e24MaxText{"2M"}}}};
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ReadSettings(text), expected) << testing::PrintToString(text);
}

}  // namespace
}  // namespace tamblor
