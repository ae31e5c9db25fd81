#include "project/command_line.h"

#include "project/report_output.h"

namespace varnholt::project {

bool ArgumentReader::Next() {
  if (++i_ < args_.size() && options_ && args_[i_] == "--") {
    options_ = false;
    ++i_;
  }
  return i_ < args_.size();
}

bool ArgumentReader::Is(std::string_view name, std::string_view other) const {
  return options_ && (arg() == name || (!other.empty() && arg() == other));
}

bool ArgumentReader::IsOption() const { return options_ && arg().size() > 1 && arg()[0] == '-'; }

bool ArgumentReader::Take(std::string_view* value) {
  if (i_ + 1 >= args_.size()) return false;
  *value = args_[++i_];
  return true;
}

bool ArgumentReader::Take(std::string* value) {
  std::string_view v;
  if (!Take(&v)) return false;
  *value = v;
  return true;
}

std::string ArgumentReader::TakeFile(std::string* path) const {
  if (IsOption()) return "不明なオプションです: " + std::string(arg());
  if (!path->empty()) return "ファイルは一つだけ指定してください。";
  *path = arg();
  return {};
}

std::string ArgumentReader::TakeCases(CasesOption* cases) {
  std::string_view v;
  if (!Take(&v)) return "--cases の後に current または both を指定してください。";
  if (v == "current") {
    *cases = CasesOption::kCurrent;
  } else if (v == "both") {
    *cases = CasesOption::kBoth;
  } else {
    return "--cases は current または both です: " + std::string(v);
  }
  return {};
}

std::string ArgumentReader::TakeFirstPage(int* first) {
  std::string_view v;
  if (!Take(&v)) return "--first-page の後に最初のページ番号を指定してください。";
  const std::optional<int> n = FirstPageNumber(v);
  if (!n) return "最初のページ番号は 1 から 9999 までの整数で指定してください: " + std::string(v);
  *first = *n;
  return {};
}

}  // namespace varnholt::project
