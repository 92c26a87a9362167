#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace tamblor::cli {

// Writes one JSON value at a time straight into a buffer, commas and nesting kept for the caller.
// Names are the program's own plain ASCII keys and are written as they are; every text goes through
// the JSON library's serializer, which escapes it and replaces bytes that are not UTF-8. Building a
// whole document per line and dumping it, keys included, would cost more than the calculation.
class JsonLineWriter {
 public:
  // Appends to `out`, which must outlive the writer.
  explicit JsonLineWriter(std::string& out);

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The name of the next member of the open object.
  void Key(std::string_view name);
  void Text(std::string_view text);
  void Integer(long value);
  void Boolean(bool value);
  void Null();
  // Ends the line after a complete top-level value.
  void EndLine();

 private:
  using Json = nlohmann::ordered_json;

  // Writes the comma that separates this value from the one before it, if any.
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);

  std::string& out_;
  Json text_;  // a string node reused for every text
  nlohmann::detail::serializer<Json> serializer_;
  static constexpr std::size_t maxDepth = 8;
  std::array<bool, maxDepth> hasValue_{};  // per open object or array: a member was written
  std::size_t depth_ = 0;
  bool afterKey_ = false;
};

}  // namespace tamblor::cli
