#include "sizing/grid.h"

#include <cmath>
#include <cstdlib>

#include "calc/format.h"
#include "model/leading_number.h"

namespace varnholt::sizing {

bool ToMicros(double value, Micros* out) {
  if (!std::isfinite(value) || std::fabs(value) > 1e9) return false;
  // The decimal an engineer typed, not the binary double: 0.29 is
  // 0.28999999999999998 in binary and must give 290000, not 289999.
  const std::string text = FormatFixed(value, 6, 6);
  const bool negative = !text.empty() && text[0] == '-';
  Micros v = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') v = v * 10 + (c - '0');
  }
  *out = negative ? -v : v;
  return true;
}

std::string MicrosText(Micros v) {
  const Micros a = std::llabs(v);
  std::string frac = std::to_string(a % kMicrosPerUnit);
  frac.insert(0, 6 - frac.size(), '0');
  while (frac.size() > 2 && frac.back() == '0') frac.pop_back();
  return (v < 0 ? "-" : "") + std::to_string(a / kMicrosPerUnit) + "." + frac;
}

double MicrosValue(Micros v) { return LeadingNumber(MicrosText(v)); }

std::int64_t GridCount(Micros lo, Micros hi, Micros step) {
  if (step <= 0 || hi < lo) return 0;
  return (hi - lo) / step + 1;
}

}  // namespace varnholt::sizing
