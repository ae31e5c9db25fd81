#pragma once
// Small helpers shared by the calculation steps for refusing what cannot be
// computed. Every step computes into locals, checks, and only then writes
// the design case, so no slot ever receives a NaN or an infinity.

#include <cmath>
#include <initializer_list>
#include <string>

#include "calc/status.h"

namespace varnholt {

/// A value with the name under which the engineer knows it.
struct NamedValue {
  double value;
  const char* name;
};

/// Fails with the first input that is not a finite number (typed 1e999).
inline CalcStatus RequireFiniteInputs(std::initializer_list<NamedValue> inputs) {
  for (const NamedValue& in : inputs) {
    if (!std::isfinite(in.value)) return CalcStatus::BadInput(in.name);
  }
  return CalcStatus::Ok();
}

/// The named quantity became too large for the computer to represent.
inline CalcStatus Overflow(const char* name) {
  return CalcStatus::NotComputable(
      name, std::string(name) + " の値が大きくなりすぎるため、計算できません。");
}

/// Fails with the first result that is not a finite number.
inline CalcStatus RequireFiniteResults(std::initializer_list<NamedValue> results) {
  for (const NamedValue& r : results) {
    if (!std::isfinite(r.value)) return Overflow(r.name);
  }
  return CalcStatus::Ok();
}

/// True when every value is a finite number.
inline bool AllFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

/// A divisor that is zero: `reason` is the whole sentence for the engineer.
inline CalcStatus ZeroDivisor(const char* quantity, const char* reason) {
  return CalcStatus::NotComputable(quantity, reason);
}

}  // namespace varnholt
