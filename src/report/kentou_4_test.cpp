#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/sections.h"
#include "report/testing.h"

namespace varnholt::report {
namespace {

using testing::Bench;

struct DumpCase {
  const char* name;
  int beeps;  // failing verdicts of the design
};

// Page 3 after the earth-pressure values: the load summary and the
// stability checks.
class LoadAndStabilityDumpTest : public ::testing::TestWithParam<DumpCase> {};

TEST_P(LoadAndStabilityDumpTest, MatchesReviewedExpectation) {
  Bench b(3);
  const std::string name = GetParam().name;
  ASSERT_EQ(testing::LoadDesignCase(name + ".case", b), "");
  auto ctx = b.ctx();
  Kentou3(ctx);
  Kentou4(ctx);
  EXPECT_EQ(testing::CompareWithExpectedDump(name + "_kentou34.dump", b.out.Dump()), "");
  EXPECT_EQ(b.beeper.count, GetParam().beeps);
  EXPECT_EQ(b.out.FontSize, 11);
  EXPECT_EQ(b.out.ForeColor, kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, LoadAndStabilityDumpTest,
    ::testing::Values(DumpCase{"level_residential", 0}, DumpCase{"slope_seismic_k1", 3},
                      DumpCase{"raised_road_key", 0}, DumpCase{"level_entered_fence2", 1},
                      DumpCase{"raised_residential_k2_key", 0}, DumpCase{"level_road_rankine", 2}));

}  // namespace
}  // namespace varnholt::report

namespace varnholt::report {
namespace {

using testing::Bench;

// Results of a residential wall on level ground, base 3 m, resultant on
// the toe side with |e|/B < 1/6, every check passing.
void Passing(Bench& b) {
  b.sel.standard = Standard::kResidential;
  b.sel.shape = GroundShape::kLevel;
  b.sel.load_case = LoadCase::kNormal;
  b.sel.coefficient = CoefficientMode::kEntered;
  b.sel.normal_checks.overturn = NormalOverturn::kF15;
  b.dc.ShearKeyFlag = "0";
  b.dc.SectionNo = "3";
  b.dc.Cond[cond::kFe] = 150;
  b.dc.Cond[cond::kMu] = 0.6;
  auto& c = b.dc.Calc;
  c[calc::kBaseWidth] = 3;
  c[calc::kSumV] = 120;
  c[calc::kMr] = 200;
  c[calc::kMo] = 80;
  c[calc::kOverturnF] = 2.5;
  c[calc::kD] = 1.0;
  c[calc::kE] = 0.4;
  c[calc::kSigmaMax] = 72;
  c[calc::kSigmaMin] = 8;
  c[calc::kSumH] = 40;
  c[calc::kRH] = 72;
  c[calc::kSlidingF] = 1.8;
  c[calc::kPressureLength] = 5.25;
}

std::vector<RecordedText> RunStability(Bench& b) {
  auto ctx = b.ctx();
  Kentou4(ctx);
  return b.out.Texts();
}

// The first printed text starting with `prefix`, or nullptr.
const RecordedText* Find(const std::vector<RecordedText>& texts, const std::string& prefix) {
  for (const RecordedText& t : texts) {
    if (t.text.rfind(prefix, 0) == 0) return &t;
  }
  return nullptr;
}

constexpr const char* kFo = "                転 倒 安 全 率 F=Mr/Mo=";
constexpr const char* kFs = "                滑 動 安 全 率      F=RH/ΣH=";

TEST(Kentou4Test, EqualityPassesAndUnroundedValuesDecide) {
  struct Case {
    double f;
    const char* line;
    bool ok;
  };
  const Case cases[] = {
      {1.5, "200.000/80.000=1.500 > 1.5  ∴ O.K", true},
      // Shown as 1.500, but below the limit: NG in magenta with a beep.
      {1.49996, "200.000/80.000=1.500 < 1.5", false},
  };
  for (const Case& c : cases) {
    Bench b(3);
    Passing(b);
    b.dc.Calc[calc::kOverturnF] = c.f;
    const auto texts = RunStability(b);
    const RecordedText* t = Find(texts, kFo);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->text, std::string(kFo) + c.line);
    EXPECT_EQ(t->color, c.ok ? kBlack : kLightMagenta);
    EXPECT_EQ(b.beeper.count, c.ok ? 0 : 1);
    EXPECT_EQ(b.out.ForeColor, kBlack);
  }
}

TEST(Kentou4Test, LimitsAtTheirBoundaryPass) {
  Bench b(3);
  Passing(b);
  b.sel.normal_checks.overturn = NormalOverturn::kE;
  b.dc.Calc[calc::kE] = 0.5;         // exactly B/6
  b.dc.Calc[calc::kSigmaMax] = 150;  // exactly fe
  b.dc.Calc[calc::kSlidingF] = 1.5;  // exactly the limit
  const auto texts = RunStability(b);
  EXPECT_NE(Find(texts,
                 "                偏　心　距　離 e=(B/2)－d=(3.000/2)－1.000=0.500m < "
                 "B/6=3.000/6=0.500m ∴ O.K"),
            nullptr);
  EXPECT_NE(Find(texts, "                               σmax,σmin < 150.0kN/m2  ∴ O.K"), nullptr);
  EXPECT_NE(Find(texts, std::string(kFs) + "72.000/40.000=1.500 > 1.5  ∴ O.K"), nullptr);
  EXPECT_EQ(b.beeper.count, 0);

  Bench d(3);
  Passing(d);
  d.sel.normal_checks.overturn = NormalOverturn::kD;
  d.dc.Calc[calc::kD] = 1.0;  // exactly B/3
  const auto dt = RunStability(d);
  const RecordedText* line = Find(dt, "                                =(");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->text,
            "                                =(200.000－80.000)/120.000=1.000m > "
            "B/3=3.000/3=1.000m ∴ O.K");
  // 2) prints only e, the d line having been given in 1).
  EXPECT_EQ(Find(dt, "                合力の作用位置 d=(Mr－Mo)/ΣV=("), nullptr);
  EXPECT_NE(Find(dt, "                偏　心　距　離 e=(B/2)－d=(3.000/2)－1.000=0.400m"), nullptr);
}

TEST(Kentou4Test, FailingGroupIsMagentaWithOneBeep) {
  Bench b(3);
  Passing(b);
  b.sel.normal_checks.overturn = NormalOverturn::kD;
  b.dc.Calc[calc::kD] = 0.9;
  b.dc.Calc[calc::kSigmaMax] = 160;
  b.dc.Calc[calc::kSlidingF] = 1.2;
  const auto texts = RunStability(b);
  int magenta = 0;
  for (const RecordedText& t : texts) magenta += t.color == kLightMagenta;
  EXPECT_EQ(magenta, 4);  // both d lines, the bearing verdict, the sliding factor
  EXPECT_EQ(b.beeper.count, 3);
  // A failing sliding factor reads F=RH/ΣH, as a passing one.
  const RecordedText* fs = Find(texts, kFs);
  ASSERT_NE(fs, nullptr);
  EXPECT_EQ(fs->text, std::string(kFs) + "72.000/40.000=1.200 < 1.5");
  EXPECT_EQ(Find(texts, "                滑 動 安 全 率      F=RH/ΣPA="), nullptr);
}

TEST(Kentou4Test, BearingVerdictWording) {
  struct Case {
    double sigma_max, sigma_min;
    const char* line;
    double e = 0.4;
  };
  const Case cases[] = {
      {150, 8, "                               σmax,σmin < 150.0kN/m2  ∴ O.K"},
      {160, 150, "                               σmax > 150.0kN/m2  ∴ NG"},
      {200, 151, "                               σmax,σmin > 150.0kN/m2  ∴ NG"},
      // A base off the ground never passes on a negative σmax.
      {-464.938, 0, "                               合力が底版の外にあります  ∴ NG", 1.6},
      {-1, 0, "                               最大接地圧が負になります  ∴ NG"},
  };
  for (const Case& c : cases) {
    Bench b(3);
    Passing(b);
    b.dc.Calc[calc::kSigmaMax] = c.sigma_max;
    b.dc.Calc[calc::kSigmaMin] = c.sigma_min;
    b.dc.Calc[calc::kE] = c.e;
    const auto texts = RunStability(b);
    const RecordedText* t = Find(texts, c.line);
    ASSERT_NE(t, nullptr) << c.line;
    EXPECT_EQ(t->color, c.sigma_max <= 150 && c.sigma_max >= 0 ? kBlack : kLightMagenta);
  }
}

TEST(Kentou4Test, SixthOfTheBaseIsTheTriangle) {
  Bench b(3);
  Passing(b);
  b.dc.Calc[calc::kE] = 0.5;  // |e|/B exactly 1/6
  const auto texts = RunStability(b);
  EXPECT_NE(Find(texts, "                最 大 接 地 圧 σmax=(ΣV/B)･[2/{3×(1/2－e/B)}]"), nullptr);
  EXPECT_NE(Find(texts, "                最 小 接 地 圧 σmin=0kN/m2"), nullptr);
  // The sliding resistance still takes the whole base.
  EXPECT_NE(Find(texts, "                滑動に対する抵抗力 RH=C･B＋ΣV･μ=0.0×3.000＋"), nullptr);
  // Triangular reaction: the σmax label only, 400 lower with the entered coefficient.
  int labels = 0;
  for (const RecordedText& t : texts) labels += t.size == 9 && t.text != "Ｂ";
  EXPECT_EQ(labels, 1);
  EXPECT_NE(Find(texts, "σmax"), nullptr);
  EXPECT_EQ(Find(texts, "σmax")->y, 400 + 7950);
}

TEST(Kentou4Test, ResultantBehindTheCentre) {
  Bench b(3);
  Passing(b);
  b.sel.standard = Standard::kRoad;
  b.sel.normal_checks.overturn = NormalOverturn::kF15AndE;
  b.dc.Calc[calc::kE] = -0.4;
  const auto texts = RunStability(b);
  EXPECT_NE(
      Find(texts, "                偏　心　距　離 e=(B/2)－d=(3.000/2)－1.000=-0.400m < B/6="),
      nullptr);
  EXPECT_NE(
      Find(texts, "                                    =(120.000/3.000)×{1＋(6×0.400/3.000)}"),
      nullptr);
  // Mirrored: the maximum at the heel.
  EXPECT_EQ(Find(texts, "ｑmax")->x, 10550);
  EXPECT_EQ(Find(texts, "ｑmin")->x, 9000);
}

TEST(Kentou4Test, SeismicCombinedOptionPrintsDAndEUnderOverturning) {
  Bench b(3);
  Passing(b);
  b.sel.load_case = LoadCase::kSeismic;
  b.sel.seismic_checks.overturn = SeismicOverturn::kF10AndE2;
  b.sel.seismic_checks.sliding = SeismicSliding::kF12;
  const auto texts = RunStability(b);
  const RecordedText* fo = Find(texts, kFo);
  const RecordedText* d = Find(texts, "                合力の作用位置 d=(Mr－Mo)/ΣV=(");
  const RecordedText* bearing = Find(texts, "            ２）地盤支持力");
  ASSERT_TRUE(fo && d && bearing);
  EXPECT_EQ(fo->text, std::string(kFo) + "200.000/80.000=2.500 > 1.0  ∴ O.K");
  EXPECT_LT(d->y, bearing->y);
  EXPECT_NE(Find(texts,
                 "                偏　心　距　離 e=(B/2)－d=(3.000/2)－1.000=0.400m < "
                 "B/2=3.000/2=1.500m ∴ O.K"),
            nullptr);
  // Allowable bearing twice the long-term value; sliding against 1.2.
  EXPECT_NE(Find(texts, "                               σmax,σmin < 300.0kN/m2  ∴ O.K"), nullptr);
  EXPECT_NE(Find(texts, std::string(kFs) + "72.000/40.000=1.800 > 1.2  ∴ O.K"), nullptr);
}

TEST(Kentou4Test, NoCohesionNeverPrintsTheEffectiveWidth) {
  Bench b(3);
  Passing(b);
  b.sel.normal_checks.deduction = Deduction::kDeduct;
  b.dc.Calc[calc::kE] = 0.8;  // |e|/B > 1/6: cohesion over the contact length only
  const auto texts = RunStability(b);
  EXPECT_EQ(Find(texts, "                底版の有効載荷面積"), nullptr);
  EXPECT_NE(Find(texts,
                 "                滑動に対する抵抗力 "
                 "RH=C･B＋ΣV･μ=0.0×(3.000×1.750)＋120.000×0.6=72.000kN/m"),
            nullptr);
}

TEST(Kentou4Test, HeadingAndSpacingByCase) {
  struct Case {
    LoadCase load_case;
    const char* fence;
    const char* key;
    const char* heading;
    double heading_y;  // two blank lines, and a third without a shear key
  };
  const Case cases[] = {
      {LoadCase::kNormal, "", "0", "            3－２ 安定性の検討（常時）", 660},
      {LoadCase::kNormal, "2", "0", "            3－２ 安定性の検討（水平荷重時）", 660},
      {LoadCase::kSeismic, "0", "0", "            3－２ 安定性の検討（地震時）", 660},
      {LoadCase::kNormal, "", "1", "            3－２ 安定性の検討（常時）", 440},
  };
  for (const Case& c : cases) {
    Bench b(3);
    Passing(b);
    b.sel.load_case = c.load_case;
    b.dc.FenceLoadType = c.fence;
    b.dc.ShearKeyFlag = c.key;
    const auto texts = RunStability(b);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, c.heading);
    EXPECT_EQ(texts[0].y, c.heading_y);
  }
}

