#pragma once
// Random project files for the tests and the fuzzer: every file has the
// documented layout (the blocks its options call for, one choice in every
// option group, the flags agreeing with the options), so it opens, and its
// numbers lie where walls are designed, so most of them calculate. With a
// source that asks for it, a number is now and then replaced by an
// engineer's slip (empty, letters, "-0", "1e999", full-width digits, a
// negative or a zero).
//
// A source provides:
//   int Pick(int n);                    // 0 … n−1
//   double Between(double lo, double hi);
//   bool Slip();                        // true: put a slip in this box
// Not part of the program.

#include <cstdio>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace varnholt::project::testing {

/// A source of random designs from a seeded Mersenne twister, without slips
/// in the boxes.
struct Dice {
  std::mt19937 rng;
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
  double Between(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  }
  bool Slip() { return false; }
};

template <typename Source>
class RandomProject {
 public:
  /// `both_cases`: the seismic dialog is filled in the normal case too, as
  /// after setting both cases (a short-term fence load excepted).
  explicit RandomProject(Source& src, bool both_cases = false)
      : src_(src), both_cases_(both_cases) {}

  /// The lines of one project, UTF-8, without line ends.
  std::vector<std::string> Lines() {
    lines_.clear();
    const bool road = src_.Pick(2) == 1;
    const int shape = src_.Pick(3);  // 水平, 一様斜面, 嵩上げ土
    const bool fence = src_.Pick(4) == 0;
    const int fence_kind = fence ? src_.Pick(3) : -1;  // 常時, distributed, concentrated
    // A short-term fence load is judged in 常時 only.
    const bool seismic = fence_kind < 1 && src_.Pick(2) == 1;
    const bool cohesion = src_.Pick(3) == 0;
    const bool tan_phi = src_.Pick(3) == 0;
    const bool key = src_.Pick(3) == 0;
    // A computed coefficient always on a slope, and always for 道路土工 and
    // method ① in the seismic case, as the windows allow it.
    const bool computed = shape == 1 || (seismic && (road || src_.Pick(2) == 0)) || src_.Pick(2);

    // A: the flags.
    Add(key ? "1" : "0");
    Add(fence ? std::to_string(fence_kind) : "");
    // B: Form2.
    Option(!road);
    Option(road);
    Add("試験地");
    Number(18, 30);                       // Fc
    Number(100, 300);                     // fe
    Number(15, 21);                       // γ
    Number(22.5, 24.5);                   // γc
    Add(road ? "砂質土" : "砂利又は砂");  // backfill soil
    const double phi = Value(20, 40);     // φ
    Add(Text(phi));
    Number(0, phi * 2 / 3);                          // δ
    Add("砂質土");                                   // foundation soil
    Add(cohesion ? Text(Value(0, 30)) : "0");        // C
    Number(20, 40);                                  // φB
    Number(0.3, 0.7);                                // μ
    for (int i = 0; i < 3; ++i) Option(shape == i);  // 水平, 一様斜面, 嵩上げ土
    Option(!seismic);
    Option(seismic);
    Option(cohesion);
    Option(!cohesion);
    Option(!tan_phi);
    Option(tan_phi);
    Option(!fence);
    Option(fence);
    // C: the dimension window of the shape.
    const double crest = Value(0.3, 0.8);
    const double front = Value(0, 0.8);
    const double base = crest + front + Value(0, 3);
    Add("1");
    Add("W-1");
    Number(1, 5);    // h
    Number(0.3, 1);  // embedment
    Number(0, 0.5);  // crest above the ground
    Add(Text(crest));
    Add(Text(base));
    Add(Text(front));
    Number(0, 20);  // q
    if (shape == 2) {
      Number(10, 35);  // β of the raised slope
      Number(0.5, 3);  // ho
      const bool surcharge = src_.Pick(2) == 0;
      Option(surcharge);
      Option(!surcharge);
    } else {
      Add(shape == 1 ? Text(Value(5, 30)) : "");    // β
      Add(computed ? "" : Text(Value(0.25, 0.5)));  // KA: Open computes it
      Option(!computed);
      Option(computed);
    }
    Option(!key);
    Option(key);
    // D: Form20.
    const bool set = seismic || (both_cases_ && fence_kind < 1);
    Option(set && !road && src_.Pick(2) == 0);
    Option(set && !road && lines_.back() == "False");
    Option(set && road);
    Add(set ? Text(Value(0.1, 0.3)) : "");
    Add(set ? "0" : "");
    const int region = road && set ? src_.Pick(3) : -1;
    for (int i = 0; i < 3; ++i) Option(region == i);
    // E: the results window's captions, rewritten by the recalculation.
    for (int i = 0; i < 19; ++i) Add("");
    // F: Form12, overturning (opt1, opt2, opt3, opt6) and deduction.
    const int normal = src_.Pick(4);
    const bool deduct_normal = src_.Pick(2) == 0;
    Option(normal == 0);
    Option(normal == 1);
    Option(normal == 2);
    Option(deduct_normal);
    Option(!deduct_normal);
    Option(normal == 3);
    // G: Form14, overturning (opt1 … opt4, opt9, opt10), sliding, deduction.
    const int overturn = src_.Pick(6);
    const bool sliding_12 = src_.Pick(2) == 0;
    const bool deduct_seismic = src_.Pick(2) == 0;
    for (int i = 0; i < 4; ++i) Option(overturn == i);
    Option(!sliding_12);
    Option(sliding_12);
    Option(deduct_seismic);
    Option(!deduct_seismic);
    Option(overturn == 4);
    Option(overturn == 5);
    // H: the shear-key dialog of the standard.
    Number(0.1 * base, 0.2 * base);  // H0
    Number(base / 3, 2 * base / 3);  // B1 (L1)
    Number(0.2, 0.5);                // D
    Add(cohesion ? " 1 " : " 0 ");
    // I: the fence dialog.
    if (fence) {
      for (int i = 0; i < 3; ++i) Option(fence_kind == i);
      Number(0.6, 2);       // height
      Number(0.05, crest);  // to its centre
      Add(fence_kind == 0 ? ""
                          : Text(fence_kind == 1 ? Value(0.5, 2)    // w
                                                 : Value(5, 30)));  // P
      Add(fence_kind == 2 ? Text(Value(0.3, 1.5)) : "");            // load position
      Number(0, 2);                                                 // weight
    }
    return lines_;
  }

  /// The file's text, each line ended by CR LF (UTF-8: the reader takes it
  /// as a UTF-8 editor's file).
  std::string FileText() {
    std::string out;
    for (const std::string& l : Lines()) out += l + "\r\n";
    return out;
  }

 private:
  static std::string Text(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    return buf;
  }
  double Value(double lo, double hi) { return src_.Between(lo, hi); }
  void Add(std::string s) { lines_.push_back(std::move(s)); }
  void Option(bool on) { Add(on ? "True" : "False"); }
  void Number(double lo, double hi) {
    const double v = Value(lo, hi);
    if (!src_.Slip()) {
      Add(Text(v));
      return;
    }
    static const char* const kSlips[] = {"", "abc", "-0", "1e999", "０.５", "-1", "0"};
    Add(kSlips[src_.Pick(static_cast<int>(std::size(kSlips)))]);
  }

  Source& src_;
  bool both_cases_;
  std::vector<std::string> lines_;
};

}  // namespace varnholt::project::testing
