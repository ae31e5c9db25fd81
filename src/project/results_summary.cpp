#include "project/results_summary.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "calc/design_verdict.h"
#include "calc/format.h"
#include "calc/verdicts.h"
#include "project/text_output.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::project {
namespace {

using Json = nlohmann::ordered_json;

// A row of the results window: its fixed caption (none for a continuation
// row) and its result labels, left to right.
struct Row {
  const ui::Control* caption;
  std::vector<const ui::Control*> labels;
};

std::vector<Row> Rows(const forms::ResultsWindow& r) {
  auto labels = [](auto& refs) {
    std::vector<const ui::Control*> out;
    for (const forms::ControlRef& c : refs) out.push_back(&*c);
    return out;
  };
  const std::vector<const ui::Control*> bearing = labels(r.bearing);
  return {
      {&*r.overturning_caption, labels(r.overturning)},
      {nullptr, labels(r.eccentricity)},
      {&*r.bearing_caption, {bearing.begin(), bearing.begin() + 3}},
      {nullptr, {bearing.begin() + 3, bearing.end()}},
      {&*r.sliding_caption, labels(r.sliding)},
      {&*r.without_key_caption, labels(r.without_key)},
  };
}

// Verdict labels: the last label of each judged row.
std::vector<const ui::Control*> VerdictLabels(const forms::ResultsWindow& r) {
  return {&*r.overturning[2], &*r.eccentricity[2], &*r.bearing[6], &*r.sliding[2],
          &*r.without_key[2]};
}

constexpr int kCaptionColumns = 18;

std::string Padded(std::string caption) { return PadTo(std::move(caption), kCaptionColumns); }

std::string Fixed(double v, int decimals) { return FormatFixed(v, decimals, decimals); }

// The governing section of the body check, three lines.
std::string BodySummary(const BodyStressResult& r) {
  if (!r.ok() || r.sections.empty()) return {};
  const BodySection& g = r.Governing();
  const BodyAllowables& a = r.allowable;
  std::string out = Padded("躯体の応力度照査") + "天端から " + Fixed(g.depth, 3) +
                    "m t=" + Fixed(g.t, 3) + "m N=" + Fixed(g.n, 3) + "kN/m S=" + Fixed(g.s, 3) +
                    "kN/m M=" + Fixed(g.m, 3) + "kN･m/m\n";
  out += Padded("") + "σ1=" + Fixed(g.sigma1, 1) + " σ2=" + Fixed(g.sigma2, 1) +
         " τ=" + Fixed(g.tau, 1) + " kN/m2\n";
  out += Padded("") + "σca=" + Fixed(a.compression, 1) + " σta=" + Fixed(a.tension, 1) +
         " τa=" + Fixed(a.shear, 1) + " kN/m2 応力度比 " + Fixed(g.verdict.ratio, 3) + " " +
         (r.AllOk() ? "O.K" : "NG") + "\n";
  return out;
}

Json BodyJson(const BodyStressResult& r) {
  if (!r.ok()) return Json(nullptr);
  const BodyAllowables& a = r.allowable;
  Json sections = Json::array();
  for (const BodySection& s : r.sections) {
    const BodyVerdict& v = s.verdict;
    sections.push_back({{"depth", s.depth},
                        {"y", s.y},
                        {"t", s.t},
                        {"back_ground", s.back_ground},
                        {"front_ground", s.front_ground},
                        {"z", s.z},
                        {"omega", s.omega},
                        {"N", s.n},
                        {"S", s.s},
                        {"M", s.m},
                        {"sigma1", s.sigma1},
                        {"sigma2", s.sigma2},
                        {"tau", s.tau},
                        {"compression_ratio", v.compression_ratio},
                        {"tension_ratio", v.tension_ratio},
                        {"shear_ratio", v.shear_ratio},
                        {"ratio", v.ratio},
                        {"ok", v.ok}});
  }
  return {{"ok", r.AllOk()},
          {"governing", r.governing},
          {"allowable",
           {{"Fc", a.fc},
            {"short_term", a.short_term},
            {"compression", a.compression},
            {"tension", a.tension},
            {"shear", a.shear}}},
          {"sections", std::move(sections)}};
}

}  // namespace