TEST(Kentou4Test, DiagramOffsetFollowsThePage) {
  struct Case {
    GroundShape shape;
    CoefficientMode mode;
    double offset;
  };
  const Case cases[] = {{GroundShape::kLevel, CoefficientMode::kComputed, 3800},
                        {GroundShape::kUniformSlope, CoefficientMode::kEntered, 400},
                        {GroundShape::kRaisedSoil, CoefficientMode::kComputed, 0}};
  for (const Case& c : cases) {
    Bench b(3);
    Passing(b);
    b.sel.shape = c.shape;
    b.sel.coefficient = c.mode;
    const auto texts = RunStability(b);
    EXPECT_EQ(Find(texts, "Ｂ")->y, c.offset + 8600);
  }
}

// A residential wall with a shear key: H0 0.3, B1 1.2, φB 30°.
void WithKey(Bench& b) {
  Passing(b);
  b.dc.ShearKeyFlag = "1";
  b.dc.Cond[cond::kPhiB] = 30;
  auto& c = b.dc.Calc;
  c[calc::kKeyHeight] = 0.3;
  c[calc::kKeyPosition] = 1.2;
  c[calc::kKeyL] = 0.52;
  c[calc::kKeySigma1] = 60;
  c[calc::kKeySigma2] = 50;
  c[calc::kKeySigma0] = 55;
  c[calc::kKeyPassive] = 165;
  c[calc::kKeyWJ] = 110;
  c[calc::kKeyHk] = 90;
  c[calc::kKeyFk] = 2.9;
  c[calc::kAEff] = 2.2;
}

