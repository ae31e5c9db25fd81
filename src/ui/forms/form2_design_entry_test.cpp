// A complete design entered and calculated through the windows alone, for
// every ground shape, standard and load case: typing with Enter from box to
// box, choosing options, computing the coefficient, answering the seismic
// and check-method dialogs, and pressing "安定性の検討" on the results window.
// The numbers the windows deliver are compared with a calculation of the
// same design built by hand.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "calc/keisan.h"
#include "ui/forms/window_test_helpers.h"

namespace varnholt::forms {
namespace {

using testing::TestApp;

struct Entry {
  GroundShape shape;
  bool road;
  bool seismic;
  bool cohesion;
  /// The coefficient KA (KAE) "計算する" shows: evaluated independently with
  /// π = 3.14159, θ = arctan(1/5.5) = 10.305°, φ = 30°, δ = 20°, β = 0° (水平)
  /// or 15° (一様斜面), Kh = 0.2, Kv = 0. Empty for 嵩上げ土.
  const char* coefficient;
};

std::string Describe(const Entry& e) {
  std::string n = e.shape == GroundShape::kLevel          ? "Level"
                  : e.shape == GroundShape::kUniformSlope ? "Slope"
                                                          : "Raised";
  n += e.road ? "Road" : "Residential";
  n += e.seismic ? "Seismic" : "Normal";
  if (e.cohesion) n += "WithCohesion";
  return n;
}

std::string Name(const ::testing::TestParamInfo<Entry>& info) { return Describe(info.param); }

void PrintTo(const Entry& e, std::ostream* os) { *os << Describe(e); }

// Types each text into the focused box and presses Enter after it.
void TypeAlong(TestApp& t, const std::vector<const char*>& texts) {
  for (const char* text : texts) {
    ui::Control* box = t.app.windows().Focused();
    ASSERT_NE(box, nullptr);
    box->Type(text);
    box->TypeKey(ui::kKeyEnter);
  }
}

// Chooses the check methods in the dialog the calculate command opens.
void AnswerCheckMethods(ui::Window& d, bool cohesion) {
  if (d.name() == kForm12) {
    d["opt1"].Click();  // F ≥ 1.5
    if (cohesion) d["opt4"].Click();
  } else {
    d["opt1"].Click();  // F ≥ 1.0
    d["opt5"].Click();  // Fs ≥ 1.0
    if (cohesion) d["opt7"].Click();
  }
  d["cmd1"].Click();
}

void EnterDesign(TestApp& t, const Entry& e) {
  ui::Window& f2 = t.Form(kForm2);
  f2[e.road ? "opt_D" : "opt_T"].Click();
  f2[e.shape == GroundShape::kLevel          ? "opt1"
     : e.shape == GroundShape::kUniformSlope ? "opt2"
                                             : "opt3"]
      .Click();
  if (e.seismic) {
    f2["cmd2"].Click();
    t.platform.modal_actions.push_back([road = e.road](ui::Window& d) {
      d[road ? "opt_D1" : "opt_K1"].Click();
      d["txt1"].Click();
      d["txt1"].Type("0.2");
      d["txt1"].TypeKey(ui::kKeyEnter);
      d["txt2"].Type("0");
      if (road) d["opt_A"].Click();
      d["cmd1"].Click();
    });
    f2["cmd4"].Click();
  }

  f2["txt1"].Click();
  TypeAlong(t, {"横浜市", "18", "200", "18", "23"});
  f2["cbo1"].Type("砂質土");
  f2["txt6"].Click();
  TypeAlong(t, {"30", "20"});
  f2["cbo2"].Type("砂質土");
  if (e.cohesion) {
    f2["txt8"].Click();
    f2["txt8"].Type("10");
  }
  f2["txt9"].Click();
  f2["txt9"].Type("30");
  f2["opt9"].Click();  // μ = tanφ

  if (e.shape == GroundShape::kRaisedSoil) {
    ui::Window& f16 = t.Form(kForm16);
    f16["txt1"].Click();
    // §, mark, q, f, b, ho, crest height, β, h, embedment, B.
    TypeAlong(t, {"2", "W-1", "10", "1", "2", "1.5", "0.5", "30", "4", "1", "4"});
    return;
  }
  ui::Window& f3 = t.Form(kForm3);
  f3["txt1"].Click();
  // §, mark, f, b, q, crest height, (β), h, embedment, B.
  TypeAlong(t, {"2", "W-1", "1", "2", "10", "0.5"});
  if (e.shape == GroundShape::kUniformSlope) TypeAlong(t, {"15"});
  TypeAlong(t, {"4", "1", "4"});
  f3["cmd2"].Click();
}

// The same design, as the collection should deliver it.
DesignCase HandBuilt(const Entry& e) {
  DesignCase dc;
  dc.Cond[cond::kFc] = 18;
  dc.Cond[cond::kFe] = 200;
  dc.Cond[cond::kFeShort] = e.road ? 300 : 400;
  dc.Cond[cond::kGamma] = 18;
  dc.Cond[cond::kGammaC] = 23;
  dc.Cond[cond::kPhi] = 30;
  dc.Cond[cond::kDelta] = 20;
  dc.Cond[cond::kCohesion] = e.cohesion ? 10 : 0;
  dc.Cond[cond::kPhiB] = 30;
  dc.Cond[cond::kMu] = 0.577;
  dc.Cond[cond::kBeta] = e.shape == GroundShape::kUniformSlope ? 15
                         : e.shape == GroundShape::kRaisedSoil ? 30
                                                               : 0;
  if (e.coefficient[0] != '\0') dc.Cond[cond::kKA] = std::stod(e.coefficient);
  if (e.seismic) {
    dc.Cond[cond::kKh] = 0.2;
    if (e.road) {
      dc.Cond[cond::kKho] = 0.2;
      dc.Cond[cond::kCz] = 1.0;
    }
  }
  dc.Calc[calc::kHeightH] = 4;
  dc.Calc[calc::kEmbedment] = 1;
  dc.Calc[calc::kH] = 5;
  dc.Calc[calc::kCrestAbove] = 0.5;
  dc.Calc[calc::kCrestWidth] = 2;
  dc.Calc[calc::kBaseWidth] = 4;
  dc.Calc[calc::kFrontProj] = 1;
  dc.Calc[calc::kSurcharge] = 10;
  if (e.shape == GroundShape::kRaisedSoil) dc.Calc[calc::kH0] = 1.5;
  dc.ShearKeyFlag = "0";
  return dc;
}

Selections HandSelections(const Entry& e) {
  Selections s;
  s.standard = e.road ? Standard::kRoad : Standard::kResidential;
  s.shape = e.shape;
  s.load_case = e.seismic ? LoadCase::kSeismic : LoadCase::kNormal;
  s.seismic_method = !e.seismic ? SeismicMethod::kNone
                     : e.road   ? SeismicMethod::kD1
                                : SeismicMethod::kK1;
  if (e.seismic && e.road) s.seismic_region = SeismicRegion::kA;
  s.friction = FrictionMode::kTanPhi;
  s.cohesion = e.cohesion ? CohesionOption::kConsidered : CohesionOption::kNotConsidered;
  const Deduction deduction = e.cohesion ? Deduction::kDeduct : Deduction::kNone;
  if (e.seismic) {
    s.seismic_checks = {SeismicOverturn::kF10, SeismicSliding::kF10, deduction};
  } else {
    s.normal_checks = {NormalOverturn::kF15, deduction};
  }
  return s;
}

class DesignEntryTest : public ::testing::TestWithParam<Entry> {};

TEST_P(DesignEntryTest, EnteredThroughTheWindowsAndCalculated) {
  const Entry& e = GetParam();
  TestApp t;
  EnterDesign(t, e);
  ASSERT_TRUE(t.platform.MessageTexts().empty())
      << "unexpected message: " << t.platform.MessageTexts().front();
  if (e.shape != GroundShape::kRaisedSoil) {
    EXPECT_EQ(t.Form(kForm3)["txt11"].Text(), e.coefficient);
  }
  EXPECT_EQ(t.Form(kForm2)["txt10"].Text(), "0.577");

  // The first press asks for the check methods in their dialog.
  ui::Window& f11 = t.Form(kForm11);
  t.platform.modal_actions.push_back(
      [cohesion = e.cohesion](ui::Window& d) { AnswerCheckMethods(d, cohesion); });
  f11["cmd1"].Click();
  ASSERT_EQ(t.platform.MessageTexts(),
            (std::vector<std::string>{"転倒に対する検討方法を選択してください。"}));
  EXPECT_EQ(t.platform.ModalWindows().back(), e.seismic ? "Form14" : "Form12");
  EXPECT_FALSE(t.app.results().valid());

  t.platform.Clear();
  f11["cmd1"].Click();
  ASSERT_TRUE(t.platform.MessageTexts().empty())
      << "unexpected message: " << t.platform.MessageTexts().front();
  EXPECT_TRUE(t.app.results().valid());
  for (int i = 5; i <= 17; ++i) {
    const ui::Control& row = f11["lbl" + std::to_string(i)];
    EXPECT_TRUE(row.Visible()) << row.name();
    EXPECT_EQ(row.Caption().find("nan"), std::string::npos) << row.Caption();
    EXPECT_EQ(row.Caption().find("inf"), std::string::npos) << row.Caption();
  }
  for (const char* verdict : {"lbl7", "lbl14", "lbl17"}) {
    EXPECT_NE(f11[verdict].Caption().find("∴"), std::string::npos) << verdict;
  }

  // The windows delivered the design exactly.
  DesignCase hand = HandBuilt(e);
  ASSERT_TRUE(Keisan(hand, HandSelections(e)).ok());
  const DesignCase& dc = t.dc();
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kWeight], hand.Calc[calc::kWeight]);
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kSumH], hand.Calc[calc::kSumH]);
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kOverturnF], hand.Calc[calc::kOverturnF]);
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kSigmaMax], hand.Calc[calc::kSigmaMax]);
  EXPECT_DOUBLE_EQ(dc.Calc[calc::kSlidingF], hand.Calc[calc::kSlidingF]);
  EXPECT_GT(dc.Calc[calc::kSlidingF], 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryShapeStandardAndCase, DesignEntryTest,
    ::testing::Values(Entry{GroundShape::kLevel, false, false, false, "0.38"},
                      Entry{GroundShape::kLevel, false, true, false, "0.554"},
                      Entry{GroundShape::kLevel, true, false, false, "0.38"},
                      Entry{GroundShape::kLevel, true, true, false, "0.554"},
                      Entry{GroundShape::kUniformSlope, false, false, false, "0.484"},
                      Entry{GroundShape::kUniformSlope, false, true, false, "0.873"},
                      Entry{GroundShape::kUniformSlope, true, false, false, "0.484"},
                      Entry{GroundShape::kUniformSlope, true, true, false, "0.873"},
                      Entry{GroundShape::kRaisedSoil, false, false, false, ""},
                      Entry{GroundShape::kRaisedSoil, false, true, false, ""},
                      Entry{GroundShape::kRaisedSoil, true, false, false, ""},
                      Entry{GroundShape::kRaisedSoil, true, true, false, ""},
                      Entry{GroundShape::kLevel, false, false, true, "0.38"},
                      Entry{GroundShape::kUniformSlope, true, true, true, "0.873"},
                      Entry{GroundShape::kRaisedSoil, false, true, true, ""}),
    Name);

}  // namespace
}  // namespace varnholt::forms
