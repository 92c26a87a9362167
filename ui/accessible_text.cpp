#include "ui/accessible_text.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace tamblor {

void SetAccessibleName([[maybe_unused]] wxWindow& control, [[maybe_unused]] const wxString& name) {
#ifdef __WXGTK__
  atk_object_set_name(gtk_widget_get_accessible(control.GetHandle()), name.utf8_str());
#endif
}

wxString NameFromLabel(const wxString& label) {
  wxString name = label;
  name.Trim();
  if (name.EndsWith(":") || name.EndsWith(wxString::FromUTF8("："))) name.RemoveLast();
  return name.Trim();
}

void SetAccessibleDescription([[maybe_unused]] wxWindow& control,
                              [[maybe_unused]] const wxString& description) {
#ifdef __WXGTK__
  atk_object_set_description(gtk_widget_get_accessible(control.GetHandle()),
                             description.utf8_str());
#endif
}

}  // namespace tamblor
