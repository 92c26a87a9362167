#pragma once

#include <wx/string.h>
#include <wx/window.h>

namespace tamblor {

// What a screen reader says of a control besides its value: its name, and its description, which
// standard controls take from their tooltip. Set through GTK's accessibility objects; elsewhere
// these do nothing.
void SetAccessibleName(wxWindow& control, const wxString& name);
// A label's text as the name of the control it labels: without its colon.
wxString NameFromLabel(const wxString& label);
void SetAccessibleDescription(wxWindow& control, const wxString& description);

}  // namespace tamblor
