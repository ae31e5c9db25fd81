#pragma once
// The option states of the input windows that the calculation and the report
// read. The forms layer fills this value from the option buttons right
// before it calculates or draws a report page; below it nothing looks at a
// window. Every group can be "none selected", because a window can be in
// that state (a fence 有り clears 地震時 without selecting 常時, the check-
// method dialogs start with nothing chosen) and the rules say what happens.

namespace varnholt {

/// Design standard: Form2.opt_T (宅地造成) or Form2.opt_D (道路土工).
enum class Standard { kNone, kResidential, kRoad };

/// Ground shape behind the wall: Form2.opt1 水平, opt2 一様斜面, opt3 嵩上げ土.
enum class GroundShape { kNone, kLevel, kUniformSlope, kRaisedSoil };

/// Load case: Form2.opt4 常時 or opt5 地震時.
enum class LoadCase { kNone, kNormal, kSeismic };

/// Seismic method of Form20: opt_K1 ① (地震時土圧), opt_K2 ②, opt_D1 (road method).
enum class SeismicMethod { kNone, kK1, kK2, kD1 };

/// Regional seismic factor of Form20 (road standard): opt_A Cz=1.0, opt_B 0.85, opt_C 0.70.
enum class SeismicRegion { kNone, kA, kB, kC };

/// Earth pressure coefficient of Form3: opt1 entered directly, opt2 computed.
enum class CoefficientMode { kNone, kEntered, kComputed };

/// Surcharge on the raised-soil slope, Form16: opt1 有り, opt2 無し.
enum class SlopeSurcharge { kNone, kWith, kWithout };

/// How μ is given, Form2 Frame2: opt8 直接入力, opt9 tanφ.
enum class FrictionMode { kNone, kDirect, kTanPhi };

/// Fence on the crest, Form2 Frame4: opt10 無し, opt11 有り.
enum class FenceOption { kNone, kWithout, kWith };

/// Cohesion of the foundation ground, Form2 Frame3: opt6 考慮する, opt7 しない.
enum class CohesionOption { kNone, kConsidered, kNotConsidered };

/// Fence load of Form17: opt1 常時 (no horizontal load), opt2 distributed, opt3 concentrated.
enum class FenceLoadOption { kNone, kNormal, kDistributed, kConcentrated };

/// Shear key of the dimension window: opt5 無し, opt6 有り.
enum class ShearKeyOption { kNone, kWithout, kWith };

/// Eccentricity deduction for the cohesion term of the sliding resistance.
enum class Deduction { kNone, kDeduct, kNoDeduct };

/// Overturning criterion of Form12 (常時).
enum class NormalOverturn {
  kNone,
  kF15,      // opt1 F ≥ 1.5
  kD,        // opt2 d ≥ B/3
  kE,        // opt3 e ≤ B/6
  kF15AndE,  // opt6 F ≥ 1.5 and e ≤ B/6
};

/// Overturning criterion of Form14 (地震時 and short-term fence loads).
enum class SeismicOverturn {
  kNone,
  kF10,       // opt1 F ≥ 1.0
  kF12,       // opt2 F ≥ 1.2
  kE2,        // opt3 e ≤ B/2
  kE3,        // opt4 e ≤ B/3
  kF10AndE2,  // opt9 F ≥ 1.0 and e ≤ B/2
  kF12AndE3,  // opt10 F ≥ 1.2 and e ≤ B/3
};

/// Sliding criterion of Form14: opt5 Fs ≥ 1.0, opt6 Fs ≥ 1.2.
enum class SeismicSliding { kNone, kF10, kF12 };

/// The check methods chosen in Form12 (常時).
struct NormalCheckMethods {
  NormalOverturn overturn = NormalOverturn::kNone;
  Deduction deduction = Deduction::kNone;  // opt4 deduct, opt5 no deduction

  bool operator==(const NormalCheckMethods&) const = default;
};

/// The check methods chosen in Form14 (地震時, short-term fence loads).
struct SeismicCheckMethods {
  SeismicOverturn overturn = SeismicOverturn::kNone;
  SeismicSliding sliding = SeismicSliding::kNone;
  Deduction deduction = Deduction::kNone;  // opt7 deduct, opt8 no deduction

  bool operator==(const SeismicCheckMethods&) const = default;
};

/// Every option state read below the window layer. The defaults are those
/// of freshly loaded windows.
struct Selections {
  Standard standard = Standard::kResidential;
  GroundShape shape = GroundShape::kLevel;
  LoadCase load_case = LoadCase::kNormal;
  SeismicMethod seismic_method = SeismicMethod::kNone;
  SeismicRegion seismic_region = SeismicRegion::kNone;
  CoefficientMode coefficient = CoefficientMode::kComputed;
  SlopeSurcharge slope_surcharge = SlopeSurcharge::kWithout;
  FrictionMode friction = FrictionMode::kNone;
  FenceOption fence = FenceOption::kWithout;
  CohesionOption cohesion = CohesionOption::kNotConsidered;
  FenceLoadOption fence_load = FenceLoadOption::kNone;
  ShearKeyOption shear_key = ShearKeyOption::kWithout;
  NormalCheckMethods normal_checks;
  SeismicCheckMethods seismic_checks;

  bool operator==(const Selections&) const = default;
};

/// 水平 or 一様斜面: the shapes whose earth pressure comes from a
/// coefficient, entered or computed in Form3. 嵩上げ土 uses the trial wedge.
inline bool LevelOrSlope(GroundShape shape) {
  return shape == GroundShape::kLevel || shape == GroundShape::kUniformSlope;
}

}  // namespace varnholt
