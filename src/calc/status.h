#pragma once
// The outcome of a calculation: either every slot was computed, or the name
// of the first quantity that could not be (a zero divisor, an overflow, an
// input too large to be a number).

#include <string>

namespace varnholt {

/// Why a calculation stopped.
enum class CalcFailure {
  kNone,
  kBadInput,       // an input is not a finite number (typed 1e999, say)
  kNotComputable,  // a divisor is zero or a result overflows
};

/// Result of KEISAN and of the coefficient calculation. A failed status
/// names the quantity in the engineer's terms; the caller reports it and
/// keeps no result.
struct CalcStatus {
  CalcFailure failure = CalcFailure::kNone;
  std::string quantity;
  /// A full sentence saying why the quantity cannot be computed, e.g.
  /// "転倒モーメント Mo が 0 のため、転倒安全率 F を計算できません。"; empty
  /// when only the quantity is known.
  std::string reason;

  bool ok() const { return failure == CalcFailure::kNone; }
  static CalcStatus Ok() { return {}; }
  static CalcStatus BadInput(std::string quantity) {
    return {CalcFailure::kBadInput, std::move(quantity), {}};
  }
  static CalcStatus NotComputable(std::string quantity) {
    return {CalcFailure::kNotComputable, std::move(quantity), {}};
  }
  static CalcStatus NotComputable(std::string quantity, std::string reason) {
    return {CalcFailure::kNotComputable, std::move(quantity), std::move(reason)};
  }
  /// The message shown to the engineer, in plain Japanese.
  std::string Message() const;
};

}  // namespace varnholt
