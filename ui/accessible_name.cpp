#include "ui/accessible_name.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace tamblor {

wxString NameFromLabel(const wxString& label) {
  wxString name = label;
  name.Trim();
  if (name.EndsWith(":") || name.EndsWith(wxString::FromUTF8("："))) name.RemoveLast();
  return name.Trim();
}

void SetAccessibleName(wxWindow& control, const wxString& name) {
#ifdef __WXGTK__
  atk_object_set_name(gtk_widget_get_accessible(control.GetHandle()), name.utf8_str());
#else
  // Windows' screen readers name a control by the label before it in the tab order, colon and all.
  (void)control;
  (void)name;
#endif
}

}  // namespace tamblor
