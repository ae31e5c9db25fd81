// The results window: Kekka's four stages with their texts, colours and
// beeps, and the calculate command from its first check to the summary.
// Expected numbers were worked out by hand from the formulas (python as the
// calculator), not taken from the program's output.

#include "ui/forms/results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/forms/handles.h"
#include "ui/forms/test_support.h"

namespace varnholt::forms {
namespace {

using testing::FillLevelDesign;
using testing::TestApp;

constexpr ui::Rgb kBlack = ui::kBlack;
constexpr ui::Rgb kMagenta = ui::kLightMagenta;
constexpr const char* kShortTerm = "安全性の検討方法(フェンス､柵､塀等のある場合(短期))";

std::string L(int i) { return "lbl" + std::to_string(i); }

// ------------------------------------------------------------ Kekka

/// Results of a calculation as Kekka reads them.
struct Results {
  double f = 3;      // overturning factor
  double d = 2;      // resultant position
  double e = 0;      // eccentricity
  double b = 3;      // base width
  double sigma = 1;  // σmax
  double fe = 100;   // allowable bearing, long term
  double fs = 3;     // sliding factor
  double fk = 3;     // sliding factor with the key
};

void Put(TestApp& a, const Results& r) {
  DesignCase& dc = a.dc();
  dc.Calc[calc::kOverturnF] = r.f;
  dc.Calc[calc::kD] = r.d;
  dc.Calc[calc::kE] = r.e;
  dc.Calc[calc::kBaseWidth] = r.b;
  dc.Calc[calc::kSigmaMax] = r.sigma;
  dc.Cond[cond::kFe] = r.fe;
  dc.Calc[calc::kSlidingF] = r.fs;
  dc.Calc[calc::kKeyFk] = r.fk;
}

std::vector<std::string> Row(TestApp& a, int first, int n = 3) {
  std::vector<std::string> out;
  ui::Window& w = a.Form(kForm11);
  for (int i = first; i < first + n; ++i) out.push_back(w[L(i)].Caption());
  return out;
}

// The colour every label of the row carries; 1 when they disagree.
ui::Rgb Colour(TestApp& a, int first, int n = 3) {
  ui::Window& w = a.Form(kForm11);
  const ui::Rgb c = w[L(first)].ForeColor();
  for (int i = first; i < first + n; ++i) {
    if (w[L(i)].ForeColor() != c) return 1;
  }
  return c;
}

// Runs Kekka and returns the beeps it sounded.
int RunKekka(TestApp& a) {
  a.platform.Clear();
  Kekka(a.app);
  return a.platform.BeepCount();
}

class KekkaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.dc().ShearKeyFlag = "0";
    f11 = &t.Form(kForm11);
  }
  void Put(const Results& r) { forms::Put(t, r); }
  void Seismic() { t.Form(kForm2)["opt5"].SetValue(true); }
  void Choose(const char* dialog, const char* option) { t.Form(dialog)[option].SetValue(true); }
  std::vector<std::string> Row(int first) { return forms::Row(t, first); }
  ui::Rgb Colour(int first) { return forms::Colour(t, first); }
  int Kekka() { return RunKekka(t); }

  TestApp t;
  ui::Window* f11 = nullptr;
};

