// varnholt-cli: opens a project file and shows its stability verdicts
// without a display, through the same Open as the desktop program; or
// writes its calculation report as a PDF, as the print command prints it;
// sizes its section or makes a standard-section table (size, table).
//
// Exit status of calc: 0 every shown verdict and the body check are O.K, 1
// any verdict or a section of the body is NG, 2 the file cannot be read, the
// calculation has no result, the output cannot be written, or the command
// line is wrong. Of report: 0 written, 2 otherwise. Of size and table: see
// project/sizing_commands.h. Nothing but the named output is written: no
// folder, no file.

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/book_command.h"
#include "project/batch_platform.h"
#include "project/checked_stdout.h"
#include "project/file_commands.h"
#include "project/report_output.h"
#include "project/results_summary.h"
#include "project/section_dxf.h"
#include "project/sizing_commands.h"
#include "report/qt/pdf_document.h"
#include "report/qt/report_font.h"
#include "section/qt/section_painter.h"
#include "ui/forms/app.h"
#include "ui/forms/preview.h"
#include "ui/forms/section_source.h"

namespace {

using varnholt::project::CheckedStdout;

constexpr int kAllOk = 0;
constexpr int kSomeNg = 1;
constexpr int kNoResult = 2;

constexpr const char* kUsage =
    "使い方: varnholt-cli calc [--json] [--] FILE.vrh\n"
    "        varnholt-cli report FILE.vrh -o OUT.pdf [--range general|stability|all]\n"
    "                            [--first-page N] [--no-body] [--]\n"
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
    "        varnholt-cli --help | --version\n"
    "\n"
    "calc    プロジェクトファイルを開いて安定性の検討をやり直し、結果（転倒・支持力・\n"
    "        滑動の判定と躯体の応力度照査）を表示します。デスクトップ版の「開く」と\n"
    "        同じ処理です。\n"
    "        土質定数が通常の範囲の外にあるときは、注意を標準エラーに出力します。\n"
    "--json  結果を JSON で出力します（valid, error, Cond, Calc, wedge, fence, flags,\n"
    "        labels, verdicts, warnings, body）。\n"
    "\n"
    "report  プロジェクトファイルを開いて計算し、計算書を印刷と同じ内容で PDF に\n"
    "        出力します（A4 縦）。\n"
    "-o OUT.pdf      出力する PDF ファイル（.vrh ファイルには出力しません）。\n"
    "--range         general（一般事項）、stability（安定計算）、all（すべて、既定）。\n"
    "--first-page N  ページ番号を N（1～9999）から付けます（既定はページ番号なし）。\n"
    "--no-body       躯体の応力度照査のページを出力しません（既定は出力する）。\n"
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
    "--cases         current（現在の荷重状態、既定）。both はまだ使えません。\n"
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

void Error(const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); }

int UsageError(const std::string& message) {
  Error("varnholt-cli: " + message);
  Error("varnholt-cli --help で使い方を表示します。");
  return kNoResult;
}

// An argument that is neither an option (while options are read) nor a
// second file is the project file; otherwise the exit status of the usage
// error.
std::optional<int> TakeFileArgument(std::string_view arg, bool options, std::string& path) {
  if (options && arg.size() > 1 && arg[0] == '-')
    return UsageError("不明なオプションです: " + std::string(arg));
  if (!path.empty()) return UsageError("ファイルは一つだけ指定してください。");
  path = arg;
  return std::nullopt;
}

// Writes what the command printed; a failure turns any status into 2.
int Finish(CheckedStdout& out, int status) {
  const std::string failed = out.Finish();
  if (failed.empty()) return status;
  Error("varnholt-cli: 標準出力に書き込めませんでした。" + failed);
  return kNoResult;
}

// Writes what a size or table command printed; a failure of standard
// output turns its status into 2.
int Finish(CheckedStdout& out, const varnholt::project::CommandResult& r) {
  out.Write(r.out);
  std::fputs(r.err.c_str(), stderr);
  return Finish(out, r.status);
}

