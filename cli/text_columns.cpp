#include "cli/text_columns.h"

#include <algorithm>

namespace tamblor::cli {

void TextColumns::Clear() {
  cellsUsed_ = 0;
  lines_.clear();
  widths_.clear();
}

std::string& TextColumns::NextCell(std::string_view text) {
  if (cellsUsed_ == cells_.size()) cells_.emplace_back();
  return cells_[cellsUsed_++].assign(text);
}

void TextColumns::Heading(std::string_view text) {
  lines_.push_back({Kind::Heading, cellsUsed_, 0});
  NextCell(text);
}

void TextColumns::Remark(std::string_view text) {
  lines_.push_back({Kind::Remark, cellsUsed_, 0});
  NextCell(text);
}

void TextColumns::Row(std::initializer_list<std::string_view> cells) {
  lines_.push_back({Kind::Row, cellsUsed_, cells.size()});
  if (widths_.size() < cells.size()) widths_.resize(cells.size(), 0);
  std::size_t column = 0;
  for (const std::string_view cell : cells) {
    widths_[column] = std::max(widths_[column], NextCell(cell).size());
    ++column;
  }
}

void TextColumns::AppendTo(std::string& out, std::string_view headingIndent,
                           std::string_view rowIndent) const {
  for (const Line& line : lines_) {
    if (line.kind == Kind::Heading) {
      out.append(headingIndent).append(cells_[line.firstCell]).append(1, '\n');
      continue;
    }
    if (line.kind == Kind::Remark) {
      out.append(rowIndent).append("  ").append(cells_[line.firstCell]).append(1, '\n');
      continue;
    }
    out += rowIndent;
    for (std::size_t column = 0; column < line.cellCount; ++column) {
      const std::string& cell = cells_[line.firstCell + column];
      if (column > 0) out += "  ";
      out += cell;
      out.append(widths_[column] - cell.size(), ' ');
    }
    while (out.back() == ' ') out.pop_back();
    out += '\n';
  }
}

}  // namespace tamblor::cli
