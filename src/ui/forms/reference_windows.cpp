// Reference windows: the soil constants and allowable values an engineer
// looks up while filling in the design conditions (Form7 for 宅地造成,
// Form18 for 道路土工), and the version window Form6. Everything here is a
// fixed label; nothing is computed or copied into the inputs.
//
// The tables are ruled grids. Each cell names its grid row and column and
// how many rows and columns it spans; a cell may hold several stacked lines.
// A cell's label is named lbl<table>_<row>_<col> (a second line adds _1, a
// third _2 and so on), so the contents can be checked cell by cell.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/forms/app.h"
#include "ui/forms/builders.h"
#include "ui/forms/handles.h"
#include "ui/forms/windows.h"

namespace varnholt::forms {
namespace {

constexpr const char* kResidentialTitle = "参考表（宅地造成）";
constexpr const char* kRoadTitle = "参考表（道路土工）";
constexpr const char* kClose = "閉じる";
constexpr const char* kVersionCaption = "バージョン情報";
constexpr const char* kVersion = "Varnholt Version 3.50";
constexpr const char* kOk = "ＯＫ";

constexpr int kRow = 300;       // height of a one-line row, twips
constexpr int kLine = 240;      // advance of a stacked line inside a cell
constexpr int kTitleGap = 300;  // from a table's heading down to its top rule

/// One cell of a ruled table: its grid position, its span and its lines.
struct Cell {
  int row;
  int col;
  int rows;
  int cols;
  std::vector<std::string> lines;
};

/// A ruled table: where it sits, its column widths and row heights (twips),
/// its heading above the top rule, and its cells. Every grid position must be
/// covered by exactly one cell (an empty cell has no lines).
struct Table {
  std::string id;
  int left;
  int top;
  std::vector<int> widths;
  std::vector<int> heights;
  std::string heading;
  std::vector<Cell> cells;
};

Cell C(int row, int col, std::vector<std::string> lines, int rows = 1, int cols = 1) {
  return Cell{row, col, rows, cols, std::move(lines)};
}

// A row of one-line cells, one per column.
void Row(std::vector<Cell>& cells, int row, const std::vector<std::string>& texts) {
  for (size_t c = 0; c < texts.size(); ++c)
    cells.push_back(C(row, static_cast<int>(c), {texts[c]}));
}

std::string CellName(const std::string& prefix, const std::string& table, int row, int col,
                     size_t line) {
  std::string n = prefix + table + "_" + std::to_string(row) + "_" + std::to_string(col);
  if (line > 0) n += "_" + std::to_string(line);
  return n;
}

// A table whose cells overlap or leave a hole would draw broken rules; that
// is a mistake in the table data, so it stops the program at once.
void CheckCoverage(const Table& t) {
  const size_t nr = t.heights.size(), nc = t.widths.size();
  std::vector<int> covered(nr * nc, 0);
  for (const Cell& c : t.cells) {
    for (int r = c.row; r < c.row + c.rows; ++r) {
      for (int k = c.col; k < c.col + c.cols; ++k) {
        if (r < 0 || k < 0 || static_cast<size_t>(r) >= nr || static_cast<size_t>(k) >= nc) {
          std::fprintf(stderr, "varnholt: table %s: cell outside the grid\n", t.id.c_str());
          std::abort();
        }
        ++covered[static_cast<size_t>(r) * nc + static_cast<size_t>(k)];
      }
    }
  }
  for (int n : covered) {
    if (n != 1) {
      std::fprintf(stderr, "varnholt: table %s: grid not covered once\n", t.id.c_str());
      std::abort();
    }
  }
}

// Declares the heading, the rules and the cell labels of a table. Each cell
// draws its top and left rules over its whole span; the cells on the right
// and bottom edges close the table.
void AddTable(ui::Window& w, const Table& t) {
  CheckCoverage(t);
  std::vector<int> xs{t.left}, ys{t.top};
  for (int wd : t.widths) xs.push_back(xs.back() + wd);
  for (int ht : t.heights) ys.push_back(ys.back() + ht);
  if (!t.heading.empty())
    AddLabel(w, "lbl" + t.id + "_title", t.heading, t.left, t.top - kTitleGap);

  for (const Cell& c : t.cells) {
    const auto ci = static_cast<size_t>(c.col), ri = static_cast<size_t>(c.row);
    const int x0 = xs[ci], x1 = xs[ci + static_cast<size_t>(c.cols)];
    const int y0 = ys[ri], y1 = ys[ri + static_cast<size_t>(c.rows)];
    AddLine(w, CellName("LineT", t.id, c.row, c.col, 0), x0, y0, x1, y0);
    AddLine(w, CellName("LineL", t.id, c.row, c.col, 0), x0, y0, x0, y1);
    if (x1 == xs.back()) AddLine(w, CellName("LineR", t.id, c.row, c.col, 0), x1, y0, x1, y1);
    if (y1 == ys.back()) AddLine(w, CellName("LineB", t.id, c.row, c.col, 0), x0, y1, x1, y1);

    const int block = static_cast<int>(c.lines.size()) * kLine;
    const int first = y0 + (y1 - y0 - block) / 2;
    for (size_t i = 0; i < c.lines.size(); ++i) {
      Control& l = AddLabel(w, CellName("lbl", t.id, c.row, c.col, i), c.lines[i], x0,
                            first + static_cast<int>(i) * kLine);
      l.width = x1 - x0;
      l.height = kLine;
      l.alignment = ui::Alignment::kCenter;
    }
  }
}

// "閉じる" of a reference window at its lower right. The main window's
// menus and toolbar come back whenever the window goes, by this button or by
// its close box, so they can never stay disabled without a window to undo it.
void AddCloseButton(ui::Window& w, App& app) {
  Control& b = AddButton(w, "cmd1", kClose, w.width - 1560, w.height - 780, 1200);
  const std::string name = w.name();
  b.on_click = [&app, name] { app.windows().Unload(name); };
  w.on_unload = [&app] {
    MainWindow& main = Main(app);
    main.file_menu->SetEnabled(true);
    main.reference_menu->SetEnabled(true);
    main.toolbar->SetVisible(true);
  };
}

// ------------------------------------------------------------ 宅地造成

Table ResidentialLandTable() {
  Table t{"1",
          240,
          720,
          {1800, 2600, 2000, 2200},
          std::vector<int>(5, kRow),
          "◎ 宅地造成及び特定盛土等規制法",
          {}};
  Row(t.cells, 0,
      {"土      質", "単位体積重量(γ)(kN/m3)", "主動土圧係数(KA)", "底盤の摩擦係数(μ)"});
  Row(t.cells, 1, {"岩又は岩屑", "---", "---", "0.5"});
  Row(t.cells, 2, {"砂利又は砂", "18", "0.35", "0.5"});
  Row(t.cells, 3, {"砂  質  土", "17", "0.40", "0.4"});
  Row(t.cells, 4, {"シルト、粘土", "16", "0.50", "0.3"});
  return t;
}

Table BuildingLawTable() {
  Table t{
      "2", 240, 2820, {2000, 2400}, std::vector<int>(11, kRow), "◎ 建築基準法(短期は長期の２倍)",
      {}};
  Row(t.cells, 0, {"地　    盤", "長期許容応力度(kN/m2)"});
  Row(t.cells, 1, {"岩　    盤", "1000"});
  Row(t.cells, 2, {"固結した砂", "500"});
  Row(t.cells, 3, {"土  丹  盤", "300"});
  Row(t.cells, 4, {"密実な礫層", "300"});
  Row(t.cells, 5, {"密実な砂質地盤", "200"});
  Row(t.cells, 6, {"砂 質 地 盤", "50"});
  Row(t.cells, 7, {"堅い粘土質地盤", "100"});
  Row(t.cells, 8, {"粘土質地盤", "20"});
  Row(t.cells, 9, {"堅いローム層", "100"});
  Row(t.cells, 10, {"ロ ー ム 層", "50"});
  return t;
}

Table FoundationGuideTable() {
  Table t{"3", 4920, 2820, {3960, 1800, 2400}, std::vector<int>(6, kRow), "◎ 建築基礎構造設計指針",
          {}};
  Row(t.cells, 0, {"裏 込 土 の 種 類", "内部摩擦角(φ)(ﾟ)", "単位体積重量(γ)(kN/m3)"});
  Row(t.cells, 1, {"きれいな砂又は砂利", "35", "18.0"});
  Row(t.cells, 2, {"シルト又は粘土を含む透水性の低い砂質土 ", "30", "18.0"});
  Row(t.cells, 3, {"粘土を多量に含む砂質土", "24", "17.5"});
  Row(t.cells, 4, {"軟質な有機質シルト又はシルト質粘土", "0", "16.0"});
  Row(t.cells, 5, {"硬  質  粘  土", "0", "17.0"});
  return t;
}

// ------------------------------------------------------------ 道路土工

Table BackfillShearTable() {
  Table t{"1", 240, 900, {2200, 1800, 1500}, std::vector<int>(4, kRow), "裏込め土のせん断定数", {}};
  t.cells.push_back(C(0, 0, {"裏込め土の種類"}));
  t.cells.push_back(C(0, 1, {"せん断抵抗角(φ)"}));
  t.cells.push_back(C(0, 2, {"粘 着 力", "(C)"}));
  Row(t.cells, 1, {"礫　質　土", "35°", "---"});
  Row(t.cells, 2, {"砂  質  土", "30°", "---"});
  Row(t.cells, 3, {"粘性土(wL<50%)", "25°", "---"});
  t.heights[0] = 2 * kLine + 60;
  return t;
}

Table SoilWeightTable() {
  Table t{"2", 6600, 900, {1400, 2000, 1300, 1300}, std::vector<int>(7, kRow), "土の単位体積重量",
          {}};
  Row(t.cells, 0, {"地　盤", "土　　質", "緩いもの", "密なもの"});
  t.cells.push_back(C(1, 0, {"自然地盤"}, 3));
  t.cells.push_back(C(1, 1, {"砂および砂礫"}));
  t.cells.push_back(C(1, 2, {"18"}));
  t.cells.push_back(C(1, 3, {"20"}));
  t.cells.push_back(C(2, 1, {"砂　質　土"}));
  t.cells.push_back(C(2, 2, {"17"}));
  t.cells.push_back(C(2, 3, {"19"}));
  t.cells.push_back(C(3, 1, {"粘　性　土"}));
  t.cells.push_back(C(3, 2, {"14"}));
  t.cells.push_back(C(3, 3, {"18"}));
  // Fill has one value for loose and dense alike.
  t.cells.push_back(C(4, 0, {"盛　土"}, 3));
  t.cells.push_back(C(4, 1, {"砂および砂礫"}));
  t.cells.push_back(C(4, 2, {"20"}, 1, 2));
  t.cells.push_back(C(5, 1, {"砂　質　土"}));
  t.cells.push_back(C(5, 2, {"19"}, 1, 2));
  t.cells.push_back(C(6, 1, {"粘性土(wL<50%)"}));
  t.cells.push_back(C(6, 2, {"18"}, 1, 2));
  return t;
}

Table BearingCapacityTable() {
  // Two header rows: the kind of ground and ｑa span both; the remarks head
  // ｑu and N in the second.
  std::vector<int> heights{2 * kLine, 2 * kLine};
  heights.insert(heights.end(), 9, kRow);
  Table t{"3",     240,
          3600,    {1100, 2700, 1100, 1300, 1100},
          heights, "支持地盤の種類と許容支持力度（常時値）",
          {}};
  t.cells.push_back(C(0, 0, {"支持地盤の種類"}, 2, 2));
  t.cells.push_back(C(0, 2, {"許容", "支持力度", "ｑa", "(kN/m2)"}, 2));
  t.cells.push_back(C(0, 3, {"備　　考"}, 1, 2));
  t.cells.push_back(C(1, 3, {"ｑu", "(kN/m2)"}));
  t.cells.push_back(C(1, 4, {"Ｎ値"}));
  struct Line {
    const char* state;
    const char* qa;
    const char* qu;
    const char* n;
  };
  const Line kLines[] = {
      {"亀裂の少ない均一な硬岩", "1000", "10000以上", "---"},
      {"亀裂の多い硬岩", "600", "10000以上", "---"},
      {"軟岩・土丹", "300", "1000以上", "---"},
      {"密なもの", "600", "---", "---"},
      {"密でないもの", "300", "---", "---"},
      {"密なもの", "300", "---", "30～50"},
      {"中位なもの", "200", "---", "20～30"},
      {"非常に堅いもの", "200", "200～400", "15～30"},
      {"堅いもの", "100", "100～200", "10～15"},
  };
  for (int i = 0; i < 9; ++i) {
    const Line& l = kLines[i];
    for (int c = 1; c <= 4; ++c) {
      const char* text = c == 1 ? l.state : c == 2 ? l.qa : c == 3 ? l.qu : l.n;
      t.cells.push_back(C(2 + i, c, {text}));
    }
  }
  t.cells.push_back(C(2, 0, {"岩  盤"}, 3));
  t.cells.push_back(C(5, 0, {"礫  層"}, 2));
  t.cells.push_back(C(7, 0, {"砂  質", "地  盤"}, 2));
  t.cells.push_back(C(9, 0, {"粘性土", "地　盤"}, 2));
  return t;
}

Table BaseFrictionTable() {
  std::vector<int> heights{2 * kLine + 60};
  heights.insert(heights.end(), 4, kRow);
  Table t{
      "4", 240, 7980, {5100, 1100, 1300, 1300}, heights, "基礎底面と地盤との間の摩擦係数と付着力",
      {}};
  t.cells.push_back(C(0, 0, {"せん断面の条件"}));
  t.cells.push_back(C(0, 1, {"支持地盤", "の種類"}));
  t.cells.push_back(C(0, 2, {"摩擦係数", "μ=tanφB"}));
  t.cells.push_back(C(0, 3, {"付着力CB"}));
  t.cells.push_back(C(1, 0, {"岩または礫とコンクリート"}, 2));
  t.cells.push_back(C(1, 1, {"岩　盤"}));
  t.cells.push_back(C(1, 2, {"0.7"}));
  t.cells.push_back(C(1, 3, {"考慮しない"}));
  t.cells.push_back(C(2, 1, {"礫　層"}));
  t.cells.push_back(C(2, 2, {"0.6"}));
  t.cells.push_back(C(2, 3, {"考慮しない"}));
  t.cells.push_back(C(3, 0, {"土と基礎のコンクリートの間に割り栗石または砕石を敷く場合"}, 2));
  t.cells.push_back(C(3, 1, {"砂質土"}));
  t.cells.push_back(C(3, 2, {"0.6"}));
  t.cells.push_back(C(3, 3, {"考慮しない"}));
  t.cells.push_back(C(4, 1, {"粘性土"}));
  t.cells.push_back(C(4, 2, {"0.5"}));
  t.cells.push_back(C(4, 3, {"考慮しない"}));
  return t;
}

Table SeismicCoefficientTable() {
  Table t{"5",
          9600,
          7980,
          {1900, 900, 900, 900},
          std::vector<int>(3, kRow),
          "設計水平震度の標準値(Kho)",
          {}};
  Row(t.cells, 0, {"地　盤　種　別", "Ⅰ 種", "Ⅱ 種", "Ⅲ 種"});
  Row(t.cells, 1, {"中規模地震動対応", "0.12", "0.15", "0.18"});
  Row(t.cells, 2, {"大規模地震動対応", "0.16", "0.20", "0.24"});
  return t;
}

}  // namespace

void DefineForm7(ui::Window& w, App& app) {
  w.SetCaption(kResidentialTitle);
  w.width = 13440;
  w.height = 7320;
  AddTable(w, ResidentialLandTable());
  AddTable(w, BuildingLawTable());
  AddTable(w, FoundationGuideTable());
  AddCloseButton(w, app);
}

void DefineForm18(ui::Window& w, App& app) {
  w.SetCaption(kRoadTitle);
  w.width = 14520;
  w.height = 10440;
  AddLabel(w, "lblHeading", "◎ 道路土工－擁壁工指針", 240, 120).bold = true;
  const Table shear = BackfillShearTable();
  AddTable(w, shear);
  AddLabel(w, "lbl1_note1", "・きれいな砂は礫質土の値を用いてもよい。", 240, 2460);
  AddLabel(w, "lbl1_note2", "・土質定数をこの表から推測する場合、粘着力Ｃを無視する。", 240, 2700);
  AddLabel(w, "lbl1_note3", "壁面摩擦角　δ=2φ/3", 240, 2940);
  const Table weight = SoilWeightTable();
  AddTable(w, weight);
  AddLabel(w, "lbl2_unit", "( kN/m3 )", 11280, 900 - kTitleGap);
  AddTable(w, BearingCapacityTable());
  AddTable(w, BaseFrictionTable());
  AddTable(w, SeismicCoefficientTable());
  AddCloseButton(w, app);
}

void DefineForm6(ui::Window& w, App& app) {
  w.SetCaption(kVersionCaption);
  w.width = 4680;
  w.height = 2040;
  // The program icon; the front end paints it into this picture.
  Control& icon = w.Add("Picture1", ControlKind::kPicture);
  icon.left = 240;
  icon.top = 240;
  icon.width = 480;
  icon.height = 480;
  AddLabel(w, "Label1", kVersion, 1080, 360).width = 3000;
  Control& ok = AddButton(w, "cmd1", kOk, 3240, 1200, 1080);
  ok.on_click = [&app] { app.windows().Unload(kForm6); };
}

}  // namespace varnholt::forms
