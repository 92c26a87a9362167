#pragma once

#include <filesystem>
#include <iosfwd>

#include "values/fixed_text.h"
#include "values/series.h"

namespace tamblor {

// The file's bare name: the program keeps it in the current directory.
inline constexpr const char* settingsFileName = "Tamblor.dat";

using SettingText = FixedText<16>;

// The persisted settings, with their defaults.
struct Settings {
  bool tooltipsOn = true;
  bool bandsShown = true;
  int e24BandCount = 4;  // 4, 5 or 6
  int e96BandCount = 5;  // 5 or 6
  bool E24ONLY = true;
  bool USE_1PC = true;
  SeriesLimits limits;
  SettingText e24MinText{"1R"};
  SettingText e24MaxText{"10M"};
  SettingText e96MinText1{"1R"};
  SettingText e96MaxText1{"1M"};
  SettingText e96MinText2{"51R1"};
  SettingText e96MaxText2{"1M"};
  bool alwaysOnTop = true;

  friend bool operator==(const Settings&, const Settings&) = default;
};

// The defaults, read over by the bytes of a settings file. Lines are taken as a buffer of 80 bytes
// takes them: up to and including the line end, or 79 characters, the rest of a longer line being
// read as lines of their own. A line feed, or a carriage return and line feed counted as one
// character, ends a line on every platform; a lone carriage return is an ordinary character. A
// line's text ends at its first NUL byte; text values are cut to 15 characters. Numbers read as
// ReadLeadingNumber (settings/leading_number.h) reads them. Open the stream in binary mode.
Settings ReadSettings(std::istream& in);

// Sets every field to its default, then reads the file over it. False when the file can't be
// opened (the defaults stand); true otherwise, whatever the file held.
bool LoadSettings(Settings& settings, const std::filesystem::path& file);

// Writes the twenty lines through a temporary file renamed over `file`; on any failure the old
// file stays untouched and the result is false.
bool SaveSettings(const Settings& settings, const std::filesystem::path& file);

}  // namespace tamblor