TEST_F(KekkaTest, OverturningRowForEachCriterion) {
  struct Case {
    bool seismic;
    const char* option;  // of Form12 in 常時, of Form14 in 地震時
    Results r;
    std::vector<std::string> row;
    bool ok;
  };
  auto R = [](double f, double d, double e) {
    Results r;
    r.f = f;
    r.d = d;
    r.e = e;
    return r;
  };
  const Case cases[] = {
      {false, "opt1", R(1.5, 2, 0), {"F =", "1.500", " > 1.5 ∴O.K"}, true},
      // Shown as 1.500 but below the limit: the unrounded value is judged.
      {false, "opt1", R(1.49996, 2, 0), {"F =", "1.500", " < 1.5 ∴NG"}, false},
      {false, "opt2", R(3, 1.0, 0), {"d(m)=", "1.000", " > B/3 ∴O.K"}, true},
      {false, "opt2", R(3, 0.999, 0), {"d(m)=", "0.999", " < B/3 ∴NG"}, false},
      {false, "opt3", R(3, 2, -0.5), {"e(m)=", "0.500", " < B/6 ∴O.K"}, true},
      {false, "opt3", R(3, 2, 0.6), {"e(m)=", "0.600", " > B/6 ∴NG"}, false},
      {true, "opt1", R(1.0, 2, 0), {"F =", "1.000", " > 1.0 ∴O.K"}, true},
      {true, "opt1", R(0.9995, 2, 0), {"F =", "1.000", " < 1.0 ∴NG"}, false},
      {true, "opt2", R(1.19, 2, 0), {"F =", "1.190", " < 1.2 ∴NG"}, false},
      {true, "opt2", R(12.3456, 2, 0), {"F =", "12.346", " > 1.2 ∴O.K"}, true},
      {true, "opt3", R(3, 2, -1.5), {"e(m)=", "1.500", " < B/2 ∴O.K"}, true},
      {true, "opt3", R(3, 2, 1.6), {"e(m)=", "1.600", " > B/2 ∴NG"}, false},
      {true, "opt4", R(3, 2, 1.0), {"e(m)=", "1.000", " < B/3 ∴O.K"}, true},
      {true, "opt4", R(3, 2, 1.01), {"e(m)=", "1.010", " > B/3 ∴NG"}, false},
  };
  for (const Case& c : cases) {
    TestApp a;
    a.dc().ShearKeyFlag = "0";
    if (c.seismic) a.Form(kForm2)["opt5"].SetValue(true);
    a.Form(c.seismic ? kForm14 : kForm12)[c.option].SetValue(true);
    forms::Put(a, c.r);
    const int beeps = RunKekka(a);
    EXPECT_EQ(forms::Row(a, 5), c.row) << c.option << " " << c.r.f;
    EXPECT_EQ(forms::Colour(a, 5), c.ok ? kBlack : kMagenta) << c.option << " " << c.r.f;
    EXPECT_EQ(beeps, c.ok ? 0 : 1) << c.option << " " << c.r.f;
  }
}

TEST_F(KekkaTest, CombinedCriterionWritesBothRowsEachWithItsOwnVerdict) {
  // F passes, e fails: one beep, for the eccentricity row only.
  Choose(kForm12, "opt6");
  Results r;
  r.f = 1.6;
  r.e = 0.6;
  r.b = 3;
  Put(r);
  EXPECT_EQ(Kekka(), 1);
  EXPECT_EQ(Row(5), (std::vector<std::string>{"F =", "1.600", " > 1.5 ∴O.K"}));
  EXPECT_EQ(Colour(5), kBlack);
  EXPECT_EQ(Row(22), (std::vector<std::string>{"e(m)=", "0.600", " > B/6 ∴NG"}));
  EXPECT_EQ(Colour(22), kMagenta);

  struct Case {
    const char* option;
    Results r;
    std::vector<std::string> f_row;
    std::vector<std::string> e_row;
    int beeps;
  };
  Results a;
  a.f = 0.9;
  a.e = 1.0;
  Results b;
  b.f = 1.2;
  b.e = 1.0;
  Results c2;
  c2.f = 1.1;
  c2.e = -1.2;
  const Case cases[] = {
      {"opt9", a, {"F =", "0.900", " < 1.0 ∴NG"}, {"e(m)=", "1.000", " < B/2 ∴O.K"}, 1},
      {"opt10", b, {"F =", "1.200", " > 1.2 ∴O.K"}, {"e(m)=", "1.000", " < B/3 ∴O.K"}, 0},
      {"opt10", c2, {"F =", "1.100", " < 1.2 ∴NG"}, {"e(m)=", "1.200", " > B/3 ∴NG"}, 2},
  };
  Seismic();
  for (const Case& c : cases) {
    Choose(kForm14, c.option);
    Put(c.r);
    EXPECT_EQ(Kekka(), c.beeps) << c.option;
    EXPECT_EQ(Row(5), c.f_row) << c.option;
    EXPECT_EQ(Row(22), c.e_row) << c.option;
  }
}

