#include "calc/plausibility.h"

#include "calc/format.h"

namespace varnholt {
namespace {

constexpr double kAngleMin = 10;
constexpr double kAngleMax = 45;
constexpr double kGammaMin = 14;
constexpr double kGammaMax = 23;
constexpr double kGammaCMin = 20;
constexpr double kGammaCMax = 25;
constexpr double kMuMax = 0.9;
constexpr double kCohesionMax = 50;

std::string N(double v) { return FormatFixed(v, 0, 3); }

struct Range {
  const char* code;
  const char* name;  // "内部摩擦角 φ"
  const char* unit;  // "°", " kN/m3"
  double value;
  double min;
  double max;
};

void CheckRange(const Range& r, std::vector<PlausibilityWarning>& out) {
  if (r.value >= r.min && r.value <= r.max) return;
  out.push_back({r.code, std::string(r.name) + "=" + N(r.value) + r.unit + " は通常の範囲（" +
                             N(r.min) + "～" + N(r.max) + r.unit + "）の外にあります。"});
}

void CheckUpper(const char* code, const char* name, const char* unit, double value, double max,
                std::vector<PlausibilityWarning>& out) {
  if (value <= max) return;
  out.push_back({code, std::string(name) + "=" + N(value) + unit + " は通常の上限（" + N(max) +
                           unit + "）を超えています。"});
}

}  // namespace

std::vector<PlausibilityWarning> SoilConstantWarnings(const DesignCase& dc) {
  std::vector<PlausibilityWarning> out;
  const double phi = dc.Cond[cond::kPhi];
  const double delta = dc.Cond[cond::kDelta];
  CheckRange(
      {"gamma_range", "土の単位体積重量 γ", " kN/m3", dc.Cond[cond::kGamma], kGammaMin, kGammaMax},
      out);
  CheckRange({"gammac_range", "コンクリートの単位体積重量 γc", " kN/m3", dc.Cond[cond::kGammaC],
              kGammaCMin, kGammaCMax},
             out);
  CheckRange({"phi_range", "内部摩擦角 φ", "°", phi, kAngleMin, kAngleMax}, out);
  if (delta > phi) {
    out.push_back({"delta_above_phi", "壁面摩擦角 δ=" + N(delta) + "° が内部摩擦角 φ=" + N(phi) +
                                          "° より大きくなっています。"});
  }
  CheckUpper("cohesion_range", "基礎地盤の粘着力 C", " kN/m2", dc.Cond[cond::kCohesion],
             kCohesionMax, out);
  CheckRange(
      {"phib_range", "基礎地盤の内部摩擦角 φB", "°", dc.Cond[cond::kPhiB], kAngleMin, kAngleMax},
      out);
  CheckUpper("mu_range", "底盤の摩擦係数 μ", "", dc.Cond[cond::kMu], kMuMax, out);
  return out;
}

}  // namespace varnholt
