// The main frame: start-up state, menu commands and their check marks, tooltips, always on top,
// the settings file at shut-down, the dialogs, size.

#include <wx/tooltip.h>

#include "tests/ui/gui/frame_fixture.h"
#include "ui/dialogs.h"
#include "ui/tooltips.h"

namespace tamblor::testing {
namespace {

using FrameStart = FrameTest;

TEST_F(FrameStart, WithoutASettingsFileOpensOnTopWithTooltipsAndPictureNothingCalculated) {
  Open();
  EXPECT_EQ(frame_->GetTitle(), "zadazud");
  EXPECT_EQ(frame_->GetToolBar(), nullptr);
  EXPECT_EQ(frame_->GetStatusBar(), nullptr);
  EXPECT_TRUE(Checked(ID_ALWAYS_ON_TOP));
  EXPECT_TRUE(Checked(ID_TOOLTIPS));
  EXPECT_TRUE(Checked(ID_BAND_PICTURE));
  EXPECT_TRUE(Checked(ID_E24_4_BANDS));
  EXPECT_FALSE(Checked(ID_E24_5_BANDS));
  EXPECT_FALSE(Checked(ID_E24_6_BANDS));
  EXPECT_TRUE(Checked(ID_E96_5_BANDS));
  EXPECT_FALSE(Checked(ID_E96_6_BANDS));
  EXPECT_TRUE(frame_->HasFlag(wxSTAY_ON_TOP));
  EXPECT_TRUE(Control(IDC_BAND_PICTURE).IsShown());

  EXPECT_TRUE(Radio(IDC_SERIES_E24).GetValue());
  EXPECT_TRUE(Radio(IDC_TOLERANCE_1).GetValue());
  for (ControlId id : {IDC_TOLERANCE_GROUP, IDC_TOLERANCE_1, IDC_TOLERANCE_01, IDC_E96_MIN,
                       IDC_E96_MAX, IDC_E96_MIN_LABEL, IDC_E96_MAX_LABEL}) {
    EXPECT_FALSE(Control(id).IsEnabled()) << id;
  }
  EXPECT_EQ(Box(IDC_E24_MIN).GetValue(), "1R");
  EXPECT_EQ(Box(IDC_E24_MAX).GetValue(), "10M");
  EXPECT_EQ(Box(IDC_E96_MIN).GetValue(), "1R");
  EXPECT_EQ(Box(IDC_E96_MAX).GetValue(), "1M");
  EXPECT_EQ(wxWindow::FindFocus(), &Box(IDC_REQUIRED));

  for (const ResultRowFields& row : {LOWER_ROW, BEST_ROW, HIGHER_ROW}) {
    EXPECT_EQ(Row(row), std::vector<std::string>(7, ""));
  }
  EXPECT_EQ(view().matchList().Count(), 0);
  EXPECT_EQ(state().r1Bands.digitCount, 0);
  EXPECT_TRUE(state().initialised);
}

TEST_F(FrameStart, NotOnTopInTheSettingsFileOpensAnOrdinaryWindow) {
  WriteSettingsFile("NOT_ONTOP = TRUE\n");
  Open();
  EXPECT_FALSE(Checked(ID_ALWAYS_ON_TOP));
  EXPECT_FALSE(frame_->HasFlag(wxSTAY_ON_TOP));
  Choose(ID_ALWAYS_ON_TOP);
  EXPECT_TRUE(Checked(ID_ALWAYS_ON_TOP));
  EXPECT_TRUE(frame_->HasFlag(wxSTAY_ON_TOP));
}

TEST_F(FrameTest, AlwaysOnTopReachesTheWindowManagerBothWays) {
  Open();
  if (WindowManagerState().empty()) GTEST_SKIP() << "no xprop to ask the window manager";
  const auto above = [] {
    return WindowManagerState().find("_NET_WM_STATE_ABOVE") != std::string::npos;
  };
  EXPECT_TRUE(WaitUntil(above));
  Choose(ID_ALWAYS_ON_TOP);
  EXPECT_FALSE(Checked(ID_ALWAYS_ON_TOP));
  EXPECT_TRUE(WaitUntil([&] { return !above(); }));
  Choose(ID_ALWAYS_ON_TOP);
  EXPECT_TRUE(WaitUntil(above));
}

TEST_F(FrameTest, E24BandCountChecksItsEntryAndRecalculates) {
  Open();
  TypeAndPressEnter("289");
  // A new text not yet calculated: the recalculation after the band command shows it.
  Type(IDC_REQUIRED, "4k7");
  Choose(ID_E24_6_BANDS);
  EXPECT_TRUE(Checked(ID_E24_6_BANDS));
  EXPECT_FALSE(Checked(ID_E24_4_BANDS));
  EXPECT_FALSE(Checked(ID_E24_5_BANDS));
  EXPECT_EQ(state().e24BandCount, 6);
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "4k7");

