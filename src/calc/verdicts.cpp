#include "calc/verdicts.h"

#include <cmath>
#include <limits>

#include "calc/fence.h"

namespace varnholt {
namespace {

Verdict AtLeast(Measure m, double value, double limit) {
  return {true, m, value, limit, 0, value >= limit};
}

Verdict EccentricityWithin(double e, double b, int n) {
  const double limit = b / n;
  const double abs_e = std::fabs(e);
  return {true, Measure::kE, abs_e, limit, n, abs_e <= limit};
}

// The sliding limit of the Form14 option; false with no option.
bool SeismicSlidingLimit(const Selections& sel, double* limit) {
  switch (sel.seismic_checks.sliding) {
    case SeismicSliding::kF10:
      *limit = 1.0;
      return true;
    case SeismicSliding::kF12:
      *limit = 1.2;
      return true;
    case SeismicSliding::kNone:
      break;
  }
  return false;
}

void JudgeOverturning(const DesignCase& dc, const Selections& sel, StabilityVerdicts* v) {
  const double f = dc.Calc[calc::kOverturnF];
  const double d = dc.Calc[calc::kD];
  const double e = dc.Calc[calc::kE];
  const double b = dc.Calc[calc::kBaseWidth];
  if (v->criteria == CriteriaSet::kNormal) {
    switch (sel.normal_checks.overturn) {
      case NormalOverturn::kF15:
        v->overturning = AtLeast(Measure::kF, f, 1.5);
        break;
      case NormalOverturn::kD: {
        const double limit = b / 3;
        v->overturning = {true, Measure::kD, d, limit, 3, d >= limit};
        break;
      }
      case NormalOverturn::kE:
        v->overturning = EccentricityWithin(e, b, 6);
        break;
      case NormalOverturn::kF15AndE:
        v->overturning = AtLeast(Measure::kF, f, 1.5);
        v->eccentricity = EccentricityWithin(e, b, 6);
        break;
      case NormalOverturn::kNone:
        break;
    }
    return;
  }
  switch (sel.seismic_checks.overturn) {
    case SeismicOverturn::kF10:
      v->overturning = AtLeast(Measure::kF, f, 1.0);
      break;
    case SeismicOverturn::kF12:
      v->overturning = AtLeast(Measure::kF, f, 1.2);
      break;
    case SeismicOverturn::kE2:
      v->overturning = EccentricityWithin(e, b, 2);
      break;
    case SeismicOverturn::kE3:
      v->overturning = EccentricityWithin(e, b, 3);
      break;
    case SeismicOverturn::kF10AndE2:
      v->overturning = AtLeast(Measure::kF, f, 1.0);
      v->eccentricity = EccentricityWithin(e, b, 2);
      break;
    case SeismicOverturn::kF12AndE3:
      v->overturning = AtLeast(Measure::kF, f, 1.2);
      v->eccentricity = EccentricityWithin(e, b, 3);
      break;
    case SeismicOverturn::kNone:
      break;
  }
}

// Why the ground pressure cannot be taken at its number: the resultant
// beyond the edge of the base, or a maximum pressure below zero.
VerdictReason PressureProblem(const DesignCase& dc) {
  const double b = dc.Calc[calc::kBaseWidth];
  if (std::fabs(dc.Calc[calc::kE]) > b / 2) return VerdictReason::kResultantOutsideBase;
  if (dc.Calc[calc::kSigmaMax] < 0) return VerdictReason::kNegativePressure;
  return VerdictReason::kNone;
}

// Fails a verdict for a reason its number does not show.
void FailFor(Verdict* v, VerdictReason reason) {
  if (!v->judged || reason == VerdictReason::kNone) return;
  v->ok = false;
  v->reason = reason;
}

void JudgeBearing(const DesignCase& dc, const Selections& sel, StabilityVerdicts* v) {
  double factor = 0;
  if (v->criteria == CriteriaSet::kNormal) {
    factor = 1;
  } else if (sel.standard == Standard::kResidential) {
    factor = 2;  // (長期の２倍)
  } else if (sel.standard == Standard::kRoad) {
    factor = 1.5;  // (長期の１.５倍)
  } else {
    return;
  }
  const double allowable = factor * dc.Cond[cond::kFe];
  const double sigma_max = dc.Calc[calc::kSigmaMax];
  v->bearing_factor = factor;
  v->bearing = {true, Measure::kSigmaMax, sigma_max, allowable, 0, sigma_max <= allowable};
  v->sigma_min_exceeds = dc.Calc[calc::kSigmaMin] > allowable;
  FailFor(&v->bearing, PressureProblem(dc));
}

void JudgeSliding(const DesignCase& dc, const Selections& sel, StabilityVerdicts* v) {
  const double fs = dc.Calc[calc::kSlidingF];
  double limit = 0;
  if (v->criteria == CriteriaSet::kNormal) {
    v->sliding = AtLeast(Measure::kFs, fs, 1.5);
  } else if (SeismicSlidingLimit(sel, &limit)) {
    v->sliding = AtLeast(Measure::kFs, fs, limit);
  }
  if (dc.ShearKeyFlag != "1") return;

  // With the key the load case itself decides, not the criteria set: a
  // short-term fence load in 常時 still judges Fk against 1.5.
  const double fk = dc.Calc[calc::kKeyFk];
  if (sel.standard == Standard::kResidential) {
    v->without_key = AtLeast(Measure::kFs, fs, 1.0);
  }
  // The engineer's own criterion holds for the key in 地震時 under both
  // standards, on the screen as on paper.
  if (sel.load_case == LoadCase::kNormal) {
    v->shear_key = AtLeast(Measure::kFk, fk, 1.5);
  } else if (sel.load_case == LoadCase::kSeismic && SeismicSlidingLimit(sel, &limit)) {
    v->shear_key = AtLeast(Measure::kFk, fk, limit);
  }
  // Fk rests on σmax and the pressures along the base.
  FailFor(&v->shear_key, PressureProblem(dc));
}

}  // namespace

CriteriaSet SelectCriteriaSet(const DesignCase& dc, const Selections& sel) {
  if (IsShortTermFenceLoad(dc.FenceLoadType)) return CriteriaSet::kShortTerm;
  switch (sel.load_case) {
    case LoadCase::kNormal:
      return CriteriaSet::kNormal;
    case LoadCase::kSeismic:
      return CriteriaSet::kSeismic;
    case LoadCase::kNone:
      break;
  }
  return CriteriaSet::kNone;
}

StabilityVerdicts JudgeStability(const DesignCase& dc, const Selections& sel) {
  StabilityVerdicts v;
  v.criteria = SelectCriteriaSet(dc, sel);
  if (v.criteria == CriteriaSet::kNone) return v;
  JudgeOverturning(dc, sel, &v);
  JudgeBearing(dc, sel, &v);
  JudgeSliding(dc, sel, &v);
  return v;
}

const char* VerdictReasonText(VerdictReason reason) {
  switch (reason) {
    case VerdictReason::kResultantOutsideBase:
      return "合力が底版の外にあります";
    case VerdictReason::kNegativePressure:
      return "最大接地圧が負になります";
    case VerdictReason::kNone:
      break;
  }
  return "";
}

std::vector<ShownVerdict> ShownVerdicts(const StabilityVerdicts& v, bool shear_key) {
  std::vector<ShownVerdict> rows;
  auto add = [&rows](VerdictRow row, const char* name, const Verdict& verdict) {
    if (verdict.judged) rows.push_back({row, name, verdict});
  };
  add(VerdictRow::kOverturning, "overturning", v.overturning);
  add(VerdictRow::kEccentricity, "eccentricity", v.eccentricity);
  add(VerdictRow::kBearing, "bearing", v.bearing);
  if (shear_key) {
    add(VerdictRow::kShearKey, "shear_key", v.shear_key);
    add(VerdictRow::kWithoutKey, "without_key", v.without_key);
  } else {
    add(VerdictRow::kSliding, "sliding", v.sliding);
  }
  return rows;
}

bool AnyNg(const StabilityVerdicts& v, bool shear_key) {
  for (const ShownVerdict& r : ShownVerdicts(v, shear_key)) {
    if (!r.verdict.ok) return true;
  }
  return false;
}

double VerdictMargin(const Verdict& v) {
  double m = 0;
  switch (v.measure) {
    case Measure::kF:
    case Measure::kD:
    case Measure::kFs:
    case Measure::kFk:
      m = v.value / v.limit;
      break;
    case Measure::kE:
    case Measure::kSigmaMax:
      m = v.value <= 0 ? std::numeric_limits<double>::infinity() : v.limit / v.value;
      break;
  }
  // A verdict that fails although its number would pass fails for a reason
  // of its own (a base off the ground): no margin to speak of.
  if (!v.ok && !(m < 1)) return 0;
  return m;
}

double BodyMargin(double ratio, bool ok) {
  double m = ratio > 0 ? 1 / ratio : std::numeric_limits<double>::infinity();
  // A stress a hair above its allowable value may still divide to 1.
  if (!ok && !(m < 1)) m = std::nextafter(1.0, 0.0);
  return m;
}

}  // namespace varnholt
