#include "calc/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace varnholt {

std::string FormatFixed(double value, int min_decimals, int max_decimals) {
  if (!std::isfinite(value) || min_decimals < 0 || max_decimals < min_decimals ||
      max_decimals > 15) {
    return {};
  }
  // Fifteen significant digits: d.dddddddddddddde±xx.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  int digits[15];
  digits[0] = buf[0] - '0';
  for (int i = 1; i < 15; ++i) digits[i] = buf[i + 1] - '0';
  const int exponent = std::atoi(buf + 17);  // after "d." + 14 digits + "e"

  // Fixed-point digit array: `int_places` integer digits, then the kept
  // decimals and one more digit that decides the rounding.
  const int int_places = exponent >= 0 ? exponent + 1 : 1;
  const int frac_places = max_decimals + 1;
  std::vector<int> fixed(static_cast<size_t>(int_places + frac_places), 0);
  for (int i = 0; i < 15; ++i) {
    const int power = exponent - i;
    const int index = (int_places - 1) - power;
    if (index >= 0 && index < int_places + frac_places)
      fixed[static_cast<size_t>(index)] = digits[i];
  }
  const bool round_up = fixed.back() >= 5;
  fixed.pop_back();
  if (round_up) {
    int i = static_cast<int>(fixed.size()) - 1;
    for (; i >= 0; --i) {
      if (fixed[static_cast<size_t>(i)] == 9) {
        fixed[static_cast<size_t>(i)] = 0;
      } else {
        ++fixed[static_cast<size_t>(i)];
        break;
      }
    }
    if (i < 0) fixed.insert(fixed.begin(), 1);
  }
  const size_t point = fixed.size() - static_cast<size_t>(max_decimals);

  bool nonzero = false;
  for (int d : fixed) nonzero = nonzero || d != 0;

  std::string text;
  if (value < 0 && nonzero) text += '-';
  size_t first = 0;
  while (first + 1 < point && fixed[first] == 0) ++first;
  for (size_t i = first; i < point; ++i) text += static_cast<char>('0' + fixed[i]);
  size_t last = fixed.size();
  while (last > point + static_cast<size_t>(min_decimals) && fixed[last - 1] == 0) --last;
  if (last > point) {
    text += '.';
    for (size_t i = point; i < last; ++i) text += static_cast<char>('0' + fixed[i]);
  }
  return text;
}

}  // namespace varnholt
