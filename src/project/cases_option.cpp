#include "project/cases_option.h"

namespace varnholt::project {

std::string TakeCasesOption(const std::vector<std::string_view>& args, std::size_t* i,
                            CasesOption* cases) {
  if (*i + 1 >= args.size()) return "--cases の後に current または both を指定してください。";
  const std::string_view v = args[++*i];
  if (v == "current") {
    *cases = CasesOption::kCurrent;
  } else if (v == "both") {
    *cases = CasesOption::kBoth;
  } else {
    return "--cases は current または both です: " + std::string(v);
  }
  return {};
}

}  // namespace varnholt::project
