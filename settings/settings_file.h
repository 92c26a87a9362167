#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

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

// At most this many bytes of a settings file are read: the file holds twenty short lines.
inline constexpr std::size_t maxSettingsFileSize = 1 << 20;

// The defaults, read over by the bytes of a settings file. Lines are taken as a buffer of 80 bytes
// takes them: up to and including the line end, or 79 characters, the rest of a longer line being
// read as lines of their own. A line feed, or a carriage return and line feed counted as one
// character, ends a line on every platform; a lone carriage return is an ordinary character. A
// line's text ends at its first NUL byte; text values are cut to 15 characters. Numbers read as
// ReadLeadingNumber (settings/leading_number.h) reads them.
Settings ReadSettings(std::string_view bytes);

// The bytes of a settings file: a regular file, or a link to one, of at most maxSettingsFileSize
// bytes. Nothing when it can't be opened, is of another kind, is larger or fails to read; `failure`
// then says which.
std::optional<std::string> ReadSettingsFile(const std::filesystem::path& file,
                                            std::string& failure);

// Sets every field to its default, then reads the file over it. False when the file can't be
// read (the defaults stand); true otherwise, whatever the file held.
bool LoadSettings(Settings& settings, const std::filesystem::path& file);

// Writes the twenty lines as ReplaceFileContents (settings/replace_file.h) does. On any failure the
// file stays as it was, one line naming the file and the reason goes to standard error, and the
// result is false.
bool SaveSettings(const Settings& settings, const std::filesystem::path& file);

}  // namespace tamblor
