#include "cli/json_line.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>

namespace tamblor::cli {
namespace {

bool NeedsNoEscape(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c >= 0x20 && c < 0x7f && c != '"' && c != '\\'; });
}

}  // namespace

void JsonLineWriter::Text(std::string_view text) {
  BeforeValue();
  if (NeedsNoEscape(text)) {
    out_ += '"';
    out_ += text;
    out_ += '"';
  } else {
    out_ += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  }
}

void JsonLineWriter::Integer(long value) {
  BeforeValue();
  std::array<char, 24> digits;
  const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  out_.append(digits.data(), end);
}

void JsonLineWriter::Number(double value) {
  BeforeValue();
  out_ += nlohmann::json(value).dump();
}

}  // namespace tamblor::cli
