// The reference tables hold fixed texts; every cell is checked against the
// published tables, row by row, so a changed blank or digit is caught.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::TestApp;

/// One expected cell: table, row, column and its stacked lines.
struct Expected {
  const char* table;
  int row;
  int col;
  std::vector<std::string> lines;
};

std::string Name(const Expected& e, size_t line) {
  std::string n =
      std::string("lbl") + e.table + "_" + std::to_string(e.row) + "_" + std::to_string(e.col);
  if (line > 0) n += "_" + std::to_string(line);
  return n;
}

// Rows of one-line cells starting at column 0.
void Rows(std::vector<Expected>& out, const char* table, int first_row,
          const std::vector<std::vector<std::string>>& rows) {
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      out.push_back({table, first_row + static_cast<int>(r), static_cast<int>(c), {rows[r][c]}});
    }
  }
}

void ExpectCells(ui::Window& w, const std::vector<Expected>& cells) {
  for (const Expected& e : cells) {
    for (size_t i = 0; i < e.lines.size(); ++i) {
      const std::string name = Name(e, i);
      ASSERT_TRUE(w.Has(name)) << w.name() << " " << name;
      EXPECT_EQ(w[name].Caption(), e.lines[i]) << w.name() << " " << name;
      EXPECT_EQ(w[name].alignment, ui::Alignment::kCenter) << name;
    }
    // No stray extra line in the cell.
    EXPECT_FALSE(w.Has(Name(e, e.lines.size()))) << w.name() << " " << Name(e, e.lines.size());
  }
}

// Every label of the window that belongs to a table cell is expected.
void ExpectNoOtherCells(ui::Window& w, const std::vector<Expected>& cells) {
  size_t expected = 0;
  for (const Expected& e : cells) expected += e.lines.size();
  size_t found = 0;
  for (const auto& c : w.controls()) {
    const std::string& n = c->name();
    if (c->kind() == ui::ControlKind::kLabel && n.rfind("lbl", 0) == 0 &&
        n.find("_title") == std::string::npos && n.find("_note") == std::string::npos &&
        n.find("_unit") == std::string::npos && n != "lblHeading") {
      ++found;
    }
  }
  EXPECT_EQ(found, expected) << w.name();
}

TEST(ReferenceWindowsTest, ResidentialLandTables) {
  TestApp t;
  ui::Window& w = t.Form(kForm7);
  EXPECT_EQ(w["lbl1_title"].Caption(), "◎ 宅地造成及び特定盛土等規制法");
  EXPECT_EQ(w["lbl2_title"].Caption(), "◎ 建築基準法(短期は長期の２倍)");
  EXPECT_EQ(w["lbl3_title"].Caption(), "◎ 建築基礎構造設計指針");
  // Table 3 stands to the right of table 2.
  EXPECT_GT(w["lbl3_0_0"].left, w["lbl2_0_1"].left + w["lbl2_0_1"].width - 1);
  EXPECT_EQ(w["lbl3_0_0"].top, w["lbl2_0_0"].top);

  std::vector<Expected> cells;
  Rows(cells, "1", 0,
       {{"土      質", "単位体積重量(γ)(kN/m3)", "主動土圧係数(KA)", "底盤の摩擦係数(μ)"},
        {"岩又は岩屑", "---", "---", "0.5"},
        {"砂利又は砂", "18", "0.35", "0.5"},
        {"砂  質  土", "17", "0.40", "0.4"},
        {"シルト、粘土", "16", "0.50", "0.3"}});
  Rows(cells, "2", 0,
       {{"地　    盤", "長期許容応力度(kN/m2)"},
        {"岩　    盤", "1000"},
        {"固結した砂", "500"},
        {"土  丹  盤", "300"},
        {"密実な礫層", "300"},
        {"密実な砂質地盤", "200"},
        {"砂 質 地 盤", "50"},
        {"堅い粘土質地盤", "100"},
        {"粘土質地盤", "20"},
        {"堅いローム層", "100"},
        {"ロ ー ム 層", "50"}});
  Rows(cells, "3", 0,
       {{"裏 込 土 の 種 類", "内部摩擦角(φ)(ﾟ)", "単位体積重量(γ)(kN/m3)"},
        {"きれいな砂又は砂利", "35", "18.0"},
        {"シルト又は粘土を含む透水性の低い砂質土 ", "30", "18.0"},
        {"粘土を多量に含む砂質土", "24", "17.5"},
        {"軟質な有機質シルト又はシルト質粘土", "0", "16.0"},
        {"硬  質  粘  土", "0", "17.0"}});
  ExpectCells(w, cells);
  ExpectNoOtherCells(w, cells);
  EXPECT_EQ(w["cmd1"].Caption(), "閉じる");
}

