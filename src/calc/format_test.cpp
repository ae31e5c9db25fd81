#include "calc/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varnholt {
namespace {

struct FormatCase {
  double value;
  const char* coefficient;  // "0.00#"
  const char* three;        // "0.000"
};

// Expected texts worked out by hand from the decimal digits of each value.
const FormatCase kCases[] = {
    {0.3, "0.30", "0.300"},
    {0.29714, "0.297", "0.297"},
    {0.29731414996655936, "0.297", "0.297"},
    {0.48036766777513606, "0.48", "0.480"},
    {0.4520326492743951, "0.452", "0.452"},
    {0.333333673789193, "0.333", "0.333"},
    {0.29951, "0.30", "0.300"},
    // Binary 0.29749999999999998…: the decimal text 0.2975 rounds up.
    {0.2975, "0.298", "0.298"},
    {0.2985, "0.299", "0.299"},
    {1.0005, "1.001", "1.001"},
    {0.0005, "0.001", "0.001"},
    {0.00049999999999, "0.00", "0.000"},
    {9.9995, "10.00", "10.000"},
    {0.9995, "1.00", "1.000"},
    {0.995, "0.995", "0.995"},
    {12345.6789, "12345.679", "12345.679"},
    {1e20, "100000000000000000000.00", "100000000000000000000.000"},
    {0.0, "0.00", "0.000"},
    {-0.0, "0.00", "0.000"},
    {-0.2975, "-0.298", "-0.298"},
    {-0.0004, "0.00", "0.000"},
    {3.0, "3.00", "3.000"},
    {0.45, "0.45", "0.450"},
    {1e-300, "0.00", "0.000"},
};

TEST(FormatFixed, CoefficientAndThreeDecimalPatterns) {
  for (const FormatCase& c : kCases) {
    EXPECT_EQ(FormatCoefficient(c.value), c.coefficient) << c.value;
    EXPECT_EQ(FormatFixed(c.value, 3, 3), c.three) << c.value;
  }
}

TEST(FormatFixed, GuideValuesOfAThreeMetreBase) {
  // 0.1·B, 0.15·B, B/2 − B/6, B/2 + B/6 for B = 3.
  EXPECT_EQ(FormatFixed(0.1 * 3.0, 3, 3), "0.300");
  EXPECT_EQ(FormatFixed(0.15 * 3.0, 3, 3), "0.450");
  EXPECT_EQ(FormatFixed(3.0 / 2 - 3.0 / 6, 3, 3), "1.000");
  EXPECT_EQ(FormatFixed(3.0 / 2 + 3.0 / 6, 3, 3), "2.000");
}

TEST(FormatFixed, NonFiniteValuesGiveNoText) {
  EXPECT_EQ(FormatCoefficient(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(FormatCoefficient(std::nan("")), "");
  EXPECT_EQ(FormatFixed(1.0, 3, 2), "");
}

TEST(FormatFixed, LargestDoubleKeepsAllIntegerDigits) {
  const std::string text = FormatCoefficient(std::numeric_limits<double>::max());
  EXPECT_EQ(text.size(), 309u + 3u);  // 309 integer digits, ".00"
  EXPECT_EQ(text.substr(0, 15), "179769313486232");
}

}  // namespace
}  // namespace varnholt
