#include "ui/accessible_text.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace tamblor {

void SetAccessibleName(wxWindow& control, const wxString& name) {
#ifdef __WXGTK__
  atk_object_set_name(gtk_widget_get_accessible(control.GetHandle()), name.utf8_str());
#else
  (void)control, (void)name;
#endif
}

void SetAccessibleDescription(wxWindow& control, const wxString& description) {
#ifdef __WXGTK__
  atk_object_set_description(gtk_widget_get_accessible(control.GetHandle()),
                             description.utf8_str());
#else
  (void)control, (void)description;
#endif
}

}  // namespace tamblor
