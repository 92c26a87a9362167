#include "ui/resources.h"

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/xrc/xmlres.h>

#include "engine/control_ids.h"
#include "ui/command_ids.h"

namespace tamblor {
namespace {

TEST(Resources, NamesInTheTemplatesMapToTheFixedIds) {
  EXPECT_EQ(XRCID("IDC_REQUIRED"), IDC_REQUIRED);
  EXPECT_EQ(XRCID("IDC_BAND_PICTURE"), IDC_BAND_PICTURE);
  EXPECT_EQ(XRCID("ID_ALWAYS_ON_TOP"), MenuItemId(ID_ALWAYS_ON_TOP));
  EXPECT_EQ(XRCID("wxID_EXIT"), wxID_EXIT);
}

TEST(Resources, MenuCarriesEveryCommand) {
  wxMenuBar* menuBar = wxXmlResource::Get()->LoadMenuBar(mainMenuName);
  ASSERT_NE(menuBar, nullptr);
  for (int id : {+wxID_EXIT, MenuItemId(ID_ALWAYS_ON_TOP), MenuItemId(ID_TOOLTIPS),
                 MenuItemId(ID_BAND_PICTURE), MenuItemId(ID_E24_4_BANDS),
                 MenuItemId(ID_E24_5_BANDS), MenuItemId(ID_E24_6_BANDS), MenuItemId(ID_E96_5_BANDS),
                 MenuItemId(ID_E96_6_BANDS), +wxID_ABOUT, MenuItemId(ID_EXPLAIN)}) {
    SCOPED_TRACE(id);
    EXPECT_NE(menuBar->FindItem(id), nullptr);
  }
  EXPECT_EQ(menuBar->GetMenuLabelText(1), wxString::FromUTF8("设置"));
  EXPECT_EQ(menuBar->FindItem(MenuItemId(ID_E24_4_BANDS))->GetItemLabelText(),
            wxString::FromUTF8("4 环"));
  EXPECT_TRUE(menuBar->IsChecked(MenuItemId(ID_E24_4_BANDS)));
  EXPECT_TRUE(menuBar->IsChecked(MenuItemId(ID_E96_5_BANDS)));
  EXPECT_FALSE(menuBar->IsChecked(MenuItemId(ID_ALWAYS_ON_TOP)));
  delete menuBar;
}

}  // namespace
}  // namespace tamblor
