#pragma once

#include "ui/interface_language.h"

namespace tamblor {

// The language of the user's desktop: on Windows its display language, elsewhere the one gettext
// would choose from the environment, whether or not that locale is installed.
InterfaceLanguage DesktopLanguage();

// Makes every interface text, the XRC templates' and the code's, come out in `language` from now
// on: English from the catalog compiled into the program, Chinese as written. Texts already shown
// keep their language. Needs wx started.
void UseInterfaceLanguage(InterfaceLanguage language);

}  // namespace tamblor
