// The finder windows through the real frame: the menu opens one of each and raises it, Escape
// closes it, a value typed key by key fills the table with the command line's rows, Enter goes to
// the table and Ctrl+C copies its selected row, and a text that does not read is explained.

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/spinctrl.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <set>

#include "network/divider_query.h"
#include "network/network_query.h"
#include "network/part_set.h"
#include "network/ratio_text.h"
#include "network/stock_file.h"
#include "tests/ui/gui/frame_fixture.h"
#include "ui/divider_finder_window.h"
#include "ui/divider_rows.h"
#include "ui/network_finder_window.h"
#include "ui/network_rows.h"

namespace tamblor::testing {
namespace {

class FinderTest : public FrameTest {
 protected:
  NetworkFinderWindow& OpenNetworkFinder() {
    Choose(ID_NETWORK_FINDER);
    auto* window = static_cast<NetworkFinderWindow*>(frame_->networkFinder());
    EXPECT_TRUE(window && WaitUntil([window] { return window->IsActive(); }));
    return *window;
  }
  DividerFinderWindow& OpenDividerFinder() {
    Choose(ID_DIVIDER_FINDER);
    auto* window = static_cast<DividerFinderWindow*>(frame_->dividerFinder());
    EXPECT_TRUE(window && WaitUntil([window] { return window->IsActive(); }));
    return *window;
  }
  // Types into the box as the user does, key by key, and waits for the table to follow.
  void TypeInto(FinderWindow& window, wxTextCtrl& box, const std::string& text) {
    box.SetFocus();
    box.SelectAll();
    Settle();
    wxUIActionSimulator().Text(text.c_str());
    // Without WaitUntil's pauses, which would count in the time from a key to its results.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while ((box.GetValue() != text || window.Searching()) &&
           std::chrono::steady_clock::now() < deadline) {
      wxTheApp->ProcessPendingEvents();
      wxYield();
    }
    EXPECT_EQ(box.GetValue().utf8_string(), text);
    EXPECT_FALSE(window.Searching());
  }
  // Hides the calculator, which would cover part of the window, and lets the window draw itself.
  void ShowAlone(wxWindow& window) {
    frame_->Hide();
    window.Raise();
    window.Refresh();
    for (int round = 0; round < 5; ++round) Settle();
  }
  static std::vector<Texts> Shown(FinderWindow& window) {
    std::vector<Texts> rows;
    for (const ResultRow* row : window.table().ShownRows()) rows.push_back(row->cells);
    return rows;
  }
  static std::string Status(FinderWindow& window) {
    return window.statusLine().GetLabel().utf8_string();
  }
};

TEST_F(FinderTest, TheMenuOpensOneNetworkWindowAndEscapeClosesIt) {
  Open();
  FinderWindow& window = OpenNetworkFinder();
  EXPECT_EQ(window.GetTitle().utf8_string(), "电阻网络");
  Choose(ID_NETWORK_FINDER);
  EXPECT_EQ(frame_->networkFinder(), &window);
  Press(WXK_ESCAPE, static_cast<NetworkFinderWindow&>(window).valueBox());
  EXPECT_TRUE(WaitUntil([this] { return frame_->networkFinder() == nullptr; }));
}

// 289 ohms from E24, up to three parts, as `tamblor-cli network 289` finds them.
TEST_F(FinderTest, AValueTypedFillsTheTableWithTheCommandLinesRows) {
  Open();
  auto& window = static_cast<NetworkFinderWindow&>(OpenNetworkFinder());
  TypeInto(window, window.valueBox(), "289");
  const std::vector<PartOrigin> e24{PartOrigin::E24};
  const NetworkQuery query({SeriesParts(e24, PartBounds{}), 3, 3, Ranking::Error, {}});
  std::vector<NetworkResult> results;
  ASSERT_TRUE(query.Find(289.0, results));
  std::vector<Texts> expected;
  for (const ResultRow& row : NetworkRows(results, query.Parts(), {}))
    expected.push_back(row.cells);
  EXPECT_EQ(Shown(window), expected);
  ASSERT_GE(expected.size(), 4u);
  EXPECT_EQ(expected[3][1], "470R || 750R");
  std::printf("network window: keystroke to table %.1f ms (E24, up to 3 parts)\n",
              window.LastFillTime().count() / 1000.0);

  // Enter goes to the table with its first row selected; Ctrl+C copies that row.
  Press(WXK_RETURN, window.valueBox());
  EXPECT_TRUE(WaitUntil(
      [&] { return window.table().HasFocus() || wxWindow::FindFocus() != &window.valueBox(); }));
  ASSERT_NE(window.table().SelectedRow(), nullptr);
  wxUIActionSimulator().Char('c', wxMOD_CONTROL);
  Settle();
  wxTextDataObject copied;
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTheClipboard->GetData(copied);
  wxTheClipboard->Close();
  EXPECT_EQ(copied.GetText().utf8_string(), "1\t300R\t300R\t+3.8062\t285R .. 315R\t+8.9965");
}

// 3.3 V from 12 V, one E24 part per leg, a total from 1k to 1M, as `tamblor-cli divider 3.3/12`.
// Both windows open at once, each one window, and the program's peak memory with them.
TEST_F(FinderTest, ARatioTypedFillsTheDividerTableWithTheCommandLinesRows) {
  Open();
  auto& window = OpenDividerFinder();
  EXPECT_EQ(window.GetTitle().utf8_string(), "分压器");
  TypeInto(window, window.ratioBox(), "3.3/12");
  const std::vector<PartOrigin> e24{PartOrigin::E24};
  const DividerQuery query({SeriesParts(e24, PartBounds{}), 1, 5, Ranking::Error, {}, 1e3, 1e6});
  std::vector<DividerResult> results;
  ASSERT_TRUE(query.Find(ReadRatio("3.3/12").target, results));
  std::vector<Texts> expected;
  for (const ResultRow& row : DividerRows(results, query.Parts())) expected.push_back(row.cells);
  EXPECT_EQ(Shown(window), expected);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Texts(expected[0].end() - 2, expected[0].end()),
            (Texts{"3.29909 V", "3.06515 .. 3.54381 V"}));
  std::printf("divider window: keystroke to table %.1f ms (E24, one part per leg)\n",
              window.LastFillTime().count() / 1000.0);

