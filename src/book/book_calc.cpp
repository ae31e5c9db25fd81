#include "book/book_calc.h"

#include <cmath>

#include "calc/body_stress.h"
#include "calc/loads.h"
#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/vrh_reader.h"
#include "ui/forms/app.h"
#include "ui/forms/both_cases.h"
#include "ui/forms/collect.h"
#include "ui/forms/handles.h"
#include "ui/forms/preview.h"

namespace varnholt::book {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string MemberRefused(const std::string& file, const std::string& path,
                          const std::string& why) {
  return "壁「" + file + "」（" + path + "）を読み込めませんでした。\n" + why;
}

// The case a project file was saved in: its 常時 or 地震時 option.
LoadCase SavedCase(const project::ParsedProject& parsed) {
  return parsed.state.inputs.options.load_case;
}

// The figures of a calculated design.
void Collect(forms::App& app, BookRow& row) {
  const DesignCase& dc = app.dc();
  const Selections sel = forms::ReadSelections(app);
  const auto& c = dc.Calc;
  row.standard = sel.standard;
  row.shape = sel.shape;
  row.kh = dc.Cond[cond::kKh];
  row.kv = dc.Cond[cond::kKv];
  row.height = c[calc::kH];
  row.crest_width = c[calc::kCrestWidth];
  row.base_width = c[calc::kBaseWidth];
  row.front_projection = c[calc::kFrontProj];
  row.area = c[calc::kA1] + c[calc::kA2] + c[calc::kA3];
  row.has_coefficient = sel.shape != GroundShape::kRaisedSoil;
  row.coefficient = dc.Cond[cond::kKA];
  EarthPressureParts(dc, sel, row.pah, row.pav);
  row.sum_v = c[calc::kSumV];
  row.sum_h = c[calc::kSumH];
  row.mr = c[calc::kMr];
  row.mo = c[calc::kMo];
  row.e = c[calc::kE];
  row.sigma_max = c[calc::kSigmaMax];
  row.sigma_min = c[calc::kSigmaMin];
  row.shear_key = dc.ShearKeyFlag == "1";

  const StabilityVerdicts verdicts = JudgeStability(dc, sel);
  row.ok = !AnyNg(verdicts, row.shear_key);
  row.margin = kInfinity;
  for (const ShownVerdict& shown : ShownVerdicts(verdicts, row.shear_key)) {
    const BookCheck check{shown.row, shown.verdict, VerdictMargin(shown.verdict)};
    if (check.margin < row.margin) {
      row.margin = check.margin;
      row.governing = CheckName(check.row);
    }
    row.checks.push_back(check);
  }
  const BodyStressResult body = CheckBodyStress(dc, sel);
  row.body_ok = body.AllOk();
  row.ok = row.ok && row.body_ok;
  if (body.ok() && !body.sections.empty()) {
    row.body_ratio = body.Governing().verdict.ratio;
    const double margin = BodyMargin(row.body_ratio, row.body_ok);
    if (margin < row.margin) {
      row.margin = margin;
      row.governing = kBodyCheckName;
    }
  }
}

// One case of a member as the windows would give it; under 宅地造成 the
// seismic case in the governing method, ① or ② (the one with the smaller
// margin, the dialog's own on a tie).
forms::CaseCalculation CalculateCase(forms::App& app, LoadCase load_case) {
  forms::CaseCalculation shown = forms::CalculateCaseOnCopy(app, load_case);
  if (load_case != LoadCase::kSeismic || !shown.computed ||
      forms::StandardOf(forms::Conditions(*shown.app)) != Standard::kResidential ||
      (shown.method != SeismicMethod::kK1 && shown.method != SeismicMethod::kK2)) {
    return shown;
  }
  const SeismicMethod other_method =
      shown.method == SeismicMethod::kK1 ? SeismicMethod::kK2 : SeismicMethod::kK1;
  forms::CaseCalculation other = forms::CalculateCaseOnCopy(app, load_case, other_method);
  if (other.computed && forms::SmallestMargin(*other.app) < forms::SmallestMargin(*shown.app))
    return other;
  return shown;
}

}  // namespace

const char* CheckName(VerdictRow row) {
  switch (row) {
    case VerdictRow::kOverturning:
      return "転倒";
    case VerdictRow::kEccentricity:
      return "偏心";
    case VerdictRow::kBearing:
      return "支持力";
    case VerdictRow::kSliding:
      return "滑動";
    case VerdictRow::kShearKey:
      return "滑動（突起）";
    case VerdictRow::kWithoutKey:
      return "滑動（突起無し）";
  }
  return "";
}

const char* LoadCaseLabel(LoadCase c) {
  switch (c) {
    case LoadCase::kNormal:
      return "常時";
    case LoadCase::kSeismic:
      return "地震時";
    case LoadCase::kNone:
      break;
  }
  return "ケース未選択";
}

std::string CaseLabel(const BookRow& row) {
  std::string label = LoadCaseLabel(row.load_case);
  if (row.load_case == LoadCase::kSeismic && row.standard == Standard::kResidential) {
    if (row.method == SeismicMethod::kK1) label += "①";
    if (row.method == SeismicMethod::kK2) label += "②";
  }
  return label;
}

