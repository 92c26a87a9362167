#include "ui/dialogs.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/testing.h>

#include <string>
#include <vector>

#include "tests/ui/gui/gui_testing.h"

namespace tamblor {
namespace {

std::vector<std::string> Labels(const wxDialog& dialog) {
  std::vector<std::string> labels;
  for (const wxWindow* child : dialog.GetChildren()) {
    if (const auto* label = dynamic_cast<const wxStaticText*>(child)) {
      labels.push_back(label->GetLabel().utf8_string());
    }
  }
  return labels;
}

void ExpectOkButtonAndIcon(wxDialog& dialog) {
  const auto* ok = dynamic_cast<wxButton*>(dialog.FindWindow(wxID_OK));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->GetLabel().utf8_string(), "确定");
  EXPECT_EQ(dialog.GetDefaultItem(), ok);
  int icons = 0;
  for (const wxWindow* child : dialog.GetChildren()) {
    if (const auto* icon = dynamic_cast<const wxStaticBitmap*>(child)) {
      ++icons;
      EXPECT_TRUE(icon->GetBitmap().IsOk());
    }
  }
  EXPECT_EQ(icons, 1);
}

TEST(AboutDialog, NamesTheProgramAndItsVersion) {
  CAboutDlg dialog(nullptr);
  EXPECT_EQ(dialog.GetTitle().utf8_string(), "关于rarad");
  EXPECT_EQ(dialog.GetClientSize(), dialog.ConvertDialogToPixels(wxSize(245, 62)));
  const std::vector<std::string> labels = Labels(dialog);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0], "zadazud");
  EXPECT_FALSE(labels[1].empty()) << "the notice line";
  EXPECT_EQ(labels[2], "版本 V1.2   build 0055   22/07/04");
  ExpectOkButtonAndIcon(dialog);
}

TEST(ExplainDialog, TellsWhatTheCalculatorIsForLineByLine) {
  CExplainDlg dialog(nullptr);
  EXPECT_EQ(dialog.GetTitle().utf8_string(), "zadazud ?");
  EXPECT_EQ(dialog.GetClientSize(), dialog.ConvertDialogToPixels(wxSize(254, 153)));
  const std::vector<std::string> expected{
      "zadazud可以做什么?",
      "假设你正在设计一个精密的均衡电路。你知道，在相当范围限制只",
      "有1％精度的电容，他们是昂贵的，所以你不想平行值。你选择一",
      "个特定的电容值，并决定所需要的电阻值。电阻值总是不完全下降",
      "到标准值，但是这不是一个问题，因为电阻很便宜，所以你不介意",
      "使用两个电阻的组合。问题是要找到您所需的价值匹配的标准值的",
      "最佳组合。rarad解决了这个问题。您只需告诉它所需的值，",
      "选择可用标准电阻范围rarad找到的最佳组合，并计算您所需",
      "的值的设计错误。",
      "",
      "",
      "",
  };
  EXPECT_EQ(Labels(dialog), expected);
  ExpectOkButtonAndIcon(dialog);
}

// Expects the dialog to run modally with its owner as parent, and closes it with OK.
template <typename Dialog>
class ExpectOwnedDialog : public wxExpectModalBase<Dialog, ExpectOwnedDialog<Dialog>> {
 public:
  ExpectOwnedDialog(wxWindow* owner, std::string title) : owner_(owner), title_(std::move(title)) {}

 protected:
  int OnInvoked(Dialog* dialog) const override {
    EXPECT_EQ(dialog->GetParent(), owner_);
    EXPECT_EQ(dialog->GetTitle().utf8_string(), title_);
    return wxID_OK;
  }

 private:
  wxWindow* owner_;
  std::string title_;
};

TEST(Dialogs, BothRunModallyOverTheirOwner) {
  wxFrame* owner = new wxFrame(nullptr, wxID_ANY, "owner");
  {
    CAboutDlg about(owner);
    wxTEST_DIALOG(EXPECT_EQ(about.ShowModal(), wxID_OK),
                  ExpectOwnedDialog<CAboutDlg>(owner, "关于rarad"));
    CExplainDlg explain(owner);
    wxTEST_DIALOG(EXPECT_EQ(explain.ShowModal(), wxID_OK),
                  ExpectOwnedDialog<CExplainDlg>(owner, "zadazud ?"));
  }
  owner->Destroy();
}

TEST(Dialogs, OkAndEscapeCloseThem) {
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "OK");
    CExplainDlg dialog(nullptr);
    dialog.Show();
    testing::ProcessEvents();
    if (escape) {
      wxKeyEvent key(wxEVT_CHAR_HOOK);
      key.m_keyCode = WXK_ESCAPE;
      key.SetEventObject(&dialog);
      dialog.ProcessWindowEvent(key);
    } else {
      wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
      click.SetEventObject(dialog.FindWindow(wxID_OK));
      dialog.FindWindow(wxID_OK)->ProcessWindowEvent(click);
    }
    EXPECT_FALSE(dialog.IsShown());
  }
}

}  // namespace
}  // namespace tamblor
