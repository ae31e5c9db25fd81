#include "model/leading_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace varnholt {
namespace {

struct Case {
  const char* text;
  double expected;
};

class LeadingNumberTest : public ::testing::TestWithParam<Case> {};

TEST_P(LeadingNumberTest, ReadsTheLongestNumericPrefix) {
  const Case& c = GetParam();
  EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << "text: [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeadingNumberTest,
    ::testing::Values(Case{"12.5m", 12.5}, Case{"1 2", 12}, Case{"abc", 0}, Case{"", 0},
                      Case{"-.5", -0.5}, Case{"1D2", 100}, Case{"1d-1", 0.1}, Case{"2E3", 2000},
                      Case{"&H1F", 31}, Case{"&h1f", 31}, Case{"&O17", 15}, Case{"&O19", 1},
                      Case{"&X1", 0}, Case{"1e", 1}, Case{"1e+", 1}, Case{"+", 0}, Case{".", 0},
                      Case{"-", 0}, Case{"1.2.3", 1.2}, Case{" \t3\n.5 ", 3.5}, Case{"5.", 5},
                      Case{"+7", 7}, Case{"1,5", 1}, Case{"0.0", 0},
                      // Full-width digits are not digits of a number.
                      Case{"１２", 0}, Case{"3１", 3},
                      // A carriage return is not a blank.
                      Case{"\r4", 0}));

TEST(LeadingNumber, MinusZeroIsZero) {
  const double v = LeadingNumber("-0");
  EXPECT_EQ(v, 0.0);
  EXPECT_TRUE(std::signbit(v));
}

TEST(LeadingNumber, OverflowGivesInfinityNotACrash) {
  EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
  EXPECT_GT(LeadingNumber("1e999"), 0);
  EXPECT_LT(LeadingNumber("-1e999"), 0);
  EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
  EXPECT_TRUE(std::isfinite(LeadingNumber(std::string(300, '9'))));
  EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));
}

TEST(LeadingNumber, DecimalPointIgnoresTheLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    std::setlocale(LC_NUMERIC, "C");
  }
  EXPECT_DOUBLE_EQ(LeadingNumber("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(LeadingNumber("2,5"), 2);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace varnholt

namespace varnholt {
namespace {

TEST(HalfWidthNumber, FullWidthNumbersBecomeNumbersOthersStay) {
  struct Row {
    const char* typed;
    const char* text;
    double value;
  };
  const Row rows[] = {
      {"５", "5", 5},
      {"１２.５", "12.5", 12.5},
      {"１２．５", "12.5", 12.5},
      {"－３", "-3", -3},
      {"−３", "-3", -3},
      {"＋１ｅ２", "+1e2", 100},
      {"１Ｅ－２", "1E-2", 0.01},
      {"砂質土", "砂質土", 0},
      {"１０ｍ", "10ｍ", 10},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(HalfWidthNumberText(r.typed), r.text) << r.typed;
    EXPECT_DOUBLE_EQ(LeadingNumber(HalfWidthNumberText(r.typed)), r.value) << r.typed;
  }
  // Bytes that are not UTF-8 pass through unchanged.
  EXPECT_EQ(HalfWidthNumberText("\xEF\xBC"), "\xEF\xBC");
  EXPECT_EQ(HalfWidthNumberChar(U'Ａ'), U'Ａ');
}

}  // namespace
}  // namespace varnholt