const char* StandardLabel(Standard s) {
  switch (s) {
    case Standard::kResidential:
      return "宅地造成";
    case Standard::kRoad:
      return "道路土工";
    case Standard::kNone:
      break;
  }
  return "";
}

const char* ShapeLabel(GroundShape s) {
  switch (s) {
    case GroundShape::kLevel:
      return "水平";
    case GroundShape::kUniformSlope:
      return "一様斜面";
    case GroundShape::kRaisedSoil:
      return "嵩上げ土";
    case GroundShape::kNone:
      break;
  }
  return "";
}

const BookCheck* BookRow::Check(VerdictRow r) const {
  for (const BookCheck& c : checks)
    if (c.row == r) return &c;
  return nullptr;
}

const BookCheck* BookRow::SlidingCheck() const {
  return shear_key ? Check(VerdictRow::kShearKey) : Check(VerdictRow::kSliding);
}

bool BookResult::AllOk() const {
  for (const BookRow& r : rows)
    if (!r.computed || !r.ok) return false;
  return true;
}

BookLoad LoadBook(const std::string& book_path) {
  const BookParse parsed = ReadBookFile(book_path);
  if (!parsed.ok) return {false, parsed.error, {}};
  return LoadMembers(parsed.book, book_path);
}

BookLoad LoadMembers(const Book& book, const std::string& book_path) {
  BookLoad load;
  LoadedBook& loaded = load.book;
  loaded.book = book;
  loaded.path = book_path;
  for (const BookMember& m : book.members) {
    LoadedMember member;
    member.file = m.file;
    member.path = book_path.empty() ? m.file : MemberPath(book_path, m.file);
    member.cases = m.cases;
    if (!book_path.empty() && project::SameFile(member.path, book_path)) {
      return {
          false,
          MemberRefused(m.file, member.path, "計算書一式ファイル自身が壁として指定されています。"),
          {}};
    }
    const project::IoResult read =
        project::ReadFileBounded(member.path, project::kMaxProjectBytes, member.bytes);
    if (!read.ok) return {false, MemberRefused(m.file, member.path, read.reason), {}};
    const project::ParseResult project = project::ParseProject(member.bytes);
    if (!project.ok) return {false, project::ReadErrorMessage(member.path, project.error), {}};
    member.saved_case = SavedCase(project.project);
    member.symbol = project.project.state.inputs.dimensions.mark;
    loaded.members.push_back(std::move(member));
  }
  load.ok = true;
  return load;
}

std::vector<LoadCase> CasesOf(const LoadedMember& member) {
  switch (member.cases) {
    case CaseChoice::kSaved:
      return {member.saved_case};
    case CaseChoice::kNormal:
      return {LoadCase::kNormal};
    case CaseChoice::kSeismic:
      return {LoadCase::kSeismic};
    case CaseChoice::kBoth:
      return {LoadCase::kNormal, LoadCase::kSeismic};
  }
  return {};
}

BookResult CalculateBook(const LoadedBook& book, const BookOptions& options,
                         const BookProgress& progress) {
  BookResult result;
  result.book = book.book;
  for (std::size_t i = 0; i < book.members.size(); ++i) {
    if (progress && !progress(i, book.members.size())) {
      result.cancelled = true;
      return result;
    }
    const LoadedMember& member = book.members[i];
    const std::vector<LoadCase> cases = CasesOf(member);
    // A fresh application per member: nothing of one wall reaches the next.
    // Each case is calculated on a copy of its windows, as choosing the case
    // and calculating would; the member's own case is calculated only where
    // its file asks for it (a file saved in neither case, for its reason).
    project::BatchPlatform platform;
    forms::App app(platform);
    const bool saved_only = cases.size() == 1 && cases.front() == LoadCase::kNone;
    const project::OpenResult opened =
        saved_only ? project::OpenProjectBytes(app, member.path, member.bytes)
                   : project::RestoreUnsavedInputs(app, member.path, member.bytes);
    for (LoadCase load_case : cases) {
      BookRow row;
      row.member = i;
      row.file = member.file;
      row.path = member.path;
      row.load_case = load_case;
      row.symbol = member.symbol;
      if (saved_only || opened.outcome == project::OpenOutcome::kUnreadable) {
        row.reason = opened.message;
        if (row.reason.empty() && !platform.messages.empty()) row.reason = platform.messages.back();
        if (row.reason.empty()) row.reason = "計算できませんでした。";
        result.rows.push_back(std::move(row));
        continue;
      }
      forms::CaseCalculation calculated = CalculateCase(app, load_case);
      row.method = calculated.method;
      if (!calculated.computed) {
        row.reason = calculated.reason;
        result.rows.push_back(std::move(row));
        continue;
      }
      row.computed = true;
      Collect(*calculated.app, row);
      if (options.record_pages) {
        forms::PagePicture pages;
        pages.twips_per_point = options.line_twips_per_point;
        report::SilentBeeper silent;
        forms::WriteReport(*calculated.app, pages, report::PrintJob{}, silent);
        row.pages = pages.pages();
      }
      result.rows.push_back(std::move(row));
    }
  }
  return result;
}

}  // namespace varnholt::book
