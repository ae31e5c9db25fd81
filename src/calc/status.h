#pragma once
// The outcome of a calculation: either every slot was computed, or the name
// of the first quantity that could not be (a zero divisor, an overflow, an
// input too large to be a number).

#include <string>

namespace varnholt {

/// An input box a refusal is about, named by what it holds, so that the
/// windows can put the caret into it. kNone when the refusal is about a
/// computed quantity rather than one box.
enum class InputField {
  kNone,
  kGamma,            // γ of the soil
  kGammaC,           // γc of the concrete
  kHeightH,          // h
  kEmbedment,        // embedment depth
  kCrestAbove,       // crest above the back ground
  kCrestWidth,       // b
  kBaseWidth,        // B
  kFrontProjection,  // f
  kSurcharge,        // q
  kSlopeHeight,      // ho of the raised soil
  kKeyHeight,        // H0 of the shear key
  kKeyPosition,      // B1 (L1)
  kKeyWidth,         // D
  kFenceHeight,      // height of the fence
  kFenceDistance,    // crest front edge to the fence centre
  kFenceLoadHeight,  // height of a concentrated load
  kFenceWeight,      // self weight of the fence
};

/// Why a calculation stopped.
enum class CalcFailure {
  kNone,
  kBadInput,       // an input is not a finite number (typed 1e999, say)
  kNotComputable,  // a divisor is zero or a result overflows
  kImpossible,     // the inputs describe no wall that can stand (a negative size)
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
  /// The box to put the caret into, when one input is to blame.
  InputField field = InputField::kNone;

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
  static CalcStatus Impossible(InputField field, std::string quantity, std::string reason) {
    return {CalcFailure::kImpossible, std::move(quantity), std::move(reason), field};
  }
  /// The message shown to the engineer, in plain Japanese.
  std::string Message() const;
};

}  // namespace varnholt
