// libFuzzer target: any bytes given to the project reader are either
// refused with a line and a reason, or parsed into a project that the
// writer's layout accepts and that applies to the windows without harm.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/vrh_reader.h"
#include "ui/forms/app.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const varnholt::project::ParseResult parsed = varnholt::project::ParseProject(bytes);
  if (!parsed.ok) {
    if (parsed.error.reason.empty()) __builtin_trap();
    return 0;
  }
  const std::size_t n = parsed.project.entries.size();
  if (n != varnholt::project::kLinesWithoutFence && n != varnholt::project::kLinesWithFence &&
      n != varnholt::project::kLinesWithoutFence - 15 &&
      n != varnholt::project::kLinesWithFence - 15 &&
      n != varnholt::project::kLinesWithoutFence - 4 &&
      n != varnholt::project::kLinesWithFence - 4 &&
      n != varnholt::project::kLinesWithoutFence - 19 &&
      n != varnholt::project::kLinesWithFence - 19) {
    __builtin_trap();
  }
  // A parsed project opens in a fresh program: restored, recalculated and
  // shown, as the Open command does.
  varnholt::project::BatchPlatform platform;
  varnholt::forms::App app(platform);
  varnholt::project::OpenProjectBytes(app, "fuzz.vrh", bytes);
  return 0;
}
