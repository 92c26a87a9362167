#pragma once

#include <array>
#include <cassert>
#include <string>
#include <string_view>

namespace tamblor::cli {

// Writes one JSON value at a time straight into a buffer, commas and nesting kept for the caller.
// Names are the program's own plain ASCII keys and are written as they are, and so is a text of
// printable ASCII without quote or backslash, as nearly every text is; any other text goes through
// the JSON library, which escapes it and replaces bytes that are not UTF-8. Building a whole
// document per line and dumping it, keys included, would cost more than the calculation. The
// small members are inline: a line takes some eighty calls.
class JsonLineWriter {
 public:
  // Appends to `out`, which must outlive the writer.
  explicit JsonLineWriter(std::string& out) : out_(out) {}

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }

  // The name of the next member of the open object.
  void Key(std::string_view name) {
    assert(name.find_first_of("\"\\") == std::string_view::npos);
    BeforeValue();
    out_ += '"';
    out_ += name;
    out_ += "\":";
    afterKey_ = true;
  }

  void Text(std::string_view text);
  void Integer(long value);
  // The shortest text that reads back as `value`, with ".0" on a whole number as the JSON library
  // writes it (289.0); null for NaN and the infinities, which JSON lacks.
  void Number(double value);

  void Boolean(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
  }

  void Null() {
    BeforeValue();
    out_ += "null";
  }

  // Ends the line after a complete top-level value.
  void EndLine() {
    assert(depth_ == 0);
    out_ += '\n';
  }

 private:
  // Writes the comma that separates this value from the one before it, if any.
  void BeforeValue() {
    if (afterKey_) {
      afterKey_ = false;
    } else if (depth_ > 0) {
      if (hasValue_[depth_ - 1]) out_ += ',';
      hasValue_[depth_ - 1] = true;
    }
  }

  void Open(char bracket) {
    BeforeValue();
    assert(depth_ < maxDepth);
    out_ += bracket;
    hasValue_[depth_++] = false;
  }

  void Close(char bracket) {
    assert(depth_ > 0 && !afterKey_);
    --depth_;
    out_ += bracket;
  }

  std::string& out_;
  static constexpr std::size_t maxDepth = 8;
  std::array<bool, maxDepth> hasValue_{};  // per open object or array: a member was written
  std::size_t depth_ = 0;
  bool afterKey_ = false;
};

}  // namespace tamblor::cli
