#include "sizing/sizing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "calc/earth_pressure.h"
#include "calc/keisan.h"
#include "calc/section_check.h"
#include "sizing/messages.h"
#include "sizing/request_check.h"

namespace varnholt::sizing {
namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// How often the progress callback hears from the search.
constexpr std::size_t kProgressEvery = 256;

// ------------------------------------------------------------ one section

double WallHeight(const DesignCase& dc) { return dc.Calc[calc::kCrestAbove] + dc.Calc[calc::kH]; }

Check CheckOf(VerdictRow row) {
  switch (row) {
    case VerdictRow::kOverturning:
      return Check::kOverturning;
    case VerdictRow::kEccentricity:
      return Check::kEccentricity;
    case VerdictRow::kBearing:
      return Check::kBearing;
    case VerdictRow::kSliding:
      return Check::kSliding;
    case VerdictRow::kShearKey:
      return Check::kShearKey;
    case VerdictRow::kWithoutKey:
      return Check::kWithoutKey;
  }
  return Check::kOverturning;
}

void AddVerdict(Check check, std::size_t case_index, const Verdict& v,
                std::vector<CheckResult>& out) {
  if (!v.judged) return;
  CheckResult r;
  r.check = check;
  r.case_index = case_index;
  r.measure = v.measure;
  r.value = v.value;
  r.limit = v.limit;
  r.divisor = v.divisor;
  r.ok = v.ok;
  r.reason = v.reason;
  r.margin = VerdictMargin(v);
  out.push_back(r);
}

// The verdicts the results window shows, as every summary takes them.
void AddStability(const DesignCase& dc, const Selections& sel, std::size_t case_index,
                  std::vector<CheckResult>& out) {
  for (const ShownVerdict& r : ShownVerdicts(JudgeStability(dc, sel), dc.ShearKeyFlag == "1")) {
    AddVerdict(CheckOf(r.row), case_index, r.verdict, out);
  }
}

CheckResult BodyCheck(const BodyStressResult& body, std::size_t case_index) {
  CheckResult r;
  r.check = Check::kBody;
  r.case_index = case_index;
  r.ok = body.AllOk();
  const BodySection& s = body.Governing();
  const BodyVerdict& v = s.verdict;
  r.depth = s.depth;
  r.ratio = v.ratio;
  if (v.ratio == v.compression_ratio) {
    r.stress = BodyStress::kCompression;
    r.value = v.compression;
    r.limit = body.allowable.compression;
  } else if (v.ratio == v.tension_ratio) {
    r.stress = BodyStress::kTension;
    r.value = v.tension;
    r.limit = body.allowable.tension;
  } else {
    r.stress = BodyStress::kShear;
    r.value = std::fabs(s.tau);
    r.limit = body.allowable.shear;
  }
  r.margin = BodyMargin(v.ratio, r.ok);
  return r;
}

void Summarise(Evaluation& e) {
  e.ok = e.computed && e.body_checked;
  e.worst_margin = kUnbounded;
  e.governing = 0;
  for (std::size_t i = 0; i < e.checks.size(); ++i) {
    const CheckResult& c = e.checks[i];
    e.ok = e.ok && c.ok;
    if (c.margin < e.worst_margin) {
      e.worst_margin = c.margin;
      e.governing = i;
    }
  }
}

// Judges a section on working copies of the cases. The stability checks of
// every case come first; the body check follows when every one of them
// passes (only then can the section pass) or when `always_body` asks for it.
void Judge(const std::vector<DesignInput>& cases, const Section& section,
           std::vector<DesignCase>& work, bool always_body, Evaluation& e) {
  e.section = section;
  e.computed = false;
  e.body_checked = false;
  e.checks.clear();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Selections& sel = cases[i].sel;
    DesignCase& dc = work[i];
    dc = cases[i].dc;
    ApplySection(section, dc);
    // The coefficient the dimension window would show for this back face.
    if (UsesComputedCoefficient(sel)) {
      const CoefficientResult coefficient = ComputeShownCoefficient(dc, sel);
      if (!coefficient.status.ok()) {
        e.failure = coefficient.status;
        e.failed_case = i;
        return;
      }
    }
    // KEISAN, then (below) the body check: together the calculation of the
    // calculate command, CalculateDesign.
    const CalcStatus status = Keisan(dc, sel);
    if (!status.ok()) {
      e.failure = status;
      e.failed_case = i;
      return;
    }
    AddStability(dc, sel, i, e.checks);
  }
  e.computed = true;
  bool stable = true;
  for (const CheckResult& c : e.checks) stable = stable && c.ok;
  if (stable || always_body) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
      const BodyStressResult body = CheckBodyStress(work[i], cases[i].sel);
      if (!body.ok()) {
        e.computed = false;
        e.failure = body.status;
        e.failed_case = i;
        return;
      }
      e.checks.push_back(BodyCheck(body, i));
    }
    e.body_checked = true;
  }
  Summarise(e);
}