// Opens and recalculates a project as the desktop program's Open does after
// its dialog; the messages it showed go to standard error. False when there
// is no result, with the reason in `error`.
bool OpenAndCalculate(varnholt::project::BatchPlatform& platform, varnholt::forms::App& app,
                      const std::string& path, std::string& error) {
  const varnholt::project::OpenResult opened = varnholt::project::OpenProjectFile(app, path);
  for (const std::string& m : platform.messages) Error(m);
  error = opened.message;
  if (error.empty() && !platform.messages.empty()) error = platform.messages.back();
  return opened.outcome == varnholt::project::OpenOutcome::kCalculated;
}

std::optional<varnholt::report::PrintRange> RangeOf(std::string_view name) {
  using varnholt::report::PrintRange;
  if (name == "general") return PrintRange::kGeneral;
  if (name == "stability") return PrintRange::kStability;
  if (name == "all") return PrintRange::kAll;
  return std::nullopt;
}

// Fonts and the PDF writer need a GUI application, never a screen: the
// offscreen platform is used whatever QT_QPA_PLATFORM says, so a desktop
// setting (xcb, wayland) without a display cannot stop the tool. Qt's own
// notes are not the user's business; the tool reports its own failures.
void UseOffscreenPlatform() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qunsetenv("QT_QPA_PLATFORMTHEME");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) Error(message.toStdString());
  });
}

