#include "sizing/request_check.h"

#include <cmath>

namespace varnholt::sizing {
namespace {

// 1234567 as "1,234,567".
std::string Grouped(std::int64_t n) {
  std::string digits = std::to_string(n);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
    digits.insert(static_cast<std::size_t>(i), ",");
  }
  return digits;
}

struct Named {
  const VariableRange& range;
  const char* name;
  bool width;  // B and b must stay above 0; the batter may be 0
  Grid* grid;
};

std::string CheckVariable(const Named& v) {
  const std::string name = v.name;
  const VariableRange& r = v.range;
  Micros lo = 0, hi = 0, step = 0;
  if (!ToMicros(r.min, &lo) || !ToMicros(r.max, &hi) || !ToMicros(r.step, &step)) {
    return name + " の下限・上限・刻みは数値で指定してください。";
  }
  if (step <= 0) {
    return name + " の刻みは 0 より大きくしてください（0.000001 以上）。";
  }
  if (lo > hi) {
    return name + " の下限 " + MicrosText(lo) + " が上限 " + MicrosText(hi) +
           " より大きくなっています。";
  }
  if (v.width && lo <= 0) return name + " の下限は 0 より大きくしてください。";
  if (!v.width && lo < 0) return name + " の下限は 0 以上にしてください。";
  v.grid->lo = lo;
  v.grid->step = step;
  v.grid->count = GridCount(lo, hi, step);
  return {};
}

}  // namespace

std::string CheckRequest(const SizingRequest& request, GridSet* grids) {
  if (request.cases.empty()) return "断面を決定する設計ケースがありません。";
  const Variables& v = request.variables;
  if (!v.base.vary && !v.crest.vary && !v.front.vary) {
    return "変化させる寸法（底版幅 B、天端幅 b、前面勾配）を一つ以上選んでください。";
  }
  const Named named[] = {{v.base, "底版幅 B", true, &grids->base},
                         {v.crest, "天端幅 b", true, &grids->crest},
                         {v.front, "前面勾配 1:n の n", false, &grids->front}};
  // The total is built up variable by variable and stops growing past the
  // limit, so that no product can overflow.
  std::int64_t total = 1;
  for (const Named& n : named) {
    if (!n.range.vary) continue;
    const std::string message = CheckVariable(n);
    if (!message.empty()) return message;
    const std::int64_t count = n.grid->count;
    total = count > kMaxCandidates || total > kMaxCandidates / count ? kMaxCandidates + 1
                                                                     : total * count;
  }
  if (total > kMaxCandidates) {
    return "候補の断面が上限の " + Grouped(kMaxCandidates) +
           " 通りを超えます。刻みを大きくするか、範囲を狭めてください。";
  }
  return {};
}

std::string CheckCurrent(const SizingRequest& request, const Evaluation& current) {
  if (!current.computed) {
    return "現在の断面で計算ができないため、断面の自動決定ができません。\n" +
           current.failure.Message();
  }
  // Every case must be judged by the three checks, or a "passing" section
  // would prove nothing about the one left out.
  for (std::size_t i = 0; i < request.cases.size(); ++i) {
    bool any = false, overturning = false, sliding = false;
    for (const CheckResult& c : current.checks) {
      if (c.case_index != i) continue;
      any = true;
      overturning = overturning || c.check == Check::kOverturning;
      sliding = sliding || c.check == Check::kSliding || c.check == Check::kShearKey;
    }
    const char* missing = !any ? "荷重状態（常時・地震時）が選ばれていない"
                          : !overturning ? "転倒に対する検討方法が選ばれていない"
                          : !sliding     ? "滑動に対する検討方法が選ばれていない"
                                         : nullptr;
    if (missing != nullptr) {
      return std::string(missing) + "ため、断面の自動決定ができません。";
    }
  }
  return {};
}

}  // namespace varnholt::sizing
