#pragma once
// Text to number, as every numeric input box is read.

#include <string_view>

namespace varnholt {

/// Reads the number at the start of `text`, the way an engineer's typing is
/// read everywhere in the program:
///  - blanks, tabs and line feeds are ignored wherever they stand ("1 2" is 12);
///  - the longest prefix of an optional sign, digits, one decimal point and an
///    optional exponent (E or D, with an optional sign and at least one digit)
///    is taken, the rest ignored ("12.5m" is 12.5, "1.2.3" is 1.2, "1e" is 1);
///  - "&H" and "&O" introduce a hexadecimal or octal integer ("&H1F" is 31);
///  - anything else, the empty text included, is 0.
/// The decimal separator is always ".", whatever the locale. A number too
/// large for a double comes back as ±infinity; the calculation refuses such
/// inputs, nothing here fails.
double LeadingNumber(std::string_view text);

}  // namespace varnholt