TEST_F(KekkaTest, BearingAgainstTheAllowableValueOfTheSet) {
  struct Case {
    bool road;
    bool seismic;
    const char* fence_type;
    double sigma;
    double fe;
    std::vector<std::string> row;  // lbl8 .. lbl14
    bool ok;
    double e = 0;
    double b = 3;
  };
  const Case cases[] = {
      {false,
       false,
       "",
       200,
       200,
       {"σmax=", "200.000", "kN/m2", "<", "200.0", "kN/m2", "∴O.K"},
       true},
      {false,
       false,
       "",
       200.0004,
       200,
       {"σmax=", "200.000", "kN/m2", ">", "200.0", "kN/m2", "∴NG"},
       false},
      // 地震時 under 宅地造成: twice the long-term value.
      {false,
       true,
       "",
       150,
       100,
       {"σmax=", "150.000", "kN/m2", "<", "200.0", "kN/m2", "∴O.K"},
       true},
      // 道路土工: one and a half times, and q instead of σ.
      {true,
       true,
       "",
       151,
       100,
       {"ｑmax=", "151.000", "kN/m2", ">", "150.0", "kN/m2", "∴NG"},
       false},
      {true,
       false,
       "",
       99.5,
       100,
       {"ｑmax=", "99.500", "kN/m2", "<", "100.0", "kN/m2", "∴O.K"},
       true},
      // A short-term fence load in 常時 is judged with the short-term set.
      {false,
       false,
       "1",
       150,
       100,
       {"σmax=", "150.000", "kN/m2", "<", "200.0", "kN/m2", "∴O.K"},
       true},
      {true,
       false,
       "2",
       160,
       100,
       {"ｑmax=", "160.000", "kN/m2", ">", "150.0", "kN/m2", "∴NG"},
       false},
      {false,
       false,
       "0",
       150,
       100,
       {"σmax=", "150.000", "kN/m2", ">", "100.0", "kN/m2", "∴NG"},
       false},
      // A base off the ground: no comparison, the reason instead.
      {false,
       true,
       "",
       -464.938,
       200,
       {"σmax=", "-464.938", "kN/m2", "", "e > B/2", "", "∴NG"},
       false,
       -0.51,
       1.0},
      {true, false, "", -2, 100, {"ｑmax=", "-2.000", "kN/m2", "", "ｑmax < 0", "", "∴NG"}, false},
  };
  for (const Case& c : cases) {
    TestApp app;
    app.dc().ShearKeyFlag = "0";
    app.dc().FenceLoadType = c.fence_type;
    if (c.road) app.Form(kForm2)["opt_D"].SetValue(true);
    if (c.seismic) app.Form(kForm2)["opt5"].SetValue(true);
    app.Form(kForm12)["opt1"].SetValue(true);
    app.Form(kForm14)["opt1"].SetValue(true);
    app.Form(kForm14)["opt5"].SetValue(true);
    app.dc().Calc[calc::kOverturnF] = 3;
    app.dc().Calc[calc::kSlidingF] = 3;
    app.dc().Calc[calc::kSigmaMax] = c.sigma;
    app.dc().Calc[calc::kE] = c.e;
    app.dc().Calc[calc::kBaseWidth] = c.b;
    app.dc().Cond[cond::kFe] = c.fe;
    app.platform.Clear();
    forms::Kekka(app.app);
    ui::Window& w = app.Form(kForm11);
    std::vector<std::string> row;
    for (int i = 8; i <= 14; ++i) {
      row.push_back(w[L(i)].Caption());
      EXPECT_EQ(w[L(i)].ForeColor(), c.ok ? kBlack : kMagenta) << c.sigma << " " << L(i);
    }
    EXPECT_EQ(row, c.row) << c.sigma;
    EXPECT_EQ(app.platform.BeepCount(), 0) << "a bearing NG sounds no beep";
  }
}

TEST_F(KekkaTest, SlidingAgainstTheSetsLimit) {
  struct Case {
    bool seismic;
    const char* option;  // Form14 sliding option in 地震時
    double fs;
    std::vector<std::string> row;
    bool ok;
  };
  const Case cases[] = {
      {false, nullptr, 1.5, {"F =", "1.500", " > 1.5 ∴O.K"}, true},
      {false, nullptr, 1.2, {"F =", "1.200", " < 1.5 ∴NG"}, false},
      {true, "opt5", 1.0, {"F =", "1.000", " > 1.0 ∴O.K"}, true},
      {true, "opt5", 0.95, {"F =", "0.950", " < 1.0 ∴NG"}, false},
      {true, "opt6", 1.1, {"F =", "1.100", " < 1.2 ∴NG"}, false},
      {true, "opt6", 1.2, {"F =", "1.200", " > 1.2 ∴O.K"}, true},
  };
  for (const Case& c : cases) {
    TestApp app;
    app.dc().ShearKeyFlag = "0";
    if (c.seismic) {
      app.Form(kForm2)["opt5"].SetValue(true);
      app.Form(kForm14)[c.option].SetValue(true);
    }
    app.dc().Calc[calc::kSlidingF] = c.fs;
    app.platform.Clear();
    forms::Kekka(app.app);
    ui::Window& w = app.Form(kForm11);
    EXPECT_EQ((std::vector<std::string>{w["lbl15"].Caption(), w["lbl16"].Caption(),
                                        w["lbl17"].Caption()}),
              c.row)
        << c.fs;
    for (int i = 15; i <= 17; ++i) EXPECT_EQ(w[L(i)].ForeColor(), c.ok ? kBlack : kMagenta);
    // No overturning or bearing group is chosen here, so the beep is the sliding one.
    EXPECT_EQ(app.platform.BeepCount(), c.ok ? 0 : 1) << c.fs;
  }
}

