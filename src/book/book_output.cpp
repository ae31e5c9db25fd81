#include "book/book_output.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "project/file_io.h"
#include "project/report_output.h"
#include "report/number_format.h"

namespace varnholt::book {
namespace {

std::string LowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

}  // namespace

std::string BookTargetProblem(const std::string& output, const LoadedBook& book) {
  if (!book.path.empty() && project::SameFile(output, book.path)) {
    return "出力先「" + output + "」は計算書一式ファイルです。別のファイルに出力してください。";
  }
  for (const LoadedMember& m : book.members) {
    const std::string problem = project::ReportTargetProblem(output, m.path);
    if (!problem.empty()) return problem;
  }
  if (LowerExtension(output) == ".vrhbook") {
    return "出力先「" + output +
           "」は計算書一式ファイル（.vrhbook）の名前です。.vrhbook 以外のファイルに出力して"
           "ください。";
  }
  return {};
}

std::string SameOutputsProblem(const std::vector<std::string>& outputs) {
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    for (std::size_t k = i + 1; k < outputs.size(); ++k) {
      if (outputs[i] == outputs[k] || project::SameFile(outputs[i], outputs[k]))
        return "出力先「" + outputs[k] + "」が二度指定されています。";
    }
  }
  return {};
}

std::string BookSummaryText(const BookResult& book) {
  std::string out;
  for (std::size_t i = 0; i < book.rows.size(); ++i) {
    const BookRow& r = book.rows[i];
    out += std::to_string(i + 1) + "\t" + (r.symbol.empty() ? r.file : r.symbol) + "\t" +
           CaseLabel(r) + "\t";
    if (!r.computed) {
      std::string reason = r.reason;
      std::replace(reason.begin(), reason.end(), '\n', ' ');
      out += "計算できません\t" + reason + "\n";
      continue;
    }
    out += std::string(r.ok ? "O.K" : "NG") + "\t" + r.governing;
    if (std::isfinite(r.margin)) out += " " + report::FormatNumber(r.margin, "0.00");
    out += "\n";
  }
  return out;
}

}  // namespace varnholt::book