  auto& network = OpenNetworkFinder();
  TypeInto(network, network.valueBox(), "4k7");
  Choose(ID_DIVIDER_FINDER);
  EXPECT_EQ(frame_->dividerFinder(), &window);
#ifdef __linux__
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0)
      std::printf("both windows open: peak memory %s\n", line.c_str() + 6);
#endif
}

// Tab from the value box reaches every input; Enter in a box goes to the table, its first row
// selected, and the arrow keys move through the rows.
TEST_F(FinderTest, TabReachesEveryInputAndEnterGoesToTheTable) {
  Open();
  auto& window = OpenDividerFinder();
  TypeInto(window, window.ratioBox(), "0.5");
  std::set<wxWindow*> inputs;
  std::function<void(wxWindow&)> collect = [&](wxWindow& parent) {
    for (wxWindow* child : parent.GetChildren()) {
      const auto* radio = dynamic_cast<wxRadioButton*>(child);
      if (dynamic_cast<wxTextCtrl*>(child) || dynamic_cast<wxSpinCtrl*>(child) ||
          dynamic_cast<wxChoice*>(child) || dynamic_cast<wxCheckBox*>(child) ||
          dynamic_cast<wxButton*>(child) || (radio && radio->GetValue()))
        inputs.insert(child);
      else
        collect(*child);
    }
  };
  collect(window);
  EXPECT_EQ(inputs.size(), 20u) << "8 boxes, 2 spins, a choice, 7 check boxes, a radio, a button";
  Press(WXK_RETURN, window.referenceBox());
  const auto shown = window.table().ShownRows();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(window.table().SelectedRow(), shown[0]);
  wxUIActionSimulator().Char(WXK_DOWN);
  Settle();
  EXPECT_EQ(window.table().SelectedRow(), shown[1]);

  std::set<wxWindow*> reached;
  [[maybe_unused]] wxWindow* choice = *std::find_if(
      inputs.begin(), inputs.end(), [](wxWindow* input) { return dynamic_cast<wxChoice*>(input); });
  window.ratioBox().SetFocus();
  for (std::size_t key = 0; key < 2 * inputs.size() && reached.size() < inputs.size(); ++key) {
    Settle();
    for (wxWindow* focus = wxWindow::FindFocus(); focus; focus = focus->GetParent())
      if (inputs.count(focus)) reached.insert(focus);
#ifdef __WXGTK__
    // GTK gives a drop-down list's focus to a button of its own, which wx does not know: no focus.
    if (!wxWindow::FindFocus()) reached.insert(choice);
#endif
    wxUIActionSimulator().Char(WXK_TAB);
  }
  EXPECT_EQ(reached.size(), inputs.size());
}

// E192 with four parts takes a good part of a second: meanwhile the old rows stay, greyed, under
// "正在查找...", and the window keeps handling events; then the new rows replace them.
TEST_F(FinderTest, ASlowSearchGreysTheOldRowsUntilItsOwnArrive) {
  Open();
  auto& window = OpenNetworkFinder();
  TypeInto(window, window.valueBox(), "289");
  // E192 instead of E24: each change searches, each search quick at up to three parts.
  for (const char* series : {"E192", "E24"}) {
    for (wxWindow* child : window.GetChildren().front()->GetChildren())
      if (auto* box = dynamic_cast<wxCheckBox*>(child); box && box->GetLabel() == series) {
        box->SetValue(!box->GetValue());
        wxCommandEvent toggled(wxEVT_CHECKBOX, box->GetId());
        toggled.SetEventObject(box);
        box->ProcessWindowEvent(toggled);
      }
    EXPECT_TRUE(WaitUntil([&] { return !window.Searching(); }));
  }
  EXPECT_EQ(Shown(window).back()[1], "(110R || 110R) + 234R");
  wxSpinCtrl& parts = window.maxPartsBox();
  parts.SetValue(4);
  wxSpinEvent changed(wxEVT_SPINCTRL, parts.GetId());
  changed.SetEventObject(&parts);
  parts.ProcessWindowEvent(changed);
  EXPECT_TRUE(WaitUntil([&] { return window.table().IsStale(); }));
  EXPECT_EQ(std::pair(Status(window), window.table().RowCount()),
            std::pair(std::string("正在查找..."), 9));
  EXPECT_TRUE(WaitUntil([&] { return !window.Searching(); }));
  EXPECT_FALSE(window.table().IsStale());
  EXPECT_EQ(Status(window), "12 个结果");
  EXPECT_EQ(Shown(window).back()[1], "(104R || 104R) + 104R + 133R");
  std::printf(
      "network window: E192 up to 4 parts, set-up and search %.0f ms off the window's "
      "thread\n",
      window.LastFillTime().count() / 1000.0);
}

