#include "settings/settings_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "settings/leading_number.h"
#include "settings/replace_file.h"
#include "values/bounded_file.h"

namespace tamblor {
namespace {

#ifdef _WIN32
constexpr std::string_view lineEnd = "\r\n";
#else
constexpr std::string_view lineEnd = "\n";
#endif

// What a buffer of 80 bytes takes of a line at once, besides its terminator.
constexpr std::size_t maxPieceLength = 79;

// Each carriage return and line feed pair as one line feed, as a text-mode read on Windows gives
// them, so that both line ends read alike on every platform.
std::string FoldLineEnds(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] != '\r' || at + 1 == bytes.size() || bytes[at + 1] != '\n') text += bytes[at];
  }
  return text;
}

// The piece as a C string sees it, up to its first NUL byte, without its line end.
std::string_view LineOf(std::string_view piece) {
  piece = piece.substr(0, piece.find('\0'));
  if (!piece.empty() && piece.back() == '\n') piece.remove_suffix(1);
  return piece;
}

// The band counts travel as one flag per choice; these start as if the file held the defaults.
struct BandFlags {
  bool e24Four = true;
  bool e24Five = false;
  bool e24Six = false;
  bool e96Five = true;
  bool e96Six = false;
};

struct Reading {
  Settings settings;
  BandFlags bands;
};

bool Holds(std::string_view line, std::string_view word) {
  return line.find(word) != std::string_view::npos;
}

void ReadNumber(std::string_view line, double& limit) {
  const std::size_t equals = line.find('=');
  if (equals != std::string_view::npos) limit = ReadLeadingNumber(line.substr(equals + 1));
}

void ReadText(std::string_view line, SettingText& text) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  // Skips the "=" and the one character after it, the blank in a written file.
  const std::size_t start = equals + 2;
  text.assign(start <= line.size() ? line.substr(start) : std::string_view{});
}

struct KeyRule {
  std::string_view key;
  void (*apply)(Reading& reading, std::string_view line);
};

// The first key of this table found anywhere in a line decides what the line means.
constexpr std::array<KeyRule, 20> keyRules{{
    {"NO_TIPS",
     [](Reading& r, std::string_view line) {
       if (Holds(line, "TRUE")) r.settings.tooltipsOn = false;
     }},
    {"NO_BANDS",
     [](Reading& r, std::string_view line) {
       if (Holds(line, "TRUE")) r.settings.bandsShown = false;
     }},
    {"E24_4",
     [](Reading& r, std::string_view line) {
       if (Holds(line, "FALSE")) r.bands.e24Four = false;
     }},
    {"E24_5",
     [](Reading& r, std::string_view line) {
       if (Holds(line, "TRUE")) r.bands.e24Five = true;
     }},
    {"E24_6",
     [](Reading& r, std::string_view line) {
       if (Holds(line, "TRUE")) r.bands.e24Six = true;
     }},
    {"E96_5",
     [](Reading& r, std::string_view line) {
       if (Holds(line, "FALSE")) r.bands.e96Five = false;
     }},
    {"E96_6",
     [](Reading& r, std::string_view line) {
       if (Holds(line, "TRUE")) r.bands.e96Six = true;
     }},
    {"E24ONLY",
     [](Reading& r, std::string_view line) { r.settings.E24ONLY = !Holds(line, "FALSE"); }},
    {"USE_1PC",
     [](Reading& r, std::string_view line) { r.settings.USE_1PC = !Holds(line, "FALSE"); }},
    {"E24MIN",
     [](Reading& r, std::string_view line) { ReadNumber(line, r.settings.limits.e24Min); }},
    {"E24MAX",
     [](Reading& r, std::string_view line) { ReadNumber(line, r.settings.limits.e24Max); }},
    {"E96MIN",
     [](Reading& r, std::string_view line) { ReadNumber(line, r.settings.limits.e96Min); }},
    {"E96MAX",
     [](Reading& r, std::string_view line) { ReadNumber(line, r.settings.limits.e96Max); }},
    {"E24SZN", [](Reading& r, std::string_view line) { ReadText(line, r.settings.e24MinText); }},
    {"E24SZM", [](Reading& r, std::string_view line) { ReadText(line, r.settings.e24MaxText); }},
    {"E96SZN1", [](Reading& r, std::string_view line) { ReadText(line, r.settings.e96MinText1); }},
    {"E96SZN2", [](Reading& r, std::string_view line) { ReadText(line, r.settings.e96MinText2); }},
    {"E96SZM1", [](Reading& r, std::string_view line) { ReadText(line, r.settings.e96MaxText1); }},
    {"E96SZM2", [](Reading& r, std::string_view line) { ReadText(line, r.settings.e96MaxText2); }},
    {"NOT_ONTOP",
     [](Reading& r, std::string_view line) {
       if (Holds(line, "TRUE")) r.settings.alwaysOnTop = false;
     }},
}};

