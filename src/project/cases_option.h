#pragma once
// The command line's `--cases current|both`, read the same way by every
// command that takes it (calc, size, table, report).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::project {

/// Which load cases a command calculates.
enum class CasesOption {
  kCurrent,  // the case the file was saved in (the default)
  kBoth,     // 常時 and 地震時, each on a copy as 両ケース計算 does
};

/// Reads the value after `--cases` at args[*i + 1] and advances *i past it.
/// Empty on success; otherwise the message for the wrong command line.
std::string TakeCasesOption(const std::vector<std::string_view>& args, std::size_t* i,
                            CasesOption* cases);

}  // namespace varnholt::project
