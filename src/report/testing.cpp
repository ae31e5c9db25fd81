#include "report/testing.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace varnholt::report::testing {
namespace {

std::filesystem::path TestdataDir() {
  return std::filesystem::path(__FILE__).parent_path() / "testdata";
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

template <typename E>
bool SetEnum(E& target, const std::string& value,
             std::initializer_list<std::pair<const char*, E>> names) {
  for (const auto& [n, e] : names) {
    if (value == n) {
      target = e;
      return true;
    }
  }
  return false;
}

bool SetSelection(Selections& s, const std::string& key, const std::string& v) {
  using D = Deduction;
  if (key == "standard") {
    return SetEnum(s.standard, v,
                   {{"kNone", Standard::kNone},
                    {"kResidential", Standard::kResidential},
                    {"kRoad", Standard::kRoad}});
  }
  if (key == "shape") {
    return SetEnum(s.shape, v,
                   {{"kNone", GroundShape::kNone},
                    {"kLevel", GroundShape::kLevel},
                    {"kUniformSlope", GroundShape::kUniformSlope},
                    {"kRaisedSoil", GroundShape::kRaisedSoil}});
  }
  if (key == "load_case") {
    return SetEnum(s.load_case, v,
                   {{"kNone", LoadCase::kNone},
                    {"kNormal", LoadCase::kNormal},
                    {"kSeismic", LoadCase::kSeismic}});
  }
  if (key == "seismic_method") {
    return SetEnum(s.seismic_method, v,
                   {{"kNone", SeismicMethod::kNone},
                    {"kK1", SeismicMethod::kK1},
                    {"kK2", SeismicMethod::kK2},
                    {"kD1", SeismicMethod::kD1}});
  }
  if (key == "coefficient") {
    return SetEnum(s.coefficient, v,
                   {{"kNone", CoefficientMode::kNone},
                    {"kEntered", CoefficientMode::kEntered},
                    {"kComputed", CoefficientMode::kComputed}});
  }
  if (key == "slope_surcharge") {
    return SetEnum(s.slope_surcharge, v,
                   {{"kNone", SlopeSurcharge::kNone},
                    {"kWith", SlopeSurcharge::kWith},
                    {"kWithout", SlopeSurcharge::kWithout}});
  }
  if (key == "friction") {
    return SetEnum(s.friction, v,
                   {{"kNone", FrictionMode::kNone},
                    {"kDirect", FrictionMode::kDirect},
                    {"kTanPhi", FrictionMode::kTanPhi}});
  }
  if (key == "fence") {
    return SetEnum(s.fence, v,
                   {{"kNone", FenceOption::kNone},
                    {"kWithout", FenceOption::kWithout},
                    {"kWith", FenceOption::kWith}});
  }
  if (key == "cohesion") {
    return SetEnum(s.cohesion, v,
                   {{"kNone", CohesionOption::kNone},
                    {"kConsidered", CohesionOption::kConsidered},
                    {"kNotConsidered", CohesionOption::kNotConsidered}});
  }
  if (key == "fence_load") {
    return SetEnum(s.fence_load, v,
                   {{"kNone", FenceLoadOption::kNone},
                    {"kNormal", FenceLoadOption::kNormal},
                    {"kDistributed", FenceLoadOption::kDistributed},
                    {"kConcentrated", FenceLoadOption::kConcentrated}});
  }
  if (key == "shear_key") {
    return SetEnum(s.shear_key, v,
                   {{"kNone", ShearKeyOption::kNone},
                    {"kWithout", ShearKeyOption::kWithout},
                    {"kWith", ShearKeyOption::kWith}});
  }
  if (key == "normal_overturn") {
    return SetEnum(s.normal_checks.overturn, v,
                   {{"kNone", NormalOverturn::kNone},
                    {"kF15", NormalOverturn::kF15},
                    {"kD", NormalOverturn::kD},
                    {"kE", NormalOverturn::kE},
                    {"kF15AndE", NormalOverturn::kF15AndE}});
  }
  if (key == "seismic_overturn") {
    return SetEnum(s.seismic_checks.overturn, v,
                   {{"kNone", SeismicOverturn::kNone},
                    {"kF10", SeismicOverturn::kF10},
                    {"kF12", SeismicOverturn::kF12},
                    {"kE2", SeismicOverturn::kE2},
                    {"kE3", SeismicOverturn::kE3},
                    {"kF10AndE2", SeismicOverturn::kF10AndE2},
                    {"kF12AndE3", SeismicOverturn::kF12AndE3}});
  }
  if (key == "seismic_sliding") {
    return SetEnum(s.seismic_checks.sliding, v,
                   {{"kNone", SeismicSliding::kNone},
                    {"kF10", SeismicSliding::kF10},
                    {"kF12", SeismicSliding::kF12}});
  }
  const std::initializer_list<std::pair<const char*, D>> deductions = {
      {"kNone", D::kNone}, {"kDeduct", D::kDeduct}, {"kNoDeduct", D::kNoDeduct}};
  if (key == "normal_deduction") return SetEnum(s.normal_checks.deduction, v, deductions);
  if (key == "seismic_deduction") return SetEnum(s.seismic_checks.deduction, v, deductions);
  return false;
}

bool SetText(Bench& b, const std::string& key, const std::string& v) {
  DesignCase& dc = b.dc;
  std::string* const texts[] = {&dc.SiteName, &dc.BackSoil,     &dc.BaseSoil,     &dc.SectionNo,
                                &dc.WallMark, &dc.ShearKeyFlag, &dc.FenceLoadType};
  const char* const names[] = {"SiteName", "BackSoil",     "BaseSoil",     "SectionNo",
                               "WallMark", "ShearKeyFlag", "FenceLoadType"};
  for (size_t i = 0; i < std::size(names); ++i) {
    if (key == names[i]) {
      *texts[i] = v;
      return true;
    }
  }
  // The design conditions by the names of their boxes in the window.
  ConditionInputs& f = b.inputs.conditions;
  std::string* const controls[] = {&f.site,      &f.fc,        &f.fe,    &f.gamma,
                                   &f.gamma_c,   &f.back_soil, &f.phi,   &f.delta,
                                   &f.base_soil, &f.cohesion,  &f.phi_b, &f.mu};
  const char* const control_names[] = {"txt1", "txt2", "txt3", "txt4", "txt5", "cbo1",
                                       "txt6", "txt7", "cbo2", "txt8", "txt9", "txt10"};
  for (size_t i = 0; i < std::size(control_names); ++i) {
    if (key == std::string("form2.") + control_names[i]) {
      *controls[i] = v;
      return true;
    }
  }
  return false;
}

bool SetNumber(DesignCase& dc, const std::string& key, double v) {
  auto indexed = [&](const char* prefix, auto& slots) {
    const std::string p(prefix);
    if (key.rfind(p, 0) != 0 || key.back() != ']') return false;
    const size_t i = std::stoul(key.substr(p.size()));
    if (i >= slots.size()) return false;
    slots[i] = v;
    return true;
  };
  if (indexed("Cond[", dc.Cond) || indexed("Calc[", dc.Calc)) return true;
  double* const scalars[] = {&dc.OmegaMax,  &dc.WedgeT1, &dc.WedgeT2,    &dc.WedgeT3, &dc.WedgeW,
                             &dc.PAmax,     &dc.PAXw,    &dc.PAYw,       &dc.FenceH,  &dc.FenceX,
                             &dc.FenceLoad, &dc.FenceP,  &dc.FenceLoadY, &dc.FenceW};
  const char* const names[] = {"OmegaMax",  "WedgeT1", "WedgeT2",    "WedgeT3", "WedgeW",
                               "PAmax",     "PAXw",    "PAYw",       "FenceH",  "FenceX",
                               "FenceLoad", "FenceP",  "FenceLoadY", "FenceW"};
  for (size_t i = 0; i < std::size(names); ++i) {
    if (key == names[i]) {
      *scalars[i] = v;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string LoadDesignCase(const std::string& name, Bench& bench) {
  std::ifstream in(TestdataDir() / name);
  if (!in) return "design case missing: " + name;
  int n = 0;
  for (std::string line; std::getline(in, line);) {
    ++n;
    if (line.empty() || line[0] == '#') continue;
    const size_t space = line.find(' ');
    const std::string key = line.substr(0, space);
    const std::string value = space == std::string::npos ? "" : line.substr(space + 1);
    bool ok = false;
    if (key.rfind("sel.", 0) == 0) {
      ok = SetSelection(bench.sel, key.substr(4), value);
    } else {
      ok = SetText(bench, key, value) ||
           SetNumber(bench.dc, key, std::strtod(value.c_str(), nullptr));
    }
    if (!ok) return name + " line " + std::to_string(n) + ": unknown entry " + key;
  }
  return {};
}

std::vector<std::string> TextsOf(const RecordingSurface& out) {
  std::vector<std::string> texts;
  for (const RecordedText& t : out.Texts()) texts.push_back(t.text);
  return texts;
}

std::string CompareWithExpectedDump(const std::string& name, const std::string& actual) {
  return CompareWithExpectedDumpFile(TestdataDir() / name, actual);
}

std::string CompareWithExpectedDumpFile(const std::filesystem::path& path,
                                        const std::string& actual) {
  const std::string name = path.filename().string();
  std::ifstream in(path, std::ios::binary);
  std::ostringstream expected;
  if (in) expected << in.rdbuf();
  if (in && expected.str() == actual) return {};

  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "varnholt-dumps";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  const std::string actual_path = (dir / (name + ".actual")).string();
  std::ofstream(actual_path, std::ios::binary) << actual;
  if (!in)
    return "expected dump missing: " + path.string() + " (actual written to " + actual_path + ")";
  const auto want = SplitLines(expected.str());
  const auto got = SplitLines(actual);
  for (size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    const std::string w = i < want.size() ? want[i] : "<end>";
    const std::string g = i < got.size() ? got[i] : "<end>";
    if (w != g) {
      return name + " line " + std::to_string(i + 1) + "\n  expected: " + w + "\n  actual:   " + g +
             "\n(actual written to " + actual_path + ")";
    }
  }
  return name + ": line ends differ";
}

}  // namespace varnholt::report::testing