  // The entry already checked still recalculates.
  Type(IDC_REQUIRED, "289");
  Choose(ID_E24_6_BANDS);
  EXPECT_TRUE(Checked(ID_E24_6_BANDS));
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "288R934");
}

TEST_F(FrameTest, E96BandCountChecksItsEntryAndRecalculates) {
  Open();
  Type(IDC_REQUIRED, "5k");
  Choose(ID_E96_6_BANDS);
  EXPECT_TRUE(Checked(ID_E96_6_BANDS));
  EXPECT_FALSE(Checked(ID_E96_5_BANDS));
  EXPECT_EQ(state().e96BandCount, 6);
  EXPECT_EQ(Text(IDC_BEST_ACTUAL), "5k");
  Choose(ID_E96_5_BANDS);
  EXPECT_EQ(state().e96BandCount, 5);
}

TEST_F(FrameTest, BandPictureCommandShowsAndHidesThePicture) {
  Open();
  Choose(ID_BAND_PICTURE);
  EXPECT_FALSE(Checked(ID_BAND_PICTURE));
  EXPECT_FALSE(Control(IDC_BAND_PICTURE).IsShown());
  EXPECT_FALSE(state().bandsShown);
  Choose(ID_BAND_PICTURE);
  EXPECT_TRUE(Checked(ID_BAND_PICTURE));
  EXPECT_TRUE(Control(IDC_BAND_PICTURE).IsShown());
  EXPECT_TRUE(state().bandsShown);
}

TEST_F(FrameTest, TooltipsCommandSwitchesEveryTooltipAtOnce) {
  Open();
  const auto tooltipsShown = [this](bool on) {
    for (const ToolTipEntry& entry : toolTipTable) {
      SCOPED_TRACE(entry.control);
      const wxToolTip* tip = Control(entry.control).GetToolTip();
      ASSERT_EQ(tip != nullptr, on);
      if (on) {
        EXPECT_EQ(tip->GetTip(), wxString::FromUTF8(entry.textUtf8));
      }
    }
    EXPECT_EQ(Control(IDC_CALCULATE).GetToolTip(), nullptr);
  };
  tooltipsShown(true);
  Choose(ID_TOOLTIPS);
  EXPECT_FALSE(Checked(ID_TOOLTIPS));
  tooltipsShown(false);
  Choose(ID_TOOLTIPS);
  EXPECT_TRUE(Checked(ID_TOOLTIPS));
  tooltipsShown(true);
}

