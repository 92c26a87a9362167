// The main frame: the first start, the menu commands with their check marks, the settings file
// at shut-down and at the next start; and the screenshot of the README.

#include "tests/ui/gui/frame_fixture.h"
#include "ui/dialogs.h"

namespace tamblor::testing {
namespace {

// In the order of their command numbers: 工具, 色环, the E24 and E96 band counts, 顶部.
const Texts defaultChecks{"工具", "色环", "4 环", "5 环", "顶部"};
const Texts sixBandChecks{"6 环", "6 环"};

// The first start without a settings file; each menu command takes effect at once; the settings
// written at close are read back at the next start.
TEST_F(FrameTest, FirstStartThenEachMenuCommandThenTheSettingsReadBackAtTheNextStart) {
  Open();
  EXPECT_EQ(frame_->GetTitle(), "zadazud");
  ExpectSwitches(true, defaultChecks);
  EXPECT_EQ(SeriesChoice(), "E24 1% fixed");
  EXPECT_EQ((Texts{Text(IDC_E24_MIN), Text(IDC_E24_MAX), Text(IDC_E96_MIN), Text(IDC_E96_MAX)}),
            (Texts{"1R", "10M", "1R", "1M"}));
  EXPECT_EQ(wxWindow::FindFocus(), &Box(IDC_REQUIRED));
  wxTEST_DIALOG(Choose(wxID_ABOUT), ExpectModal<CAboutDlg>());
  wxTEST_DIALOG(Choose(ID_EXPLAIN), ExpectModal<CExplainDlg>());
  // A band count recalculates, even when chosen again: the text not yet calculated shows.
  for (const auto& [required, command, best] :
       {std::tuple{"4k7", ID_E24_6_BANDS, "4k7"}, std::tuple{"289", ID_E24_6_BANDS, "288R934"},
        std::tuple{"5k", ID_E96_6_BANDS, "5k"}}) {
    Type(IDC_REQUIRED, required);
    Choose(command);
    EXPECT_EQ(Text(IDC_BEST_ACTUAL), best);
  }
  Type(IDC_E24_MAX, "5M");
  Press(WXK_TAB, Box(IDC_E24_MAX));
  Click(IDC_SERIES_E96);
  Click(IDC_TOLERANCE_01);
  EXPECT_EQ(Text(IDC_E96_MIN), "51R1");
  for (int command : {ID_TOOLTIPS, ID_BAND_PICTURE, ID_ALWAYS_ON_TOP}) Choose(command);
  ExpectSwitches(false, sixBandChecks);
  CloseWindow(true);
  // A longer text, as an older version or an editor may leave, shows as much as the box holds.
  std::ofstream("Tamblor.dat", std::ios::app) << "E24SZN = 1R000000000\n";

  Open();
  ExpectSwitches(false, sixBandChecks);
  EXPECT_EQ(SeriesChoice(), "E96 0.1%");
  EXPECT_EQ((Texts{Text(IDC_E24_MIN), Text(IDC_E24_MAX), Text(IDC_E96_MIN)}),
            (Texts{"1R00000", "5M", "51R1"}));
  EXPECT_EQ((std::pair{state().limits.e24Max, state().limits.e96Min}), (std::pair{5e6, 51.1}));
  Click(IDC_TOLERANCE_1);
  EXPECT_EQ(Text(IDC_E96_MIN), "1R");
  Click(IDC_SERIES_E24);
  EXPECT_EQ(SeriesChoice(), "E24 1% fixed");
  // A box holds only the characters that count: an eighth one typed is refused.
  Type(IDC_REQUIRED, "1");
  Press(WXK_END, Box(IDC_REQUIRED));
  wxUIActionSimulator().Text("2345678");
  Settle();
  EXPECT_EQ(Text(IDC_REQUIRED), "1234567");
  for (int c : {ID_TOOLTIPS, ID_BAND_PICTURE, ID_ALWAYS_ON_TOP, ID_E24_4_BANDS, ID_E96_5_BANDS})
    Choose(c);
  ExpectSwitches(true, defaultChecks);
}

// Each of the twenty lines at a value other than its default reaches the form or the menu at the
// start, and is written as it came at the close.
TEST_F(FrameTest, EveryLineOfTheSettingsFileReachesTheFormAndIsWrittenBack) {
  const std::string file =
      "NO_TIPS = TRUE\nNO_BANDS = TRUE\nE24_4 = FALSE\nE24_5 = FALSE\nE24_6 = TRUE\n"
      "E96_5 = FALSE\nE96_6 = TRUE\nE24ONLY = FALSE\nUSE_1PC = FALSE\nE24MIN = 2.000000\n"
      "E24MAX = 3000000.000000\nE96MIN = 4.000000\nE96MAX = 500000.000000\nE24SZN = 2R\n"
      "E24SZM = 3M\nE96SZN1 = 4R\nE96SZN2 = 52R3\nE96SZM1 = 5M\nE96SZM2 = 500k\nNOT_ONTOP = TRUE\n";
  std::ofstream("Tamblor.dat") << file;
  Open();
  ExpectSwitches(false, sixBandChecks);
  EXPECT_EQ(SeriesChoice(), "E96 0.1%");
  EXPECT_EQ(state().limits, (SeriesLimits{2.0, 3e6, 4.0, 5e5}));
  Texts texts;
  for (const FieldText* text : {&state().e24MinText, &state().e24MaxText, &state().e96MinText1,
                                &state().e96MaxText1, &state().e96MinText2, &state().e96MaxText2})
    texts.emplace_back(text->view());
  EXPECT_EQ(texts, (Texts{"2R", "3M", "4R", "5M", "52R3", "500k"}));
  CloseWindow();
  std::ifstream written("Tamblor.dat");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), file);
}

// Not a check: with TAMBLOR_SCREENSHOT set to an absolute file name, writes there a PNG of the
// window after a calculation (scripts/screenshot keeps the README's picture current this way).
using Screenshot = FrameTest;
TEST_F(Screenshot, WindowAfterACalculation) {
  const char* target = std::getenv("TAMBLOR_SCREENSHOT");
  if (!target || !std::filesystem::path(target).is_absolute()) GTEST_SKIP() << "no absolute path";
  Open();
  Calculate("5k");
  Box(IDC_REQUIRED).SetInsertionPointEnd();
  // Let the window manager and GTK finish drawing before the pixels are read.
  for (int round = 0; round < 3; ++round) Settle();
  EXPECT_TRUE(Grab(*frame_).SaveFile(wxString::FromUTF8(target), wxBITMAP_TYPE_PNG));
}

}  // namespace
}  // namespace tamblor::testing