TEST(Kentou4Test, ShearKeyResidentialWithoutCohesion) {
  Bench b(3);
  WithKey(b);
  const auto texts = RunStability(b);
  const std::vector<std::string> expected = {
      "              ・突起の計算",
      // tan(45° + 15°) with π taken as 3.14159 prints as 1.732.
      "                  L=H0･tan(45ﾟ＋φB/2)=0.300×tan{45ﾟ＋(30.00ﾟ/2)}=0.300×1.732=0.520m",
      "                σ0=(σ1＋σ2)/2=(60.000＋50.000)/2=55.000kN/m2",
      "                  P=σ0･tan^2(45ﾟ＋φB/2)",
      "                   =55.000×tan^2{45ﾟ＋(30.00ﾟ/2)}=55.000×3.000=165.000kN/m2",
      "                 WJ={(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2",
      "                   ={(72.000＋60.000)/2}×0.680＋{(50.000＋8.000)/2}×1.800=110.000kN/m",
      "                滑動安全率 F=(WJ･μ＋P･H0)/∑H",
      "                            =(110.000×0.6＋165.000×0.300)/40.000=2.900 > 1.5  ∴ O.K",
  };
  const RecordedText* first = Find(texts, expected[0]);
  ASSERT_NE(first, nullptr);
  size_t i = static_cast<size_t>(first - texts.data());
  for (const std::string& line : expected) {
    ASSERT_LT(i, texts.size());
    EXPECT_EQ(texts[i++].text, line);
  }
  // The factor without the key need only reach 1.0 with a key.
  EXPECT_NE(Find(texts, std::string(kFs) + "72.000/40.000=1.800 > 1.0  ――-> 突起を設ける"),
            nullptr);
  // No extra blank lines with a key: sliding heading right after a blank.
  EXPECT_EQ(
      Find(texts, "                水 平 力 の 総 和")->y - Find(texts, "            ３）滑動")->y,
      220);
}

