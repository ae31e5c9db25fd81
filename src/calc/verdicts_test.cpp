#include "calc/verdicts.h"

#include <gtest/gtest.h>

#include "calc/test_walls.h"

namespace varnholt {
namespace {

struct Results {
  double f = 2, d = 1.2, e = 0.3, b = 3, sigma_max = 100, sigma_min = 50, fe = 150, fs = 1.6,
         fk = 1.7;
  const char* fence = "";
  const char* key = "0";
};

DesignCase Case(const Results& r) {
  DesignCase dc;
  dc.Calc[calc::kOverturnF] = r.f;
  dc.Calc[calc::kD] = r.d;
  dc.Calc[calc::kE] = r.e;
  dc.Calc[calc::kBaseWidth] = r.b;
  dc.Calc[calc::kSigmaMax] = r.sigma_max;
  dc.Calc[calc::kSigmaMin] = r.sigma_min;
  dc.Cond[cond::kFe] = r.fe;
  dc.Calc[calc::kSlidingF] = r.fs;
  dc.Calc[calc::kKeyFk] = r.fk;
  dc.FenceLoadType = r.fence;
  dc.ShearKeyFlag = r.key;
  return dc;
}

Selections Normal(NormalOverturn o, Standard standard = Standard::kResidential) {
  Selections sel = testing::Options(standard, GroundShape::kLevel, LoadCase::kNormal);
  sel.normal_checks.overturn = o;
  return sel;
}

Selections Seismic(SeismicOverturn o, SeismicSliding s,
                   Standard standard = Standard::kResidential) {
  Selections sel = testing::Options(standard, GroundShape::kLevel, LoadCase::kSeismic);
  sel.seismic_checks.overturn = o;
  sel.seismic_checks.sliding = s;
  return sel;
}

TEST(Verdicts, CriteriaSetFollowsFenceLoadThenLoadCase) {
  struct Row {
    const char* fence;
    LoadCase load_case;
    CriteriaSet expected;
  };
  const Row rows[] = {
      {"", LoadCase::kNormal, CriteriaSet::kNormal},
      {"0", LoadCase::kNormal, CriteriaSet::kNormal},
      {"0", LoadCase::kSeismic, CriteriaSet::kSeismic},
      {"1", LoadCase::kNormal, CriteriaSet::kShortTerm},
      {"2", LoadCase::kNormal, CriteriaSet::kShortTerm},
      {"2", LoadCase::kNone, CriteriaSet::kShortTerm},
      {"", LoadCase::kNone, CriteriaSet::kNone},
  };
  for (const Row& r : rows) {
    Results res;
    res.fence = r.fence;
    Selections sel;
    sel.load_case = r.load_case;
    EXPECT_EQ(SelectCriteriaSet(Case(res), sel), r.expected) << r.fence;
  }
}

struct OverturnRow {
  const char* name;
  Results results;
  Selections sel;
  Measure measure;
  double limit;
  bool ok;
  bool combined;  // a second, eccentricity verdict
  double e_limit;
  bool e_ok;
};

Results With(double f, double d, double e, double b) {
  Results r;
  r.f = f;
  r.d = d;
  r.e = e;
  r.b = b;
  return r;
}

const OverturnRow kOverturn[] = {
    {"F exactly 1.5", With(1.5, 1, 0, 3), Normal(NormalOverturn::kF15), Measure::kF, 1.5, true,
     false, 0, false},
    {"F 1.49996 (shown 1.500)", With(1.49996, 1, 0, 3), Normal(NormalOverturn::kF15), Measure::kF,
     1.5, false, false, 0, false},
    {"d exactly B/3", With(2, 1, 0.5, 3), Normal(NormalOverturn::kD), Measure::kD, 1, true, false,
     0, false},
    {"d negative", With(2, -0.1, 1.6, 3), Normal(NormalOverturn::kD), Measure::kD, 1, false, false,
     0, false},
    {"|e| exactly B/6 behind the centre", With(2, 4, -1, 6), Normal(NormalOverturn::kE),
     Measure::kE, 1, true, false, 0, false},
    {"F and e, e beyond B/6", With(1.6, 1, 0.6, 3), Normal(NormalOverturn::kF15AndE), Measure::kF,
     1.5, true, true, 0.5, false},
    {"F ≥ 1.0", With(1.0, 1, 0, 3), Seismic(SeismicOverturn::kF10, SeismicSliding::kF10),
     Measure::kF, 1.0, true, false, 0, false},
    {"F ≥ 1.2 fails", With(1.19, 1, 0, 3), Seismic(SeismicOverturn::kF12, SeismicSliding::kF10),
     Measure::kF, 1.2, false, false, 0, false},
    {"|e| ≤ B/2", With(1, 1, 1.5, 3), Seismic(SeismicOverturn::kE2, SeismicSliding::kF10),
     Measure::kE, 1.5, true, false, 0, false},
    {"|e| ≤ B/3 fails", With(1, 1, -1.01, 3), Seismic(SeismicOverturn::kE3, SeismicSliding::kF10),
     Measure::kE, 1, false, false, 0, false},
    {"F ≥ 1.0 and e ≤ B/2", With(0.9, 1, 1.4, 3),
     Seismic(SeismicOverturn::kF10AndE2, SeismicSliding::kF10), Measure::kF, 1.0, false, true, 1.5,
     true},
    {"F ≥ 1.2 and e ≤ B/3", With(1.3, 1, 1.2, 3),
     Seismic(SeismicOverturn::kF12AndE3, SeismicSliding::kF10), Measure::kF, 1.2, true, true, 1,
     false},
};

TEST(Verdicts, OverturningCriteria) {
  for (const OverturnRow& r : kOverturn) {
    const StabilityVerdicts v = JudgeStability(Case(r.results), r.sel);
    ASSERT_TRUE(v.overturning.judged) << r.name;
    EXPECT_EQ(v.overturning.measure, r.measure) << r.name;
    EXPECT_DOUBLE_EQ(v.overturning.limit, r.limit) << r.name;
    EXPECT_EQ(v.overturning.ok, r.ok) << r.name;
    EXPECT_EQ(v.eccentricity.judged, r.combined) << r.name;
    if (r.combined) {
      EXPECT_EQ(v.eccentricity.measure, Measure::kE) << r.name;
      EXPECT_DOUBLE_EQ(v.eccentricity.limit, r.e_limit) << r.name;
      EXPECT_EQ(v.eccentricity.ok, r.e_ok) << r.name;
    }
  }
}

TEST(Verdicts, EccentricityIsJudgedOnItsAbsoluteValue) {
  const StabilityVerdicts v = JudgeStability(Case(With(2, 4, -1, 6)), Normal(NormalOverturn::kE));
  EXPECT_EQ(v.overturning.value, 1.0);
  EXPECT_EQ(v.overturning.divisor, 6);
}

TEST(Verdicts, NoOptionNoVerdict) {
  const StabilityVerdicts v =
      JudgeStability(Case(Results{}), Seismic(SeismicOverturn::kNone, SeismicSliding::kNone));
  EXPECT_FALSE(v.overturning.judged);
  EXPECT_FALSE(v.eccentricity.judged);
  EXPECT_FALSE(v.sliding.judged);
  EXPECT_TRUE(v.bearing.judged);  // bearing has no option
  Selections none;
  none.load_case = LoadCase::kNone;
  const StabilityVerdicts n = JudgeStability(Case(Results{}), none);
  EXPECT_EQ(n.criteria, CriteriaSet::kNone);
  EXPECT_FALSE(n.bearing.judged);
}

struct BearingRow {
  const char* name;
  double sigma_max, sigma_min;
  const char* fence;
  Selections sel;
  double allowable;
  bool ok, min_exceeds;
  double e = 0.3;  // of B = 3
  VerdictReason reason = VerdictReason::kNone;
};

const BearingRow kBearing[] = {
    {"σmax exactly fe", 150, 10, "", Normal(NormalOverturn::kF15), 150, true, false},
    {"σmax above fe", 150.0001, 10, "", Normal(NormalOverturn::kF15), 150, false, false},
    {"residential seismic: 2·fe", 225, 10, "", Seismic(SeismicOverturn::kF10, SeismicSliding::kF10),
     300, true, false},
    {"road seismic: 1.5·fe", 230, 10, "",
     Seismic(SeismicOverturn::kF10, SeismicSliding::kF10, Standard::kRoad), 225, false, false},
    {"short-term fence load in 常時: 2·fe", 225, 10, "2", Normal(NormalOverturn::kF15), 300, true,
     false},
    {"both above", 400, 301, "", Seismic(SeismicOverturn::kF10, SeismicSliding::kF10), 300, false,
     true},
    {"σmin exactly the allowable value", 400, 300, "",
     Seismic(SeismicOverturn::kF10, SeismicSliding::kF10), 300, false, false},
    {"negative σmax of a resultant outside the base", -666, 0, "", Normal(NormalOverturn::kF15),
     150, false, false, 1.6, VerdictReason::kResultantOutsideBase},
    {"resultant at the edge of the base", 150, 0, "", Normal(NormalOverturn::kF15), 150, true,
     false, -1.5},
    {"resultant just beyond the heel", 100, 0, "", Normal(NormalOverturn::kF15), 150, false, false,
     -1.5001, VerdictReason::kResultantOutsideBase},
    {"negative σmax on the base", -1, 0, "", Normal(NormalOverturn::kF15), 150, false, false, 0.3,
     VerdictReason::kNegativePressure},
};

TEST(Verdicts, Bearing) {
  for (const BearingRow& r : kBearing) {
    Results res;
    res.sigma_max = r.sigma_max;
    res.sigma_min = r.sigma_min;
    res.fence = r.fence;
    res.e = r.e;
    const StabilityVerdicts v = JudgeStability(Case(res), r.sel);
    ASSERT_TRUE(v.bearing.judged) << r.name;
    EXPECT_EQ(v.bearing.reason, r.reason) << r.name;
    EXPECT_DOUBLE_EQ(v.bearing.limit, r.allowable) << r.name;
    EXPECT_EQ(v.bearing.ok, r.ok) << r.name;
    EXPECT_EQ(v.sigma_min_exceeds, r.min_exceeds) << r.name;
  }
}

struct SlidingRow {
  const char* name;
  Results results;
  Selections sel;
  bool sliding_judged;
  double sliding_limit;
  bool sliding_ok;
  bool key_judged;
  double key_limit;
  bool key_ok;
  bool without_key_judged;
  bool without_key_ok;
};

Results Factors(double fs, double fk, const char* key, const char* fence = "") {
  Results r;
  r.fs = fs;
  r.fk = fk;
  r.key = key;
  r.fence = fence;
  return r;
}

const SlidingRow kSlidingRows[] = {
    {"normal: Fs ≥ 1.5", Factors(1.5, 0, "0"), Normal(NormalOverturn::kF15), true, 1.5, true, false,
     0, false, false, false},
    {"seismic opt5: Fs exactly 1.0", Factors(1.0, 0, "0"),
     Seismic(SeismicOverturn::kF10, SeismicSliding::kF10), true, 1.0, true, false, 0, false, false,
     false},
    {"seismic opt6", Factors(1.1, 0, "0"), Seismic(SeismicOverturn::kF10, SeismicSliding::kF12),
     true, 1.2, false, false, 0, false, false, false},
    {"short-term fence: Form14 sliding", Factors(1.1, 0, "0", "1"),
     [] {
       Selections s = Normal(NormalOverturn::kF15);
       s.seismic_checks.sliding = SeismicSliding::kF10;
       return s;
     }(),
     true, 1.0, true, false, 0, false, false, false},
    {"residential key, normal", Factors(0.99, 1.5, "1"), Normal(NormalOverturn::kF15), true, 1.5,
     false, true, 1.5, true, true, false},
    {"residential key, seismic opt6", Factors(1.0, 1.19, "1"),
     Seismic(SeismicOverturn::kF10, SeismicSliding::kF12), true, 1.2, false, true, 1.2, false, true,
     true},
    {"residential key, short-term fence in 常時: Fk against 1.5", Factors(1.0, 1.4, "1", "2"),
     [] {
       Selections s = Normal(NormalOverturn::kF15);
       s.seismic_checks.sliding = SeismicSliding::kF10;
       return s;
     }(),
     true, 1.0, true, true, 1.5, false, true, true},
    {"road key, seismic: the Form14 option on screen and paper", Factors(0, 1.3, "1"),
     Seismic(SeismicOverturn::kF10, SeismicSliding::kF12, Standard::kRoad), true, 1.2, false, true,
     1.2, true, false, false},
    {"road key, normal", Factors(0, 1.5, "1"), Normal(NormalOverturn::kF15, Standard::kRoad), true,
     1.5, false, true, 1.5, true, false, false},
    {"residential key, seismic without sliding option", Factors(1.2, 2, "1"),
     Seismic(SeismicOverturn::kF10, SeismicSliding::kNone), false, 0, false, false, 0, false, true,
     true},
    {"road key whose base lifts off entirely",
     [] {
       Results r = Factors(0, 3, "1");
       r.e = 1.6;
       r.sigma_max = -400;
       return r;
     }(),
     Normal(NormalOverturn::kF15, Standard::kRoad), true, 1.5, false, true, 1.5, false, false,
     false},
};

TEST(Verdicts, SlidingWithAndWithoutKey) {
  for (const SlidingRow& r : kSlidingRows) {
    const StabilityVerdicts v = JudgeStability(Case(r.results), r.sel);
    EXPECT_EQ(v.sliding.judged, r.sliding_judged) << r.name;
    if (r.sliding_judged) {
      EXPECT_EQ(v.sliding.measure, Measure::kFs) << r.name;
      EXPECT_DOUBLE_EQ(v.sliding.limit, r.sliding_limit) << r.name;
      EXPECT_EQ(v.sliding.ok, r.sliding_ok) << r.name;
    }
    EXPECT_EQ(v.shear_key.judged, r.key_judged) << r.name;
    if (r.key_judged) {
      EXPECT_EQ(v.shear_key.measure, Measure::kFk) << r.name;
      EXPECT_DOUBLE_EQ(v.shear_key.limit, r.key_limit) << r.name;
      EXPECT_EQ(v.shear_key.ok, r.key_ok) << r.name;
    }
    EXPECT_EQ(v.without_key.judged, r.without_key_judged) << r.name;
    if (r.without_key_judged) {
      EXPECT_DOUBLE_EQ(v.without_key.limit, 1.0) << r.name;
      EXPECT_EQ(v.without_key.ok, r.without_key_ok) << r.name;
    }
  }
}

TEST(Verdicts, ShownRowsTakeTheKeyInPlaceOfSliding) {
  const Selections sel = Normal(NormalOverturn::kF15AndE);
  auto names = [&sel](const Results& r) {
    std::string out;
    const StabilityVerdicts v = JudgeStability(Case(r), sel);
    for (const ShownVerdict& row : ShownVerdicts(v, std::string(r.key) == "1")) {
      out += std::string(row.name) + (row.verdict.ok ? "+ " : "- ");
    }
    return out;
  };
  EXPECT_EQ(names(Factors(1.2, 0, "0")), "overturning+ eccentricity+ bearing+ sliding- ");
  EXPECT_EQ(names(Factors(1.2, 1.6, "1")),
            "overturning+ eccentricity+ bearing+ shear_key+ without_key+ ");
  EXPECT_FALSE(AnyNg(JudgeStability(Case(Factors(1.0, 1.6, "1")), sel), true));
  EXPECT_TRUE(AnyNg(JudgeStability(Case(Factors(1.0, 1.6, "0")), sel), false));
}

}  // namespace
}  // namespace varnholt
