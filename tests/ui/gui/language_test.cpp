// The interface in English, from the catalog the program carries: the menus, the form's labels,
// its tooltips and the dialogs' titles; the result texts, English already, stay as they are.

#include <wx/stattext.h>

#include "tests/ui/gui/frame_fixture.h"
#include "ui/dialogs.h"
#include "ui/finder_window.h"
#include "ui/translations.h"

namespace tamblor::testing {
namespace {

class EnglishFrameTest : public FrameTest {
 protected:
  EnglishFrameTest() { UseInterfaceLanguage(InterfaceLanguage::English); }
  ~EnglishFrameTest() override { UseInterfaceLanguage(InterfaceLanguage::Chinese); }

  Texts MenuTitles() {
    Texts titles;
    for (std::size_t menu = 0; menu < frame_->GetMenuBar()->GetMenuCount(); ++menu)
      titles.push_back(frame_->GetMenuBar()->GetMenuLabelText(menu).utf8_string());
    return titles;
  }
  // Whether the form shows a label that reads `text`.
  bool ShowsLabel(const std::string& text) {
    const wxWindowList& controls = frame_->view().GetChildren();
    return std::any_of(controls.begin(), controls.end(), [&](const wxWindow* control) {
      return dynamic_cast<const wxStaticText*>(control) &&
             control->GetLabel().utf8_string() == text;
    });
  }
  Texts BestRow() {
    Texts row;
    for (ControlId field : {IDC_BEST_ACTUAL, IDC_BEST_R1, IDC_BEST_R1_SERIES, IDC_BEST_R2,
                            IDC_BEST_R2_SERIES, IDC_BEST_ERROR, IDC_BEST_CONNECTION})
      row.push_back(Text(field));
    return row;
  }
};

TEST_F(EnglishFrameTest, MenusLabelsTooltipsAndDialogsInEnglishResultsAsWritten) {
  Open();
  EXPECT_EQ(MenuTitles(), (Texts{"File", "Settings", "Find", "Help"}));
  EXPECT_EQ(frame_->GetMenuBar()->FindItem(MenuItemId(ID_TOOLTIPS))->GetItemLabelText(),
            "Tooltips");
  EXPECT_TRUE(ShowsLabel("Required value:"));
  EXPECT_EQ(Control(IDC_E96_MIN_LABEL).GetLabel(), "E96 min");
  EXPECT_EQ(Control(IDC_CALCULATE).GetLabel(), "Calculate");
  EXPECT_EQ(Control(IDC_REQUIRED).GetToolTipText(), "Enter the required resistance here");
  wxTEST_DIALOG(Choose(wxID_ABOUT), ExpectModal<CAboutDlg>([](CAboutDlg& about) {
                  EXPECT_EQ(about.GetTitle(), "About rarad");
                }));
  Calculate("5k");
  EXPECT_EQ(BestRow(), (Texts{"5k", "10k", "E24", "10k", "E24", "+0.0000", "in parallel"}));
  EXPECT_EQ(Text(IDC_LOWER_ERROR), "-0.1224");
}

// The finder windows' own texts: titles, the status line's prompt, the table's headers.
TEST_F(EnglishFrameTest, TheFinderWindowsInEnglish) {
  Open();
  Choose(ID_NETWORK_FINDER);
  Choose(ID_DIVIDER_FINDER);
  FinderWindow* network = frame_->networkFinder();
  FinderWindow* divider = frame_->dividerFinder();
  ASSERT_TRUE(network && divider);
  EXPECT_EQ((Texts{network->GetTitle().utf8_string(), divider->GetTitle().utf8_string()}),
            (Texts{"Resistor Networks", "Voltage Divider"}));
  EXPECT_EQ(network->statusLine().GetLabel(), "Type the required value");
  EXPECT_EQ(divider->table().GetColumn(7)->GetTitle(), "Output voltage");
}

}  // namespace
}  // namespace tamblor::testing