TEST_F(KekkaTest, UnchosenGroupLeavesItsRowAsItWas) {
  for (int i = 5; i <= 7; ++i) (*f11)[L(i)].SetCaption("old");
  Seismic();  // Form14 with nothing chosen
  Put(Results{});
  EXPECT_EQ(Kekka(), 0);
  EXPECT_EQ(Row(5), (std::vector<std::string>{"old", "old", "old"}));
  EXPECT_EQ(Row(15), (std::vector<std::string>{"", "", ""}));
  // The bearing row has no option and is always written.
  EXPECT_EQ((*f11)["lbl14"].Caption(), "∴O.K");
}

TEST_F(KekkaTest, ShearKeyRowsUnderTheResidentialStandard) {
  struct Case {
    bool seismic;
    const char* sliding;  // Form14 option in 地震時
    double fs;
    double fk;
    std::vector<std::string> key_row;      // lbl15 .. lbl17
    std::vector<std::string> without_row;  // lbl19 .. lbl21
    int beeps;
  };
  const Case cases[] = {
      // 常時: the key row's verdict has no leading blank; Fs below 1.5 is
      // no NG with a key, only the factor without the key against 1.0.
      {false,
       nullptr,
       1.2,
       1.6,
       {"F =", "1.600", "> 1.5 ∴O.K"},
       {"F =", "1.200", " > 1.0 ∴O.K"},
       0},
      {false, nullptr, 0.9, 1.4, {"F =", "1.400", "< 1.5 ∴NG"}, {"F =", "0.900", " < 1.0 ∴NG"}, 2},
      {true, "opt5", 1.0, 1.0, {"F =", "1.000", " > 1.0 ∴O.K"}, {"F =", "1.000", " > 1.0 ∴O.K"}, 0},
      // Fs = 1.1 passes the key case's 1.0 on its own row; the row it would
      // have failed (against 1.2) is replaced by the key row, so no beep for it.
      {true, "opt6", 1.1, 1.1, {"F =", "1.100", " < 1.2 ∴NG"}, {"F =", "1.100", " > 1.0 ∴O.K"}, 1},
  };
  for (const Case& c : cases) {
    TestApp app;
    app.dc().ShearKeyFlag = "1";
    if (c.seismic) {
      app.Form(kForm2)["opt5"].SetValue(true);
      app.Form(kForm14)[c.sliding].SetValue(true);
    }
    app.dc().Calc[calc::kSlidingF] = c.fs;
    app.dc().Calc[calc::kKeyFk] = c.fk;
    app.platform.Clear();
    forms::Kekka(app.app);
    ui::Window& w = app.Form(kForm11);
    for (int i = 18; i <= 21; ++i) EXPECT_TRUE(w[L(i)].Visible()) << L(i);
    EXPECT_EQ(w["lbl18"].Caption(), "突起の無い状態で");
    std::vector<std::string> key, without;
    for (int i = 15; i <= 17; ++i) key.push_back(w[L(i)].Caption());
    for (int i = 19; i <= 21; ++i) without.push_back(w[L(i)].Caption());
    EXPECT_EQ(key, c.key_row) << c.fs << " " << c.fk;
    EXPECT_EQ(without, c.without_row) << c.fs << " " << c.fk;
    const bool key_ok = c.key_row[2].find("O.K") != std::string::npos;
    const bool without_ok = c.without_row[2].find("O.K") != std::string::npos;
    EXPECT_EQ(w["lbl17"].ForeColor(), key_ok ? kBlack : kMagenta);
    EXPECT_EQ(w["lbl21"].ForeColor(), without_ok ? kBlack : kMagenta);
    EXPECT_EQ(app.platform.BeepCount(), c.beeps) << c.fs << " " << c.fk;
  }
}

