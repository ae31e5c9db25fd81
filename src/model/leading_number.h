#pragma once
// Text to number, as every numeric input box is read.

#include <string>
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

/// A character of a number typed with the Japanese input method on, as the
/// numeric boxes take it: the full-width digits "０"…"９", decimal point "．",
/// signs "－", "＋" (and the minus sign "−"), and the exponent letters "ｅ"
/// and "Ｅ" become their half-width forms. Any other code point comes back
/// unchanged, so names keep their full-width text.
char32_t HalfWidthNumberChar(char32_t c);

/// The same for every character of a UTF-8 text ("１２．５" is "12.5").
std::string HalfWidthNumberText(std::string_view utf8);

}  // namespace varnholt
