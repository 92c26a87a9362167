#pragma once

namespace tamblor {

// Command numbers of the menu that have no stock id; Exit and About use wxID_EXIT and wxID_ABOUT.
enum CommandId : int {
  ID_EXPLAIN = 32773,
  ID_TOOLTIPS = 32775,
  ID_BAND_PICTURE = 32777,
  ID_E24_4_BANDS = 32781,
  ID_E24_5_BANDS = 32782,
  ID_E24_6_BANDS = 32783,
  ID_E96_5_BANDS = 32785,
  ID_E96_6_BANDS = 32786,
  ID_ALWAYS_ON_TOP = 32787,
  ID_NETWORK_FINDER = 32788,
  ID_DIVIDER_FINDER = 32789,
};

// wx takes menu item ids only below 0x7fff, which the command numbers exceed; a menu item carries
// its command number less this offset.
inline constexpr int menuIdOffset = 20000;

constexpr int MenuItemId(CommandId command) { return command - menuIdOffset; }

}  // namespace tamblor
