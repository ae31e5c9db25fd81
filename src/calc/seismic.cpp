#include "calc/seismic.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/checks.h"
#include "model/leading_number.h"

namespace varnholt {

bool RegionalFactor(SeismicRegion region, double* cz) {
  switch (region) {
    case SeismicRegion::kA:
      *cz = 1;
      return true;
    case SeismicRegion::kB:
      *cz = 0.85;
      return true;
    case SeismicRegion::kC:
      *cz = 0.70;
      return true;
    case SeismicRegion::kNone:
      break;
  }
  return false;
}

CalcStatus ComputeSeismicAngle(double kh, double kv, SeismicAngle* angle) {
  if (1 - kv == 0) {
    return ZeroDivisor(
        "地震合成角 θk",
        "設計鉛直震度 Kv が 1 のため、地震合成角 θk=Atn{Kh/(1－Kv)} を計算できません。");
  }
  angle->rad = std::atan(kh / (1 - kv));
  angle->deg = angle->rad * 180 / kPi;
  return CalcStatus::Ok();
}

CalcStatus Jisin(DesignCase& dc, const Selections& sel, std::string_view txt1,
                 std::string_view txt2) {
  if (sel.standard == Standard::kResidential) {
    dc.Cond[cond::kKh] = LeadingNumber(txt1);
  } else if (sel.standard == Standard::kRoad) {
    dc.Cond[cond::kKho] = LeadingNumber(txt1);
    RegionalFactor(sel.seismic_region, &dc.Cond[cond::kCz]);
    dc.Cond[cond::kKh] = dc.Cond[cond::kKho] * dc.Cond[cond::kCz];
  }
  dc.Cond[cond::kKv] = LeadingNumber(txt2);
  if (sel.standard == Standard::kRoad) {
    CalcStatus st = RequireFiniteInputs({{dc.Cond[cond::kKho], "設計水平震度の標準値 Kho"}});
    if (!st.ok()) return st;
  }
  return RequireFiniteInputs(
      {{dc.Cond[cond::kKh], "設計水平震度 Kh"}, {dc.Cond[cond::kKv], "設計鉛直震度 Kv"}});
}

}  // namespace varnholt
