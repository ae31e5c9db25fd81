// varnholt-cli: opens a project file and shows its stability verdicts
// without a display, through the same Open as the desktop program; sizes
// its section (size). The commands that draw (report, section, table, book) are
// made by varnholt-cli-draw, which this program runs in its place: it needs
// Qt Gui, which a calculation should not wait for.
//
// Exit status of calc: 0 every shown verdict and the body check are O.K, 1
// any verdict or a section of the body is NG, 2 the file cannot be read, the
// calculation has no result, the output cannot be written, or the command
// line is wrong. Of report and section: 0 written, 2 otherwise. Of size and
// table: see project/sizing_commands.h. Nothing but the named output is
// written: no folder, no file.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/common.h"
#include "project/batch_platform.h"
#include "project/both_cases_output.h"
#include "project/cases_option.h"
#include "project/checked_stdout.h"
#include "project/command_line.h"
#include "project/results_summary.h"
#include "project/sizing_commands.h"
#include "ui/forms/app.h"

namespace {

using varnholt::cli::Error;
using varnholt::cli::Finish;
using varnholt::cli::kAllOk;
using varnholt::cli::kNoResult;
using varnholt::cli::kSomeNg;
using varnholt::cli::OpenAndCalculate;
using varnholt::cli::UsageError;
using varnholt::project::CheckedStdout;

constexpr const char* kUsage =
    "使い方: varnholt-cli calc [--json] [--cases current|both] [--] FILE.vrh\n"
    "        varnholt-cli report FILE.vrh -o OUT.pdf [--range general|stability|all]\n"
    "                            [--first-page N] [--no-body] [--cases current|both] [--]\n"
    "        varnholt-cli report FILE.vrh --dump [--range ...] [--first-page N]\n"
    "        varnholt-cli section FILE.vrh -o OUT.dxf|OUT.svg|OUT.png|OUT.pdf [--forces]\n"
    "                            [--unit mm|m] [--size WxH] [--]\n"
    "        varnholt-cli size FILE.vrh [--cases current|both] [--vary B,b,front] [--step S]\n"
    "                          [--min-B X --max-B Y --step-B S ...] [--json] [-o SIZED.vrh] [--]\n"
    "        varnholt-cli table FILE.vrh --heights FROM:TO:STEP [size のオプション]\n"
    "                          [--csv OUT.csv] [--xlsx OUT.xlsx] [-o OUT.pdf]\n"
    "                          [--first-page N] [--json] [--]\n"
    "        varnholt-cli book BOOK.vrhbook -o OUT.pdf [--xlsx OUT.xlsx] [--csv OUT.csv] [--]\n"
    "        varnholt-cli book FILE.vrh ... [--title T] -o OUT.pdf [--xlsx ...] [--csv ...]\n"
    "        varnholt-cli --help | -h | --version、varnholt-cli COMMAND --help\n"
    "\n"
    "calc    プロジェクトファイルを開いて安定性の検討をやり直し、結果（転倒・支持力・\n"
    "        滑動の判定と躯体の応力度照査）を表示します。デスクトップ版の「開く」と\n"
    "        同じ処理です。\n"
    "        土質定数が通常の範囲の外にあるときは、注意を標準エラーに出力します。\n"
    "--json  結果を JSON で出力します（valid, error, Cond, Calc, wedge, fence, flags,\n"
    "        labels, verdicts, warnings, body）。\n"
    "--cases current（ファイルの荷重状態、既定）または both（常時と地震時を両方計算して\n"
    "        順に表示。JSON は {\"normal\": …, \"seismic\": …}。終了コードは計算できた\n"
    "        ケースに NG があれば 1、どちらも計算できなければ 2）。\n"
    "\n"
    "report  プロジェクトファイルを開いて計算し、計算書を印刷と同じ内容で PDF に\n"
    "        出力します（A4 縦）。\n"
    "-o OUT.pdf      出力する PDF ファイル（.vrh ファイルには出力しません）。\n"
    "--range         general（一般事項）、stability（安定計算）、all（すべて、既定）。\n"
    "--first-page N  ページ番号を N（1～9999）から付けます（既定はページ番号なし）。\n"
    "--no-body       躯体の応力度照査のページを出力しません（既定は出力する）。\n"
    "--cases both    常時と地震時の両ケースを出力します（一般事項は一度、各ケースの\n"
    "                安定計算、最後に総括表）。current（既定）は保存されたケースだけ。\n"
    "--dump          PDF の代わりに、描画内容を 1 行 1 要素のテキストで標準出力へ\n"
    "                書き出します。\n"
    "--              以降の引数はオプションではなくファイル名です（- で始まる名前）。\n"
    "\n"
    "section 断面図を出力します。形式は拡張子で決まります: .dxf（CAD 用、AutoCAD R12、\n"
    "        シフトJIS）、.svg、.png、.pdf（A4 1 ページ、印刷と同じ）。\n"
    "--forces        計算結果（自重、土圧、合力、地盤反力）を描き加えます。計算できない\n"
    "                ファイルでは出力しません。\n"
    "--unit          DXF の 1 単位: mm（既定）または m。\n"
    "--size WxH      PNG と SVG の大きさ（ピクセル、既定 1600x1200）。\n"
    "\n"
    "size    断面の自動決定: すべての判定（転倒・支持力・滑動と躯体の応力度照査）が\n"
    "        O.K となる断面積最小の断面を求め、その余裕度と次の候補を表示します。\n"
    "--vary          変化させる寸法: B（底版幅、既定）、b（天端幅）、front（前面勾配 1:n の n）。\n"
    "--min-B, --max-B, --step-B  B の範囲と刻み（既定 0.30～6.00 m、0.01 m）。b は\n"
    "                --min-b など（既定 0.30～1.00 m）、front は --min-front など（既定 "
    "0～1.00）。\n"
    "--step S        すべての寸法の刻み（既定 0.01）。候補は 1,000,000 通りまで。\n"
    "--cases         current（ファイルの荷重状態、既定）または both（常時と地震時のすべての\n"
    "                判定。宅地造成の地震時は検討方法 ① と ② の両方）。table も同じ。\n"
    "-o SIZED.vrh    決定した断面を寸法・荷重の画面に入力して計算し、保存します（読み込んだ\n"
    "                ファイルとは別の .vrh ファイル）。\n"
    "\n"
    "table   標準断面表: 高さ h を FROM から TO まで STEP ごとに変え（根入れ深さと天端の\n"
    "        高さはそのまま、前面の出は前面勾配に合わせる）、各高さの断面を決めます。\n"
    "--csv, --xlsx   表を CSV（UTF-8）、Excel 形式で書き出します。\n"
    "-o OUT.pdf      表を A4 の PDF に書き出します（--first-page N で最初のページ番号）。\n"
    "                表の出力先に .vrh ファイルは指定できません。\n"
    "\n"
    "book    計算書一式: 計算書一式ファイル（.vrhbook）の壁、または並べた .vrh ファイルを\n"
    "        それぞれ計算し、表紙・目次・総括表と各壁の計算書を一つの PDF に出力します。\n"
    "--xlsx OUT.xlsx 総括表（と壁ごとのシート）を Excel ファイルにも出力します。\n"
    "--csv OUT.csv   総括表を CSV（UTF-8、BOM 付き）にも出力します。\n"
    "--title T       並べた .vrh から作るときの工事名。\n"
    "--dump          PDF の代わりに描画内容を標準出力へ書き出します。\n"
    "\n"
    "終了コード: calc  0 すべて O.K、1 NG あり、2 読み込めない・計算できない・\n"
    "                  出力できない・引数の誤り\n"
    "            report 0 出力した、2 出力できない・読み込めない・計算できない・引数の誤り\n"
    "            section 0 出力した、2 出力できない・読み込めない・断面を描けない・引数の誤り\n"
    "            size  0 断面が決まった、1 範囲内に O.K の断面がない、2 読み込めない・\n"
    "                  計算できない・引数や範囲の誤り・書き出せない\n"
    "            table 0 すべての高さで断面が決まった、1 決まらない高さがある、2 size と同じ\n"
    "            book  0 すべて O.K、1 NG または計算できない壁あり、2 読み込めない・\n"
    "                  出力できない・引数の誤り（このときは何も出力しません）\n";

// calc [--json] [--cases current|both] [--] FILE.vrh
int CalcCommand(const std::vector<std::string_view>& args, CheckedStdout& out) {
  bool json = false;
  varnholt::project::CasesOption cases = varnholt::project::CasesOption::kCurrent;
  std::string path;
  varnholt::project::ArgumentReader r(args);
  while (r.Next()) {
    std::string wrong;
    if (r.Is("--json")) {
      json = true;
    } else if (r.Is("--cases")) {
      wrong = r.TakeCases(&cases);
    } else {
      wrong = r.TakeFile(&path);
    }
    if (!wrong.empty()) return UsageError(wrong);
  }
  if (path.empty()) return UsageError("プロジェクトファイル（.vrh）を指定してください。");
  if (cases == varnholt::project::CasesOption::kBoth) {
    const varnholt::project::BothCasesRun run = varnholt::project::CalcBothCases(path, json);
    out.Write(run.out);
    std::fputs(run.err.c_str(), stderr);
    return Finish(out, run.status);
  }

  varnholt::project::BatchPlatform platform;
  varnholt::forms::App app(platform);
  std::string error;
  const bool valid = OpenAndCalculate(platform, app, path, error);
  if (json) {
    out.Write(varnholt::project::ResultsJson(app, valid, valid ? "" : error) + "\n");
  } else if (valid) {
    out.Write(varnholt::project::ResultsSummaryText(app));
    for (const varnholt::PlausibilityWarning& w : app.results().warnings())
      Error("注意: " + w.text);
  }
  if (!valid) return Finish(out, kNoResult);
  return Finish(out, varnholt::project::AllVerdictsOk(app) ? kAllOk : kSomeNg);
}

// The drawing program: beside this one in the build, in lib/varnholt of the
// installation.
std::vector<std::filesystem::path> DrawProgramPlaces() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  const std::filesystem::path dir = self.parent_path();
  return {dir / "varnholt-cli-draw", dir.parent_path() / "lib" / "varnholt" / "varnholt-cli-draw"};
}

