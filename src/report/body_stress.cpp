// The page "躯体の応力度照査" after the stability chapter: the allowable
// stresses of the plain concrete with their derivation, a ruled table of
// every checked section, and the governing section written out: its loads
// in a table like the load summary, then N, S, M, the edge and shear
// stresses, and the verdict lines. Failing lines are light magenta and
// beep once each, as in the stability chapter.

#include "calc/body_stress.h"

#include <cmath>
#include <string>

#include "report/drawing.h"
#include "report/kentou_4_internal.h"
#include "report/number_format.h"
#include "report/sections.h"

namespace varnholt::report {
namespace {

constexpr const char* kIndent = "            ";
constexpr const char* kTitleNormal = "－３ 躯体の応力度照査（常時）";
constexpr const char* kTitleFenceLoad = "－３ 躯体の応力度照査（水平荷重時）";
constexpr const char* kTitleSeismic = "－３ 躯体の応力度照査（地震時）";
constexpr const char* kAllowables = "            １）許容応力度";
constexpr const char* kSections = "            ２）各断面の応力度";
constexpr const char* kGoverning = "            ３）応力度比が最大の断面（天端から y=";
constexpr const char* kGoverningTail = "m）";
// Allowable stresses.
constexpr const char* kFcResidential = "                コンクリートの設計基準強度 Fc=";
constexpr const char* kFcRoad = "                コンクリートの設計基準強度 σck=";
constexpr const char* kCompression = "                許容圧縮応力度   σca=";
constexpr const char* kTensionResidential = "                許容引張応力度   σta=";
constexpr const char* kTensionRoad = "                許容曲げ引張応力度 σta=";
constexpr const char* kShear = "                許容せん断応力度 τa=";
constexpr const char* kNmm2 = "N/mm2";
constexpr const char* kNmm2Equals = "N/mm2=";
constexpr const char* kKNm2 = "kN/m2";
constexpr const char* kShortTermResidential =
    "                （短期：圧縮は長期の2倍、引張・せん断はFc≦21で2倍、Fc＞21で1.5倍）";
constexpr const char* kShortTermRoad =
    "                （地震時・衝突時：圧縮・曲げ引張は1.5倍、せん断は割増しなし）";
// Section table.
constexpr Placed kSectionHeads[] = {
    {550, 0, "深さ y"},  {650, 250, "(m)"},       {1650, 0, "幅 t"}, {1700, 250, "(m)"},
    {2700, 0, "Ｎ"},     {2600, 250, "(kN/m)"},   {3900, 0, "Ｓ"},   {3800, 250, "(kN/m)"},
    {5100, 0, "Ｍ"},     {4900, 250, "(kN･m/m)"}, {6300, 0, "σ1"},   {6200, 250, "(kN/m2)"},
    {7500, 0, "σ2"},     {7400, 250, "(kN/m2)"},  {8650, 0, "τ"},    {8500, 250, "(kN/m2)"},
    {9550, 100, "判定"}, {10350, 100, "備 考"},
};
// Right edges of the number columns and the cell borders.
constexpr double kSecRight[] = {1350, 2350, 3550, 4750, 5950, 7150, 8350, 9350};
constexpr double kSecBorders[] = {450,  1450, 2450, 3650,  4850, 6050,
                                  7250, 8450, 9450, 10150, 11350};
constexpr const char* kOk = "O.K";
constexpr const char* kNg = "NG";
constexpr const char* kBackGround = "背面地表";
constexpr const char* kFrontGround = "前面地表";
constexpr const char* kBase = "底 面";
// Load table of the governing section.
constexpr Placed kLoadHeads[] = {
    {1300, 100, "荷重の種類"}, {3150, 0, "Ｖ"},   {2950, 250, "(kN/m)"},   {4450, 0, "Ｈ"},
    {4250, 250, "(kN/m)"},     {5650, 0, "ｘ"},   {5600, 250, "(m)"},      {6850, 0, "ｙ"},
    {6800, 250, "(m)"},        {7950, 0, "Ｖ･x"}, {7750, 250, "(kN･m/m)"}, {9200, 0, "Ｈ･y"},
    {9000, 250, "(kN･m/m)"},
};
constexpr double kLoadRight[] = {3900, 5100, 6300, 7500, 8700, 9900};
constexpr double kLoadBorders[] = {1100, 2700, 3900, 5100, 6300, 7500, 8700, 9900};
constexpr const char* kRowWeight = "自 重(W)";
constexpr const char* kRowPA = "土圧(PA)";
constexpr const char* kRowPAH = "土圧(PAH)";
constexpr const char* kRowDeltaPA = "土圧(△PA)";
constexpr const char* kRowInertia = "慣性力(Kh･W)";
constexpr const char* kRowFenceWeight = "柵等の自重";
constexpr const char* kRowFenceLoad = "水平荷重(P)";
constexpr const char* kRowTotal = "合 計 Σ";
constexpr const char* kLeverNote =
    "                x：断面の中心から背面側を正とする水平距離、y：断面からの高さ";
// The governing section's formulas.
constexpr const char* kWidth = "                断面幅       t=";
constexpr const char* kNormal = "                鉛直力       N=ΣV=";
constexpr const char* kShearForce = "                せん断力     S=ΣH=";
constexpr const char* kMoment = "                曲げモーメント M=ΣH･y－ΣV･x=";
constexpr const char* kSigma1 = "                前面の縁応力 σ1=N/t＋6M/t^2=";
constexpr const char* kSigma2 = "                背面の縁応力 σ2=N/t－6M/t^2=";
constexpr const char* kTau = "                せん断応力度 τ=S/t=";
constexpr const char* kCompressionCheck = "                圧縮応力度 σc=";
constexpr const char* kTensionCheck = "                引張応力度 σt=";
constexpr const char* kShearCheck = "                せん断応力度 τ=";
constexpr const char* kNoTension = "                引張応力度は生じない";
constexpr const char* kLessCa = "kN/m2 < σca=";
constexpr const char* kMoreCa = "kN/m2 > σca=";
constexpr const char* kLessTa = "kN/m2 < σta=";
constexpr const char* kMoreTa = "kN/m2 > σta=";
constexpr const char* kLessA = "kN/m2 < τa=";
constexpr const char* kMoreA = "kN/m2 > τa=";
constexpr const char* kVerdictOk = "kN/m2  ∴ O.K";
constexpr const char* kVerdictNg = "kN/m2  ∴ NG";
constexpr const char* kNotChecked = "                躯体の応力度照査ができません：";
// Pieces.
constexpr const char* kMetre = "m";
constexpr const char* kKNm = "kN/m";
constexpr const char* kKNmm = "kN･m/m";
constexpr const char* kEquals = "=";
constexpr const char* kMinus = "－";
constexpr const char* kPlus = "＋";
constexpr const char* kSlash = "/";
constexpr const char* kPlusSix = "＋6×";
constexpr const char* kMinusSix = "－6×";
constexpr const char* kSquared = "^2=";
constexpr const char* kTimesOpen = "(";
constexpr const char* kTimesClose = ")×";

// The report's table font and row pitch.
constexpr double kTableFontSize = 10;
constexpr double kRowPitch = 280;

std::string F1(double v) { return FormatNumber(v, "0.0"); }
std::string F3(double v) { return FormatNumber(v, "0.000"); }
// A value written after an operator: a negative one in parentheses.
std::string Term(double v) {
  const std::string text = F3(v);
  return text[0] == '-' ? "(" + text + ")" : text;
}

class BodyPrinter {
 public:
  BodyPrinter(ReportContext& ctx, const BodyStressResult& r)
      : ctx_(ctx), out_(ctx.out), r_(r), a_(r.allowable) {}

