#pragma once

#include <functional>

namespace tamblor {

// The languages the interface speaks: Chinese, the one it is written in, and English.
enum class InterfaceLanguage { Chinese, English };

// Reads an environment variable: its value, or null when it is not set.
using ReadVariable = std::function<const char*(const char* name)>;

// The language gettext would choose from a POSIX environment: when LANGUAGE is set, the first entry
// of its list that names English or Chinese; else the locale of the first set one of LC_ALL,
// LC_MESSAGES and LANG. English for "en" locales only: no other language has a catalog, so any
// other gets the texts as written.
InterfaceLanguage LanguageFromEnvironment(const ReadVariable& variable);

}  // namespace tamblor
