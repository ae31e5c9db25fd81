#pragma once
// The design case: every number and text of the one wall being designed.
//
// The input windows own what the user typed; the collection step copies it
// into this record right before every calculation and every report page,
// the calculation writes its results here and the report prints from here.
// Slots are indexed as the engineers know them (Cond[4] is φ, Calc[49] is
// the sliding safety factor); every index used in code has a name below.

#include <array>
#include <string>

namespace varnholt {

/// Names of the design-condition slots Cond[0..27].
namespace cond {
inline constexpr int kFc = 0;             // concrete design strength Fc (σck), N/mm2
inline constexpr int kFe = 1;             // allowable bearing, long term fe (qa), kN/m2
inline constexpr int kFeShort = 2;        // allowable bearing, short term
inline constexpr int kBeta = 3;           // β, angle of the back ground surface, deg
inline constexpr int kPhi = 4;            // φ of the backfill, deg
inline constexpr int kPhiB = 5;           // φB of the foundation ground, deg
inline constexpr int kKA = 6;             // KA (KAE) as displayed, "0.00#"
inline constexpr int kMu = 7;             // μ, base friction coefficient
inline constexpr int kDelta = 8;          // δ, wall friction angle, deg
inline constexpr int kGamma = 9;          // γ of soil, kN/m3
inline constexpr int kGammaC = 10;        // γc of concrete, kN/m3
inline constexpr int kBackCohesion = 11;  // cohesion of the backfill, always 0
inline constexpr int kCohesion = 12;      // C of the foundation ground, kN/m2
inline constexpr int kCz = 13;            // regional seismic factor (road standard)
inline constexpr int kKho = 14;           // standard design horizontal seismic coefficient
inline constexpr int kKh = 15;            // design horizontal seismic coefficient
inline constexpr int kKv = 16;            // design vertical seismic coefficient
inline constexpr int kThetaKRad = 17;     // θk = Atn(Kh/(1−Kv)), rad
inline constexpr int kThetaKDeg = 18;     // θk in degrees
inline constexpr int kUnused19 = 19;
inline constexpr int kTermNumerator = 20;  // cos²(φ−θ); seismic (1−Kv)·cos²(φ−θ−θk)
inline constexpr int kTermCos2Theta = 21;  // cos²θ
inline constexpr int kTermCosThetaDelta = 22;  // cos(θ+δ); seismic cos(δ+θ+θk)
inline constexpr int kTermSinPhiDelta = 23;    // sin(φ+δ)
inline constexpr int kTermSinPhiBeta = 24;  // sin(φ−β); seismic sin(φ−β−θk); 0 if negative
inline constexpr int kTermCosThetaDeltaRoot = 25;  // cos(θ+δ) under the root
inline constexpr int kTermCosThetaBeta = 26;       // cos(θ−β)
inline constexpr int kTermCosThetaK = 27;          // cos θk (seismic only)
inline constexpr int kCount = 28;
}  // namespace cond

/// Names of the geometry, load and result slots Calc[0..69].
namespace calc {
inline constexpr int kH = 0;           // earth-pressure height Calc[2] + Calc[3]
inline constexpr int kHWork = 1;       // working copy of Calc[0]; formulas use this
inline constexpr int kHeightH = 2;     // h, back ground level down to front ground
inline constexpr int kEmbedment = 3;   // embedment below the front ground
inline constexpr int kCrestAbove = 4;  // crest above the back ground level
inline constexpr int kCrestWidth = 5;  // b
inline constexpr int kBaseWidth = 6;   // B
inline constexpr int kFrontProj = 7;   // f
inline constexpr int kSurcharge = 8;   // q, kN/m2
inline constexpr int kThetaRad = 9;    // θ of the back face, rad
inline constexpr int kThetaDeg = 10;   // θ in degrees, snapped to 0 within ±1e-10
inline constexpr int kPA = 11;         // PA (residential standard)
inline constexpr int kPAX = 12;
inline constexpr int kPAY = 13;
inline constexpr int kDeltaPA = 14;  // ΔPA from the surcharge (residential standard)
inline constexpr int kDeltaPAX = 15;
inline constexpr int kDeltaPAY = 16;
inline constexpr int kPAH = 17;  // combined pressure (road standard)
inline constexpr int kPAHX = 18;
inline constexpr int kPAHY = 19;
inline constexpr int kWeight = 20;  // W, self weight
inline constexpr int kSumV = 21;    // ΣV
inline constexpr int kA1 = 22;      // front triangle area
inline constexpr int kA2 = 23;      // rectangle under the crest
inline constexpr int kA3 = 24;      // back triangle area
inline constexpr int kX1 = 25;
inline constexpr int kX2 = 26;
inline constexpr int kX3 = 27;
inline constexpr int kXCentroid = 28;   // x of the wall centroid from the toe
inline constexpr int kXPAY = 29;        // lever arm of PAY
inline constexpr int kXDeltaPAY = 30;   // lever arm of ΔPAY
inline constexpr int kXFence = 31;      // lever arm of the fence weight
inline constexpr int kXWallFence = 32;  // centroid of wall plus fence weight
inline constexpr int kY1 = 33;
inline constexpr int kY2 = 34;
inline constexpr int kY3 = 35;
inline constexpr int kYCentroid = 36;   // height of the wall centroid
inline constexpr int kYFenceLoad = 37;  // height of the fence horizontal load
inline constexpr int kYWallFence = 38;  // centroid height of wall plus fence
inline constexpr int kMo = 39;          // overturning moment
inline constexpr int kMr = 40;          // resisting moment
inline constexpr int kOverturnF = 41;   // Mr/Mo
inline constexpr int kD = 42;           // (Mr−Mo)/ΣV
inline constexpr int kE = 43;           // B/2 − d
inline constexpr int kSigmaMax = 44;
inline constexpr int kSigmaMin = 45;
inline constexpr int kSumH = 46;      // ΣH
inline constexpr int kRH = 47;        // sliding resistance
inline constexpr int kAEff = 48;      // A' = B − 2|e|
inline constexpr int kSlidingF = 49;  // Fs, sliding safety factor
// Calc[50..54] are not used: the report keeps its scale and layout offsets
// to itself and never writes the design case.
inline constexpr int kPressureLength = 55;  // X, pressure length
inline constexpr int kKeyFirst = 56;        // shear key results Calc[56..66]
inline constexpr int kKeyHeight = 57;       // H0, key height
inline constexpr int kKeyLast = 66;
inline constexpr int kKeyL = 56;         // L = H0·tan(45° + φB/2), passive wedge length
inline constexpr int kKeyWidth = 58;     // D, key width (stored, used by no formula)
inline constexpr int kKeyPosition = 59;  // B1 (L1 under the road standard), toe to key
inline constexpr int kKeySigma0 = 60;    // σ0 = (σ1 + σ2)/2
inline constexpr int kKeySigma1 = 61;    // σ1, pressure at the front end of the wedge
inline constexpr int kKeySigma2 = 62;    // σ2, pressure at the key (q3 on the road standard)
inline constexpr int kKeyPassive = 63;   // P, passive pressure intensity, kN/m2
inline constexpr int kKeyWJ = 64;        // WJ, vertical reaction outside the wedge
inline constexpr int kKeyHk = 65;        // Hk, shear resistance (road standard)
inline constexpr int kKeyFk = 66;        // Fk, sliding safety factor with the key
inline constexpr int kH0 = 67;           // height of the raised-soil slope
inline constexpr int kB1 = 68;           // width of the trial wedge at the ground surface
inline constexpr int kB2 = 69;           // H0·cotβ
inline constexpr int kCount = 70;
}  // namespace calc

/// Values of ShearKeyFlag: a shear key is used, or not.
inline constexpr const char* kShearKeyFlagWith = "1";
inline constexpr const char* kShearKeyFlagWithout = "0";

/// Size of the trial-wedge tables: entries 1..900 hold ω = 0.1°..90°.
inline constexpr int kWedgeEntries = 900;

/// The one design case of a running program. Numeric slots start at 0 and
/// texts empty; nothing here is validated, it is plain data.
struct DesignCase {
  // Text and flag slots.
  std::string SiteName;
  std::string BackSoil;
  std::string BaseSoil;
  std::string SectionNo;
  std::string WallMark;
  std::string ShearKeyFlag;   // "0" or "1"
  std::string FenceLoadType;  // "", "0", "1" or "2"

  std::array<double, cond::kCount> Cond{};
  std::array<double, calc::kCount> Calc{};

  // Trial wedge.
  std::array<double, kWedgeEntries + 1> WedgeOmega{};
  std::array<double, kWedgeEntries + 1> WedgeP{};
  double OmegaMax = 0;
  double WedgeT1 = 0;
  double WedgeT2 = 0;
  double WedgeT3 = 0;
  double WedgeW = 0;
  double PAmax = 0;
  double PAXw = 0;
  double PAYw = 0;

  // Fence, railing or wall on the crest.
  double FenceH = 0;
  double FenceX = 0;
  double FenceLoad = 0;
  double FenceP = 0;
  double FenceLoadY = 0;
  double FenceW = 0;

  // First page number of a printout. Not necessarily whole: it is printed
  // rounded, so a first page of 1.5 prints as 2 and the next as 3.
  double FirstPageNo = 0;
};

}  // namespace varnholt