// Parts from a stock file, with counts: the rows of `tamblor-cli network --stock FILE 5k`. A file
// with a bad line is named with its line on the status line, and the table empties.
TEST_F(FinderTest, AStockFileGivesTheParts) {
  std::ofstream("stock.txt") << "# on the shelf\n1k 1% 2\n2k2\n4k7 1\n";
  std::ofstream("bad.txt") << "1k\n2k2 5% x\n";
  Open();
  auto& window = OpenNetworkFinder();
  TypeInto(window, window.valueBox(), "5k");
  ASSERT_TRUE(window.UseStockFile(wxString::FromUTF8((directory_ / "stock.txt").string())));
  EXPECT_TRUE(WaitUntil([&] { return !window.Searching(); }));
  const StockFileReading stock = ReadStockFile(directory_ / "stock.txt");
  const NetworkQuery query({BoundedParts(stock.parts, PartBounds{}), 3, 3, Ranking::Error, {}});
  std::vector<NetworkResult> results;
  ASSERT_TRUE(query.Find(5000.0, results));
  std::vector<Texts> expected;
  for (const ResultRow& row : NetworkRows(results, query.Parts(), {}))
    expected.push_back(row.cells);
  EXPECT_EQ(Shown(window), expected);
  EXPECT_EQ(window.table().ShownRows().front()->parts.front().origin, PartOrigin::Stock);

  EXPECT_FALSE(window.UseStockFile(wxString::FromUTF8((directory_ / "bad.txt").string())));
  EXPECT_NE(Status(window).find("bad.txt: line 2: "), std::string::npos) << Status(window);
  EXPECT_EQ(window.table().RowCount(), 0);
}

TEST_F(FinderTest, ATextThatDoesNotReadIsExplainedOnTheStatusLine) {
  Open();
  auto& window = static_cast<NetworkFinderWindow&>(OpenNetworkFinder());
  TypeInto(window, window.valueBox(), "4k7x");
  EXPECT_EQ(Status(window).rfind("Validation Error: ", 0), 0u) << Status(window);
  EXPECT_EQ(window.table().RowCount(), 0);
}

// Not a check: with TAMBLOR_SCREENSHOT set to an absolute file name, writes beside it a PNG of
// each finder window after a search (scripts/screenshot keeps the README's pictures current).
using FinderScreenshot = FinderTest;
TEST_F(FinderScreenshot, NetworkWindowAfterASearch) {
  const char* target = std::getenv("TAMBLOR_SCREENSHOT");
  if (!target || !std::filesystem::path(target).is_absolute()) GTEST_SKIP() << "no absolute path";
  Open();
  auto& window = static_cast<NetworkFinderWindow&>(OpenNetworkFinder());
  TypeInto(window, window.valueBox(), "289");
  Press(WXK_RETURN, window.valueBox());
  Press(WXK_DOWN, window.table());
  Press(WXK_DOWN, window.table());
  Press(WXK_DOWN, window.table());
  ShowAlone(window);
  const auto file = std::filesystem::path(target).parent_path() / "screenshot-network.png";
  EXPECT_TRUE(Grab(*window.GetChildren().front())
                  .SaveFile(wxString::FromUTF8(file.string()), wxBITMAP_TYPE_PNG));
}

TEST_F(FinderScreenshot, DividerWindowAfterASearch) {
  const char* target = std::getenv("TAMBLOR_SCREENSHOT");
  if (!target || !std::filesystem::path(target).is_absolute()) GTEST_SKIP() << "no absolute path";
  Open();
  auto& window = OpenDividerFinder();
  TypeInto(window, window.ratioBox(), "3.3/12");
  Press(WXK_RETURN, window.ratioBox());
  ShowAlone(window);
  const auto file = std::filesystem::path(target).parent_path() / "screenshot-divider.png";
  EXPECT_TRUE(Grab(*window.GetChildren().front())
                  .SaveFile(wxString::FromUTF8(file.string()), wxBITMAP_TYPE_PNG));
}

}  // namespace
}  // namespace tamblor::testing
