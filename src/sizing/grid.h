#pragma once
// Decimal grids of dimensions. A sized dimension is a value an engineer
// types (2.35, 0.975), so every candidate is held as a whole number of
// millionths and turned into its text and back exactly as the dimension
// window reads a typed text: no candidate drifts by a sum of binary steps,
// and the value the search judged is the value the saved project holds.

#include <cstdint>
#include <string>

namespace varnholt::sizing {

/// Millionths of a metre (or of the batter ratio n of 1:n): the resolution
/// of every sized value.
using Micros = std::int64_t;
inline constexpr Micros kMicrosPerUnit = 1'000'000;

/// The value in millionths, rounded half away from zero. False when the
/// value is not finite or beyond ±10^9.
bool ToMicros(double value, Micros* out);

/// The text an engineer would type: at least two decimals, at most six,
/// trailing zeros beyond two dropped ("2.35", "0.975", "3.00", "-0.10").
std::string MicrosText(Micros v);

/// The number the dimension window reads from MicrosText(v).
double MicrosValue(Micros v);

/// lo, lo + step, …, up to hi; hi is included when it lies on the grid.
struct Grid {
  Micros lo = 0;
  Micros step = 1;
  std::int64_t count = 1;
  Micros At(std::int64_t i) const { return lo + i * step; }
};

/// Number of grid points from lo to hi; 0 unless step > 0 and lo <= hi.
std::int64_t GridCount(Micros lo, Micros hi, Micros step);

}  // namespace varnholt::sizing
