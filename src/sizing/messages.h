#pragma once
// The sizing's words: names of the checks and of the sized dimensions, the
// sentence for a check that fails, and why a search was refused.

#include <string>

#include "sizing/sizing.h"

namespace varnholt::sizing {

/// The check as the engineer names it: "転倒 F", "偏心 e", "支持力 σmax"
/// ("qmax" under 道路土工), "滑動 Fs", "突起を含む滑動 Fk", "突起の無い状態の滑動 Fs",
/// "躯体の引張応力度 σt" and the like.
std::string CheckName(const CheckResult& check, const Selections& sel);

/// The check with its value and limit: "滑動 Fs = 1.310 < 1.5",
/// "偏心 e = 0.412 > B/6 = 0.333 m", "支持力 σmax = 231.5 > 200.0 kN/m2",
/// "躯体の引張応力度 σt = 215.3 > 180.0 kN/m2（天端から 0.45 m）".
std::string CheckSentence(const CheckResult& check, const Selections& sel);

/// The load case of a design as a short name: "常時", "地震時" ("地震時①",
/// "地震時②" under 宅地造成, whose two methods are sized together) or
/// "水平荷重時" (a short-term fence load).
std::string CaseName(const DesignCase& dc, const Selections& sel);

/// The sized dimensions of a section, "B = 2.35 m" or
/// "B = 2.35 m, b = 0.50 m, 前面勾配 1:0.30"; only the varied ones.
std::string SectionText(const Section& section, const Variables& variables);

/// Why nothing in the bounds passes, at the closest section: "B を 6.00 m
/// まで広げても滑動 Fs = 1.310 < 1.5" when it lies at the upper bound of B,
/// otherwise "範囲内に O.K となる断面がありません。最も近い断面（B = 3.20 m）でも…".
std::string NotFoundSentence(const SizingRequest& request, const Evaluation& closest);

}  // namespace varnholt::sizing