TEST(Kentou4Test, ShearKeySeismicWithoutSlidingOptionHasNoFactorLines) {
  Bench b(3);
  WithKey(b);
  b.sel.load_case = LoadCase::kSeismic;
  b.sel.seismic_checks.overturn = SeismicOverturn::kF10;
  const auto texts = RunStability(b);
  EXPECT_NE(Find(texts, "                   ={(72.000"), nullptr);
  EXPECT_EQ(Find(texts, "                滑動安全率"), nullptr);
  EXPECT_EQ(Find(texts, kFs), nullptr);
}

TEST(Kentou4Test, ShearKeyCohesionPrintsTheFormTheCalculationUsed) {
  // No deduction asked in one dialog and deduction in the other: the
  // calculation takes no deduction, and only that form is printed.
  Bench b(3);
  WithKey(b);
  b.dc.Cond[cond::kCohesion] = 10;
  b.sel.normal_checks.deduction = Deduction::kDeduct;
  b.sel.seismic_checks.deduction = Deduction::kNoDeduct;
  b.dc.Calc[calc::kKeyFk] = 1.4;
  const auto texts = RunStability(b);
  const RecordedText* head = Find(texts, "                滑動安全率 F=(C･B＋WJ･μ＋P･H0)/∑H");
  ASSERT_NE(head, nullptr);
  EXPECT_EQ(Find(texts, "                滑動安全率 F=(C･A'"), nullptr);
  const size_t i = static_cast<size_t>(head - texts.data());
  EXPECT_EQ(texts[i + 1].text,
            "                            =(10.0×3.000＋110.000×0.600＋165.000×0.300)/40.000");
  EXPECT_EQ(texts[i + 2].text, "                            =1.400 < 1.5");
  EXPECT_EQ(texts[i].color, kLightMagenta);
  EXPECT_EQ(texts[i + 2].color, kLightMagenta);
  EXPECT_EQ(b.beeper.count, 1);

  Bench d(3);
  WithKey(d);
  d.dc.Cond[cond::kCohesion] = 10;
  d.sel.normal_checks.deduction = Deduction::kDeduct;
  const auto dt = RunStability(d);
  EXPECT_NE(Find(dt, "                滑動安全率 F=(C･A'＋WJ･μ＋P･H0)/∑H"), nullptr);
  EXPECT_NE(
      Find(dt, "                            =(10.0×2.200＋110.000×0.6＋165.000×0.300)/40.000"),
      nullptr);
}

