#pragma once
// The small number formatting the calculation itself needs: the coefficient
// text "0.00#" that the dimension window shows (and that the next collection
// reads back as the coefficient), and the "0.000" guide values of the
// shear-key dialog. The report has its own, general formatter.

#include <string>

namespace varnholt {

/// Formats `value` with at least `min_decimals` and at most `max_decimals`
/// decimals, as the patterns "0.00#" (2, 3) and "0.000" (3, 3) do:
///  - the value is first written with 15 significant decimal digits, and that
///    decimal text is rounded half away from zero at the last kept decimal, so
///    0.2975 (stored in binary as 0.29749999999999998…) gives "0.298", not
///    "0.297";
///  - trailing zeros beyond `min_decimals` are dropped ("0.30", "0.297");
///  - at least one integer digit is written ("0.48"); no thousands separator;
///  - a value that rounds to zero is written without a minus sign.
/// Requires 0 <= min_decimals <= max_decimals <= 15. A value that is not a
/// finite number gives the empty text; callers never show such values.
std::string FormatFixed(double value, int min_decimals, int max_decimals);

/// Format(value, "0.00#"): the text of a computed earth pressure coefficient.
inline std::string FormatCoefficient(double value) { return FormatFixed(value, 2, 3); }

}  // namespace varnholt