// ------------------------------------------------------------ the grid

// One sized variable's grid, or a single point holding the design's value.
struct Axis {
  bool vary = false;
  Grid grid;
};

// A candidate's place in the search order: least b + B, then the smaller b,
// then the smaller front (n when sized, else the design's f).
struct Item {
  Micros sum = 0;
  Micros crest = 0;
  Micros front = 0;
  std::int32_t ib = 0, ic = 0, ifr = 0;
};

bool Before(const Item& a, const Item& b) {
  if (a.sum != b.sum) return a.sum < b.sum;
  if (a.crest != b.crest) return a.crest < b.crest;
  return a.front < b.front;
}

Micros OrZero(double v) {
  Micros m = 0;
  return ToMicros(v, &m) ? m : 0;
}

// The section at grid indices, on the geometry of `dc`.
class SectionMaker {
 public:
  SectionMaker(const DesignCase& dc, const Axis& base, const Axis& crest, const Axis& front)
      : dc_(dc), base_(base), crest_(crest), front_(front) {
    hw_micros_ = OrZero(dc.Calc[calc::kHeightH]) + OrZero(dc.Calc[calc::kEmbedment]) +
                 OrZero(dc.Calc[calc::kCrestAbove]);
    // The values each axis puts into the design, read once: B, b and f as
    // the calculation will hold them.
    auto values = [](const Axis& axis, double fixed, auto micros_at) {
      if (!axis.vary) return std::vector<double>{fixed};
      std::vector<double> out;
      out.reserve(static_cast<std::size_t>(axis.grid.count));
      for (std::int64_t i = 0; i < axis.grid.count; ++i) out.push_back(MicrosValue(micros_at(i)));
      return out;
    };
    base_values_ =
        values(base_, dc.Calc[calc::kBaseWidth], [this](auto i) { return base_.grid.At(i); });
    crest_values_ =
        values(crest_, dc.Calc[calc::kCrestWidth], [this](auto i) { return crest_.grid.At(i); });
    front_values_ =
        values(front_, dc.Calc[calc::kFrontProj], [this](auto i) { return FrontAt(i); });
  }

  // A base narrower than crest width plus front projection puts the back
  // face over the toe; the calculation refuses such a section, comparing
  // the same values the same way, so it need not be judged.
  bool Impossible(std::int64_t ib, std::int64_t ic, std::int64_t ifr) const {
    const auto at = [](const std::vector<double>& v, std::int64_t i) {
      return v[v.size() == 1 ? 0 : static_cast<std::size_t>(i)];
    };
    return BaseNarrowerThanCrestAndFront(at(base_values_, ib), at(crest_values_, ic),
                                         at(front_values_, ifr));
  }

  Section At(std::int64_t ib, std::int64_t ic, std::int64_t ifr) const {
    Section s = CurrentSection(dc_);
    if (base_.vary) Set(s.base, base_.grid.At(ib));
    if (crest_.vary) Set(s.crest, crest_.grid.At(ic));
    if (front_.vary) {
      Set(s.front, FrontAt(ifr));
      s.batter = static_cast<double>(front_.grid.At(ifr)) / kMicrosPerUnit;
    }
    Finish(s);
    return s;
  }

