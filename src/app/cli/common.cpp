#include "app/cli/common.h"

#include <cstdio>

#include "project/file_commands.h"

namespace varnholt::cli {

void Error(const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); }

int UsageError(const std::string& message) {
  Error("varnholt-cli: " + message);
  Error("varnholt-cli --help で使い方を表示します。");
  return kNoResult;
}

int Finish(project::CheckedStdout& out, int status) {
  const std::string failed = out.Finish();
  if (failed.empty()) return status;
  Error("varnholt-cli: 標準出力に書き込めませんでした。" + failed);
  return kNoResult;
}

int Finish(project::CheckedStdout& out, const project::CommandResult& r) {
  out.Write(r.out);
  std::fputs(r.err.c_str(), stderr);
  return Finish(out, r.status);
}

bool OpenAndCalculate(project::BatchPlatform& platform, forms::App& app, const std::string& path,
                      std::string& error) {
  const project::OpenResult opened = project::OpenProjectFile(app, path);
  for (const std::string& m : platform.messages) Error(m);
  error = opened.message;
  if (error.empty() && !platform.messages.empty()) error = platform.messages.back();
  return opened.outcome == project::OpenOutcome::kCalculated;
}

}  // namespace varnholt::cli