  void Run();

 private:
  bool road() const { return ctx_.sel.standard == Standard::kRoad; }
  void Heading();
  void Allowables();
  double SectionTable(double top);
  double LoadTable(const BodySection& s, double top);
  void GoverningLines(const BodySection& s);
  std::string Allowable(const char* symbol_formula, const std::string& values, double base,
                        double factor, double kn) const;

  ReportContext& ctx_;
  ReportSurface& out_;
  const BodyStressResult& r_;
  const BodyAllowables& a_;
};

void BodyPrinter::Heading() {
  const DesignCase& dc = ctx_.dc;
  const char* title = kTitleNormal;
  if (ctx_.sel.load_case == LoadCase::kSeismic) {
    title = kTitleSeismic;
  } else if (dc.FenceLoadType == "1" || dc.FenceLoadType == "2") {
    title = kTitleFenceLoad;
  }
  out_.PrintLine();
  out_.PrintLine({kIndent, dc.SectionNo, title});
}

// "Fc/3=18.0/3=6.000N/mm2=6000.0kN/m2", with "(…)×2" in the short term.
std::string BodyPrinter::Allowable(const char* formula, const std::string& values, double base,
                                   double factor, double kn) const {
  std::string text;
  if (factor != 1) {
    const std::string f = FormatNumber(factor, "0.0#");
    text = std::string(kTimesOpen) + formula + kTimesClose + f + kEquals + kTimesOpen + values +
           kTimesClose + f;
  } else {
    text = std::string(formula) + kEquals + values;
  }
  return text + kEquals + F3(base * factor) + kNmm2Equals + F1(kn) + kKNm2;
}

void BodyPrinter::Allowables() {
  out_.PrintLine();
  out_.PrintLine({kAllowables});
  const std::string fc = FormatNumber(a_.fc, "0.0#");
  out_.PrintLine({road() ? kFcRoad : kFcResidential, fc, kNmm2});
  if (road()) {
    out_.PrintLine({kCompression, Allowable("σck/4", fc + "/4", a_.compression_base,
                                            a_.compression_factor, a_.compression)});
    out_.PrintLine({kTensionRoad, Allowable("σck/80", fc + "/80", a_.tension_base,
                                            a_.tension_factor, a_.tension)});
    out_.PrintLine({kShear, Allowable("σck/100＋0.15", fc + "/100＋0.15", a_.shear_base,
                                      a_.shear_factor, a_.shear)});
  } else {
    out_.PrintLine({kCompression, Allowable("Fc/3", fc + "/3", a_.compression_base,
                                            a_.compression_factor, a_.compression)});
    const bool high = a_.rule == BodyAllowableRule::kResidentialHigh;
    const char* formula = high ? "0.49＋Fc/100" : "Fc/30";
    const std::string values = high ? "0.49＋" + fc + "/100" : fc + "/30";
    out_.PrintLine({kTensionResidential,
                    Allowable(formula, values, a_.tension_base, a_.tension_factor, a_.tension)});
    out_.PrintLine({kShear, Allowable(formula, values, a_.shear_base, a_.shear_factor, a_.shear)});
  }
  if (a_.short_term) out_.PrintLine({road() ? kShortTermRoad : kShortTermResidential});
}

// The table of every section from `top`; returns the y under it.
double BodyPrinter::SectionTable(double top) {
  out_.FontSize = kTableFontSize;
  for (const Placed& p : kSectionHeads) PrintAt(out_, p.x, top + 50 + p.y, {p.text});
  const double first = top + 600;
  const double bottom = first + kRowPitch * static_cast<double>(r_.sections.size()) + 40;
  BlackLine(out_, kSecBorders[0], top, kSecBorders[10], top);
  BlackLine(out_, kSecBorders[0], first - 20, kSecBorders[10], first - 20);
  BlackLine(out_, kSecBorders[0], bottom, kSecBorders[10], bottom);
  for (double x : kSecBorders) BlackLine(out_, x, top, x, bottom);
  for (std::size_t i = 0; i < r_.sections.size(); ++i) {
    const BodySection& s = r_.sections[i];
    const double y = first + kRowPitch * static_cast<double>(i);
    const bool ok = s.verdict.ok;
    if (!ok) out_.ForeColor = kLightMagenta;
    const std::string cells[] = {F3(s.depth), F3(s.t),      F3(s.n),      F3(s.s),
                                 F3(s.m),     F1(s.sigma1), F1(s.sigma2), F1(s.tau)};
    for (std::size_t c = 0; c < std::size(cells); ++c)
      RightAligned(out_, kSecRight[c], y, cells[c]);
    PrintAt(out_, ok ? 9600 : 9650, y, {ok ? kOk : kNg});
    const bool base = i + 1 == r_.sections.size();
    const char* note = base             ? kBase
                       : s.back_ground  ? kBackGround
                       : s.front_ground ? kFrontGround
                                        : "";
    if (note[0] != '\0') PrintAt(out_, 10250, y, {note});
    if (!ok) {
      ctx_.beeper.Beep();
      out_.ForeColor = kBlack;
    }
  }
  out_.FontSize = kStandardFontSize;
  return bottom;
}

const char* LoadName(BodyLoad load, const Selections& sel) {
  switch (load) {
    case BodyLoad::kSelfWeight:
      return kRowWeight;
    case BodyLoad::kEarthPressure:
      return sel.shape == GroundShape::kRaisedSoil ? kRowPAH : kRowPA;
    case BodyLoad::kSurchargePressure:
      return kRowDeltaPA;
    case BodyLoad::kInertia:
      return kRowInertia;
    case BodyLoad::kFenceWeight:
      return kRowFenceWeight;
    case BodyLoad::kFenceLoad:
      return kRowFenceLoad;
  }
  return "";
}

bool HasVertical(BodyLoad load) {
  return load != BodyLoad::kInertia && load != BodyLoad::kFenceLoad;
}
bool HasHorizontal(BodyLoad load) {
  return load != BodyLoad::kSelfWeight && load != BodyLoad::kFenceWeight;
}

// The loads of the governing section from `top`; returns the y under it.
double BodyPrinter::LoadTable(const BodySection& s, double top) {
  out_.FontSize = kTableFontSize;
  for (const Placed& p : kLoadHeads) PrintAt(out_, p.x, top + 50 + p.y, {p.text});
  const double first = top + 600;
  const auto rows = static_cast<double>(s.force_count + 1);
  const double bottom = first + kRowPitch * rows + 40;
  const double total_y = first + kRowPitch * (rows - 1);
  BlackLine(out_, kLoadBorders[0], top, kLoadBorders[7], top);
  BlackLine(out_, kLoadBorders[0], first - 20, kLoadBorders[7], first - 20);
  BlackLine(out_, kLoadBorders[0], total_y - 20, kLoadBorders[7], total_y - 20);
  BlackLine(out_, kLoadBorders[0], bottom, kLoadBorders[7], bottom);
  for (double x : kLoadBorders) BlackLine(out_, x, top, x, bottom);
  double vx = 0, hy = 0;
  for (int i = 0; i < s.force_count; ++i) {
    const BodyForce& f = s.forces[static_cast<std::size_t>(i)];
    const double y = first + kRowPitch * i;
    PrintAt(out_, 1200, y, {LoadName(f.load, ctx_.sel)});
    // A component the load cannot have is left empty, with its lever arm
    // and moment; the earth pressures show both, as the load summary does.
    if (HasVertical(f.load)) {
      RightAligned(out_, kLoadRight[0], y, F3(f.v));
      RightAligned(out_, kLoadRight[2], y, F3(f.x));
      RightAligned(out_, kLoadRight[4], y, F3(f.v * f.x));
    }
    if (HasHorizontal(f.load)) {
      RightAligned(out_, kLoadRight[1], y, F3(f.h));
      RightAligned(out_, kLoadRight[3], y, F3(f.y));
      RightAligned(out_, kLoadRight[5], y, F3(f.h * f.y));
    }
    vx += f.v * f.x;
    hy += f.h * f.y;
  }
  PrintAt(out_, 1300, total_y, {kRowTotal});
  RightAligned(out_, kLoadRight[0], total_y, F3(s.n));
  RightAligned(out_, kLoadRight[1], total_y, F3(s.s));
  RightAligned(out_, kLoadRight[4], total_y, F3(vx));
  RightAligned(out_, kLoadRight[5], total_y, F3(hy));
  out_.FontSize = kStandardFontSize;
  return bottom;
}

void BodyPrinter::GoverningLines(const BodySection& s) {
  double vx = 0, hy = 0;
  for (int i = 0; i < s.force_count; ++i) {
    const BodyForce& f = s.forces[static_cast<std::size_t>(i)];
    vx += f.v * f.x;
    hy += f.h * f.y;
  }
  const std::string t = F3(s.t), n = F3(s.n), m = F3(s.m);
  out_.PrintLine({kWidth, t, kMetre});
  out_.PrintLine({kNormal, n, kKNm});
  out_.PrintLine({kShearForce, F3(s.s), kKNm});
  out_.PrintLine({kMoment, F3(hy), kMinus, Term(vx), kEquals, m, kKNmm});
  const std::string mt = Term(s.m);
  out_.PrintLine({kSigma1, n, kSlash, t, kPlusSix, mt, kSlash, t, kSquared, F1(s.sigma1), kKNm2});
  out_.PrintLine({kSigma2, n, kSlash, t, kMinusSix, mt, kSlash, t, kSquared, F1(s.sigma2), kKNm2});
  out_.PrintLine({kTau, F3(s.s), kSlash, t, kEquals, F1(s.tau), kKNm2});

  const BodyVerdict& v = s.verdict;
  auto check = [&](const char* lead, double value, bool ok, const char* less, const char* more,
                   double allowable) {
    PrintVerdictLines(ctx_, ok,
                      {std::string(lead) + F1(value) + (ok ? less : more) + F1(allowable) +
                       (ok ? kVerdictOk : kVerdictNg)});
  };
  check(kCompressionCheck, v.compression, v.compression_ok, kLessCa, kMoreCa, a_.compression);
  if (v.tension > 0) {
    check(kTensionCheck, v.tension, v.tension_ok, kLessTa, kMoreTa, a_.tension);
  } else {
    out_.PrintLine({kNoTension});
  }
  check(kShearCheck, std::fabs(s.tau), v.shear_ok, kLessA, kMoreA, a_.shear);
}

void BodyPrinter::Run() {
  Heading();
  if (!r_.ok()) {
    // Only a result that the calculation accepted reaches the report.
    PrintVerdictLines(ctx_, false, {std::string(kNotChecked) + r_.status.quantity});
    return;
  }
  Allowables();
  out_.PrintLine();
  out_.PrintLine({kSections});
  double y = SectionTable(out_.CurrentY + 60);
  const BodySection& g = r_.Governing();
  out_.CurrentY = y + 160;
  out_.PrintLine({kGoverning, F3(g.depth), kGoverningTail});
  y = LoadTable(g, out_.CurrentY + 60);
  out_.CurrentY = y + 40;
  out_.PrintLine({kLeverNote});
  GoverningLines(g);
}

}  // namespace

void BodyStressPage(ReportContext& ctx) {
  const BodyStressResult result = CheckBodyStress(ctx.dc, ctx.sel);
  BodyPrinter(ctx, result).Run();
  ctx.out.FontSize = kStandardFontSize;
  ctx.out.ForeColor = kBlack;
  ctx.out.DrawStyle = kSolid;
  ctx.out.DrawWidth = 1;
}

}  // namespace varnholt::report
