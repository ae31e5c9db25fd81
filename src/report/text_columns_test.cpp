#include "report/text_columns.h"

#include <gtest/gtest.h>

namespace varnholt::report {
namespace {

TEST(TextColumnsTest, WidthsAndLinesOfMixedText) {
  EXPECT_EQ(HalfEms("ab高さｱｲ"), 2 + 4 + 2);
  EXPECT_EQ(WideColumns("ab高さｱｲ"), 2 + 4 + 4);

  struct Case {
    const char* text;
    int width;
    int (*measure)(std::string_view);
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", 4, HalfEms, {""}},
      {"abcdef", 4, HalfEms, {"abcd", "ef"}},
      {"a高さです", 4, HalfEms, {"a高", "さで", "す"}},
      {"ｱｲｳｴｵ", 4, HalfEms, {"ｱｲｳｴ", "ｵ"}},
      {"ｱｲｳｴｵ", 4, WideColumns, {"ｱｲ", "ｳｴ", "ｵ"}},
      {"ab\ncdefg", 4, WideColumns, {"ab", "cdef", "g"}},  // a message's two lines
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WrapColumns(c.text, c.width, c.measure), c.lines) << c.text;
  }
}

}  // namespace
}  // namespace varnholt::report
