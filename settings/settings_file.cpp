#include "settings/settings_file.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <istream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "settings/leading_number.h"

namespace tamblor {
namespace {

#ifdef _WIN32
constexpr std::string_view lineEnd = "\r\n";
#else
constexpr std::string_view lineEnd = "\n";
#endif

// What a buffer of 80 bytes takes of a line at once, besides its terminator.
constexpr std::size_t maxPieceLength = 79;

// The bytes of a stream, with each carriage return and line feed pair given as one line feed, as a
// text-mode read on Windows gives them, so that both line ends read alike on every platform.
class TextBytes {
 public:
  explicit TextBytes(std::istream& in) : in_(in) {}

  std::optional<char> Next() {
    if (!Fill()) return std::nullopt;
    const char c = buffer_[position_++];
    if (c == '\r' && Fill() && buffer_[position_] == '\n') {
      ++position_;
      return '\n';
    }
    return c;
  }

 private:
  // istream::read, unlike the stream buffer itself, turns a read error into the end of the bytes.
  bool Fill() {
    if (position_ < length_) return true;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    length_ = static_cast<std::size_t>(in_.gcount());
    position_ = 0;
    return length_ > 0;
  }

  std::istream& in_;
  std::array<char, 4096> buffer_{};
  std::size_t position_ = 0;
  std::size_t length_ = 0;
};

using Piece = std::array<char, maxPieceLength>;

// Takes characters up to and including a line feed, or maxPieceLength of them; 0 at the end.
std::size_t ReadPiece(TextBytes& bytes, Piece& piece) {
  std::size_t length = 0;
  while (length < piece.size()) {
    const std::optional<char> c = bytes.Next();
    if (!c) break;
    piece[length++] = *c;
    if (*c == '\n') break;
  }
  return length;
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

// Creates the file, failing if it exists, so that no other writer shares it.
std::FILE* CreateNewFile(const std::filesystem::path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"wbx");
#else
  return std::fopen(path.c_str(), "wbx");
#endif
}

// A new file beside `file`, under a name no other save uses at the same time.
std::FILE* CreateTemporaryBeside(const std::filesystem::path& file,
                                 std::filesystem::path& temporary) {
  constexpr int attempts = 16;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < attempts; ++attempt) {
    temporary = file;
    temporary += ".tmp" + std::to_string(stamp + attempt);
    errno = 0;
    if (std::FILE* stream = CreateNewFile(temporary)) return stream;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

Settings ReadSettings(std::istream& in) {
  Reading reading;
  TextBytes bytes(in);
  Piece piece;
  for (std::size_t length; (length = ReadPiece(bytes, piece)) > 0;) {
    ReadLine(reading, LineOf({piece.data(), length}));
  }
  reading.settings.e24BandCount = E24BandCount(reading.bands);
  reading.settings.e96BandCount = E96BandCount(reading.bands);
  return reading.settings;
}

bool LoadSettings(Settings& settings, const std::filesystem::path& file) {
  settings = Settings{};
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) return false;
  settings = ReadSettings(in);
  return true;
}

bool SaveSettings(const Settings& settings, const std::filesystem::path& file) {
  const std::string text = FormatSettings(settings);
  std::filesystem::path temporary;
  std::FILE* stream = CreateTemporaryBeside(file, temporary);
  if (stream == nullptr) return false;

  const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
  const bool flushed = std::fflush(stream) == 0;
  const bool closed = std::fclose(stream) == 0;
  std::error_code error;
  if (written && flushed && closed) {
    std::filesystem::rename(temporary, file, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace tamblor
