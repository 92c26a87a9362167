#include "ui/interface_language.h"

#include <optional>
#include <string_view>

namespace tamblor {
namespace {

// The language a locale name such as "en_GB.UTF-8" or "zh" names, when it is one the interface
// speaks.
std::optional<InterfaceLanguage> LanguageOfLocale(std::string_view locale) {
  const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  if (language == "en") return InterfaceLanguage::English;
  if (language == "zh") return InterfaceLanguage::Chinese;
  return std::nullopt;
}

}  // namespace

InterfaceLanguage LanguageFromEnvironment(const ReadVariable& variable) {
  const auto value = [&](const char* name) {
    const char* text = variable(name);
    return std::string_view(text ? text : "");
  };
  // A list of preferences, tried in order; where none has a catalog, the texts stay as written.
  if (std::string_view preferences = value("LANGUAGE"); !preferences.empty()) {
    while (!preferences.empty()) {
      const std::size_t end = preferences.find(':');
      if (const auto language = LanguageOfLocale(preferences.substr(0, end))) return *language;
      preferences = end == std::string_view::npos ? "" : preferences.substr(end + 1);
    }
    return InterfaceLanguage::Chinese;
  }
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const std::string_view locale = value(name); !locale.empty())
      return LanguageOfLocale(locale).value_or(InterfaceLanguage::Chinese);
  }
  return InterfaceLanguage::Chinese;
}

}  // namespace tamblor
