#include "report/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varnholt::report {
namespace {

struct FormatCase {
  double value;
  const char* pattern;
  const char* expected;
};

TEST(FormatNumberTest, PatternsOfTheReport) {
  const FormatCase cases[] = {
      // 2.675 is 2.67499999… in binary; the decimal 2.67500000000000 rounds up.
      {2.675, "0.00", "2.68"},
      {1.0005, "0.000", "1.001"},
      {1234.5, "#,###", "1,235"},
      {-1234.5, "#,###", "-1,235"},
      {500, "#,###", "500"},
      {1234567.5, "#,###", "1,234,568"},
      {0, "#,###", ""},
      {0, "###", ""},
      {0.4, "##", ""},
      {-0.4, "#,###", ""},
      {30, "##", "30"},
      {52.7, "##", "53"},
      {12.5, "0", "13"},
      {-12.5, "0", "-13"},
      {0.04, "0", "0"},
      {23, "0.0", "23.0"},
      {30, "0.00", "30.00"},
      {0.3333, "0.000", "0.333"},
      {1.5, "0.0000", "1.5000"},
      {9.99996, "0.0000", "10.0000"},
      {99.9995, "0.000", "100.000"},
      {0.6, "0.0#", "0.6"},
      {0.65, "0.0#", "0.65"},
      {2, "0.0#", "2.0"},
      {0, "0.0#", "0.0"},
      {12.5, "0.0#", "12.5"},
      {0.333, "0.00#", "0.333"},
      {0.5, "0.00#", "0.50"},
      {2.5, "0.00#", "2.50"},
      {0.29714, "0.00#", "0.297"},
      {0.29951, "0.00#", "0.30"},
      {1.25, "0.0##", "1.25"},
      {0, "0.0##", "0.0"},
      {1.5, "0.0##", "1.5"},
      {0.0005, "0.000", "0.001"},
      {-0.004, "0.00", "0.00"},
      {-0.005, "0.00", "-0.01"},
      {-0.0, "0.000", "0.000"},
      {1e20, "0", "100000000000000000000"},
      {1.5, "0", "2"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected)
        << "value " << c.value << " pattern " << c.pattern;
  }
}

TEST(FormatNumberTest, NonFiniteValuesNeverPrintNanOrInf) {
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "0.000"), kNotANumberText);
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "#,###"), kNotANumberText);
  EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), " *** ");
}

struct RoundCase {
  double value;
  int places;
  double expected;
};

TEST(RoundHalfUpTest, HalfUpOnTheDecimalValue) {
  const RoundCase cases[] = {
      {2.00005, 4, 2.0001},  {-0.00005, 4, 0},         {9.99996, 4, 10}, {9.99994, 4, 9.9999},
      {0.00015, 4, 0.0002},  {2.675, 2, 2.68},         {-2.5, 0, -2},    {1.23456, 3, 1.235},
      {-1.23456, 3, -1.235}, {123.45675, 4, 123.4568}, {0, 3, 0},
  };
  for (const RoundCase& c : cases) {
    EXPECT_DOUBLE_EQ(RoundHalfUp(c.value, c.places), c.expected) << c.value << " to " << c.places;
  }
  EXPECT_FALSE(std::signbit(RoundHalfUp(-0.00005, 4))) << "no negative zero";
  EXPECT_TRUE(std::isinf(RoundHalfUp(std::numeric_limits<double>::infinity(), 4)));
}

TEST(NumberTextTest, BlankOrSignInFrontBlankBehind) {
  const std::pair<double, const char*> cases[] = {
      {21, " 21 "},
      {150, " 150 "},
      {300, " 300 "},
      {0, " 0 "},
      {-0.0, " 0 "},
      {-1.5, "-1.5 "},
      {0.5, " 0.5 "},
      {0.1 + 0.2, " 0.3 "},
      {22.5, " 22.5 "},
      {1e16, " 10000000000000000 "},
      {123456789012345678.0, " 123456789012346000 "},
      {0.000125, " 0.000125 "},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(NumberText(value), expected) << value;
}

TEST(AlignByMagnitudeTest, OneStepLeftPerExtraIntegerDigit) {
  EXPECT_EQ(AlignByMagnitude(4800, 9.9999), 4800);
  EXPECT_EQ(AlignByMagnitude(4800, 10), 4700);
  EXPECT_EQ(AlignByMagnitude(4800, 99.99), 4700);
  EXPECT_EQ(AlignByMagnitude(4800, 100), 4600);
  EXPECT_EQ(AlignByMagnitude(4800, 12345), 4600);
  EXPECT_EQ(AlignByMagnitude(4800, -150), 4800);
  // The value is rounded before the position is chosen from it.
  EXPECT_EQ(AlignByMagnitude(7400, RoundHalfUp(9.99996, 4)), 7300);
  EXPECT_EQ(AlignByMagnitude(7400, RoundHalfUp(9.99994, 4)), 7400);
  EXPECT_EQ(AlignByMagnitude(7400, RoundHalfUp(123.4, 4)), 7200);
}

}  // namespace
}  // namespace varnholt::report
