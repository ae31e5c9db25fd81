#pragma once
// Widths of UTF-8 text on a printed page, in half-width columns, and lines
// cut to a width.

#include <string>
#include <string_view>
#include <vector>

namespace varnholt::report {

/// Width in half ems: ASCII and half-width katakana one, every other
/// character two.
int HalfEms(std::string_view text);

/// Width with every character beyond ASCII two, half-width katakana too.
int WideColumns(std::string_view text);

/// The text cut into lines no wider than `width` as `measure` counts them,
/// wherever the next character would not fit and at every line break.
std::vector<std::string> WrapColumns(std::string_view text, int width,
                                     int (*measure)(std::string_view) = HalfEms);

}  // namespace varnholt::report