BodyStressResult BodyCheckOf(forms::App& app) {
  return CheckBodyStress(app.dc(), forms::ReadSelections(app));
}

bool AllVerdictsOk(forms::App& app) {
  return JudgeDesign(app.dc(), forms::ReadSelections(app)).ok();
}

ShownVerdicts CountShownVerdicts(forms::App& app) {
  ShownVerdicts v;
  for (const ui::Control* c : VerdictLabels(forms::Results(app))) {
    if (!c->Visible() || c->Caption().empty()) continue;
    ++v.shown;
    if (c->ForeColor() == ui::kLightMagenta) ++v.ng;
  }
  return v;
}

std::string ResultsSummaryText(forms::App& app) {
  std::string out;
  for (const Row& row : Rows(forms::Results(app))) {
    std::string values;
    for (const ui::Control* c : row.labels) {
      if (!c->Visible() || c->Caption().empty()) continue;
      if (!values.empty()) values += ' ';
      values += c->Caption();
    }
    if (values.empty()) continue;
    const std::string caption = row.caption != nullptr ? row.caption->Caption() : std::string();
    out += Padded(caption) + values + "\n";
  }
  return out + BodySummary(BodyCheckOf(app));
}

std::string ResultsJson(forms::App& app, bool valid, const std::string& error) {
  const DesignCase& dc = app.dc();
  // Every result label under its name in the window, lbl5 … lbl24.
  Json labels = Json::object();
  for (const ui::Control* c : forms::Results(app).ResultLabels()) {
    labels.emplace(c->name(), Json{{"caption", c->Caption()},
                                   {"visible", c->Visible()},
                                   {"ng", c->ForeColor() == ui::kLightMagenta}});
  }
  // The verdicts as the one verdict function gives them, and the values
  // outside their practical range; both empty without a result.
  Json verdicts = Json::array();
  Json warnings = Json::array();
  if (valid) {
    for (const ShownVerdict& r : varnholt::ShownVerdicts(
             JudgeStability(dc, forms::ReadSelections(app)), dc.ShearKeyFlag == "1")) {
      const Verdict& v = r.verdict;
      verdicts.push_back(
          {{"row", r.name},
           {"value", v.value},
           {"limit", v.limit},
           {"ng", !v.ok},
           {"reason",
            v.reason == VerdictReason::kNone ? Json(nullptr) : Json(VerdictReasonText(v.reason))}});
    }
    for (const PlausibilityWarning& w : app.results().warnings()) {
      warnings.push_back({{"code", w.code}, {"text", w.text}});
    }
  }
  const Json j = {
      {"valid", valid},
      {"error", error.empty() ? Json(nullptr) : Json(error)},
      {"Cond", dc.Cond},
      {"Calc", dc.Calc},
      {"wedge",
       {{"OmegaMax", dc.OmegaMax},
        {"WedgeT1", dc.WedgeT1},
        {"WedgeT2", dc.WedgeT2},
        {"WedgeT3", dc.WedgeT3},
        {"WedgeW", dc.WedgeW},
        {"PAmax", dc.PAmax},
        {"PAXw", dc.PAXw},
        {"PAYw", dc.PAYw}}},
      {"fence",
       {{"FenceH", dc.FenceH},
        {"FenceX", dc.FenceX},
        {"FenceLoad", dc.FenceLoad},
        {"FenceP", dc.FenceP},
        {"FenceLoadY", dc.FenceLoadY},
        {"FenceW", dc.FenceW}}},
      {"flags", {{"ShearKeyFlag", dc.ShearKeyFlag}, {"FenceLoadType", dc.FenceLoadType}}},
      {"labels", std::move(labels)},
      {"verdicts", std::move(verdicts)},
      {"warnings", std::move(warnings)},
      {"body", valid ? BodyJson(BodyCheckOf(app)) : Json(nullptr)},
  };
  return ExactJson(j);
}

bool AnyVerdictNg(forms::App& app) {
  const DesignCase& dc = app.dc();
  return AnyNg(JudgeStability(dc, forms::ReadSelections(app)), dc.ShearKeyFlag == "1");
}

}  // namespace varnholt::project