// Draws pages into a PDF on the report's A4 page and writes it through the
// atomic writer. Empty on success, otherwise the message.
std::string WritePdf(const std::string& path,
                     const std::function<void(varnholt::report::ReportSurface&)>& draw) {
  UseOffscreenPlatform();
  int qt_argc = 1;
  char program[] = "varnholt-cli";
  char* qt_argv[] = {program, nullptr};
  const QGuiApplication gui(qt_argc, qt_argv);
  const auto font = varnholt::report::qt::FindReportFont();
  if (!font) return varnholt::report::qt::kMsgNoReportFont;
  varnholt::report::qt::PdfDocument pdf(*font);
  draw(pdf.surface());
  if (!pdf.finished()) return varnholt::report::qt::PdfNotMadeMessage(path);
  const QByteArray& bytes = pdf.bytes();
  return varnholt::project::SaveReportFile(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// report FILE.vrh -o OUT.pdf | --dump [--range R] [--first-page N] [--]
int ReportCommand(const std::vector<std::string_view>& args, CheckedStdout& out) {
  varnholt::report::PrintJob job;  // every page, no page numbers
  std::string path;
  std::string output;
  bool dump = false;
  bool options = true;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view a = args[i];
    const bool has_value = i + 1 < args.size();
    if (options && a == "--") {
      options = false;
    } else if (options && (a == "-o" || a == "--output")) {
      if (!has_value) return UsageError("-o の後に出力ファイルを指定してください。");
      output = args[++i];
    } else if (options && a == "--range") {
      if (!has_value)
        return UsageError("--range の後に general、stability、all のいずれかを指定してください。");
      const auto range = RangeOf(args[++i]);
      if (!range)
        return UsageError("--range は general、stability、all のいずれかです: " +
                          std::string(args[i]));
      job.range = *range;
    } else if (options && a == "--first-page") {
      if (!has_value) return UsageError("--first-page の後に最初のページ番号を指定してください。");
      const auto first = varnholt::project::FirstPageNumber(args[++i]);
      if (!first) {
        return UsageError("最初のページ番号は 1 から 9999 までの整数で指定してください: " +
                          std::string(args[i]));
      }
      job.page_numbers = true;
      job.first_page_no = *first;
    } else if (options && a == "--dump") {
      dump = true;
    } else if (options && a == "--no-body") {
      job.body_stress = false;
    } else if (const auto wrong = TakeFileArgument(a, options, path)) {
      return *wrong;
    }
  }
  if (path.empty()) return UsageError("プロジェクトファイル（.vrh）を指定してください。");
  if (dump && !output.empty()) return UsageError("--dump と -o は同時に指定できません。");
  if (!dump && output.empty()) return UsageError("-o で出力する PDF ファイルを指定してください。");
  if (!dump) {
    const std::string problem = varnholt::project::ReportTargetProblem(output, path);
    if (!problem.empty()) {
      Error(problem);
      return kNoResult;
    }
  }

  varnholt::project::BatchPlatform platform;
  varnholt::forms::App app(platform);
  std::string error;
  if (!OpenAndCalculate(platform, app, path, error)) {
    if (platform.messages.empty() && !error.empty()) Error(error);
    return kNoResult;
  }
  // A file makes no sound: failing lines are in the NG colour.
  varnholt::report::SilentBeeper silent;
  if (dump) {
    varnholt::report::RecordingSurface recording;
    varnholt::forms::WriteReport(app, recording, job, silent);
    out.Write(recording.Dump());
    return Finish(out, 0);
  }

  const std::string failed = WritePdf(output, [&](varnholt::report::ReportSurface& s) {
    varnholt::forms::WriteReport(app, s, job, silent);
  });
  if (!failed.empty()) {
    Error(failed);
    return kNoResult;
  }
  return 0;
}

// calc [--json] [--] FILE.vrh
int CalcCommand(const std::vector<std::string_view>& args, CheckedStdout& out) {
  bool json = false;
  bool options = true;
  std::string path;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (options && a == "--") {
      options = false;
    } else if (options && a == "--json") {
      json = true;
    } else if (const auto wrong = TakeFileArgument(a, options, path)) {
      return *wrong;
    }
  }
  if (path.empty()) return UsageError("プロジェクトファイル（.vrh）を指定してください。");

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

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// section FILE.vrh -o OUT.dxf|svg|png|pdf [--forces] [--unit mm|m] [--size WxH]
int SectionCommand(const std::vector<std::string_view>& args) {
  std::string path, output;
  bool forces = false;
  auto unit = varnholt::project::DxfUnit::kMillimetre;
  int width = 1600, height = 1200;
  bool options = true;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view a = args[i];
    const bool has_value = i + 1 < args.size();
    if (options && a == "--") {
      options = false;
    } else if (options && (a == "-o" || a == "--output")) {
      if (!has_value) return UsageError("-o の後に出力ファイルを指定してください。");
      output = args[++i];
    } else if (options && a == "--forces") {
      forces = true;
    } else if (options && a == "--unit") {
      const std::string_view u = has_value ? args[++i] : std::string_view();
      if (u == "mm") {
        unit = varnholt::project::DxfUnit::kMillimetre;
      } else if (u == "m") {
        unit = varnholt::project::DxfUnit::kMetre;
      } else {
        return UsageError("--unit は mm または m です。");
      }
    } else if (options && a == "--size") {
      const std::string v = has_value ? std::string(args[++i]) : std::string();
      int w = 0, h = 0;
      char rest = 0;
      if (std::sscanf(v.c_str(), "%dx%d%c", &w, &h, &rest) != 2 || w < 16 || h < 16 || w > 20000 ||
          h > 20000) {
        return UsageError("--size は 幅x高さ（16〜20000 ピクセル）で指定してください: " + v);
      }
      width = w;
      height = h;
    } else if (const auto wrong = TakeFileArgument(a, options, path)) {
      return *wrong;
    }
  }
  if (path.empty()) return UsageError("プロジェクトファイル（.vrh）を指定してください。");
  if (output.empty())
    return UsageError("-o で出力するファイル（.dxf、.svg、.png、.pdf）を指定してください。");
  const std::string lower = Lower(output);
  const auto ends = [&lower](std::string_view ext) { return lower.ends_with(ext); };
  if (!ends(".dxf") && !ends(".svg") && !ends(".png") && !ends(".pdf")) {
    return UsageError("出力ファイルの拡張子は .dxf、.svg、.png、.pdf のいずれかです: " + output);
  }
  const std::string problem = varnholt::project::ReportTargetProblem(output, path);
  if (!problem.empty()) {
    Error(problem);
    return kNoResult;
  }

  varnholt::project::BatchPlatform platform;
  varnholt::forms::App app(platform);
  const varnholt::project::OpenResult opened = varnholt::project::OpenProjectFile(app, path);
  if (opened.outcome == varnholt::project::OpenOutcome::kUnreadable ||
      opened.outcome == varnholt::project::OpenOutcome::kCancelled) {
    for (const std::string& m : platform.messages) std::fprintf(stderr, "%s\n", m.c_str());
    if (platform.messages.empty() && !opened.message.empty()) {
      std::fprintf(stderr, "%s\n", opened.message.c_str());
    }
    return kNoResult;
  }
  const bool calculated = opened.outcome == varnholt::project::OpenOutcome::kCalculated;
  if (forces && !calculated) {
    for (const std::string& m : platform.messages) std::fprintf(stderr, "%s\n", m.c_str());
    std::fprintf(stderr, "計算結果がないため、力を描けません。\n");
    return kNoResult;
  }
  const varnholt::section::SectionDrawing drawing =
      varnholt::section::BuildSection(varnholt::forms::ReadSectionInputs(app),
                                      forces ? varnholt::forms::SectionResults(app) : nullptr);
  if (!drawing.drawable || !drawing.problems.empty()) {
    for (const auto& p : drawing.problems) std::fprintf(stderr, "%s\n", p.reason.c_str());
    std::fprintf(stderr, "断面図を描けません。\n");
    return kNoResult;
  }

  UseOffscreenPlatform();
  int qt_argc = 1;
  char program[] = "varnholt-cli";
  char* qt_argv[] = {program, nullptr};
  const QGuiApplication gui(qt_argc, qt_argv);
  QByteArray bytes;
  if (ends(".dxf")) {
    const std::string dxf = varnholt::project::SectionDxf(drawing, unit);
    bytes = QByteArray(dxf.data(), static_cast<qsizetype>(dxf.size()));
  } else {
    const auto font = varnholt::report::qt::FindReportFont();
    if (ends(".pdf")) {
      if (!font) {
        std::fprintf(stderr, "%s\n", varnholt::report::qt::kMsgNoReportFont);
        return kNoResult;
      }
      bytes = varnholt::section::qt::RenderPdfPage(drawing, *font);
    } else {
      const QString family = font ? font->family : QGuiApplication::font().family();
      const QSize size(width, height);
      if (ends(".svg")) {
        bytes = varnholt::section::qt::RenderSvg(drawing, size, family);
      } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!varnholt::section::qt::RenderImage(drawing, size, family).save(&buffer, "PNG")) {
          bytes.clear();
        }
      }
    }
  }
  if (bytes.isEmpty()) {
    std::fprintf(stderr, "断面図「%s」を作成できませんでした。\n", output.c_str());
    return kNoResult;
  }
  const std::string failed = varnholt::project::SaveReportFile(
      output, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!failed.empty()) {
    Error(failed);
    return kNoResult;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CheckedStdout out;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return UsageError("コマンドがありません。");
  if (args[0] == "--help" || args[0] == "-h") {
    out.Write(kUsage);
    return Finish(out, 0);
  }
  if (args[0] == "--version") {
    out.Write(std::string("varnholt-cli ") + VARNHOLT_VERSION + "\n");
    return Finish(out, 0);
  }
  if (args[0] == "report") return ReportCommand(args, out);
  if (args[0] == "section") return SectionCommand(args);
  if (args[0] == "calc") return CalcCommand(args, out);
  if (args[0] == "size") return Finish(out, varnholt::project::SizeCommand(args));
  if (args[0] == "table") return Finish(out, varnholt::project::TableCommand(args, WritePdf));
  if (args[0] == "book") {
    return Finish(out, varnholt::book::BookCommand(args, WritePdf,
                                                   std::string("Varnholt ") + VARNHOLT_VERSION));
  }
  return UsageError("不明なコマンドまたはオプションです: " + std::string(args[0]));
}