// Runs varnholt-cli-draw with the same arguments in place of this process;
// returns only when it cannot be run.
int RunDrawProgram(char** argv) {
  const std::vector<std::filesystem::path> places = DrawProgramPlaces();
  int error = ENOENT;
  for (const std::filesystem::path& p : places) {
    std::string program = p.string();
    argv[0] = program.data();
    ::execv(program.c_str(), argv);
    if (errno != ENOENT) error = errno;
  }
  Error("varnholt-cli: 図を描く部品 varnholt-cli-draw を起動できません（" +
        std::string(places.empty() ? "" : places.back().string()) + "）: " + std::strerror(error) +
        "。インストールを確認してください。");
  return kNoResult;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return UsageError("コマンドがありません。");
  // "varnholt-cli report --help" asks for the same usage as "--help" alone.
  const auto is_help = [](std::string_view a) { return a == "--help" || a == "-h"; };
  const bool command = args[0] == "calc" || args[0] == "report" || args[0] == "section" ||
                       args[0] == "size" || args[0] == "table" || args[0] == "book";
  const bool help = is_help(args[0]) || (command && args.size() == 2 && is_help(args[1]));
  // Before anything touches the standard descriptors: the drawing program
  // must see them as they were given.
  if (!help &&
      (args[0] == "report" || args[0] == "section" || args[0] == "table" || args[0] == "book")) {
    return RunDrawProgram(argv);
  }
  CheckedStdout out;
  if (help) {
    out.Write(kUsage);
    return Finish(out, 0);
  }
  if (args[0] == "--version") {
    out.Write(std::string("varnholt-cli ") + VARNHOLT_VERSION + "\n");
    return Finish(out, 0);
  }
  if (args[0] == "calc") return CalcCommand(args, out);
  if (args[0] == "size") return Finish(out, varnholt::project::SizeCommand(args));
  return UsageError("不明なコマンドまたはオプションです: " + std::string(args[0]));
}
