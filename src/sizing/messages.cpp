#include "sizing/messages.h"

#include "calc/fence.h"
#include "calc/format.h"

namespace varnholt::sizing {
namespace {

std::string F3(double v) { return FormatFixed(v, 3, 3); }
std::string F1(double v) { return FormatFixed(v, 1, 1); }

// A dimension as typed, or the design's own value with two to six decimals.
std::string DimensionText(const Dimension& d) {
  return d.text.empty() ? FormatFixed(d.value, 2, 6) : d.text;
}

// The last grid point of a range: its upper bound when that lies on the grid.
bool LastGridPoint(const VariableRange& r, Micros* last) {
  Micros lo = 0, hi = 0, step = 0;
  if (!ToMicros(r.min, &lo) || !ToMicros(r.max, &hi) || !ToMicros(r.step, &step) || step <= 0 ||
      hi < lo) {
    return false;
  }
  *last = lo + (hi - lo) / step * step;
  return true;
}

}  // namespace

std::string CheckName(const CheckResult& c, const Selections& sel) {
  switch (c.check) {
    case Check::kOverturning:
    case Check::kEccentricity:
      return c.measure == Measure::kF ? "転倒 F" : c.measure == Measure::kD ? "転倒 d" : "偏心 e";
    case Check::kBearing:
      return sel.standard == Standard::kRoad ? "支持力 qmax" : "支持力 σmax";
    case Check::kSliding:
      return "滑動 Fs";
    case Check::kShearKey:
      return "滑動（突起） Fk";
    case Check::kWithoutKey:
      return "滑動（突起無し） Fs";
    case Check::kBody:
      return c.stress == BodyStress::kCompression ? "躯体の圧縮応力度 σc"
             : c.stress == BodyStress::kTension   ? "躯体の引張応力度 σt"
                                                  : "躯体のせん断応力度 τ";
  }
  return {};
}

std::string CheckSentence(const CheckResult& c, const Selections& sel) {
  if (c.reason != VerdictReason::kNone) {
    return CheckName(c, sel) + " = " + F3(c.value) + "（" + VerdictReasonText(c.reason) + "）";
  }
  const std::string head = CheckName(c, sel) + " = " + F3(c.value) + " ";
  switch (c.check) {
    case Check::kBody:
      return head + (c.ok ? "≦ " : "> ") + F1(c.limit) + " kN/m2（天端から " + F3(c.depth) + " m）";
    case Check::kBearing:
      return head + (c.ok ? "≦ " : "> ") + F1(c.limit) + " kN/m2";
    default:
      break;
  }
  switch (c.measure) {
    case Measure::kD:
      return head + (c.ok ? "≧ " : "< ") + "B/3 = " + F3(c.limit) + " m";
    case Measure::kE:
      return head + (c.ok ? "≦ " : "> ") + "B/" + std::to_string(c.divisor) + " = " + F3(c.limit) +
             " m";
    default:
      return head + (c.ok ? "≧ " : "< ") + F1(c.limit);
  }
}

std::string CaseName(const DesignCase& dc, const Selections& sel) {
  if (IsShortTermFenceLoad(dc.FenceLoadType)) return "水平荷重時";
  if (sel.load_case != LoadCase::kSeismic) return "常時";
  // Under 宅地造成 both methods may be sized at once.
  if (sel.standard == Standard::kResidential && sel.seismic_method == SeismicMethod::kK1) {
    return "地震時①";
  }
  if (sel.standard == Standard::kResidential && sel.seismic_method == SeismicMethod::kK2) {
    return "地震時②";
  }
  return "地震時";
}

std::string SectionText(const Section& s, const Variables& v) {
  std::string out;
  auto add = [&out](const std::string& part) {
    if (!out.empty()) out += ", ";
    out += part;
  };
  if (v.base.vary) add("B = " + DimensionText(s.base) + " m");
  if (v.crest.vary) add("b = " + DimensionText(s.crest) + " m");
  if (v.front.vary) add("前面勾配 1:" + FormatFixed(s.batter, 2, 6));
  return out;
}

std::string NotFoundSentence(const SizingRequest& request, const Evaluation& closest) {
  const CheckResult& worst = closest.checks[closest.governing];
  std::string sentence;
  if (request.cases.size() > 1) {
    const DesignInput& in = request.cases[worst.case_index];
    sentence = "［" + CaseName(in.dc, in.sel) + "］";
  }
  sentence += CheckSentence(worst, request.cases[worst.case_index].sel);
  const Variables& v = request.variables;
  Micros last = 0;
  if (v.base.vary && !v.crest.vary && !v.front.vary && LastGridPoint(v.base, &last) &&
      closest.section.base.text == MicrosText(last)) {
    return "B を " + closest.section.base.text + " m まで広げても" + sentence;
  }
  return "範囲内に O.K となる断面がありません。最も近い断面（" + SectionText(closest.section, v) +
         "）でも" + sentence;
}

}  // namespace varnholt::sizing
