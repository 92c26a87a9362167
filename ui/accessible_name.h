#pragma once

#include <wx/string.h>
#include <wx/window.h>

namespace tamblor {

// A label's text as the name a screen reader gives the control it labels: without its colon.
wxString NameFromLabel(const wxString& label);

// Names a control for screen readers where the toolkit does not take it from the label.
void SetAccessibleName(wxWindow& control, const wxString& name);

}  // namespace tamblor
