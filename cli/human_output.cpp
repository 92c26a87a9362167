#include "cli/human_output.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "values/band_code.h"

namespace tamblor::cli {
namespace {

constexpr std::string_view indent = "  ";
constexpr std::string_view columnGap = "  ";
constexpr std::size_t rowLabelWidth = 6;  // "higher"
constexpr std::size_t columnCount = 7;
// Widths that hold the usual texts, so that consecutive blocks line up.
constexpr std::array<std::size_t, columnCount> minimumColumnWidths{7, 7, 3, 7, 3, 7, 0};

struct Row {
  std::string_view label;
  const ResultRowFields& fields;
  double absError;
};

std::array<std::string_view, columnCount> RowTexts(const TextForm& form,
                                                   const ResultRowFields& fields) {
  return {form.Field(fields.actual),    form.Field(fields.r1),       form.Field(fields.r1Series),
          form.Field(fields.r2),        form.Field(fields.r2Series), form.Field(fields.error),
          form.Field(fields.connection)};
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
  out += text;
  out.append(width > text.size() ? width - text.size() : 0, ' ');
}

void TrimTrailingBlanks(std::string& out) {
  while (!out.empty() && out.back() == ' ') out.pop_back();
}

void AppendRows(const CalculatorState& state, const TextForm& form, std::string& out) {
  const std::array<Row, 3> rows{Row{"lower", LOWER_ROW, state.lowerAbsError},
                                Row{"best", BEST_ROW, state.bestAbsError},
                                Row{"higher", HIGHER_ROW, state.higherAbsError}};
  std::array<std::size_t, columnCount> widths = minimumColumnWidths;
  for (const Row& row : rows) {
    const auto texts = RowTexts(form, row.fields);
    for (std::size_t column = 0; column < columnCount; ++column) {
      widths[column] = std::max(widths[column], texts[column].size());
    }
  }
  for (const Row& row : rows) {
    out += indent;
    AppendPadded(out, row.label, rowLabelWidth);
    const auto texts = RowTexts(form, row.fields);
    if (std::all_of(texts.begin(), texts.end(), [](std::string_view t) { return t.empty(); })) {
      out += columnGap;
      out += '-';
    } else {
      for (std::size_t column = 0; column < columnCount; ++column) {
        out += columnGap;
        AppendPadded(out, texts[column], widths[column]);
      }
      TrimTrailingBlanks(out);
      if (row.absError > state.alertThreshold()) out += "  above tolerance";
    }
    out += '\n';
  }
}

// The fields of a list line are separated by tabs; a message line has none.
template <typename Visit>
void ForEachTabField(std::string_view line, Visit visit) {
  std::size_t column = 0;
  for (std::size_t start = 0;; ++column) {
    const std::size_t tab = line.find('\t', start);
    const bool last = tab == std::string_view::npos;
    visit(column, line.substr(start, last ? std::string_view::npos : tab - start), last);
    if (last) return;
    start = tab + 1;
  }
}

void AppendMatchList(const TextForm& form, std::string& out) {
  constexpr std::size_t maxFields = 8;
  std::array<std::size_t, maxFields> widths{};
  for (const std::string& line : form.MatchLines()) {
    ForEachTabField(line, [&](std::size_t column, std::string_view field, bool) {
      if (column < maxFields) widths[column] = std::max(widths[column], field.size());
    });
  }
  for (const std::string& line : form.MatchLines()) {
    out += indent;
    ForEachTabField(line, [&](std::size_t column, std::string_view field, bool last) {
      if (column > 0) out += columnGap;
      AppendPadded(out, field, last || column >= maxFields ? 0 : widths[column]);
    });
    out += '\n';
  }
}

void AppendBands(std::string_view name, const BandCode& code, bool isR1,
                 const CalculatorState& state, std::string& out) {
  if (code.digitCount == 0) return;
  out += indent;
  out += name;
  out += " bands:";
  const BandSequence bands = DrawnBands(code, isR1, state.bandSettings());
  for (int band = 0; band < bands.size; ++band) {
    out += ' ';
    const std::optional<int> swatch = bands.swatches[band];
    out += swatch ? SWATCH_NAMES[*swatch] : std::string_view{"none"};
  }
  out += '\n';
}

}  // namespace

void AppendEscaped(std::string_view text, std::string& out) {
  constexpr std::string_view hex = "0123456789abcdef";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '\\') {
      out += c;
      continue;
    }
    out += '\\';
    switch (c) {
      case '\\':
        out += '\\';
        break;
      case '\b':
        out += 'b';
        break;
      case '\f':
        out += 'f';
        break;
      case '\n':
        out += 'n';
        break;
      case '\r':
        out += 'r';
        break;
      case '\t':
        out += 't';
        break;
      default:
        out.append(byte < 0x80 ? "u00" : "x").append({hex[byte >> 4], hex[byte & 15]});
    }
  }
}

void AppendHumanResult(std::string_view required, const CalculatorState& state,
                       const TextForm& form, std::string& out) {
  AppendEscaped(required, out);
  out += '\n';
  AppendRows(state, form, out);
  AppendMatchList(form, out);
  AppendBands("R1", state.r1Bands, true, state, out);
  AppendBands("R2", state.r2Bands, false, state, out);
}

}  // namespace tamblor::cli
