#pragma once
// An example project opened and calculated as the desktop program's Open
// does it, for the benchmarks.

#include <filesystem>
#include <string>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "ui/forms/app.h"

namespace varnholt::bench {

// The build names the examples' folder: with ccache's base directory
// __FILE__ is relative to the build folder, not to where a benchmark runs.
inline std::string Example(const char* name) {
#ifdef VARNHOLT_EXAMPLES_DIR
  return (std::filesystem::path(VARNHOLT_EXAMPLES_DIR) / name).string();
#else
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "examples" / name).string();
#endif
}

struct Opened {
  explicit Opened(const char* name) : app(platform) {
    ok = project::OpenProjectFile(app, Example(name)).outcome == project::OpenOutcome::kCalculated;
  }
  project::BatchPlatform platform;
  forms::App app;
  bool ok = false;
};

}  // namespace varnholt::bench
