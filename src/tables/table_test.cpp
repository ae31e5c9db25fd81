#include "tables/table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tables/xlsx_reading.h"

namespace varnholt::tables {
namespace {

Table Sample() {
  Table t;
  t.title = "標準断面表";
  t.columns = {{"高さ h", "m", 2}, {"底版幅 B", "m", 2}, {"断面積", "m2/m", 3}, {"判定", "", -1}};
  t.rows.push_back(
      {Cell::Number(2.5), Cell::Number(2.35), Cell::Number(1.0 / 3), Cell::Text("O.K")});
  t.rows.push_back({Cell::Number(3), Cell::Number(6, true), Cell::Number(std::nan("")),
                    Cell::Text("NG, \"滑動\"", true)});
  return t;
}

TEST(Csv, JapaneseHeadingsWithUnitsAndExactNumbers) {
  EXPECT_EQ(CsvBytes(Sample()),
            "\xEF\xBB\xBF"
            "高さ h (m),底版幅 B (m),断面積 (m2/m),判定\r\n"
            "2.5,2.35,0.3333333333333333,O.K\r\n"
            "3,6,,\"NG, \"\"滑動\"\"\"\r\n");
  for (double v : {0.1, 2.675, 1e-7, 123456.789, -0.3}) {
    EXPECT_EQ(std::stod(ExactNumberText(v)), v);
  }
  EXPECT_EQ(ExactNumberText(0.1), "0.1");
}

TEST(Xlsx, ReadsBackAsNumbersWithUnitsRedFailuresAndAFrozenHeading) {
  const XlsxResult x = XlsxBytes(Sample());
  ASSERT_TRUE(x.ok) << x.error;
  testing::ReadSheet sheet;
  std::string error;
  ASSERT_TRUE(testing::ReadXlsx(x.bytes, &sheet, &error)) << error;
  EXPECT_EQ(sheet.name, "標準断面表");
  EXPECT_TRUE(sheet.first_row_frozen);
  EXPECT_EQ(sheet.cells["A1"].text, "高さ h (m)");
  EXPECT_EQ(sheet.cells["C1"].text, "断面積 (m2/m)");
  EXPECT_TRUE(sheet.cells["A1"].bold);
  // Numbers stay numbers, unrounded, shown with the column's decimals.
  EXPECT_TRUE(sheet.cells["B2"].number);
  EXPECT_EQ(sheet.cells["B2"].value, 2.35);
  EXPECT_EQ(sheet.cells["C2"].value, 1.0 / 3);
  EXPECT_EQ(sheet.cells["C2"].number_format, "0.000");
  EXPECT_FALSE(sheet.cells["B2"].red);
  EXPECT_TRUE(sheet.cells["B3"].red);
  EXPECT_TRUE(sheet.cells["D3"].red);
  EXPECT_EQ(sheet.cells["D3"].text, "NG, \"滑動\"");
  EXPECT_FALSE(sheet.cells["C3"].number);  // not a number: left blank
  // Widths fit the Japanese headings: "断面積 (m2/m)" is 6 + 7 half-widths.
  EXPECT_GE(sheet.widths[3], 13);
  EXPECT_GE(sheet.widths[4], SpreadsheetWidth("NG, \"滑動\""));
  EXPECT_EQ(SpreadsheetWidth("σmax ｱ"), 2 + 3 + 1 + 1);
}

TEST(Xlsx, ADamagedArchiveIsNotRead) {
  std::string bytes = XlsxBytes(Sample()).bytes;
  testing::ReadSheet sheet;
  std::string error;
  EXPECT_FALSE(testing::ReadXlsx(bytes.substr(0, bytes.size() / 2), &sheet, &error));
}

}  // namespace
}  // namespace varnholt::tables
