#include "cli/json_line.h"

#include <charconv>

namespace tamblor::cli {

JsonLineWriter::JsonLineWriter(std::string& out)
    : out_(out),
      text_(""),
      serializer_(nlohmann::detail::output_adapter<char>(out), ' ',
                  Json::error_handler_t::replace) {}

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

}  // namespace tamblor::cli
