#include "report/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace varnholt::report {
namespace {

// A finite value as its 15 significant decimal digits: magnitude =
// 0.d1d2…d15 × 10^point. `digits` is empty for zero.
struct Decimal15 {
  bool negative = false;
  std::string digits;  // 15 digits, or empty for zero
  int point = 0;       // digits before the decimal point (may be <= 0)
};

Decimal15 ToDecimal15(double value) {
  Decimal15 d;
  d.negative = std::signbit(value);
  if (value == 0) return d;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  // buf is "d.dddddddddddddde±XX".
  const std::string text(buf);
  const auto e = text.find('e');
  d.digits = text.substr(0, 1) + text.substr(2, e - 2);
  d.point = std::atoi(text.c_str() + e + 1) + 1;
  return d;
}

// Pattern "0.00#" and friends: digits forced and optional on each side.
struct Pattern {
  int min_int = 0;
  bool grouped = false;
  int min_dec = 0;
  int max_dec = 0;
};

Pattern ParsePattern(std::string_view p) {
  Pattern pat;
  bool fraction = false;
  for (char c : p) {
    if (c == '.') {
      fraction = true;
    } else if (c == ',') {
      if (!fraction) pat.grouped = true;
    } else if (c == '0') {
      if (fraction) {
        ++pat.min_dec;
        ++pat.max_dec;
      } else {
        ++pat.min_int;
      }
    } else if (c == '#') {
      if (fraction) ++pat.max_dec;
    }
  }
  return pat;
}

// Adds one unit to the last digit of a decimal digit string.
void Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return kNotANumberText;
  const Pattern pat = ParsePattern(pattern);
  const Decimal15 d = ToDecimal15(value);

  // Keep the digits down to 10^-max_dec, as a count of those units.
  std::string units;
  if (!d.digits.empty()) {
    const int keep = d.point + pat.max_dec;
    if (keep >= 0) {
      std::string padded = d.digits;
      if (static_cast<int>(padded.size()) < keep + 1) padded.resize(keep + 1, '0');
      units = padded.substr(0, keep);
      if (padded[keep] >= '5') Increment(units);
    }
  }
  // Split into integer and fraction digits.
  if (static_cast<int>(units.size()) < pat.max_dec) {
    units.insert(0, pat.max_dec - units.size(), '0');
  }
  std::string int_part = units.substr(0, units.size() - pat.max_dec);
  std::string frac_part = units.substr(units.size() - pat.max_dec);
  const bool zero = units.find_first_not_of('0') == std::string::npos;

  int_part.erase(0, std::min(int_part.find_first_not_of('0'), int_part.size()));
  if (static_cast<int>(int_part.size()) < pat.min_int) {
    int_part.insert(0, pat.min_int - int_part.size(), '0');
  }
  if (pat.grouped) {
    for (int i = static_cast<int>(int_part.size()) - 3; i > 0; i -= 3) int_part.insert(i, ",");
  }
  while (static_cast<int>(frac_part.size()) > pat.min_dec && frac_part.back() == '0') {
    frac_part.pop_back();
  }

  std::string out;
  if (d.negative && !zero) out += '-';
  out += int_part;
  if (!frac_part.empty()) out += "." + frac_part;
  return out;
}

double RoundHalfUp(double value, int places) {
  if (!std::isfinite(value)) return value;
  const double scale = std::pow(10.0, places);
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", value * scale);
  const double scaled = std::strtod(buf, nullptr);
  const double rounded = std::floor(scaled + 0.5) / scale;
  return rounded == 0 ? 0.0 : rounded;  // no negative zero
}

std::string NumberText(double value) {
  if (!std::isfinite(value)) return std::string(" ") + kNotANumberText + " ";
  const Decimal15 d = ToDecimal15(value);
  if (d.digits.empty()) return " 0 ";
  std::string digits = d.digits;
  while (digits.back() == '0') digits.pop_back();
  std::string text;
  if (d.point <= 0) {
    text = "0." + std::string(-d.point, '0') + digits;
  } else if (d.point >= static_cast<int>(digits.size())) {
    text = digits + std::string(d.point - digits.size(), '0');
  } else {
    text = digits.substr(0, d.point) + "." + digits.substr(d.point);
  }
  return (d.negative ? "-" : " ") + text + " ";
}

double AlignByMagnitude(double base_x, double value, double step) {
  if (value >= 100) return base_x - 2 * step;
  if (value >= 10) return base_x - step;
  return base_x;
}

}  // namespace varnholt::report
