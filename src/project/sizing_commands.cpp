#include "project/sizing_commands.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "project/batch_platform.h"
#include "project/both_cases_output.h"
#include "project/command_line.h"
#include "project/file_commands.h"
#include "project/file_io.h"
#include "project/report_output.h"
#include "project/results_summary.h"
#include "project/sizing_output.h"
#include "project/sizing_session.h"
#include "ui/forms/app.h"
#include "ui/forms/sizing_bridge.h"

namespace varnholt::project {
namespace {

constexpr const char* kHelpHint = "varnholt-cli --help で使い方を表示します。\n";

std::optional<double> Number(std::string_view text) {
  const std::string s(text);
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (s.empty() || end != s.c_str() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

// The bounds and step given for one variable.
struct Given {
  std::optional<double> min, max, step;
};

// Parses the options after the command word; returns the message for a
// wrong command line, empty when it is right.
std::string Parse(const std::vector<std::string_view>& args, bool table, SizingOptions* o) {
  Given base, crest, front;
  std::optional<double> step_all;
  auto range_option = [&](std::string_view a, Given** g, std::optional<double> Given::** field) {
    struct Opt {
      const char* name;
      Given* given;
      std::optional<double> Given::*field;
    };
    const Opt opts[] = {{"--min-B", &base, &Given::min},       {"--max-B", &base, &Given::max},
                        {"--step-B", &base, &Given::step},     {"--min-b", &crest, &Given::min},
                        {"--max-b", &crest, &Given::max},      {"--step-b", &crest, &Given::step},
                        {"--min-front", &front, &Given::min},  {"--max-front", &front, &Given::max},
                        {"--step-front", &front, &Given::step}};
    for (const Opt& opt : opts) {
      if (a == opt.name) {
        *g = opt.given;
        *field = opt.field;
        return true;
      }
    }
    return false;
  };
  ArgumentReader r(args);
  while (r.Next()) {
    const std::string name(r.arg());
    Given* given = nullptr;
    std::optional<double> Given::*field = nullptr;
    std::string_view v;
    if (!r.IsOption()) {
      if (const std::string wrong = r.TakeFile(&o->path); !wrong.empty()) return wrong;
    } else if (r.Is("--json")) {
      o->json = true;
    } else if (r.Is("-o", "--output")) {
      if (!r.Take(&o->output)) return "-o の後に出力ファイルを指定してください。";
    } else if (r.Is("--cases")) {
      if (const std::string wrong = r.TakeCases(&o->cases); !wrong.empty()) return wrong;
    } else if (r.Is("--vary")) {
      if (!r.Take(&v)) return "--vary の後に B、b、front をカンマで区切って指定してください。";
      o->variables.base.vary = o->variables.crest.vary = o->variables.front.vary = false;
      while (true) {
        const std::size_t comma = v.find(',');
        const std::string_view item = v.substr(0, comma);
        if (item == "B") {
          o->variables.base.vary = true;
        } else if (item == "b") {
          o->variables.crest.vary = true;
        } else if (item == "front") {
          o->variables.front.vary = true;
        } else {
          return "--vary に指定できるのは B、b、front です: " + std::string(item);
        }
        if (comma == std::string_view::npos) break;
        v.remove_prefix(comma + 1);
      }
    } else if (r.Is("--step") || range_option(r.arg(), &given, &field)) {
      if (!r.Take(&v)) return name + " の後に数値を指定してください。";
      const std::optional<double> number = Number(v);
      if (!number) return name + " は数値で指定してください: " + std::string(v);
      if (given != nullptr) {
        given->*field = number;
      } else {
        step_all = number;
      }
    } else if (table && r.Is("--heights")) {
      if (!r.Take(&v)) return "--heights の後に FROM:TO:STEP を指定してください。";
      const std::size_t c1 = v.find(':');
      const std::size_t c2 = c1 == std::string_view::npos ? c1 : v.find(':', c1 + 1);
      const auto from = Number(v.substr(0, c1));
      const auto to =
          c1 == std::string_view::npos ? std::nullopt : Number(v.substr(c1 + 1, c2 - c1 - 1));
      const auto step = c2 == std::string_view::npos ? std::nullopt : Number(v.substr(c2 + 1));
      if (!from || !to || !step) {
        return "--heights は FROM:TO:STEP の形の数値で指定してください: " + std::string(v);
      }
      o->has_heights = true;
      o->heights = {*from, *to, *step};
    } else if (table && (r.Is("--csv") || r.Is("--xlsx"))) {
      if (!r.Take(r.arg() == "--csv" ? &o->csv : &o->xlsx))
        return name + " の後に出力ファイルを指定してください。";
    } else if (table && r.Is("--first-page")) {
      if (const std::string wrong = r.TakeFirstPage(&o->first_page); !wrong.empty()) return wrong;
    } else {
      return "不明なオプションです: " + name;
    }
  }
  if (o->path.empty()) return "プロジェクトファイル（.vrh）を指定してください。";
  if (table && !o->has_heights) return "--heights で高さの範囲 FROM:TO:STEP を指定してください。";
  const std::pair<const char*, std::pair<Given*, sizing::VariableRange*>> vars[] = {
      {"B", {&base, &o->variables.base}},
      {"b", {&crest, &o->variables.crest}},
      {"front", {&front, &o->variables.front}}};
  for (const auto& [key, p] : vars) {
    const auto& [g, range] = p;
    if (!range->vary && (g->min || g->max || g->step)) {
      return std::string("--min-") + key + "、--max-" + key + "、--step-" + key + " は --vary に " +
             key + " を含めたときに指定できます。";
    }
    if (g->min) range->min = *g->min;
    if (g->max) range->max = *g->max;
    if (g->step) {
      range->step = *g->step;
    } else if (step_all) {
      range->step = *step_all;
    }
  }
  return {};
}

std::string Usage(const std::string& message) {
  return "varnholt-cli: " + message + "\n" + kHelpHint;
}

std::string Lines(const std::vector<std::string>& messages) {
  std::string out;
  for (const std::string& m : messages) out += m + "\n";
  return out;
}

// Types the section into the opened design, recalculates and saves it as
// 名前を付けて保存 would; then opens the file afresh to make sure that what
// was written passes the ordinary way. Empty on success.
std::string WriteSizedProject(BatchPlatform& platform, forms::App& app,
                              const sizing::Section& section, const std::string& path,
                              CasesOption cases) {
  if (!forms::ApplySizedSection(app, section)) {
    return "決定した断面で安定性の検討ができませんでした。\n" + Lines(platform.messages);
  }
  if (!SaveProject(app, path)) return Lines(platform.messages);
  BatchPlatform check_platform;
  forms::App check(check_platform);
  if (OpenProjectFile(check, path).outcome != OpenOutcome::kCalculated ||
      (cases == CasesOption::kBoth ? !AllCasesOk(check) : !AllVerdictsOk(check))) {
    return "書き出したプロジェクト「" + path + "」を開き直すと、すべての判定が O.K になりません。";
  }
  return {};
}

}  // namespace

// Parses the command line, opens the project as Open does and runs the
// calculate command. False with the messages in r->err (r->status 2).
bool OpenSizingSession(const std::vector<std::string_view>& args, bool table, SizingOptions* o,
                       SizingSession* s, CommandResult* r) {
  const std::string wrong = Parse(args, table, o);
  if (!wrong.empty()) {
    r->err = Usage(wrong);
    return false;
  }
  // Every output is checked before anything is read or computed.
  std::string problem;
  if (!table && !o->output.empty()) problem = SizedProjectTargetProblem(o->output, o->path);
  for (const std::string* target : {&o->csv, &o->xlsx, &o->output}) {
    if (table && problem.empty() && !target->empty()) {
      problem = ReportTargetProblem(*target, o->path, "標準断面表");
    }
  }
  if (!problem.empty()) {
    r->err = problem + "\n";
    return false;
  }
  const OpenResult opened = OpenProjectFile(s->app, o->path);
  std::optional<sizing::DesignInput> design;
  if (opened.outcome == OpenOutcome::kCalculated) design = forms::DesignForSizing(s->app);
  if (!design) {
    r->err += Lines(s->platform.messages);
    if (s->platform.messages.empty() && !opened.message.empty()) r->err += opened.message + "\n";
    return false;
  }
  s->platform.messages.clear();
  if (o->cases == CasesOption::kCurrent) {
    s->cases = {std::move(*design)};
    return true;
  }
  std::string why;
  s->cases = forms::DesignsOfBothCases(s->app, why);
  if (s->cases.empty()) {
    r->err = why + "\n";
    return false;
  }
  return true;
}

CommandResult SizeCommand(const std::vector<std::string_view>& args) {
  CommandResult r;
  SizingOptions o;
  SizingSession s;
  if (!OpenSizingSession(args, /*table=*/false, &o, &s, &r)) return r;

  sizing::SizingRequest request;
  request.cases = s.cases;
  request.variables = o.variables;
  const sizing::SizingResult result = sizing::SizeSection(request);
  if (result.outcome != sizing::SizingOutcome::kFound &&
      result.outcome != sizing::SizingOutcome::kNotFound) {
    if (o.json) r.out = SizingJson(request, result) + "\n";
    r.err += result.message + "\n";
    return r;
  }
  r.out = o.json ? SizingJson(request, result) + "\n" : SizingText(request, result);
  if (result.outcome == sizing::SizingOutcome::kNotFound) {
    r.status = 1;
    return r;
  }
  if (!o.output.empty()) {
    const std::string failed =
        WriteSizedProject(s.platform, s.app, result.passing.front().section, o.output, o.cases);
    if (!failed.empty()) {
      r.err += failed + "\n";
      return r;
    }
  }
  r.status = 0;
  return r;
}

}  // namespace varnholt::project
