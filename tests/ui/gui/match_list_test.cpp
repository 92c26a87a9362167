#include "ui/match_list.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "tests/ui/gui/gui_testing.h"

namespace tamblor {
namespace {

constexpr int listId = 1021;

const std::vector<std::string> fiveK{
    "R1 (E24) = 10k\tR2 (E24) = 10k\tin parallel",
    "R1 (E24) = 1k1\tR2 (E24) = 3k9\tin series",
    "R1 (E96) = 4k75\tR2 (E24) = 240R\tin series",
};

// The list as the form sets it up: the monospace result font, then a stop every 40 dialog units.
class MatchListTest : public ::testing::Test {
 protected:
  MatchListTest()
      : frame_(new wxFrame(nullptr, wxID_ANY, "match list")),
        list_(new CHScrollListBox(frame_, listId, wxDefaultPosition, wxSize(300, 150))) {
    list_->SetFont(wxFont(9, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    list_->SetTabStops(40);
    frame_->Show();
    testing::ProcessEvents();
    // The frame fits its only child to itself once the window manager has mapped it; until then
    // the list would have no lines' worth of height.
    list_->SetSize(wxSize(300, 150));
    testing::ProcessEvents();
  }
  ~MatchListTest() override { frame_->Destroy(); }

  int TextWidth(const std::string& text) const {
    return list_->GetTextExtent(wxString::FromUTF8(text)).x;
  }
  int ColumnStart(int column) const {
    int start = 0;
    for (int i = 0; i < column; ++i) start += list_->GetColumnWidth(i);
    return start;
  }
  int ColumnsWidth() const { return ColumnStart(list_->GetColumnCount()); }
  // The window that draws the lines and takes their clicks and keys, inside the list.
  wxWindow* LinesWindow() const { return list_->GetChildren().GetFirst()->GetData(); }

  wxFrame* frame_;
  CHScrollListBox* list_;
};

TEST_F(MatchListTest, FieldsStandAtStopsOfFortyDialogUnitsOfTheListFont) {
  for (const std::string& line : fiveK) list_->AddLine(line);

  // In a monospace font the average width of the 52 letters is that of any character.
  const int stop = 10 * TextWidth("M");
  ASSERT_EQ(list_->Extent().TabStops(), std::vector<int>{stop});
  ASSERT_EQ(list_->GetColumnCount(), 3);
  EXPECT_EQ(list_->GetItemText(1, 0), "R1 (E24) = 1k1");
  EXPECT_EQ(list_->GetItemText(1, 1), "R2 (E24) = 3k9");
  EXPECT_EQ(list_->GetItemText(1, 2), "in series");
  for (int column = 1; column < 3; ++column) {
    SCOPED_TRACE(column);
    EXPECT_EQ(ColumnStart(column) % stop, 0);
    for (int line = 0; line < list_->Count(); ++line) {
      const int field = TextWidth(list_->GetItemText(line, column - 1).utf8_string());
      EXPECT_GT(ColumnStart(column), ColumnStart(column - 1) + field) << "line " << line;
    }
  }
}

TEST_F(MatchListTest, TheScrollRangeReachesTheEndOfTheWidestLine) {
  list_->AddLine("no exact matches found");
  const std::string wide = "R1 (E96) = 4k75\tR2 (E24) = 240R\tin series and some more words";
  list_->AddLine(wide);
  testing::ProcessEvents();

  // Both fields of 15 characters end between the first and the second stop after their start.
  const int stop = list_->Extent().TabStops()[0];
  EXPECT_EQ(list_->Extent().MaxWidth(), 4 * stop + TextWidth("in series and some more words") + 6);
  EXPECT_GE(ColumnsWidth(), list_->Extent().MaxWidth());
  EXPECT_GE(LinesWindow()->GetVirtualSize().x, list_->Extent().MaxWidth());
  EXPECT_GT(list_->GetScrollRange(wxHORIZONTAL), list_->GetScrollThumb(wxHORIZONTAL));
}

TEST_F(MatchListTest, DeletingFromTheTopKeepsOneWidthPerLineAndEndsAtZero) {
  const std::vector<std::string> lines{"ab", "abcdefghijklmnopqrstuvwxyz", "abcd", "abc"};
  for (const std::string& line : lines) list_->AddLine(line);
  const int widest = TextWidth(lines[1]) + 6;
  const std::vector<int> expected{widest, TextWidth("abcd") + 6, TextWidth("abc") + 6, 0};
  for (std::size_t deleted = 0; deleted < lines.size(); ++deleted) {
    SCOPED_TRACE(deleted);
    list_->DeleteLine(0);
    EXPECT_EQ(list_->Extent().MaxWidth(), expected[deleted]);
    EXPECT_EQ(static_cast<int>(list_->Extent().ItemWidths().size()), list_->Count());
    if (list_->Count() > 0) {
      EXPECT_EQ(list_->Line(0), lines[deleted + 1]);
    }
  }
  EXPECT_EQ(list_->GetColumnCount(), 1);
}

TEST_F(MatchListTest, InsertedLinesKeepTextsFieldsAndWidthsInLineOrder) {
  list_->AddLine(fiveK[0]);
  list_->AddLine("no exact matches found");
  list_->InsertLine(1, fiveK[2]);
  ASSERT_EQ(list_->Count(), 3);
  EXPECT_EQ(list_->Line(1), fiveK[2]);
  EXPECT_EQ(list_->GetItemText(1, 0), "R1 (E96) = 4k75");
  EXPECT_EQ(list_->GetItemText(2, 0), "no exact matches found");
  EXPECT_EQ(list_->Extent().ItemWidths()[2], TextWidth("no exact matches found") + 6);

  list_->InsertLine(5, "beyond the end");
  list_->DeleteLine(3);
  list_->DeleteLine(-1);
  EXPECT_EQ(list_->Count(), 3);
  EXPECT_EQ(list_->Line(3), "");
}

TEST_F(MatchListTest, CurrentLineFollowsTheSelection) {
  for (const std::string& line : fiveK) list_->AddLine(line);
  EXPECT_EQ(list_->CurrentLine(), -1);
  list_->SetCurrentLine(2);
  EXPECT_EQ(list_->CurrentLine(), 2);
  list_->SetCurrentLine(-1);
  EXPECT_EQ(list_->CurrentLine(), -1);
}

TEST_F(MatchListTest, DoubleClickAndEnterActivateTheLineWithTheListId) {
  for (const std::string& line : fiveK) list_->AddLine(line);
  std::vector<long> activated;
  frame_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [&](wxListEvent& event) {
    EXPECT_EQ(event.GetId(), listId);
    activated.push_back(event.GetIndex());
  });
  testing::ProcessEvents();

  wxRect rect;
  ASSERT_TRUE(list_->GetItemRect(1, rect));
  wxWindow* lines = LinesWindow();
  const wxPoint inside = lines->ScreenToClient(list_->ClientToScreen(rect.GetPosition())) +
                         wxPoint(rect.width / 4, rect.height / 2);
  for (const wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK}) {
    wxMouseEvent click(type);
    click.SetPosition(inside);
    click.SetEventObject(lines);
    lines->ProcessWindowEvent(click);
  }
  EXPECT_EQ(list_->CurrentLine(), 1);

  list_->SetCurrentLine(2);
  wxKeyEvent enter(wxEVT_CHAR);
  enter.m_keyCode = WXK_RETURN;
  enter.SetEventObject(lines);
  lines->ProcessWindowEvent(enter);

  EXPECT_EQ(activated, (std::vector<long>{1, 2}));
}

}  // namespace
}  // namespace tamblor
