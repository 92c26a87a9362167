// Arbitrary bytes as a settings file: whatever they hold, reading gives a record the program can
// use, and a carriage return and line feed pair reads exactly as a bare line feed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "settings/settings_file.h"

namespace {

using tamblor::Settings;
using tamblor::SettingText;

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "settings reading broken: %s\n", what);
  std::abort();
}

Settings Read(const std::string& bytes) {
  std::istringstream in(bytes);
  return tamblor::ReadSettings(in);
}

// A text as the file's lines can deliver it: cut to the field, without NUL bytes or line feeds.
bool IsLineText(const SettingText& text) {
  return text.size() <= SettingText::maxLength &&
         text.view().find_first_of(std::string_view("\0\n", 2)) == std::string_view::npos;
}

// The bytes without a carriage return anywhere before a line feed, and the same with each line
// feed written as a carriage return and line feed.
std::string WithoutCrLf(std::string_view bytes) {
  std::string result;
  for (const char c : bytes) {
    if (c == '\n') {
      while (!result.empty() && result.back() == '\r') result.pop_back();
    }
    result += c;
  }
  return result;
}

std::string WithCrLf(std::string_view bytes) {
  std::string result;
  for (const char c : bytes) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const Settings settings = Read(bytes);

  Require(settings.e24BandCount >= 4 && settings.e24BandCount <= 6, "E24 band count");
  Require(settings.e96BandCount == 5 || settings.e96BandCount == 6, "E96 band count");
  for (const SettingText* text :
       {&settings.e24MinText, &settings.e24MaxText, &settings.e96MinText1, &settings.e96MaxText1,
        &settings.e96MinText2, &settings.e96MaxText2}) {
    Require(IsLineText(*text), "a text holds what no line can deliver");
  }

  const std::string lineFeeds = WithoutCrLf(bytes);
  Require(Read(WithCrLf(lineFeeds)) == Read(lineFeeds),
          "carriage return and line feed read differently from a line feed");
  return 0;
}
