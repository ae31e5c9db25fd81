#include "project/both_cases_output.h"

#include <array>

#include "calc/format.h"
#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/results_summary.h"
#include "project/vrh_writer.h"

namespace varnholt::project {
namespace {

// The two cases the command prints: 常時 and 地震時 with the dialog's method.
std::array<const forms::CaseCalculation*, 2> Shown(const forms::BothCases& both) {
  return {&both.normal, &both.seismic};
}

const char* MethodMark(SeismicMethod m) {
  switch (m) {
    case SeismicMethod::kK1:
      return "①";
    case SeismicMethod::kK2:
      return "②";
    case SeismicMethod::kD1:
    case SeismicMethod::kNone:
      break;
  }
  return "";
}

// What `calc --json` prints for the project saved in the column's case: the
// copy's inputs written and opened afresh. (The copy itself reached its case
// through the case buttons, which leave slots the case never reads, such as
// the other case's seismic factors, as the buttons left them; an opened file
// has them as Open sets them.)
std::string ColumnJson(const forms::CaseCalculation& c) {
  if (c.computed) {
    const EncodedProject saved = EncodeProject(*c.app);
    BatchPlatform platform;
    forms::App opened(platform);
    if (saved.ok && OpenProjectBytes(opened, "", saved.bytes).outcome == OpenOutcome::kCalculated) {
      return ResultsJson(opened, true, "");
    }
  }
  return ResultsJson(*c.app, c.computed, c.computed ? "" : c.reason);
}

// 宅地造成 with ① and ② calculated: which one governs, by the smallest
// margin of any check, and whether the one not shown fails somewhere.
std::string GoverningLine(const forms::BothCases& both) {
  if (both.governing == SeismicMethod::kNone) return {};
  const forms::CaseCalculation& shown = both.seismic;
  const forms::CaseCalculation& other = both.other_method;
  const forms::CaseCalculation& first = shown.method == SeismicMethod::kK1 ? shown : other;
  const forms::CaseCalculation& second = shown.method == SeismicMethod::kK1 ? other : shown;
  std::string line = "地震時の検討方法 ① と ② のうち、余裕度の小さい " +
                     std::string(MethodMark(both.governing)) + " が支配的です（最小の余裕度 ① " +
                     FormatFixed(forms::SmallestMargin(*first.app), 3, 3) + "、② " +
                     FormatFixed(forms::SmallestMargin(*second.app), 3, 3) + "）。\n";
  if (!AllVerdictsOk(*other.app)) {
    line += "検討方法 " + std::string(MethodMark(other.method)) + " では NG があります。\n";
  }
  return line;
}

}  // namespace

std::string BothCasesText(const forms::BothCases& both) {
  std::string out;
  for (const forms::CaseCalculation* column : Shown(both)) {
    const forms::CaseCalculation& c = *column;
    const bool seismic = column == &both.seismic;
    if (seismic) out += "\n";
    out += seismic ? "【地震時】" : "【常時】";
    if (seismic && c.computed && !std::string(MethodMark(c.method)).empty()) {
      out += std::string(" 検討方法 ") + MethodMark(c.method);
    }
    out += "\n";
    out += c.computed ? ResultsSummaryText(*c.app) : "計算できません: " + c.reason + "\n";
  }
  return out + GoverningLine(both);
}

std::string BothCasesJson(const forms::BothCases& both) {
  return "{\"normal\":" + ColumnJson(both.normal) + ",\"seismic\":" + ColumnJson(both.seismic) +
         "}";
}

int BothCasesStatus(const forms::BothCases& both) {
  bool any = false;
  bool ng = false;
  // Under 宅地造成 the method the dialog does not select counts too: the
  // governing one of ① and ② is the one to adopt.
  for (const forms::CaseCalculation* c : {&both.normal, &both.seismic, &both.other_method}) {
    if (!c->computed) continue;
    any = any || c != &both.other_method;
    ng = ng || !AllVerdictsOk(*c->app);
  }
  if (!any) return 2;
  return ng ? 1 : 0;
}

bool AllCasesOk(forms::App& app) {
  const forms::BothCases both = forms::CalculateBothCases(app);
  for (const forms::CaseCalculation* c : {&both.normal, &both.seismic, &both.other_method}) {
    if (c->load_case == LoadCase::kNone) continue;
    if (!c->computed || !AllVerdictsOk(*c->app)) return false;
  }
  return true;
}

BothCasesRun CalcBothCases(const std::string& path, bool json) {
  BothCasesRun run;
  BatchPlatform platform;
  forms::App app(platform);
  const OpenResult opened = OpenProjectFile(app, path);
  if (opened.outcome == OpenOutcome::kUnreadable) {
    for (const std::string& m : platform.messages) run.err += m + "\n";
    if (platform.messages.empty() && !opened.message.empty()) run.err += opened.message + "\n";
    if (json) {
      const std::string invalid = ResultsJson(app, false, opened.message);
      run.out = "{\"normal\":" + invalid + ",\"seismic\":" + invalid + "}\n";
    }
    return run;
  }
  const forms::BothCases both = forms::CalculateBothCases(app);
  run.out = json ? BothCasesJson(both) + "\n" : BothCasesText(both);
  if (!json) {
    for (const forms::CaseCalculation* c : Shown(both)) {
      if (!c->computed) continue;
      for (const PlausibilityWarning& w : c->app->results().warnings()) {
        run.err +=
            std::string(c == &both.normal ? "注意（常時）: " : "注意（地震時）: ") + w.text + "\n";
      }
    }
  }
  run.status = BothCasesStatus(both);
  return run;
}

}  // namespace varnholt::project
