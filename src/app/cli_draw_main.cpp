// varnholt-cli-draw: the commands of varnholt-cli that draw (report,
// section, table, book), which need Qt Gui and Svg; varnholt-cli runs this
// program in its place with the same arguments, so the user sees one tool.
// Exit statuses and messages are those documented in cli_main.cpp.

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/common.h"
#include "book/book_command.h"
#include "project/batch_platform.h"
#include "project/cases_option.h"
#include "project/checked_stdout.h"
#include "project/command_line.h"
#include "project/file_commands.h"
#include "project/report_output.h"
#include "project/section_dxf.h"
#include "project/sizing_commands.h"
#include "report/qt/pdf_document.h"
#include "report/qt/report_font.h"
#include "section/qt/section_painter.h"
#include "ui/forms/app.h"
#include "ui/forms/preview.h"
#include "ui/forms/section_source.h"

namespace {

using varnholt::cli::Error;
using varnholt::cli::Finish;
using varnholt::cli::kNoResult;
using varnholt::cli::OpenAndCalculate;
using varnholt::cli::UsageError;
using varnholt::project::CheckedStdout;

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

// report FILE.vrh -o OUT.pdf | --dump [--range R] [--first-page N] [--cases current|both] [--]
int ReportCommand(const std::vector<std::string_view>& args, CheckedStdout& out) {
  varnholt::report::PrintJob job;  // every page, no page numbers
  std::string path;
  std::string output;
  bool dump = false;
  varnholt::project::ArgumentReader r(args);
  while (r.Next()) {
    std::string wrong;
    std::string_view range;
    varnholt::project::CasesOption cases = varnholt::project::CasesOption::kCurrent;
    if (r.Is("-o", "--output")) {
      if (!r.Take(&output)) wrong = "-o の後に出力ファイルを指定してください。";
    } else if (r.Is("--range")) {
      if (!r.Take(&range)) {
        wrong = "--range の後に general、stability、all のいずれかを指定してください。";
      } else if (const auto chosen = RangeOf(range)) {
        job.range = *chosen;
      } else {
        wrong = "--range は general、stability、all のいずれかです: " + std::string(range);
      }
    } else if (r.Is("--first-page")) {
      int first = 1;
      wrong = r.TakeFirstPage(&first);
      job.page_numbers = true;
      job.first_page_no = first;
    } else if (r.Is("--dump")) {
      dump = true;
    } else if (r.Is("--no-body")) {
      job.body_stress = false;
    } else if (r.Is("--cases")) {
      wrong = r.TakeCases(&cases);
      job.both_cases = cases == varnholt::project::CasesOption::kBoth;
    } else {
      wrong = r.TakeFile(&path);
    }
    if (!wrong.empty()) return UsageError(wrong);
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
  varnholt::project::ArgumentReader r(args);
  while (r.Next()) {
    std::string wrong;
    if (r.Is("-o", "--output")) {
      if (!r.Take(&output)) wrong = "-o の後に出力ファイルを指定してください。";
    } else if (r.Is("--forces")) {
      forces = true;
    } else if (r.Is("--unit")) {
      std::string_view u;  // none: the message below
      r.Take(&u);
      if (u == "mm") {
        unit = varnholt::project::DxfUnit::kMillimetre;
      } else if (u == "m") {
        unit = varnholt::project::DxfUnit::kMetre;
      } else {
        wrong = "--unit は mm または m です。";
      }
    } else if (r.Is("--size")) {
      std::string v;
      r.Take(&v);
      int w = 0, h = 0;
      char rest = 0;
      if (std::sscanf(v.c_str(), "%dx%d%c", &w, &h, &rest) != 2 || w < 16 || h < 16 || w > 20000 ||
          h > 20000) {
        wrong = "--size は 幅x高さ（16〜20000 ピクセル）で指定してください: " + v;
      } else {
        width = w;
        height = h;
      }
    } else {
      wrong = r.TakeFile(&path);
    }
    if (!wrong.empty()) return UsageError(wrong);
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
  if (!args.empty() && args[0] == "report") return ReportCommand(args, out);
  if (!args.empty() && args[0] == "section") return SectionCommand(args);
  if (!args.empty() && args[0] == "table") {
    return Finish(out, varnholt::project::TableCommand(args, WritePdf));
  }
  if (!args.empty() && args[0] == "book") {
    return Finish(out, varnholt::book::BookCommand(args, WritePdf,
                                                   std::string("Varnholt ") + VARNHOLT_VERSION));
  }
  return UsageError(
      "varnholt-cli-draw は varnholt-cli の report、section、table、book を実行します。");
}
