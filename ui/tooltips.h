#pragma once

#include <wx/string.h>

#include <array>

#include "engine/control_ids.h"

namespace tamblor {

struct ToolTipEntry {
  ControlId control;
  const char* textUtf8;
};

// The form's tooltip texts; controls not listed have none.
extern const std::array<ToolTipEntry, 14> toolTipTable;

// The tooltip of a control, or an empty text when it has none.
wxString ToolTipText(int controlId);

}  // namespace tamblor
