#pragma once

// wxGenericMessageDialog, the message box that shows the stop icon on GTK. Its header needs the
// native message box's declarations before it, an order the include sorting would undo.
// clang-format off
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>
// clang-format on