TEST(ReferenceWindowsTest, RoadEarthworksTables) {
  TestApp t;
  ui::Window& w = t.Form(kForm18);
  EXPECT_EQ(w["lblHeading"].Caption(), "◎ 道路土工－擁壁工指針");
  EXPECT_EQ(w["lbl1_title"].Caption(), "裏込め土のせん断定数");
  EXPECT_EQ(w["lbl1_note1"].Caption(), "・きれいな砂は礫質土の値を用いてもよい。");
  EXPECT_EQ(w["lbl1_note2"].Caption(), "・土質定数をこの表から推測する場合、粘着力Ｃを無視する。");
  EXPECT_EQ(w["lbl1_note3"].Caption(), "壁面摩擦角　δ=2φ/3");
  EXPECT_EQ(w["lbl2_title"].Caption(), "土の単位体積重量");
  EXPECT_EQ(w["lbl2_unit"].Caption(), "( kN/m3 )");
  EXPECT_EQ(w["lbl3_title"].Caption(), "支持地盤の種類と許容支持力度（常時値）");
  EXPECT_EQ(w["lbl4_title"].Caption(), "基礎底面と地盤との間の摩擦係数と付着力");
  EXPECT_EQ(w["lbl5_title"].Caption(), "設計水平震度の標準値(Kho)");
  // The notes follow table 1.
  EXPECT_GT(w["lbl1_note1"].top, w["lbl1_3_0"].top);

  std::vector<Expected> cells;
  cells.push_back({"1", 0, 0, {"裏込め土の種類"}});
  cells.push_back({"1", 0, 1, {"せん断抵抗角(φ)"}});
  cells.push_back({"1", 0, 2, {"粘 着 力", "(C)"}});
  Rows(cells, "1", 1,
       {{"礫　質　土", "35°", "---"},
        {"砂  質  土", "30°", "---"},
        {"粘性土(wL<50%)", "25°", "---"}});

  Rows(cells, "2", 0, {{"地　盤", "土　　質", "緩いもの", "密なもの"}});
  cells.push_back({"2", 1, 0, {"自然地盤"}});
  cells.push_back({"2", 4, 0, {"盛　土"}});
  const std::vector<std::vector<std::string>> weights = {
      {"砂および砂礫", "18", "20"}, {"砂　質　土", "17", "19"}, {"粘　性　土", "14", "18"},
      {"砂および砂礫", "20"},       {"砂　質　土", "19"},       {"粘性土(wL<50%)", "18"}};
  for (size_t r = 0; r < weights.size(); ++r) {
    for (size_t c = 0; c < weights[r].size(); ++c) {
      cells.push_back({"2", 1 + static_cast<int>(r), 1 + static_cast<int>(c), {weights[r][c]}});
    }
  }

  cells.push_back({"3", 0, 0, {"支持地盤の種類"}});
  cells.push_back({"3", 0, 2, {"許容", "支持力度", "ｑa", "(kN/m2)"}});
  cells.push_back({"3", 0, 3, {"備　　考"}});
  cells.push_back({"3", 1, 3, {"ｑu", "(kN/m2)"}});
  cells.push_back({"3", 1, 4, {"Ｎ値"}});
  cells.push_back({"3", 2, 0, {"岩  盤"}});
  cells.push_back({"3", 5, 0, {"礫  層"}});
  cells.push_back({"3", 7, 0, {"砂  質", "地  盤"}});
  cells.push_back({"3", 9, 0, {"粘性土", "地　盤"}});
  const std::vector<std::vector<std::string>> bearing = {
      {"亀裂の少ない均一な硬岩", "1000", "10000以上", "---"},
      {"亀裂の多い硬岩", "600", "10000以上", "---"},
      {"軟岩・土丹", "300", "1000以上", "---"},
      {"密なもの", "600", "---", "---"},
      {"密でないもの", "300", "---", "---"},
      {"密なもの", "300", "---", "30～50"},
      {"中位なもの", "200", "---", "20～30"},
      {"非常に堅いもの", "200", "200～400", "15～30"},
      {"堅いもの", "100", "100～200", "10～15"}};
  for (size_t r = 0; r < bearing.size(); ++r) {
    for (size_t c = 0; c < bearing[r].size(); ++c) {
      cells.push_back({"3", 2 + static_cast<int>(r), 1 + static_cast<int>(c), {bearing[r][c]}});
    }
  }

  cells.push_back({"4", 0, 0, {"せん断面の条件"}});
  cells.push_back({"4", 0, 1, {"支持地盤", "の種類"}});
  cells.push_back({"4", 0, 2, {"摩擦係数", "μ=tanφB"}});
  cells.push_back({"4", 0, 3, {"付着力CB"}});
  cells.push_back({"4", 1, 0, {"岩または礫とコンクリート"}});
  cells.push_back({"4", 3, 0, {"土と基礎のコンクリートの間に割り栗石または砕石を敷く場合"}});
  const std::vector<std::vector<std::string>> friction = {{"岩　盤", "0.7", "考慮しない"},
                                                          {"礫　層", "0.6", "考慮しない"},
                                                          {"砂質土", "0.6", "考慮しない"},
                                                          {"粘性土", "0.5", "考慮しない"}};
  for (size_t r = 0; r < friction.size(); ++r) {
    for (size_t c = 0; c < friction[r].size(); ++c) {
      cells.push_back({"4", 1 + static_cast<int>(r), 1 + static_cast<int>(c), {friction[r][c]}});
    }
  }

  Rows(cells, "5", 0,
       {{"地　盤　種　別", "Ⅰ 種", "Ⅱ 種", "Ⅲ 種"},
        {"中規模地震動対応", "0.12", "0.15", "0.18"},
        {"大規模地震動対応", "0.16", "0.20", "0.24"}});

  ExpectCells(w, cells);
  ExpectNoOtherCells(w, cells);
  EXPECT_EQ(w["cmd1"].Caption(), "閉じる");
}

