#pragma once

#include <array>

#include "engine/control_ids.h"

namespace tamblor {

struct ToolTipEntry {
  ControlId control;
  const char* textUtf8;
};

// The form's tooltip texts; controls not listed have none.
extern const std::array<ToolTipEntry, 14> toolTipTable;

}  // namespace tamblor