TEST_F(KekkaTest, ShearKeyUnderTheRoadStandardTakesTheChosenSeismicCriterion) {
  // The sliding option of the seismic dialog holds for the key on screen as
  // in the report: 1.270 passes F ≧ 1.2.
  struct Case {
    const char* sliding;
    double fk;
    const char* verdict;
  };
  const Case cases[] = {
      {"opt5", 1.1, " > 1.0 ∴O.K"}, {"opt6", 1.19, " < 1.2 ∴NG"}, {"opt6", 1.27, " > 1.2 ∴O.K"}};
  for (const Case& c : cases) {
    TestApp app;
    app.dc().ShearKeyFlag = "1";
    app.Form(kForm2)["opt_D"].SetValue(true);
    app.Form(kForm2)["opt5"].SetValue(true);
    app.Form(kForm14)[c.sliding].SetValue(true);
    // Fs is not computed with a key under this standard; an edit left it 0.
    app.dc().Calc[calc::kSlidingF] = 0;
    app.dc().Calc[calc::kKeyFk] = c.fk;
    app.platform.Clear();
    forms::Kekka(app.app);
    ui::Window& w = app.Form(kForm11);
    const bool ok = std::string(c.verdict).find("O.K") != std::string::npos;
    EXPECT_EQ(w["lbl15"].Caption(), "F =");
    EXPECT_EQ(w["lbl17"].Caption(), c.verdict);
    EXPECT_EQ(w["lbl17"].ForeColor(), ok ? kBlack : kMagenta);
    for (int i = 18; i <= 21; ++i) EXPECT_FALSE(w[L(i)].Visible()) << L(i);
    // One beep at most: the uncomputed Fs is not judged aloud.
    EXPECT_EQ(app.platform.BeepCount(), ok ? 0 : 1) << c.sliding << c.fk;
  }
}

// ------------------------------------------------------------ calculate

class CalculateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillLevelDesign(t.app);
    t.dc().ShearKeyFlag = "0";
    f11 = &t.Form(kForm11);
  }
  void Cohesion(const char* c) {
    t.Form(kForm2)["opt6"].SetValue(true);
    t.Form(kForm2)["txt8"].SetText(c);
  }
  std::vector<std::string> Row(int first) {
    std::vector<std::string> out;
    for (int i = first; i < first + 3; ++i) out.push_back((*f11)[L(i)].Caption());
    return out;
  }
  bool RowsVisible() {
    for (int i = 5; i <= 17; ++i) {
      if (!(*f11)[L(i)].Visible()) return false;
    }
    return true;
  }

  TestApp t;
  ui::Window* f11 = nullptr;
};

TEST_F(CalculateTest, LevelDesignShowsItsSummary) {
  t.Form(kForm12)["opt1"].SetValue(true);
  CalculateCommand(t.app);
  ASSERT_TRUE(t.platform.Messages().empty()) << ::testing::PrintToString(t.platform.MessageTexts());
  EXPECT_TRUE(t.app.results().valid());
  EXPECT_TRUE(RowsVisible());
  // Mr/Mo = 7.0890, σmax = 127.966, Fs = 2.9832 for KA 0.297, γ 18, γc 23.
  EXPECT_EQ(Row(5), (std::vector<std::string>{"F =", "7.089", " > 1.5 ∴O.K"}));
  EXPECT_EQ((*f11)["lbl8"].Caption(), "σmax=");
  EXPECT_EQ((*f11)["lbl9"].Caption(), "127.966");
  EXPECT_EQ((*f11)["lbl11"].Caption(), "<");
  EXPECT_EQ((*f11)["lbl12"].Caption(), "200.0");
  EXPECT_EQ((*f11)["lbl14"].Caption(), "∴O.K");
  EXPECT_EQ(Row(15), (std::vector<std::string>{"F =", "2.983", " > 1.5 ∴O.K"}));
  for (int i = 18; i <= 21; ++i) EXPECT_FALSE((*f11)[L(i)].Visible());
  EXPECT_EQ(t.platform.BeepCount(), 0);
  ui::Window& main = t.Form(kMDIForm1);
  EXPECT_TRUE(main[ToolButtonName(5)].Enabled());
  EXPECT_TRUE(main[ToolButtonName(6)].Enabled());
  EXPECT_TRUE(main[ToolButtonName(3)].Enabled());
}

TEST_F(CalculateTest, RoadStandardShowsTheBearingAsQmax) {
  t.Form(kForm2)["opt_D"].SetValue(true);
  FillLevelDesign(t.app);
  t.Form(kForm12)["opt3"].SetValue(true);
  CalculateCommand(t.app);
  ASSERT_TRUE(t.app.results().valid()) << ::testing::PrintToString(t.platform.MessageTexts());
  // PAH = KA·q·H + ½·KA·γ·H²: e = 0.1161, qmax = 123.492, Fs = 2.9832.
  EXPECT_EQ(Row(5), (std::vector<std::string>{"e(m)=", "0.116", " < B/6 ∴O.K"}));
  EXPECT_EQ((*f11)["lbl8"].Caption(), "ｑmax=");
  EXPECT_EQ((*f11)["lbl9"].Caption(), "123.492");
  EXPECT_EQ((*f11)["lbl12"].Caption(), "200.0");
  EXPECT_EQ(Row(15), (std::vector<std::string>{"F =", "2.983", " > 1.5 ∴O.K"}));
}