  Item Key(std::int64_t ib, std::int64_t ic, std::int64_t ifr) const {
    Item it;
    const Micros big_b = base_.vary ? base_.grid.At(ib) : OrZero(dc_.Calc[calc::kBaseWidth]);
    it.crest = crest_.vary ? crest_.grid.At(ic) : OrZero(dc_.Calc[calc::kCrestWidth]);
    it.sum = big_b + it.crest;
    it.front = front_.vary ? front_.grid.At(ifr) : 0;
    it.ib = static_cast<std::int32_t>(ib);
    it.ic = static_cast<std::int32_t>(ic);
    it.ifr = static_cast<std::int32_t>(ifr);
    return it;
  }

  static void Finish(Section& s) {
    s.area = s.wall_height * (s.crest.value + s.base.value) / 2;
    if (s.batter == 0 && s.wall_height != 0) s.batter = s.front.value / s.wall_height;
  }

 private:
  // f = n·Hw of a sized batter, from the decimals of both: a round batter
  // gives the projection an engineer would type for it.
  Micros FrontAt(std::int64_t ifr) const {
    return (front_.grid.At(ifr) * hw_micros_ + kMicrosPerUnit / 2) / kMicrosPerUnit;
  }

  static void Set(Dimension& d, Micros v) {
    d.text = MicrosText(v);
    d.value = MicrosValue(v);
  }

  const DesignCase& dc_;
  const Axis& base_;
  const Axis& crest_;
  const Axis& front_;
  Micros hw_micros_ = 0;
  std::vector<double> base_values_, crest_values_, front_values_;
};

Axis MakeAxis(const VariableRange& r, const Grid& g) { return {r.vary, r.vary ? g : Grid{}}; }

}  // namespace

Section CurrentSection(const DesignCase& dc) {
  Section s;
  s.base.value = dc.Calc[calc::kBaseWidth];
  s.crest.value = dc.Calc[calc::kCrestWidth];
  s.front.value = dc.Calc[calc::kFrontProj];
  s.wall_height = WallHeight(dc);
  s.area = s.wall_height * (s.crest.value + s.base.value) / 2;
  s.batter = s.wall_height != 0 ? s.front.value / s.wall_height : 0;
  return s;
}

void ApplySection(const Section& section, DesignCase& dc) {
  dc.Calc[calc::kBaseWidth] = section.base.value;
  dc.Calc[calc::kCrestWidth] = section.crest.value;
  dc.Calc[calc::kFrontProj] = section.front.value;
}

Evaluation EvaluateSection(const std::vector<DesignInput>& cases, const Section& section) {
  std::vector<DesignCase> work(cases.size());
  Evaluation e;
  Judge(cases, section, work, /*always_body=*/true, e);
  return e;
}

