// varnholt-cli: opens a project file and shows its stability verdicts
// without a display, through the same Open as the desktop program; or
// writes its calculation report as a PDF, as the print command prints it.
//
// Exit status of calc: 0 every shown verdict and the body check are O.K, 1
// any verdict or a section of the body is NG, 2
// the file cannot be read, the calculation has no result, or the command
// line is wrong. Of report: 0 written, 2 otherwise.

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/batch_platform.h"
#include "project/file_commands.h"
#include "project/file_io.h"
#include "project/results_summary.h"
#include "project/section_dxf.h"
#include "report/qt/pdf_document.h"
#include "report/qt/report_font.h"
#include "section/qt/section_painter.h"
#include "ui/forms/app.h"
#include "ui/forms/preview.h"
#include "ui/forms/section_source.h"

namespace {

constexpr int kAllOk = 0;
constexpr int kSomeNg = 1;
constexpr int kNoResult = 2;

constexpr const char* kUsage =
    "使い方: varnholt-cli calc [--json] FILE.vrh\n"
    "        varnholt-cli report FILE.vrh -o OUT.pdf [--range general|stability|all]\n"
    "                            [--first-page N] [--no-body]\n"
    "        varnholt-cli report FILE.vrh --dump [--range ...] [--first-page N]\n"
    "        varnholt-cli section FILE.vrh -o OUT.dxf|OUT.svg|OUT.png|OUT.pdf [--forces]\n"
    "                            [--unit mm|m] [--size WxH]\n"
    "        varnholt-cli --help | --version\n"
    "\n"
    "calc    プロジェクトファイルを開いて安定性の検討をやり直し、結果（転倒・支持力・\n"
    "        滑動の判定と躯体の応力度照査）を表示します。デスクトップ版の「開く」と\n"
    "        同じ処理です。\n"
    "--json  結果を JSON で出力します（valid, error, Cond, Calc, wedge, fence, flags,\n"
    "        labels, body）。\n"
    "\n"
    "report  プロジェクトファイルを開いて計算し、計算書を印刷と同じ内容で PDF に\n"
    "        出力します（A4 縦）。\n"
    "-o OUT.pdf      出力する PDF ファイル。\n"
    "--range         general（一般事項）、stability（安定計算）、all（すべて、既定）。\n"
    "--first-page N  ページ番号を N から付けます（既定はページ番号なし）。\n"
    "--no-body       躯体の応力度照査のページを出力しません（既定は出力する）。\n"
    "--dump          PDF の代わりに、描画内容を 1 行 1 要素のテキストで標準出力へ\n"
    "                書き出します。\n"
    "\n"
    "section 断面図を出力します。形式は拡張子で決まります: .dxf（CAD 用、AutoCAD R12、\n"
    "        シフトJIS）、.svg、.png、.pdf（A4 1 ページ、印刷と同じ）。\n"
    "--forces        計算結果（自重、土圧、合力、地盤反力）を描き加えます。計算できない\n"
    "                ファイルでは出力しません。\n"
    "--unit          DXF の 1 単位: mm（既定）または m。\n"
    "--size WxH      PNG と SVG の大きさ（ピクセル、既定 1600x1200）。\n"
    "\n"
    "終了コード: calc  0 すべて O.K、1 NG あり、2 読み込めない・計算できない・引数の誤り\n"
    "            report 0 出力した、2 出力できない・読み込めない・計算できない・引数の誤り\n"
    "            section 0 出力した、2 出力できない・読み込めない・断面を描けない・引数の誤り\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "varnholt-cli: %s\n", message.c_str());
  std::fprintf(stderr, "varnholt-cli --help で使い方を表示します。\n");
  return kNoResult;
}

// An argument that is neither an option nor the second file is the project
// file; otherwise the exit status of the usage error.
std::optional<int> TakeFileArgument(std::string_view arg, std::string& path) {
  if (arg.size() > 1 && arg[0] == '-')
    return UsageError("不明なオプションです: " + std::string(arg));
  if (!path.empty()) return UsageError("ファイルは一つだけ指定してください。");
  path = arg;
  return std::nullopt;
}

