#include "calc/status.h"

namespace varnholt {

std::string CalcStatus::Message() const {
  switch (failure) {
    case CalcFailure::kNone:
      return {};
    case CalcFailure::kBadInput:
      return "入力値「" + quantity +
             "」が数値として大きすぎるため、計算できません。\n入力値を確認してください。";
    case CalcFailure::kNotComputable:
    case CalcFailure::kImpossible:
      if (!reason.empty()) return reason + "\n入力値を確認してください。";
      return "「" + quantity +
             "」を計算できません（ゼロによる除算または桁あふれ）。\n入力値を確認してください。";
  }
  return {};
}

}  // namespace varnholt