SizingResult SizeSection(const SizingRequest& request) {
  SizingResult result;
  GridSet grids;
  result.message = CheckRequest(request, &grids);
  if (!result.message.empty()) return result;

  const DesignCase& design = request.cases.front().dc;
  result.current = EvaluateSection(request.cases, CurrentSection(design));
  result.message = CheckCurrent(request, result.current);
  if (!result.message.empty()) return result;

  const Variables& v = request.variables;
  const Axis base = MakeAxis(v.base, grids.base);
  const Axis crest = MakeAxis(v.crest, grids.crest);
  const Axis front = MakeAxis(v.front, grids.front);
  const SectionMaker maker(design, base, crest, front);
  const std::int64_t nb = base.vary ? base.grid.count : 1;
  const std::int64_t nc = crest.vary ? crest.grid.count : 1;
  const std::int64_t nf = front.vary ? front.grid.count : 1;
  // Only candidates that make a section are judged; the first of the others
  // in the order is kept for the calculation's reason should none make one.
  std::vector<Item> order;
  order.reserve(static_cast<std::size_t>(nb * nc * nf));
  std::optional<Item> first_impossible;
  for (std::int64_t ib = 0; ib < nb; ++ib) {
    for (std::int64_t ic = 0; ic < nc; ++ic) {
      for (std::int64_t ifr = 0; ifr < nf; ++ifr) {
        const Item it = maker.Key(ib, ic, ifr);
        if (!maker.Impossible(ib, ic, ifr)) {
          order.push_back(it);
        } else if (!first_impossible || Before(it, *first_impossible)) {
          first_impossible = it;
        }
      }
    }
  }
  std::sort(order.begin(), order.end(), Before);
  result.total = order.size();

  // The search: candidates in order of area, so the first passing ones are
  // the smallest; it ends once the best and the next few are known. The body
  // check is made only for sections that pass every stability check, since
  // only they can pass; a failing section is remembered with its worst
  // stability margin, for the closest section should nothing pass.
  const std::size_t wanted = 1 + request.alternatives;
  std::vector<DesignCase> work(request.cases.size());
  Evaluation e;
  CalcStatus first_failure;
  struct Failing {
    std::size_t index;  // in `order`
    double margin;      // worst margin without the body check; the full one is not larger
  };
  std::vector<Failing> failing;
  auto cancelled = [&] {
    if (request.cancel == nullptr || !request.cancel->load(std::memory_order_relaxed)) {
      return false;
    }
    result.outcome = SizingOutcome::kCancelled;
    result.message = "断面の自動決定を中止しました。";
    result.passing.clear();
    return true;
  };
  auto section_at = [&](std::size_t k) {
    const Item& it = order[k];
    return maker.At(it.ib, it.ic, it.ifr);
  };
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (cancelled()) return result;
    Judge(request.cases, section_at(k), work, /*always_body=*/false, e);
    ++result.evaluated;
    if (request.progress && result.evaluated % kProgressEvery == 0) {
      request.progress(result.evaluated, result.total);
    }
    if (!e.computed) {
      if (first_failure.ok()) first_failure = e.failure;
    } else if (e.ok) {
      result.passing.push_back(e);
      if (result.passing.size() == wanted) break;
    } else if (result.passing.empty()) {
      failing.push_back({k, e.worst_margin});
    }
  }
  if (request.progress) request.progress(result.evaluated, result.total);

  if (!result.passing.empty()) {
    result.outcome = SizingOutcome::kFound;
    result.message.clear();
    return result;
  }

  // The closest section: the largest worst margin, the earlier in the order
  // on a tie. Visited by their stability margin, largest first, the body
  // checks stop once no section left can reach the best full margin.
  std::stable_sort(failing.begin(), failing.end(),
                   [](const Failing& a, const Failing& b) { return a.margin > b.margin; });
  bool have_closest = false;
  std::size_t closest_index = 0;
  for (const Failing& f : failing) {
    if (have_closest && f.margin < result.closest.worst_margin) break;
    if (cancelled()) return result;
    Judge(request.cases, section_at(f.index), work, /*always_body=*/true, e);
    if (!e.computed) {
      if (first_failure.ok()) first_failure = e.failure;
      continue;
    }
    if (!have_closest || e.worst_margin > result.closest.worst_margin ||
        (e.worst_margin == result.closest.worst_margin && f.index < closest_index)) {
      result.closest = e;
      closest_index = f.index;
      have_closest = true;
    }
  }
  result.outcome = SizingOutcome::kNotFound;
  if (!have_closest && first_failure.ok() && first_impossible) {
    const Item& it = *first_impossible;
    Judge(request.cases, maker.At(it.ib, it.ic, it.ifr), work, /*always_body=*/false, e);
    first_failure = e.failure;
  }
  if (!have_closest) {
    result.message = "範囲内のどの断面も計算できません。\n" + first_failure.Message();
    return result;
  }
  result.message = NotFoundSentence(request, result.closest);
  return result;
}

}  // namespace varnholt::sizing