void ReadLine(Reading& reading, std::string_view line) {
  for (const KeyRule& rule : keyRules) {
    if (Holds(line, rule.key)) {
      rule.apply(reading, line);
      return;
    }
  }
}

int E24BandCount(const BandFlags& bands) {
  if (bands.e24Four) return 4;
  if (bands.e24Five) return 5;
  if (bands.e24Six) return 6;
  return 4;
}

int E96BandCount(const BandFlags& bands) {
  if (bands.e96Five) return 5;
  if (bands.e96Six) return 6;
  return 5;
}

// "%f" of the C locale: fixed point with six decimals, whatever the process's locale.
void AppendFixed(std::string& text, double value) {
  // A sign, the 309 digits of the largest double, the point and six decimals.
  constexpr std::size_t longest = 1 + (std::numeric_limits<double>::max_exponent10 + 1) + 1 + 6;
  std::array<char, longest> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                    std::chars_format::fixed, 6);
  text.append(digits.data(), result.ptr);
}

std::string FormatSettings(const Settings& settings) {
  std::string text;
  const auto flag = [&text](std::string_view key, bool value) {
    text.append(key).append(value ? " = TRUE" : " = FALSE").append(lineEnd);
  };
  const auto number = [&text](std::string_view key, double value) {
    text.append(key).append(" = ");
    AppendFixed(text, value);
    text.append(lineEnd);
  };
  // Written as "%s" writes it: up to a NUL byte.
  const auto word = [&text](std::string_view key, const SettingText& value) {
    text.append(key).append(" = ").append(value.c_str()).append(lineEnd);
  };

  flag("NO_TIPS", !settings.tooltipsOn);
  flag("NO_BANDS", !settings.bandsShown);
  flag("E24_4", settings.e24BandCount == 4);
  flag("E24_5", settings.e24BandCount == 5);
  flag("E24_6", settings.e24BandCount == 6);
  flag("E96_5", settings.e96BandCount == 5);
  flag("E96_6", settings.e96BandCount == 6);
  flag("E24ONLY", settings.E24ONLY);
  flag("USE_1PC", settings.USE_1PC);
  number("E24MIN", settings.limits.e24Min);
  number("E24MAX", settings.limits.e24Max);
  number("E96MIN", settings.limits.e96Min);
  number("E96MAX", settings.limits.e96Max);
  word("E24SZN", settings.e24MinText);
  word("E24SZM", settings.e24MaxText);
  word("E96SZN1", settings.e96MinText1);
  word("E96SZN2", settings.e96MinText2);
  word("E96SZM1", settings.e96MaxText1);
  word("E96SZM2", settings.e96MaxText2);
  flag("NOT_ONTOP", !settings.alwaysOnTop);
  return text;
}

}  // namespace

Settings ReadSettings(std::string_view bytes) {
  Reading reading;
  const std::string text = FoldLineEnds(bytes);
  // Pieces as a buffer of 80 bytes takes them: up to and including the line end, or 79 characters.
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t lineEnd = std::min(text.find('\n', at), text.size() - 1) + 1;
    const std::size_t pieceEnd = std::min(lineEnd, at + maxPieceLength);
    ReadLine(reading, LineOf(std::string_view(text).substr(at, pieceEnd - at)));
    at = pieceEnd;
  }
  reading.settings.e24BandCount = E24BandCount(reading.bands);
  reading.settings.e96BandCount = E96BandCount(reading.bands);
  return reading.settings;
}

std::optional<std::string> ReadSettingsFile(const std::filesystem::path& file,
                                            std::string& failure) {
  return ReadBoundedRegularFile(file, maxSettingsFileSize, failure);
}

bool LoadSettings(Settings& settings, const std::filesystem::path& file) {
  settings = Settings{};
  std::string failure;
  const std::optional<std::string> bytes = ReadSettingsFile(file, failure);
  if (!bytes) return false;
  settings = ReadSettings(*bytes);
  return true;
}

bool SaveSettings(const Settings& settings, const std::filesystem::path& file) {
  const std::optional<std::string> failure = ReplaceFileContents(file, FormatSettings(settings));
  if (failure) std::fprintf(stderr, "settings not saved: %s\n", failure->c_str());
  return !failure;
}

}  // namespace tamblor
