#pragma once
// Degree/radian conversion as the program has always done it: with π taken
// as 3.14159, not the full-precision value. Every printed number depends on
// this, so every conversion goes through these functions.

#include <cmath>

namespace varnholt {

inline constexpr double kPi = 3.14159;

inline double ToRadians(double degrees) { return degrees * kPi / 180.0; }
inline double ToDegrees(double radians) { return radians / kPi * 180.0; }

/// Trigonometric functions of an angle in degrees, converted with 3.14159.
inline double SinDeg(double degrees) { return std::sin(ToRadians(degrees)); }
inline double CosDeg(double degrees) { return std::cos(ToRadians(degrees)); }
inline double TanDeg(double degrees) { return std::tan(ToRadians(degrees)); }
/// cot x, taken as tan(90° − x) the way the wedge formulas have always been
/// evaluated.
inline double CotDeg(double degrees) { return std::tan(ToRadians(90 - degrees)); }

/// Tolerance, in degrees, within which an angle counts as a right or
/// straight angle. Angles derived through an arctangent (θ of the back face)
/// carry a few ulps of noise; nothing an engineer enters is this close to
/// 90° without meaning 90°.
inline constexpr double kAngleTolerance = 1e-9;

/// True when the cosine of `degrees` is zero in engineering terms: the angle
/// is an odd multiple of 90°. With π taken as 3.14159 the computed cosine of
/// such an angle is not exactly 0 but about 1e-6, which would turn a
/// meaningless division into a plausible-looking, huge number; divisors are
/// therefore judged on the angle, not on the computed cosine.
inline bool CosineVanishes(double degrees) {
  return std::fabs(std::remainder(degrees - 90.0, 180.0)) < kAngleTolerance;
}

/// True when the sine (and the tangent) of `degrees` is zero in engineering
/// terms: the angle is a multiple of 180°.
inline bool SineVanishes(double degrees) {
  return std::fabs(std::remainder(degrees, 180.0)) < kAngleTolerance;
}

}  // namespace varnholt