TEST_F(CalculateTest, AsksForTheCheckMethodThenForTheDeductionWithCohesion) {
  Cohesion("10");
  // First the overturning criterion; the user picks F ≧ 1.5 and cancels.
  t.platform.modal_actions.push_back([](ui::Window& w) {
    w["opt1"].Click();
    w["cmd2"].Click();
  });
  CalculateCommand(t.app);
  // Then the deduction, which is now offered.
  bool offered = false;
  t.platform.modal_actions.push_back([&offered](ui::Window& w) {
    offered = w["lbl1"].Enabled() && w["opt4"].Enabled() && w["opt5"].Enabled();
    w["opt5"].Click();
    w["cmd1"].Click();
  });
  CalculateCommand(t.app);
  EXPECT_TRUE(offered);
  EXPECT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{"転倒に対する検討方法を選択してください。",
                                      "底版の有効載荷面積に対する検討方法を選択してください。"}));
  for (const auto& m : t.platform.Messages()) EXPECT_EQ(m.title, "エラーメッセージ");
  EXPECT_EQ(t.platform.ModalWindows(), (std::vector<std::string>{kForm12, kForm12}));
  EXPECT_FALSE(t.app.results().valid());
  EXPECT_FALSE((*f11)["lbl5"].Visible());

  // Everything chosen: cohesion over the whole base, RH = C·B + ΣV·μ.
  CalculateCommand(t.app);
  EXPECT_EQ(t.platform.Messages().size(), 2u);
  EXPECT_TRUE(t.app.results().valid());
  EXPECT_EQ(Row(15), (std::vector<std::string>{"F =", "3.550", " > 1.5 ∴O.K"}));
  // With the deduction, RH = C·(B − 2|e|) + ΣV·μ.
  t.Form(kForm12)["opt4"].Click();
  CalculateCommand(t.app);
  EXPECT_EQ(Row(15), (std::vector<std::string>{"F =", "3.509", " > 1.5 ∴O.K"}));
}

TEST_F(CalculateTest, CohesionTypedWhileNotConsideredIsNotUsed) {
  // しない with a number still in the box: C is 0, nothing more is asked and
  // the sliding resistance is ΣV·μ alone.
  t.Form(kForm2)["txt8"].SetText("10");
  t.Form(kForm12)["opt1"].SetValue(true);
  CalculateCommand(t.app);
  EXPECT_TRUE(t.platform.Messages().empty());
  EXPECT_EQ(t.dc().Cond[cond::kCohesion], 0);
  EXPECT_EQ(Row(15), (std::vector<std::string>{"F =", "2.983", " > 1.5 ∴O.K"}));
}

