#pragma once

#include <string_view>

namespace tamblor {

// Reads the number at the start of a text as the C library's atof does in the "C" locale, whatever
// the process's locale: leading white space is skipped, then the longest prefix of the form
// [sign] digits [. digits] [e|E [sign] digits] (at least one digit before the exponent) is taken;
// a text that doesn't begin with one gives 0. "inf", "nan" and hexadecimal forms are not numbers
// here: "inf" gives 0 and "0x10" gives 0. A value beyond the range of a double gives infinity of
// its sign, one too small for the smallest subnormal gives zero of its sign.
double ReadLeadingNumber(std::string_view text);

}  // namespace tamblor
