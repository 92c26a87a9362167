#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string>

#include "network/exact_value.h"
#include "network/number_text.h"
#include "network/part_set.h"

namespace tamblor {

namespace {

constexpr double defaultStockTolerance = 5.0;
// A quoted field in a reason is cut to this many bytes, so a long line gives a short message.
constexpr std::size_t quotedFieldLength = 32;
constexpr std::string_view blanks = " \t\r\v\f";

struct StockLine {
  double ohms = 0.0;
  double tolerance = defaultStockTolerance;
  int count = unlimitedCount;
};

std::string Quoted(std::string_view what, std::string_view field) {
  std::string reason(what);
  reason += " \"";
  reason += field.substr(0, quotedFieldLength);
  if (field.size() > quotedFieldLength) reason += "...";
  reason += '"';
  return reason;
}

bool IsWholeNumber(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "1%", "0.5%", ".5%": a plain decimal.
std::optional<double> ReadTolerance(std::string_view field) {
  const std::string_view number = field.substr(0, field.size() - 1);
  const bool decimal = number.find_first_not_of("0123456789.") == std::string_view::npos &&
                       std::count(number.begin(), number.end(), '.') <= 1 &&
                       number.find_first_of("0123456789") != std::string_view::npos;
  if (!decimal) return std::nullopt;
  double tolerance = 0.0;
  std::from_chars(number.data(), number.data() + number.size(), tolerance,
                  std::chars_format::fixed);
  if (!IsPartTolerance(tolerance)) return std::nullopt;
  return tolerance;
}

std::optional<int> ReadCount(std::string_view field) {
  if (!IsWholeNumber(field)) return std::nullopt;
  int count = 0;
  const auto result = std::from_chars(field.data(), field.data() + field.size(), count);
  if (result.ec != std::errc() || count == 0) return std::nullopt;
  return count;
}

// Reads one line without its comment into `part`; returns the reason it is bad, empty if good.
std::string ReadLine(std::string_view line, StockLine& part) {
  std::array<std::string_view, 3> fields{};
  std::size_t fieldCount = 0;
  for (std::size_t start = line.find_first_not_of(blanks); start != std::string_view::npos;
       start = line.find_first_not_of(blanks, start)) {
    const std::size_t end = std::min(line.find_first_of(blanks, start), line.size());
    if (fieldCount == fields.size()) return "too many fields";
    fields[fieldCount++] = line.substr(start, end - start);
    start = end;
  }

  const std::optional<double> ohms = ExactOhmsFromText(fields[0]);
  if (!ohms || *ohms <= 0.0) return Quoted("bad value", fields[0]);
  part.ohms = *ohms;

  bool hasTolerance = false;
  bool hasCount = false;
  for (std::size_t i = 1; i < fieldCount; ++i) {
    const std::string_view field = fields[i];
    if (field.back() == '%') {
      const std::optional<double> tolerance = ReadTolerance(field);
      if (!tolerance) return Quoted("bad tolerance", field);
      if (hasTolerance) return "two tolerances";
      part.tolerance = *tolerance;
      hasTolerance = true;
    } else {
      const std::optional<int> count = ReadCount(field);
      if (!count) return Quoted("bad count", field);
      if (hasCount) return "two counts";
      part.count = *count;
      hasCount = true;
    }
  }
  return {};
}

int AddedCounts(int a, int b) {
  if (a == unlimitedCount || b == unlimitedCount) return unlimitedCount;
  return static_cast<int>(
      std::min<long long>(static_cast<long long>(a) + b, std::numeric_limits<int>::max()));
}

}  // namespace

StockList ParseStockList(std::string_view text) {
  StockList list;
  int lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t lineEnd = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, lineEnd);
    text.remove_prefix(std::min(lineEnd + 1, text.size()));
    line = line.substr(0, line.find('#'));
    if (line.find_first_not_of(blanks) == std::string_view::npos) continue;

    StockLine read;
    std::string reason = ReadLine(line, read);
    if (!reason.empty()) {
      list.parts.clear();
      list.error = StockLineError{lineNumber, std::move(reason)};
      return list;
    }
    list.parts.push_back(
        {read.ohms, read.tolerance, PartOrigin::Stock, read.count, FormatValueText(read.ohms)});
  }

  auto byValueThenTolerance = [](const Part& a, const Part& b) {
    return a.ohms != b.ohms ? a.ohms < b.ohms : a.tolerance < b.tolerance;
  };
  std::sort(list.parts.begin(), list.parts.end(), byValueThenTolerance);
  std::vector<Part> merged;
  for (const Part& part : list.parts) {
    if (!merged.empty() && merged.back().ohms == part.ohms &&
        merged.back().tolerance == part.tolerance) {
      merged.back().count = AddedCounts(merged.back().count, part.count);
    } else {
      merged.push_back(part);
    }
  }
  list.parts = std::move(merged);
  return list;
}

}  // namespace tamblor
