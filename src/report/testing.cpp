#include "report/testing.h"

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

}  // namespace

std::vector<std::string> TextsOf(const RecordingSurface& out) {
  std::vector<std::string> texts;
  for (const RecordedText& t : out.Texts()) texts.push_back(t.text);
  return texts;
}

std::string CompareWithExpectedDump(const std::string& name, const std::string& actual) {
  const std::filesystem::path path = TestdataDir() / name;
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
