#include "book/book_command.h"

#include <algorithm>
#include <cctype>

#include "book/book_calc.h"
#include "book/book_output.h"
#include "book/book_pages.h"
#include "book/book_tables.h"
#include "project/command_line.h"
#include "project/report_output.h"
#include "report/recording_surface.h"

namespace varnholt::book {
namespace {

constexpr int kAllOk = 0;
constexpr int kSomeNg = 1;
constexpr int kNoResult = 2;

std::string Usage(const std::string& message) {
  return "varnholt-cli: " + message + "\nvarnholt-cli --help で使い方を表示します。\n";
}

bool IsBookFile(std::string_view path) {
  std::string lower(path);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.ends_with(".vrhbook");
}

struct Options {
  std::vector<std::string> files;
  std::string pdf;
  std::string xlsx;
  std::string csv;
  std::string title;
  bool title_given = false;
  bool dump = false;
};

// Empty when the command line is right, otherwise what is wrong.
std::string Parse(const std::vector<std::string_view>& args, Options& o) {
  project::ArgumentReader r(args);
  while (r.Next()) {
    if (r.Is("-o", "--output")) {
      if (!r.Take(&o.pdf)) return "-o の後に出力する PDF ファイルを指定してください。";
    } else if (r.Is("--xlsx") || r.Is("--csv")) {
      if (!r.Take(r.arg() == "--xlsx" ? &o.xlsx : &o.csv))
        return std::string(r.arg()) + " の後に出力するファイルを指定してください。";
    } else if (r.Is("--title")) {
      if (!r.Take(&o.title)) return "--title の後に工事名を指定してください。";
      o.title_given = true;
    } else if (r.Is("--dump")) {
      o.dump = true;
    } else if (r.IsOption()) {
      return "不明なオプションです: " + std::string(r.arg());
    } else {
      o.files.emplace_back(r.arg());
    }
  }
  if (o.files.empty())
    return "計算書一式ファイル（.vrhbook）またはプロジェクトファイル（.vrh）を指定してください。";
  const bool book_file = o.files.size() == 1 && IsBookFile(o.files.front());
  for (const std::string& f : o.files) {
    if (!book_file && IsBookFile(f))
      return "計算書一式ファイル（.vrhbook）は一つだけ、.vrh と混ぜずに指定してください。";
  }
  if (book_file && o.title_given)
    return "--title は .vrh ファイルを並べて計算書一式を作るときだけ指定できます。";
  if (o.dump && !o.pdf.empty()) return "--dump と -o は同時に指定できません。";
  if (!o.dump && o.pdf.empty() && o.xlsx.empty() && o.csv.empty())
    return "-o で出力する PDF ファイルを指定してください。";
  return {};
}

BookLoad Load(const Options& o) {
  if (o.files.size() == 1 && IsBookFile(o.files.front())) return LoadBook(o.files.front());
  Book book;
  book.title = o.title;
  for (const std::string& f : o.files) book.members.push_back({f, CaseChoice::kSaved});
  return LoadMembers(book, "");
}

}  // namespace

project::CommandResult BookCommand(const std::vector<std::string_view>& args,
                                   const project::PdfWriter& pdf, const std::string& program) {
  project::CommandResult r;
  r.status = kNoResult;
  Options o;
  if (const std::string wrong = Parse(args, o); !wrong.empty()) {
    r.err = Usage(wrong);
    return r;
  }
  const BookLoad load = Load(o);
  if (!load.ok) {
    r.err = load.error + "\n";
    return r;
  }
  // Every output is checked before anything is calculated.
  std::vector<std::string> outputs;
  for (const std::string* output : {&o.pdf, &o.xlsx, &o.csv})
    if (!output->empty()) outputs.push_back(*output);
  std::string problem = SameOutputsProblem(outputs);
  for (const std::string& output : outputs)
    if (problem.empty()) problem = BookTargetProblem(output, load.book);
  if (!problem.empty()) {
    r.err = problem + "\n";
    return r;
  }

  // The spreadsheets are made before anything is written, so that a book
  // either gets every file asked for or, on a failure here, none.
  BookResult result = CalculateBook(load.book);
  std::vector<std::pair<std::string, std::string>> sheets;  // path, bytes
  if (!o.xlsx.empty()) {
    const tables::XlsxResult xlsx = BookXlsx(result);
    if (!xlsx.ok) {
      r.err = "ファイル「" + o.xlsx + "」を作成できませんでした。\n" + xlsx.error + "\n";
      return r;
    }
    sheets.emplace_back(o.xlsx, xlsx.bytes);
  }
  if (!o.csv.empty()) sheets.emplace_back(o.csv, BookCsv(result));

  const BookImprint imprint{program};
  BookOptions options;
  options.record_pages = true;
  if (o.dump) {
    result = CalculateBook(load.book, options);
    report::RecordingSurface recording;
    DrawBook(result, imprint, recording);
    r.out = recording.Dump();
  } else if (!o.pdf.empty()) {
    const std::string failed = pdf(o.pdf, [&](report::ReportSurface& surface) {
      // Each member's pages are recorded as printing on this surface places them.
      surface.FontSize = report::kStandardFontSize;
      options.line_twips_per_point = surface.LineHeight() / report::kStandardFontSize;
      result = CalculateBook(load.book, options);
      DrawBook(result, imprint, surface);
    });
    if (!failed.empty()) {
      r.err = failed + "\n";
      return r;
    }
  }
  for (const auto& [path, bytes] : sheets) {
    const std::string failed = project::SaveReportFile(path, bytes);
    if (!failed.empty()) {
      r.err = failed + "\n";
      return r;
    }
  }
  if (!o.dump) r.out = BookSummaryText(result);
  r.status = result.AllOk() ? kAllOk : kSomeNg;
  return r;
}

}  // namespace varnholt::book