TEST_F(CalculateTest, SeismicCaseAsksForEachGroupOfForm14) {
  ui::Window& f2 = t.Form(kForm2);
  f2["opt5"].SetValue(true);
  Cohesion("10");
  std::vector<std::string> headings;
  std::vector<bool> deduction_offered;
  auto pick = [&](const char* option) {
    t.platform.modal_actions.push_back([&, option](ui::Window& w) {
      headings.push_back(w["Label1"].Caption());
      deduction_offered.push_back(w["opt7"].Enabled());
      w[option].Click();
      w["cmd2"].Click();
    });
  };
  pick("opt2");
  pick("opt6");
  pick("opt8");
  CalculateCommand(t.app);
  CalculateCommand(t.app);
  CalculateCommand(t.app);
  EXPECT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{"転倒に対する検討方法を選択してください。",
                                      "滑動に対する検討方法を選択してください。",
                                      "底版の有効載荷面積に対する検討方法を選択してください。"}));
  EXPECT_EQ(t.platform.ModalWindows(), (std::vector<std::string>{kForm14, kForm14, kForm14}));
  // The dialog's activation writes the heading with half-width parentheses.
  EXPECT_EQ(headings, (std::vector<std::string>(3, "安全性の検討方法(地震時)")));
  EXPECT_EQ(deduction_offered, (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(t.Form(kForm14)["opt8"].Value());
}

TEST_F(CalculateTest, ShortTermFenceLoadAsksForAndUsesTheShortTermCriteria) {
  // A wind load on a fence, in 常時: the verdicts use Form14, so Form14 is
  // what the command asks for, under the short-term heading, even though
  // Form12 has a choice.
  ui::Window& f2 = t.Form(kForm2);
  f2["opt11"].SetValue(true);
  ui::Window& f17 = t.Form(kForm17);
  f17["opt2"].SetValue(true);
  f17["txt1"].SetText("1.2");
  f17["txt2"].SetText("0.3");
  f17["txt3"].SetText("1.0");
  f17["txt4"].SetText("0");
  f17["txt5"].SetText("0.5");
  t.dc().FenceLoadType = "1";
  f2["opt4"].SetValue(true);
  t.Form(kForm12)["opt1"].SetValue(true);

  std::vector<std::string> headings;
  auto pick = [&](const char* option) {
    t.platform.modal_actions.push_back([&, option](ui::Window& w) {
      headings.push_back(w["Label1"].Caption());
      w[option].Click();
      w["cmd2"].Click();
    });
  };
  pick("opt1");
  pick("opt5");
  CalculateCommand(t.app);
  CalculateCommand(t.app);
  EXPECT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{"転倒に対する検討方法を選択してください。",
                                      "滑動に対する検討方法を選択してください。"}));
  EXPECT_EQ(t.platform.ModalWindows(), (std::vector<std::string>{kForm14, kForm14}));
  EXPECT_EQ(headings, (std::vector<std::string>{kShortTerm, kShortTerm}));

  // Now every row is written, with the short-term criteria:
  // F = 6.7109 against 1.0, σmax = 130.968 against 2·fe, Fs = 2.9367 against 1.0.
  CalculateCommand(t.app);
  ASSERT_TRUE(t.app.results().valid()) << ::testing::PrintToString(t.platform.MessageTexts());
  EXPECT_EQ(Row(5), (std::vector<std::string>{"F =", "6.711", " > 1.0 ∴O.K"}));
  EXPECT_EQ((*f11)["lbl9"].Caption(), "130.968");
  EXPECT_EQ((*f11)["lbl12"].Caption(), "400.0");
  EXPECT_EQ(Row(15), (std::vector<std::string>{"F =", "2.937", " > 1.0 ∴O.K"}));
}

TEST_F(CalculateTest, NoLoadCaseSelectedIsRefused) {
  // A fence chosen while 地震時 was selected leaves neither case selected.
  t.Form(kForm2)["opt4"].SetValue(false);
  t.Form(kForm12)["opt1"].SetValue(true);
  CalculateCommand(t.app);
  EXPECT_EQ(t.platform.MessageTexts(),
            std::vector<std::string>{"常時又は地震時を選択してください。"});
  EXPECT_EQ(t.app.windows().Focused(), &t.Form(kForm2)["cmd1"]);
  EXPECT_FALSE(t.app.results().valid());
}

// The status bar's warnings belong to the results on screen: an edit, New
// and Close, and closing the design conditions window all take them away.
TEST_F(CalculateTest, SoilWarningsGoWithTheResults) {
  NormalChecks(t.app).overturn_f15->SetValue(true);
  Conditions(t.app).gamma_text->SetText("30");
  ResultsPresenter& results = t.app.results();
  for (void (ResultsPresenter::*clear)() :
       {&ResultsPresenter::ClearResults, &ResultsPresenter::Reset, &ResultsPresenter::Forget}) {
    CalculateCommand(t.app);
    ASSERT_TRUE(results.valid());
    ASSERT_EQ(results.warnings().size(), 1u);
    (results.*clear)();
    EXPECT_TRUE(results.warnings().empty());
  }
}

TEST_F(CalculateTest, AFailedCalculationSaysWhyAndShowsNothing) {
  struct Bad {
    const char* form;
    const char* box;
    const char* text;
    const char* named;
  };
  // A number too large, and a concrete strength the body check cannot use.
  for (const Bad& bad : {Bad{kForm3, "txt7", "1e999", "底版幅 B"},
                         Bad{kForm2, "txt2", "0", "コンクリートの設計基準強度 Fc"},
                         Bad{kForm2, "txt2", "-18", "コンクリートの設計基準強度 Fc"}}) {
    SCOPED_TRACE(bad.named);
    CalculateTest::SetUp();
    t.Form(kForm12)["opt1"].SetValue(true);
    CalculateCommand(t.app);
    ASSERT_TRUE(t.app.results().valid());
    t.app.current_file = "/tmp/x.vrh";

    t.Form(bad.form)[bad.box].SetText(bad.text);
    t.platform.Clear();
    CalculateCommand(t.app);
    ASSERT_EQ(t.platform.Messages().size(), 1u);
    const ui::MessageBoxRequest m = t.platform.Messages()[0];
    EXPECT_EQ(m.title, "エラーメッセージ");
    EXPECT_NE(m.text.find(bad.named), std::string::npos) << m.text;
    EXPECT_EQ(m.text.find("inf"), std::string::npos) << m.text;
    EXPECT_FALSE(t.app.results().valid());
    EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
    for (int i = 5; i <= 24; ++i) EXPECT_FALSE((*f11)[L(i)].Visible()) << L(i);
    ui::Window& main = t.Form(kMDIForm1);
    for (int i : {5, 6}) EXPECT_FALSE(main[ToolButtonName(i)].Enabled()) << i;
    EXPECT_TRUE(main[ToolButtonName(3)].Enabled());  // the inputs can be saved
  }
}

