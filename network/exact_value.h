#pragma once

#include <optional>
#include <string_view>

namespace tamblor {

// The double nearest the decimal value that a text in the value notation writes ("4k7" is
// exactly 4700.0), read by the notation's rules: its alphabet, the k, M, R order, the leading
// number. nullopt for a text outside the notation or longer than maxValueTextLength characters.
std::optional<double> ExactOhmsFromText(std::string_view text);

}  // namespace tamblor
