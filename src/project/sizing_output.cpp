#include "project/sizing_output.h"

#include <cmath>

#include "calc/format.h"
#include "project/text_output.h"
#include "sizing/messages.h"

namespace varnholt::project {
namespace {

using Json = nlohmann::ordered_json;

std::string F2(double v) { return FormatFixed(v, 2, 2); }
std::string F3(double v) { return FormatFixed(v, 3, 3); }
std::string Margin(double m) { return std::isfinite(m) ? F3(m) : "—"; }

const char* OutcomeName(sizing::SizingOutcome o) {
  switch (o) {
    case sizing::SizingOutcome::kFound:
      return "found";
    case sizing::SizingOutcome::kNotFound:
      return "not_found";
    case sizing::SizingOutcome::kRefused:
      return "refused";
    case sizing::SizingOutcome::kCancelled:
      return "cancelled";
  }
  return "";
}

const char* CheckKey(sizing::Check c) {
  switch (c) {
    case sizing::Check::kOverturning:
      return "overturning";
    case sizing::Check::kEccentricity:
      return "eccentricity";
    case sizing::Check::kBearing:
      return "bearing";
    case sizing::Check::kSliding:
      return "sliding";
    case sizing::Check::kShearKey:
      return "shear_key";
    case sizing::Check::kWithoutKey:
      return "without_key";
    case sizing::Check::kBody:
      return "body";
  }
  return "";
}

// "［地震時］" in front of a check when there is more than one case.
std::string CasePrefix(const std::vector<sizing::DesignInput>& cases, std::size_t i) {
  if (cases.size() < 2) return {};
  return "［" + sizing::CaseName(cases[i].dc, cases[i].sel) + "］";
}

std::string Dim(const sizing::Dimension& d, int decimals) {
  return d.text.empty() ? FormatFixed(d.value, decimals, 6) : d.text;
}

// "B = 2.35 m, b = 0.50 m, f = 0.300 m (1:0.079), 断面積 8.455 m2/m"
std::string SectionLine(const sizing::Section& s) {
  return "B = " + Dim(s.base, 2) + " m, b = " + Dim(s.crest, 2) + " m, f = " + Dim(s.front, 3) +
         " m (1:" + FormatFixed(s.batter, 2, 3) + "), 断面積 " + F3(s.area) + " m2/m";
}

// The checks of a section, one per line, the governing one marked.
std::string CheckLines(const std::vector<sizing::DesignInput>& cases, const sizing::Evaluation& e) {
  std::string out;
  for (std::size_t i = 0; i < e.checks.size(); ++i) {
    const sizing::CheckResult& c = e.checks[i];
    const std::string sentence =
        CasePrefix(cases, c.case_index) + sizing::CheckSentence(c, cases[c.case_index].sel);
    out += "    " + PadTo(sentence, 60) + "余裕度 " + Margin(c.margin) +
           (i == e.governing ? "  ← 支配" : "") + "\n";
  }
  return out;
}

std::string Verdict(const std::vector<sizing::DesignInput>& cases, const sizing::Evaluation& e) {
  if (!e.computed) return "計算できません";
  if (e.ok) return "すべて O.K";
  const sizing::CheckResult& c = e.checks[e.governing];
  return "NG（" + CasePrefix(cases, c.case_index) +
         sizing::CheckSentence(c, cases[c.case_index].sel) + "）";
}

Json DimensionJson(const sizing::Dimension& d) {
  return {{"value", d.value}, {"text", d.text.empty() ? Json(nullptr) : Json(d.text)}};
}

Json EvaluationJson(const std::vector<sizing::DesignInput>& cases, const sizing::Evaluation& e) {
  const sizing::Section& s = e.section;
  Json j = {{"B", DimensionJson(s.base)},    {"b", DimensionJson(s.crest)},
            {"f", DimensionJson(s.front)},   {"batter", s.batter},
            {"Hw", s.wall_height},           {"area", s.area},
            {"computed", e.computed},        {"ok", e.ok},
            {"body_checked", e.body_checked}};
  if (!e.computed) {
    j["error"] = e.failure.Message();
    return j;
  }
  j["governing"] = e.checks.empty() ? Json(nullptr) : Json(CheckKey(e.checks[e.governing].check));
  j["worst_margin"] = e.worst_margin;
  Json checks = Json::array();
  for (const sizing::CheckResult& c : e.checks) {
    Json cj = {{"case", c.case_index},
               {"check", CheckKey(c.check)},
               {"name", sizing::CheckName(c, cases[c.case_index].sel)},
               {"value", c.value},
               {"limit", c.limit},
               {"margin", c.margin},
               {"ok", c.ok},
               {"reason", c.reason == VerdictReason::kNone ? Json(nullptr)
                                                           : Json(VerdictReasonText(c.reason))}};
    if (c.check == sizing::Check::kBody) {
      cj["depth"] = c.depth;
      cj["ratio"] = c.ratio;
    }
    checks.push_back(std::move(cj));
  }
  j["checks"] = std::move(checks);
  return j;
}

Json RangeJson(const sizing::VariableRange& r) {
  return {{"vary", r.vary}, {"min", r.min}, {"max", r.max}, {"step", r.step}};
}

}  // namespace

std::string SizingText(const sizing::SizingRequest& request, const sizing::SizingResult& result) {
  const std::vector<sizing::DesignInput>& cases = request.cases;
  std::string out;
  if (result.outcome == sizing::SizingOutcome::kRefused ||
      result.outcome == sizing::SizingOutcome::kCancelled) {
    return result.message + "\n";
  }
  out += "現在の断面  " + SectionLine(result.current.section) + "  " +
         Verdict(cases, result.current) + "\n";
  if (result.outcome == sizing::SizingOutcome::kFound) {
    const sizing::Evaluation& best = result.passing.front();
    out += "最小の断面  " + SectionLine(best.section) + "\n";
    out += CheckLines(cases, best);
    if (result.passing.size() > 1) out += "次の候補\n";
    for (std::size_t i = 1; i < result.passing.size(); ++i) {
      const sizing::Evaluation& e = result.passing[i];
      const sizing::CheckResult& g = e.checks[e.governing];
      out += "    " + SectionLine(e.section) + "  支配 " + CasePrefix(cases, g.case_index) +
             sizing::CheckName(g, cases[g.case_index].sel) + " 余裕度 " + Margin(e.worst_margin) +
             "\n";
    }
  } else {
    out += result.message + "\n";
    if (result.closest.computed) {
      out += "最も近い断面  " + SectionLine(result.closest.section) + "\n";
      out += CheckLines(cases, result.closest);
    }
  }
  out += "候補 " + std::to_string(result.total) + " 通りのうち " +
         std::to_string(result.evaluated) + " 通りを判定\n";
  return out;
}

std::string SizingJson(const sizing::SizingRequest& request, const sizing::SizingResult& result) {
  const std::vector<sizing::DesignInput>& cases = request.cases;
  Json j;
  j["outcome"] = OutcomeName(result.outcome);
  j["message"] = result.message.empty() ? Json(nullptr) : Json(result.message);
  j["total"] = result.total;
  j["evaluated"] = result.evaluated;
  j["variables"] = {{"B", RangeJson(request.variables.base)},
                    {"b", RangeJson(request.variables.crest)},
                    {"front", RangeJson(request.variables.front)}};
  const bool searched = result.outcome == sizing::SizingOutcome::kFound ||
                        result.outcome == sizing::SizingOutcome::kNotFound;
  j["current"] = searched ? EvaluationJson(cases, result.current) : Json(nullptr);
  j["best"] =
      result.passing.empty() ? Json(nullptr) : EvaluationJson(cases, result.passing.front());
  Json candidates = Json::array();
  for (const sizing::Evaluation& e : result.passing) candidates.push_back(EvaluationJson(cases, e));
  j["candidates"] = std::move(candidates);
  j["closest"] = result.outcome == sizing::SizingOutcome::kNotFound && result.closest.computed
                     ? EvaluationJson(cases, result.closest)
                     : Json(nullptr);
  return ExactJson(j);
}

std::string TableText(const sizing::TableRequest& request, const sizing::SectionTable& table) {
  if (table.outcome == sizing::SizingOutcome::kRefused ||
      table.outcome == sizing::SizingOutcome::kCancelled) {
    return table.message + "\n";
  }
  std::string out =
      "h(m)   H(m)   b(m)   B(m)   f(m)    1:n     断面積(m2/m) 体積(m3/m) "
      "支配的な照査               余裕度  判定\n";
  std::string notes;
  for (const sizing::TableRow& row : table.rows) {
    out += PadTo(F2(row.h), 7) + PadTo(F2(row.earth_height), 7);
    const sizing::Evaluation& e = row.section;
    if (e.computed) {
      const sizing::Section& s = e.section;
      const sizing::CheckResult& g = e.checks[e.governing];
      out += PadTo(F2(s.crest.value), 7) + PadTo(F2(s.base.value), 7) +
             PadTo(F3(s.front.value), 8) + PadTo(FormatFixed(s.batter, 2, 3), 8) +
             PadTo(F3(s.area), 13) + PadTo(F3(s.area), 11) +
             PadTo(CasePrefix(request.cases, g.case_index) +
                       sizing::CheckName(g, request.cases[g.case_index].sel),
                   27) +
             PadTo(Margin(e.worst_margin), 8);
    } else {
      out += PadTo("", 7 + 7 + 8 + 8 + 13 + 11 + 27 + 8);
    }
    const bool ok = row.outcome == sizing::SizingOutcome::kFound;
    out += ok ? "O.K\n" : "NG\n";
    if (!ok) notes += "※ h=" + F2(row.h) + "m: " + row.message + "\n";
  }
  return out + notes;
}

std::string TableJson(const sizing::TableRequest& request, const sizing::SectionTable& table) {
  Json j;
  j["outcome"] = OutcomeName(table.outcome);
  j["message"] = table.message.empty() ? Json(nullptr) : Json(table.message);
  j["batter"] = table.batter;
  Json rows = Json::array();
  for (const sizing::TableRow& row : table.rows) {
    rows.push_back({{"h", row.h},
                    {"h_text", row.h_text},
                    {"H", row.earth_height},
                    {"outcome", OutcomeName(row.outcome)},
                    {"message", row.message.empty() ? Json(nullptr) : Json(row.message)},
                    {"section", row.section.computed ? EvaluationJson(request.cases, row.section)
                                                     : Json(nullptr)}});
  }
  j["rows"] = std::move(rows);
  return ExactJson(j);
}

}  // namespace varnholt::project
