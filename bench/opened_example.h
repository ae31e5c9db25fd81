#pragma once
// An example project opened and calculated as the desktop program's Open
// does it, for the benchmarks.

#include <filesystem>
#include <string>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "ui/forms/app.h"

namespace varnholt::bench {

inline std::string Example(const char* name) {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "examples" / name).string();
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
