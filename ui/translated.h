#pragma once

#include <wx/string.h>
#include <wx/translation.h>

namespace tamblor {

// An interface text, written in Chinese as UTF-8, in the user's language. A plain narrow literal
// would go through the C library's conversion, which loses every Chinese character in a non-UTF-8
// locale. The catalogs' extraction knows Tr as a keyword.
inline wxString Tr(const char* chinese) { return wxGetTranslation(wxString::FromUTF8(chinese)); }

}  // namespace tamblor
