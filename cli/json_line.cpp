#include "cli/json_line.h"

#include <cassert>
#include <charconv>

namespace tamblor::cli {

JsonLineWriter::JsonLineWriter(std::string& out)
    : out_(out),
      text_(""),
      serializer_(nlohmann::detail::output_adapter<char>(out), ' ',
                  Json::error_handler_t::replace) {}

void JsonLineWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (depth_ > 0 && hasValue_[depth_ - 1]) out_ += ',';
  if (depth_ > 0) hasValue_[depth_ - 1] = true;
}

void JsonLineWriter::Open(char bracket) {
  BeforeValue();
  assert(depth_ < maxDepth);
  out_ += bracket;
  hasValue_[depth_++] = false;
}

void JsonLineWriter::Close(char bracket) {
  assert(depth_ > 0 && !afterKey_);
  --depth_;
  out_ += bracket;
}

void JsonLineWriter::BeginObject() { Open('{'); }
void JsonLineWriter::EndObject() { Close('}'); }
void JsonLineWriter::BeginArray() { Open('['); }
void JsonLineWriter::EndArray() { Close(']'); }

void JsonLineWriter::Key(std::string_view name) {
  assert(name.find_first_of("\"\\") == std::string_view::npos);
  BeforeValue();
  out_ += '"';
  out_ += name;
  out_ += "\":";
  afterKey_ = true;
}

void JsonLineWriter::Text(std::string_view text) {
  BeforeValue();
  text_.get_ref<std::string&>().assign(text);
  serializer_.dump(text_, false, false, 0);
}

void JsonLineWriter::Integer(long value) {
  BeforeValue();
  std::array<char, 24> digits;
  const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  out_.append(digits.data(), end);
}

void JsonLineWriter::Boolean(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonLineWriter::Null() {
  BeforeValue();
  out_ += "null";
}

void JsonLineWriter::EndLine() {
  assert(depth_ == 0);
  out_ += '\n';
}

}  // namespace tamblor::cli
