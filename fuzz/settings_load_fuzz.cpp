// Arbitrary bytes as a settings file: whatever they hold, reading gives a record the program can
// use, and carriage return and line feed pairs read exactly as bare line feeds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/settings_file.h"

namespace {

// With `crlf`, each line feed becomes a carriage return and line feed; without, the carriage
// returns directly before a line feed are dropped.
std::string WithLineEnds(std::string_view bytes, bool crlf) {
  std::string result;
  for (const char c : bytes) {
    while (c == '\n' && !result.empty() && result.back() == '\r') result.pop_back();
    if (c == '\n' && crlf) result += '\r';
    result += c;
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const tamblor::Settings settings = tamblor::ReadSettings(bytes);
  if (settings.e24BandCount < 4 || settings.e24BandCount > 6) std::abort();
  if (settings.e96BandCount != 5 && settings.e96BandCount != 6) std::abort();
  for (const tamblor::SettingText* text :
       {&settings.e24MinText, &settings.e24MaxText, &settings.e96MinText1, &settings.e96MaxText1,
        &settings.e96MinText2, &settings.e96MaxText2}) {
    const bool fromOneLine =
        text->view().find_first_of(std::string_view("\0\n", 2)) == std::string_view::npos;
    if (text->size() > tamblor::SettingText::maxLength || !fromOneLine) std::abort();
  }
  const std::string lineFeeds = WithLineEnds(bytes, false);
  if (!(tamblor::ReadSettings(WithLineEnds(lineFeeds, true)) == tamblor::ReadSettings(lineFeeds))) {
    std::abort();
  }
  return 0;
}