// Opens and recalculates a project as the desktop program's Open does; the
// messages it showed go to standard error. False when there is no result.
bool OpenAndCalculate(varnholt::project::BatchPlatform& platform, varnholt::forms::App& app,
                      const std::string& path, std::string& error) {
  platform.open_path = path;
  const varnholt::project::OpenResult opened = varnholt::project::FileOpen(app);
  for (const std::string& m : platform.messages) std::fprintf(stderr, "%s\n", m.c_str());
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

// report FILE.vrh -o OUT.pdf | --dump [--range R] [--first-page N]
int ReportCommand(const std::vector<std::string_view>& args) {
  varnholt::report::PrintJob job;  // every page, no page numbers
  std::string path;
  std::string output;
  bool dump = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == "-o" || a == "--output") {
      if (!has_value) return UsageError("-o の後に出力ファイルを指定してください。");
      output = args[++i];
    } else if (a == "--range") {
      if (!has_value)
        return UsageError("--range の後に general、stability、all のいずれかを指定してください。");
      const auto range = RangeOf(args[++i]);
      if (!range)
        return UsageError("--range は general、stability、all のいずれかです: " +
                          std::string(args[i]));
      job.range = *range;
    } else if (a == "--first-page") {
      if (!has_value) return UsageError("--first-page の後に最初のページ番号を指定してください。");
      const std::string text(args[++i]);
      char* end = nullptr;
      const double n = std::strtod(text.c_str(), &end);
      if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(n)) {
        return UsageError("最初のページ番号は数値で指定してください: " + text);
      }
      job.page_numbers = true;
      job.first_page_no = n;
    } else if (a == "--dump") {
      dump = true;
    } else if (a == "--no-body") {
      job.body_stress = false;
    } else if (const auto wrong = TakeFileArgument(a, path)) {
      return *wrong;
    }
  }
  if (path.empty()) return UsageError("プロジェクトファイル（.vrh）を指定してください。");
  if (dump && !output.empty()) return UsageError("--dump と -o は同時に指定できません。");
  if (!dump && output.empty()) return UsageError("-o で出力する PDF ファイルを指定してください。");

  varnholt::project::BatchPlatform platform;
  varnholt::forms::App app(platform);
  std::string error;
  if (!OpenAndCalculate(platform, app, path, error)) {
    if (platform.messages.empty() && !error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
    return kNoResult;
  }
  // A file makes no sound: failing lines are in the NG colour.
  varnholt::report::SilentBeeper silent;
  if (dump) {
    varnholt::report::RecordingSurface recording;
    varnholt::forms::WriteReport(app, recording, job, silent);
    std::fputs(recording.Dump().c_str(), stdout);
    return 0;
  }

  // Fonts and the PDF writer need a GUI application, never a screen. Qt's
  // own notes (a missing runtime folder and the like) are not the user's
  // business; the tool reports its own failures.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
  });
  int qt_argc = 1;
  char program[] = "varnholt-cli";
  char* qt_argv[] = {program, nullptr};
  const QGuiApplication gui(qt_argc, qt_argv);
  const auto font = varnholt::report::qt::FindReportFont();
  if (!font) {
    std::fprintf(stderr, "%s\n", varnholt::report::qt::kMsgNoReportFont);
    return kNoResult;
  }
  varnholt::report::qt::PdfDocument pdf(*font);
  varnholt::forms::WriteReport(app, pdf.surface(), job, silent);
  const QString failed = pdf.Save(QString::fromStdString(output));
  if (!failed.isEmpty()) {
    std::fprintf(stderr, "%s\n", failed.toStdString().c_str());
    return kNoResult;
  }
  return 0;
}

// Qt Gui for fonts and pictures, never a screen; Qt's own notes are not the
// user's business (the tool reports its own failures).
void QuietOffscreen() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
  });
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
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == "-o" || a == "--output") {
      if (!has_value) return UsageError("-o の後に出力ファイルを指定してください。");
      output = args[++i];
    } else if (a == "--forces") {
      forces = true;
    } else if (a == "--unit") {
      const std::string_view u = has_value ? args[++i] : std::string_view();
      if (u == "mm") {
        unit = varnholt::project::DxfUnit::kMillimetre;
      } else if (u == "m") {
        unit = varnholt::project::DxfUnit::kMetre;
      } else {
        return UsageError("--unit は mm または m です。");
      }
    } else if (a == "--size") {
      const std::string v = has_value ? std::string(args[++i]) : std::string();
      int w = 0, h = 0;
      char rest = 0;
      if (std::sscanf(v.c_str(), "%dx%d%c", &w, &h, &rest) != 2 || w < 16 || h < 16 || w > 20000 ||
          h > 20000) {
        return UsageError("--size は 幅x高さ（16〜20000 ピクセル）で指定してください: " + v);
      }
      width = w;
      height = h;
    } else if (const auto wrong = TakeFileArgument(a, path)) {
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

  varnholt::project::BatchPlatform platform;
  varnholt::forms::App app(platform);
  platform.open_path = path;
  const varnholt::project::OpenResult opened = varnholt::project::FileOpen(app);
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

  QuietOffscreen();
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
  const varnholt::project::IoResult written = varnholt::project::WriteFileAtomically(
      output, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!written.ok) {
    std::fprintf(stderr, "ファイル「%s」に保存できませんでした。（%s）\n", output.c_str(),
                 written.reason.c_str());
    return kNoResult;
  }
  return 0;
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
  if (args[0] == "report") return ReportCommand(args);
  if (args[0] == "section") return SectionCommand(args);
  if (args[0] != "calc") {
    return UsageError("不明なコマンドまたはオプションです: " + std::string(args[0]));
  }

  bool json = false;
  std::string path;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (const auto wrong = TakeFileArgument(args[i], path)) {
      return *wrong;
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
  return varnholt::project::AllVerdictsOk(app) ? kAllOk : kSomeNg;
}