TEST(Kentou4Test, ShearKeyTriangleBehindTheCentre) {
  Bench b(3);
  WithKey(b);
  b.dc.Calc[calc::kE] = -0.8;
  b.dc.Calc[calc::kSigmaMin] = 0;
  const auto texts = RunStability(b);
  // B1 − (B − |X|) − L = 1.2 − (3 − 5.25) − 0.52 = 2.93.
  EXPECT_NE(Find(texts, "                 WJ=(σ1)/2･L1＋{(σ2＋σmax)/2}･L2"), nullptr);
  EXPECT_NE(
      Find(texts, "                   =(60.000/2)×2.930＋{(50.000＋72.000)/2}×1.800=110.000kN/m"),
      nullptr);
  // Mirrored triangle: maximum at the heel, the L1 label at 9550.
  EXPECT_EQ(Find(texts, "σmax")->x, 10550);
  EXPECT_EQ(Find(texts, "L1")->x, 9550);
}

TEST(Kentou4Test, ShearKeyOnABaseOffTheGroundIsNg) {
  for (Standard standard : {Standard::kResidential, Standard::kRoad}) {
    Bench b(3);
    WithKey(b);
    b.sel.standard = standard;
    b.dc.Calc[calc::kE] = 1.6;
    b.dc.Calc[calc::kSigmaMax] = -400;
    const auto texts = RunStability(b);
    const char* line = standard == Standard::kRoad
                           ? "                  滑動安全率  F=Hk/∑H=90.000/40.000=2.900  "
                             "合力が底版の外にあります  ∴ NG"
                           : "                            =(110.000×0.6＋165.000×0.300)/"
                             "40.000=2.900  合力が底版の外にあります  ∴ NG";
    const RecordedText* t = Find(texts, line);
    ASSERT_NE(t, nullptr) << line;
    EXPECT_EQ(t->color, kLightMagenta);
  }
}

