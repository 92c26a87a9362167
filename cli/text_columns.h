#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tamblor::cli {

// Lines of cells gathered for one block and written with each column as wide as its widest cell,
// two blanks between columns and none at a line's end. A heading is a line of its own that takes
// no part in the widths, so that the rows under several headings line up; so is a remark, which
// stands under its row, two blanks further in. Reused from block to block without allocating once
// warm.
class TextColumns {
 public:
  void Clear();
  void Heading(std::string_view text);
  void Remark(std::string_view text);
  void Row(std::initializer_list<std::string_view> cells);

  // Appends the lines, a heading after `headingIndent` and a row after `rowIndent`.
  void AppendTo(std::string& out, std::string_view headingIndent, std::string_view rowIndent) const;

 private:
  enum class Kind : std::uint8_t { Row, Heading, Remark };

  struct Line {
    Kind kind = Kind::Row;
    std::size_t firstCell = 0;
    std::size_t cellCount = 0;  // of a row; a heading's or remark's text is the cell at firstCell
  };

  std::vector<std::string> cells_;  // the strings past cellsUsed_ keep their buffers
  std::size_t cellsUsed_ = 0;
  std::vector<Line> lines_;
  std::vector<std::size_t> widths_;

  std::string& NextCell(std::string_view text);
};

}  // namespace tamblor::cli