TEST(ReferenceWindowsTest, SpanningCellsAreCentredOverTheirSpan) {
  TestApp t;
  ui::Window& w = t.Form(kForm18);
  // Fill weights stand for loose and dense alike: one cell over both columns.
  const ui::Control& fill = w["lbl2_4_2"];
  const ui::Control& loose = w["lbl2_1_2"];
  const ui::Control& dense = w["lbl2_1_3"];
  EXPECT_EQ(fill.left, loose.left);
  EXPECT_EQ(fill.width, loose.width + dense.width);
  // 自然地盤 spans its three rows: its line sits at the middle one.
  EXPECT_EQ(w["lbl2_1_0"].top, w["lbl2_2_1"].top);
}

TEST(ReferenceWindowsTest, EveryTableIsClosedByRules) {
  TestApp t;
  for (const char* name : {kForm7, kForm18}) {
    ui::Window& w = t.Form(name);
    int lines = 0;
    int right = 0, bottom = 0;
    for (const auto& c : w.controls()) {
      if (c->kind() != ui::ControlKind::kLine) continue;
      ++lines;
      right += c->name().rfind("LineR", 0) == 0;
      bottom += c->name().rfind("LineB", 0) == 0;
    }
    EXPECT_GT(lines, 0) << name;
    EXPECT_GT(right, 0) << name;
    EXPECT_GT(bottom, 0) << name;
    // Every rule is horizontal or vertical and has a length.
    for (const auto& c : w.controls()) {
      if (c->kind() != ui::ControlKind::kLine) continue;
      EXPECT_TRUE(c->x1 == c->x2 || c->y1 == c->y2) << c->name();
      EXPECT_FALSE(c->x1 == c->x2 && c->y1 == c->y2) << c->name();
      EXPECT_LE(c->x2, w.width) << c->name();
      EXPECT_LE(c->y2, w.height) << c->name();
    }
  }
}

}  // namespace
}  // namespace varnholt::forms
