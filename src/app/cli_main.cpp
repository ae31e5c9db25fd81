// varnholt-cli: opens a project file and shows its stability verdicts
// without a display, through the same Open as the desktop program.
//
// Exit status: 0 every shown verdict is O.K, 1 any verdict is NG, 2 the file
// cannot be read, the calculation has no result, or the command line is wrong.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/results_summary.h"
#include "ui/forms/app.h"

namespace {

constexpr int kAllOk = 0;
constexpr int kSomeNg = 1;
constexpr int kNoResult = 2;

constexpr const char* kUsage =
    "使い方: varnholt-cli calc [--json] FILE.vrh\n"
    "        varnholt-cli --help | --version\n"
    "\n"
    "calc    プロジェクトファイルを開いて安定性の検討をやり直し、結果（転倒・支持力・\n"
    "        滑動の判定）を表示します。デスクトップ版の「開く」と同じ処理です。\n"
    "--json  結果を JSON で出力します（valid, error, Cond, Calc, wedge, fence, flags,\n"
    "        labels）。\n"
    "\n"
    "終了コード: 0 すべて O.K、1 NG あり、2 読み込めない・計算できない・引数の誤り\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "varnholt-cli: %s\n", message.c_str());
  std::fprintf(stderr, "varnholt-cli --help で使い方を表示します。\n");
  return kNoResult;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return UsageError("コマンドがありません。");
  if (args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args[0] == "--version") {
    std::printf("varnholt-cli %s\n", VARNHOLT_VERSION);
    return 0;
  }
  if (args[0] != "calc") {
    return UsageError("不明なコマンドまたはオプションです: " + std::string(args[0]));
  }

  bool json = false;
  std::string path;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return UsageError("不明なオプションです: " + std::string(args[i]));
    } else if (path.empty()) {
      path = args[i];
    } else {
      return UsageError("ファイルは一つだけ指定してください。");
    }
  }
  if (path.empty()) return UsageError("プロジェクトファイル（.vrh）を指定してください。");

  varnholt::project::BatchPlatform platform;
  platform.open_path = path;
  varnholt::forms::App app(platform);
  const varnholt::project::OpenResult opened = varnholt::project::FileOpen(app);
  const bool valid = opened.outcome == varnholt::project::OpenOutcome::kCalculated;

  // Every message box the Open showed goes to standard error.
  for (const std::string& m : platform.messages) std::fprintf(stderr, "%s\n", m.c_str());
  std::string error = opened.message;
  if (!valid && error.empty() && !platform.messages.empty()) error = platform.messages.back();

  if (json) {
    std::printf("%s\n", varnholt::project::ResultsJson(app, valid, valid ? "" : error).c_str());
  } else if (valid) {
    std::fputs(varnholt::project::ResultsSummaryText(app).c_str(), stdout);
  }
  if (!valid) return kNoResult;
  return varnholt::project::CountShownVerdicts(app).ng > 0 ? kSomeNg : kAllOk;
}
