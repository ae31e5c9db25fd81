#pragma once
// Helpers for the project tests: temporary folders, whole files, and a
// project file built line by line from the documented layout (independent
// of the writer).

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace varnholt::project::testing {

/// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("varnholt-test-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

/// The example projects (*.vrh of examples/), sorted by name.
inline std::vector<std::filesystem::path> ExampleProjects() {
  const auto dir =
      std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples";
  std::vector<std::filesystem::path> out;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    if (e.path().extension() == ".vrh") out.push_back(e.path());
  }
  std::sort(out.begin(), out.end());
  return out;
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

#ifdef VARNHOLT_CLI
/// What a run of the command-line tool gave.
struct CliRun {
  int status;
  std::string out;
  std::string err;
};

/// Runs varnholt-cli with `args` (as a shell would split them) and collects
/// its exit status and both outputs; `env` (assignments, or a "cd …;" as
/// well) goes in front of it, and `out` redirects its standard output
/// elsewhere (">&-" closes it).
inline CliRun Cli(const std::string& args, const std::string& env = "",
                  const std::string& out = "") {
  TempDir dir;
  const std::string cmd = env + " " + VARNHOLT_CLI + " " + args + " " +
                          (out.empty() ? ">" + dir.File("out") : out) + " 2>" + dir.File("err");
  const int raw = std::system(("(" + cmd + ")").c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(dir.File("out")),
          ReadAll(dir.File("err"))};
}
#endif

/// Joins lines with CR LF after every line.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\r\n";
  return s;
}

/// A raised-soil design under the road standard, typed line by line from
/// the layout tables (UTF-8; all its characters are ASCII or encode in code
/// page 932). With `fence`, fence 有り and the eight fence lines.
inline std::vector<std::string> RaisedRoadLines(bool fence) {
  std::vector<std::string> l = {
      // A: ShearKeyFlag, FenceLoadType
      "0", fence ? "2" : "",
      // B: Form2
      "False", "True", "横浜市", "18", "200", "18", "23", "砂質土", "30", "20", "砂質土", "0", "30",
      "0.5", "False", "False", "True", "True", "False", "False", "True", "True", "False",
      fence ? "False" : "True", fence ? "True" : "False",
      // C: Form16
      "2", "W-1", "4", "1", "0.5", "2", "4", "1", "10", "20", "1", "False", "True", "True", "False",
      // D: Form20
      "False", "False", "False", "", "", "False", "False", "False",
      // E: Form11 captions lbl5 .. lbl24 without lbl18
      "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
      // F: Form12
      "True", "False", "False", "False", "False", "False",
      // G: Form14
      "False", "False", "False", "False", "False", "False", "False", "False", "False", "False",
      // H: Form19
      "", "", "", " 0 "};
  if (fence) {
    // I: Form17 (concentrated load)
    for (const char* v : {"False", "False", "True", "1.2", "0.3", "5", "1.0", "0.5"}) {
      l.push_back(v);
    }
  }
  return l;
}

}  // namespace varnholt::project::testing
