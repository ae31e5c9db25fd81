#pragma once
// Number text of the report: patterns, rounding and column alignment.
//
// Every rounding here works on the decimal value an engineer reads, not on
// the binary double: a value is first taken to 15 significant decimal digits
// and that decimal is rounded. So 2.675 (2.67499999… in binary) prints as
// 2.68 with "0.00", and RoundHalfUp(2.00005, 4) is 2.0001.

#include <string>
#include <string_view>

namespace varnholt::report {

/// Text printed for a value that is not a finite number. The report prints
/// only the results of a successful calculation, so this never appears in a
/// real report; it keeps NaN and inf out of it all the same.
inline constexpr const char* kNotANumberText = "***";

/// The value as text by a pattern of "0" (digit always shown), "#" (digit
/// shown when significant), "." and "," (thousands grouping in the integer
/// part), the patterns the report uses: "0", "0.0", "0.00", "0.000",
/// "0.0000", "0.0#", "0.00#", "0.0##", "##", "###", "#,###".
/// The value is taken to 15 significant digits and rounded half away from
/// zero to the last position the pattern can show. A minus sign is printed
/// only when the rounded value is not zero (-0.004 with "0.00" is "0.00").
/// A value that rounds to zero under a pattern without forced digits ("##",
/// "#,###") gives an empty text.
std::string FormatNumber(double value, std::string_view pattern);

/// floor(value × 10^places + 0.5) / 10^places, where the product is first
/// taken to 15 significant digits: half-up on the decimal value, so that
/// 2.00005 gives 2.0001 and -0.00005 gives 0. A non-finite value is
/// returned unchanged.
double RoundHalfUp(double value, int places);

/// The text of a number printed without a pattern: the shortest plain
/// decimal form with at most 15 significant digits and no exponent, with a
/// blank in front (a minus sign when negative) and a blank behind: 21 gives
/// " 21 ", -1.5 gives "-1.5 ". Magnitudes below 1 keep their leading zero
/// (" 0.5 ").
std::string NumberText(double value);

/// The x at which to start a right-aligned number in a table column whose
/// base x is `base_x`: one `step` further left for 10 <= v < 100, two steps
/// for v >= 100. Negative values and values below 10 start at the base.
/// `value` is the (already rounded) value that is printed.
double AlignByMagnitude(double base_x, double value, double step = 100);

}  // namespace varnholt::report