TEST_F(CalculateTest, ImpossibleSectionIsRefusedByNameWithTheCaretInTheBox) {
  struct Case {
    const char* window;
    const char* box;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {kForm3, "txt7", "-1abc", "底版幅 B が負の値（-1）のため、計算できません。"},
      {kForm3, "txt7", "2.5", "底版幅 B（2.5）が天端幅 b と前面の水平長さの和（3）より小さく"},
      {kForm3, "txt9", "-10", "上載荷重 q が負の値（-10）のため"},
      {kForm2, "txt5", "-23", "コンクリートの単位体積重量 γc が負の値（-23）のため"},
  };
  t.Form(kForm12)["opt1"].SetValue(true);
  t.Form(kForm2).Show();
  t.Form(kForm3).Show();
  for (const Case& c : cases) {
    FillLevelDesign(t.app);
    ui::Control& box = t.Form(c.window)[c.box];
    box.SetText(c.text);
    t.platform.Clear();
    CalculateCommand(t.app);
    ASSERT_EQ(t.platform.Messages().size(), 1u) << c.text;
    EXPECT_NE(t.platform.Messages()[0].text.find(c.message), std::string::npos)
        << t.platform.Messages()[0].text;
    EXPECT_FALSE(t.app.results().valid()) << c.text;
    EXPECT_EQ(t.app.windows().Focused(), &box) << c.text;
    EXPECT_EQ(box.SelStart(), 0);
  }
}

TEST_F(CalculateTest, ShearKeyWithoutItsHeightOpensTheKeyDialog) {
  t.Form(kForm12)["opt1"].SetValue(true);
  t.dc().ShearKeyFlag = "1";
  std::string guide;
  t.platform.modal_actions.push_back([&guide](ui::Window& w) {
    guide = w["lbl1"].Caption() + " " + w["lbl2"].Caption() + " " + w["lbl3"].Caption();
  });
  CalculateCommand(t.app);
  EXPECT_EQ(t.platform.MessageTexts(), std::vector<std::string>{"突起の計算をしてください。"});
  EXPECT_EQ(t.platform.ModalWindows(), std::vector<std::string>{kForm15});
  // B = 4: the key height 0.1·B to 0.15·B.
  EXPECT_EQ(guide, "4.000 0.400 0.600");
  EXPECT_FALSE(t.app.results().valid());
}

TEST_F(CalculateTest, RoadStandardWithAKeyCountsAsAValidResult) {
  // Fs is not computed with a key under 道路土工, so it stays 0; the results
  // are valid all the same and the File menu offers saving and printing.
  ui::Window& f2 = t.Form(kForm2);
  f2["opt_D"].SetValue(true);
  FillLevelDesign(t.app);
  t.Form(kForm12)["opt1"].SetValue(true);
  t.dc().ShearKeyFlag = "1";
  ui::Window& key = t.Form(kForm19);
  key["txt1"].SetText("0.5");
  key["txt2"].SetText("2");
  key["txt3"].SetText("0.5");
  t.dc().Calc[calc::kSlidingF] = 0;
  CalculateCommand(t.app);
  ASSERT_TRUE(t.platform.Messages().empty()) << ::testing::PrintToString(t.platform.MessageTexts());
  EXPECT_TRUE(t.app.results().valid());
  EXPECT_EQ(t.dc().Calc[calc::kSlidingF], 0);
  EXPECT_EQ((*f11)["lbl15"].Caption(), "F =");
  ui::Window& main = t.Form(kMDIForm1);
  main["Men_F"].Click();
  EXPECT_TRUE(main["Men_FSav"].Enabled());
  EXPECT_TRUE(main["Men_FPrn"].Enabled());
}

}  // namespace
}  // namespace varnholt::forms
