#include "sizing/sizing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "sizing/messages.h"
#include "sizing/test_designs.h"

namespace varnholt::sizing {
namespace {

using testing::LevelWall;
using testing::RaisedSoilWall;
using testing::RandomDesign;

SizingRequest Request(const DesignInput& in) {
  SizingRequest r;
  r.cases = {in};
  return r;
}

TEST(SizingGrid, TextsAreWhatAnEngineerTypes) {
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {{0.29, "0.29"},
                      {2.35, "2.35"},
                      {0.975, "0.975"},
                      {3, "3.00"},
                      {-0.1, "-0.10"},
                      {1e-6, "0.000001"},
                      {0.30000000000000004, "0.30"}};
  for (const Row& r : rows) {
    Micros m = 0;
    ASSERT_TRUE(ToMicros(r.value, &m)) << r.text;
    EXPECT_EQ(MicrosText(m), r.text);
    EXPECT_EQ(MicrosValue(m), std::stod(r.text));
  }
  Micros m = 0;
  EXPECT_FALSE(ToMicros(std::nan(""), &m));
  EXPECT_FALSE(ToMicros(1e300, &m));
}

TEST(Sizing, BadRequestsAreRefusedBeforeTheSearch) {
  struct Row {
    const char* name;
    void (*change)(SizingRequest&);
    const char* message;  // a part of the message
  };
  const Row rows[] = {
      {"bounds reversed", [](SizingRequest& r) { r.variables.base.min = 7; },
       "底版幅 B の下限 7.00 が上限 6.00 より大きくなっています。"},
      {"step 0", [](SizingRequest& r) { r.variables.base.step = 0; }, "刻みは 0 より大きく"},
      {"step negative", [](SizingRequest& r) { r.variables.base.step = -0.01; },
       "刻みは 0 より大きく"},
      {"step not a number", [](SizingRequest& r) { r.variables.base.step = std::nan(""); },
       "数値で指定"},
      {"B not above 0", [](SizingRequest& r) { r.variables.base.min = 0; },
       "底版幅 B の下限は 0 より大きく"},
      {"negative batter",
       [](SizingRequest& r) {
         r.variables.front.vary = true;
         r.variables.front.min = -0.1;
       },
       "前面勾配 1:n の n の下限は 0 以上"},
      {"too many candidates",
       [](SizingRequest& r) {
         r.variables.base.step = 0.000001;  // 5.7 million
       },
       "上限の 1,000,000 通りを超えます"},
      {"too many together",
       [](SizingRequest& r) {
         r.variables.crest.vary = true;
         r.variables.crest.step = 0.0001;  // 571 × 7001
       },
       "上限の 1,000,000 通りを超えます"},
      {"nothing varied", [](SizingRequest& r) { r.variables.base.vary = false; },
       "一つ以上選んでください"},
      {"no cases", [](SizingRequest& r) { r.cases.clear(); }, "設計ケースがありません"},
      {"design not calculable", [](SizingRequest& r) { r.cases[0].dc.Cond[cond::kFc] = 0; },
       "現在の断面で計算ができないため"},
      {"overturning method missing",
       [](SizingRequest& r) { r.cases[0].sel.normal_checks.overturn = NormalOverturn::kNone; },
       "転倒に対する検討方法が選ばれていない"},
      {"sliding method missing",
       [](SizingRequest& r) {
         r.cases[0].sel.load_case = LoadCase::kSeismic;
         r.cases[0].sel.seismic_method = SeismicMethod::kK2;
         r.cases[0].sel.seismic_checks.overturn = SeismicOverturn::kF12;
       },
       "滑動に対する検討方法が選ばれていない"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SizingRequest r = Request(LevelWall());
    row.change(r);
    const SizingResult result = SizeSection(r);
    EXPECT_EQ(result.outcome, SizingOutcome::kRefused);
    EXPECT_NE(result.message.find(row.message), std::string::npos) << result.message;
    EXPECT_EQ(result.evaluated, 0u);
  }
}

// The best section passes, B one step smaller fails; the next candidates
// pass and follow in order of area; the design that already passes gets
// its smallest section too.
TEST(Sizing, FindsTheSmallestPassingBase) {
  for (const DesignInput& in : {LevelWall(), RaisedSoilWall()}) {
    SizingRequest r = Request(in);
    const SizingResult result = SizeSection(r);
    ASSERT_EQ(result.outcome, SizingOutcome::kFound) << result.message;
    EXPECT_TRUE(result.current.ok);
    ASSERT_EQ(result.passing.size(), 5u);
    const Evaluation& best = result.passing.front();
    EXPECT_TRUE(best.ok);
    EXPECT_LT(best.section.base.value, in.dc.Calc[calc::kBaseWidth]);
    for (std::size_t i = 1; i < result.passing.size(); ++i) {
      EXPECT_TRUE(result.passing[i].ok);
      EXPECT_GT(result.passing[i].section.area, result.passing[i - 1].section.area);
    }
    Micros b = 0;
    ASSERT_TRUE(ToMicros(best.section.base.value, &b));
    Section smaller = best.section;
    smaller.base.value = MicrosValue(b - 10'000);
    EXPECT_FALSE(EvaluateSection(r.cases, smaller).ok);
    // Every check of every case, the body last; the governing one has the
    // smallest margin.
    EXPECT_EQ(best.checks.back().check, Check::kBody);
    for (const CheckResult& c : best.checks) EXPECT_GE(c.margin, best.worst_margin);
    EXPECT_LT(result.evaluated, result.total);
  }
}

TEST(Sizing, NothingInTheBoundsNamesTheFailingCheckAtTheClosestSection) {
  DesignInput in = LevelWall();
  in.dc.Cond[cond::kMu] = 0.2;  // sliding cannot be helped by B alone
  SizingRequest r = Request(in);
  const SizingResult result = SizeSection(r);
  ASSERT_EQ(result.outcome, SizingOutcome::kNotFound);
  EXPECT_EQ(result.evaluated, result.total);
  EXPECT_EQ(result.total, 571u - 50u);  // B from b + f = 0.80 m
  EXPECT_EQ(result.closest.section.base.text, "6.00");
  EXPECT_EQ(result.closest.checks[result.closest.governing].check, Check::kSliding);
  EXPECT_EQ(result.message.rfind("B を 6.00 m まで広げても滑動 Fs = ", 0), 0u) << result.message;
  EXPECT_NE(result.message.find(" < 1.5"), std::string::npos) << result.message;
}

TEST(Sizing, CancelStopsTheSearchAndProgressIsReported) {
  std::atomic<bool> cancel{false};
  std::size_t last_done = 0, calls = 0;
  SizingRequest r = Request(RaisedSoilWall());
  r.variables.crest.vary = true;
  r.cancel = &cancel;
  r.progress = [&](std::size_t done, std::size_t total) {
    // The 571 × 71 grid less the 4,615 bases narrower than b + f, which
    // the calculation refuses and the search does not judge.
    EXPECT_EQ(total, 571u * 71u - 4'615u);
    EXPECT_GT(done, last_done);
    last_done = done;
    if (++calls == 2) cancel = true;
  };
  const SizingResult result = SizeSection(r);
  EXPECT_EQ(result.outcome, SizingOutcome::kCancelled);
  EXPECT_TRUE(result.passing.empty());
  EXPECT_EQ(calls, 2u);
  EXPECT_LE(result.evaluated, 513u);
}

// Every judged section of the grid, B and b and (when sized) the front
// batter, in the search's order: what the search must agree with.
std::vector<Evaluation> Exhaustive(const SizingRequest& r) {
  const Variables& v = r.variables;
  auto values = [](const VariableRange& range) {
    std::vector<Micros> out;
    Micros lo = 0, hi = 0, step = 0;
    ToMicros(range.min, &lo);
    ToMicros(range.max, &hi);
    ToMicros(range.step, &step);
    for (Micros x = lo; x <= hi; x += step) out.push_back(x);
    return out;
  };
  const DesignCase& dc = r.cases[0].dc;
  const double hw = dc.Calc[calc::kCrestAbove] + dc.Calc[calc::kH];
  Micros hw_micros = 0;
  ToMicros(hw, &hw_micros);
  const std::vector<Micros> fronts = v.front.vary ? values(v.front) : std::vector<Micros>{-1};
  struct Keyed {
    Micros sum, crest, front;
    Evaluation e;
  };
  std::vector<Keyed> all;
  for (Micros big_b : values(v.base)) {
    for (Micros b : values(v.crest)) {
      for (Micros n : fronts) {
        Section s = CurrentSection(dc);
        s.base = {MicrosValue(big_b), MicrosText(big_b)};
        s.crest = {MicrosValue(b), MicrosText(b)};
        if (n >= 0) {
          const Micros f = (n * hw_micros + 500'000) / 1'000'000;
          s.front = {MicrosValue(f), MicrosText(f)};
          s.batter = static_cast<double>(n) / 1e6;
        }
        s.area = hw * (s.crest.value + s.base.value) / 2;
        all.push_back({big_b + b, b, n, EvaluateSection(r.cases, s)});
      }
    }
  }
  std::stable_sort(all.begin(), all.end(), [](const Keyed& x, const Keyed& y) {
    if (x.sum != y.sum) return x.sum < y.sum;
    if (x.crest != y.crest) return x.crest < y.crest;
    return x.front < y.front;
  });
  std::vector<Evaluation> out;
  for (Keyed& k : all) out.push_back(std::move(k.e));
  return out;
}

// The search's shortcuts (stopping once the best few are known, skipping
// the body check of a section that cannot come closest) against judging
// every section of the grid, on random designs of every kind.
TEST(Sizing, AgreesWithTheExhaustiveSearch) {
  std::mt19937 rng(20261209);
  int found = 0, not_found = 0;
  for (int n = 0; n < 40; ++n) {
    SizingRequest r = Request(RandomDesign(rng));
    r.variables.base = {true, 0.5, 4.0, 0.1};
    r.variables.crest = {true, 0.3, 0.7, 0.1};
    // Every third design sizes the front batter too: sections of equal
    // area then differ only in their order.
    if (n % 3 == 0) r.variables.front = {true, 0.0, 0.4, 0.2};
    r.alternatives = 3;
    const SizingResult result = SizeSection(r);
    if (result.outcome == SizingOutcome::kRefused) continue;
    SCOPED_TRACE(n);
    const std::vector<Evaluation> all = Exhaustive(r);
    std::vector<const Evaluation*> passing;
    const Evaluation* closest = nullptr;
    for (const Evaluation& e : all) {
      if (e.ok && passing.size() < 4) passing.push_back(&e);
      if (e.computed && !e.ok && (closest == nullptr || e.worst_margin > closest->worst_margin)) {
        closest = &e;
      }
    }
    ASSERT_EQ(result.passing.size(), passing.size());
    for (std::size_t i = 0; i < passing.size(); ++i) {
      EXPECT_EQ(result.passing[i].section.base.text, passing[i]->section.base.text);
      EXPECT_EQ(result.passing[i].section.crest.text, passing[i]->section.crest.text);
      EXPECT_EQ(result.passing[i].section.front.text, passing[i]->section.front.text);
      EXPECT_EQ(result.passing[i].worst_margin, passing[i]->worst_margin);
      EXPECT_EQ(result.passing[i].governing, passing[i]->governing);
    }
    if (passing.empty()) {
      ++not_found;
      ASSERT_EQ(result.outcome, SizingOutcome::kNotFound);
      ASSERT_NE(closest, nullptr);
      EXPECT_EQ(result.closest.section.base.text, closest->section.base.text);
      EXPECT_EQ(result.closest.section.crest.text, closest->section.crest.text);
      EXPECT_EQ(result.closest.section.front.text, closest->section.front.text);
      EXPECT_EQ(result.closest.worst_margin, closest->worst_margin);
    } else {
      ++found;
      EXPECT_EQ(result.outcome, SizingOutcome::kFound);
    }
  }
  // Both ends of the search were exercised.
  EXPECT_GT(found, 10);
  EXPECT_GT(not_found, 3);
}

TEST(Sizing, FrontBatterIsSizedAsARoundSlope) {
  SizingRequest r = Request(LevelWall());
  r.variables.front = {true, 0.0, 0.5, 0.05};
  const SizingResult result = SizeSection(r);
  ASSERT_EQ(result.outcome, SizingOutcome::kFound) << result.message;
  // Hw 3.8: a batter of 1:0.25 gives f = 0.95 m, typed as such.
  const Section s = result.passing.front().section;
  EXPECT_EQ(s.front.text, MicrosText(static_cast<Micros>(std::llround(s.batter * 3.8e6))));
  EXPECT_EQ(SectionText(s, r.variables).find("B = "), 0u);
  EXPECT_NE(SectionText(s, r.variables).find("前面勾配 1:"), std::string::npos);
}

}  // namespace
}  // namespace varnholt::sizing