TEST_F(FrameTest, ExitWritesTheMenuStateAndLimitsAndTheNextStartReadsThemBack) {
  Open();
  Type(IDC_E24_MAX, "5M");
  TabAwayFrom(IDC_E24_MAX);
  ClickRadio(IDC_SERIES_E96);
  ClickRadio(IDC_TOLERANCE_01);
  Choose(ID_E24_6_BANDS);
  Choose(ID_E96_6_BANDS);
  Choose(ID_TOOLTIPS);
  Choose(ID_BAND_PICTURE);
  Choose(ID_ALWAYS_ON_TOP);
  Choose(wxID_EXIT);
  frame_ = nullptr;
  ProcessEvents();

  const std::vector<std::string> expected{"NO_TIPS = TRUE",
                                          "NO_BANDS = TRUE",
                                          "E24_4 = FALSE",
                                          "E24_5 = FALSE",
                                          "E24_6 = TRUE",
                                          "E96_5 = FALSE",
                                          "E96_6 = TRUE",
                                          "E24ONLY = FALSE",
                                          "USE_1PC = FALSE",
                                          "E24MIN = 1.000000",
                                          "E24MAX = 5000000.000000",
                                          "E96MIN = 51.100000",
                                          "E96MAX = 1000000.000000",
                                          "E24SZN = 1R",
                                          "E24SZM = 5M",
                                          "E96SZN1 = 1R",
                                          "E96SZN2 = 51R1",
                                          "E96SZM1 = 1M",
                                          "E96SZM2 = 1M",
                                          "NOT_ONTOP = TRUE"};
  EXPECT_EQ(SettingsFileLines(), expected);

  Open();
  EXPECT_FALSE(Checked(ID_TOOLTIPS));
  EXPECT_FALSE(Checked(ID_BAND_PICTURE));
  EXPECT_FALSE(Checked(ID_ALWAYS_ON_TOP));
  EXPECT_TRUE(Checked(ID_E24_6_BANDS));
  EXPECT_TRUE(Checked(ID_E96_6_BANDS));
  EXPECT_FALSE(frame_->HasFlag(wxSTAY_ON_TOP));
  EXPECT_FALSE(Control(IDC_BAND_PICTURE).IsShown());
  EXPECT_EQ(Control(IDC_REQUIRED).GetToolTip(), nullptr);
  EXPECT_TRUE(Radio(IDC_SERIES_E96).GetValue());
  EXPECT_TRUE(Radio(IDC_TOLERANCE_01).GetValue());
  EXPECT_EQ(Box(IDC_E24_MAX).GetValue(), "5M");
  EXPECT_EQ(Box(IDC_E96_MIN).GetValue(), "51R1");
  EXPECT_EQ(state().limits.e24Max, 5'000'000.0);
  EXPECT_EQ(state().e24BandCount, 6);
}

TEST_F(FrameTest, CloseBoxWritesTheSettingsToo) {
  Open();
  Choose(ID_E24_5_BANDS);
  CloseWindow();
  const std::vector<std::string> lines = SettingsFileLines();
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[3], "E24_5 = TRUE");
}

TEST_F(FrameTest, HelpEntriesOpenTheirDialogsOwnedByTheFrame) {
  Open();
  wxTEST_DIALOG(Choose(wxID_ABOUT), ExpectDialog<CAboutDlg>(frame_));
  wxTEST_DIALOG(Choose(ID_EXPLAIN), ExpectDialog<CExplainDlg>(frame_));
}

TEST_F(FrameTest, CannotBeMadeSmallerThanTheForm) {
  Open();
  const wxSize form = view().FormSize();
  EXPECT_EQ(frame_->GetMinClientSize(), form);
  frame_->SetClientSize(form.x / 2, form.y / 2);
  ProcessEvents();
  EXPECT_GE(frame_->GetClientSize().x, form.x);
  EXPECT_GE(frame_->GetClientSize().y, form.y);
}

TEST_F(FrameTest, MatchListFillsTheBottomBelowTheResultRowsWhenResized) {
  Open();
  const wxSize form = view().FormSize();
  frame_->SetClientSize(form.x + 120, form.y + 90);
  ASSERT_TRUE(WaitUntil([&] { return view().GetClientSize().x > form.x; }));
  const wxSize client = view().GetClientSize();
  const int top = view().ConvertDialogToPixels(wxPoint(0, 159)).y;
  const wxRect list = view().matchList().GetParent()->GetRect();
  EXPECT_EQ(list, wxRect(1, top, client.x - 3, client.y - top));
  EXPECT_GT(top, Control(IDC_HIGHER_ACTUAL).GetRect().GetBottom());
  EXPECT_EQ(view().matchList().GetSize(), view().matchList().GetParent()->GetClientSize());
}

}  // namespace
}  // namespace tamblor::testing
