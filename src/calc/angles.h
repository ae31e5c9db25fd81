#pragma once
// Degree/radian conversion as the program has always done it: with π taken
// as 3.14159, not the full-precision value. Every printed number depends on
// this, so every conversion goes through these two functions.

namespace varnholt {

inline constexpr double kPi = 3.14159;

inline double ToRadians(double degrees) { return degrees * kPi / 180.0; }
inline double ToDegrees(double radians) { return radians / kPi * 180.0; }

}  // namespace varnholt