TEST(Kentou4Test, ShearKeyRoadStandard) {
  struct Case {
    double cohesion;
    const char* heading;
    const char* last;
  };
  const Case cases[] = {
      {0, "                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB",
       "                               =90.000kN/m"},
      {12.5, "                せん断抵抗力 Hk={(q1+q3)/2}･L1･tanφ+{(q2+q3)/2}･L2･tanφB+c･L1",
       "                                ＋12.5×1.200=90.000kN/m"},
  };
  for (const Case& c : cases) {
    Bench b(3);
    WithKey(b);
    b.sel.standard = Standard::kRoad;
    b.dc.Cond[cond::kCohesion] = c.cohesion;
    const auto texts = RunStability(b);
    // Only ΣH before the key lines.
    const RecordedText* sum_h = Find(texts, "                水 平 力 の 総 和 ΣH=40.000kN/m");
    ASSERT_NE(sum_h, nullptr);
    const size_t i = static_cast<size_t>(sum_h - texts.data());
    EXPECT_EQ(texts[i + 1].text, "              ・突起の計算");
    EXPECT_EQ(texts[i + 2].text, c.heading);
    // tan 30° = 0.577; L2 = B − B1 = 1.8.
    EXPECT_EQ(texts[i + 3].text,
              "                               ={(72.000＋50.000)/2}×1.200×0.577");
    EXPECT_EQ(texts[i + 4].text,
              "                                ＋{(8.000＋50.000)/2}×1.800×0.577");
    EXPECT_EQ(texts[i + 5].text, c.last);
    EXPECT_EQ(texts[i + 6].text,
              "                  滑動安全率  F=Hk/∑H=90.000/40.000=2.900 > 1.5  ∴ O.K");
    EXPECT_EQ(Find(texts, "45ﾟ＋φB/2"), nullptr) << "no passive wedge on the road diagram";
  }
}

}  // namespace
}  // namespace varnholt::report
