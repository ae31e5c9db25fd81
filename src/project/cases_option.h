#pragma once
// The command line's `--cases current|both`, taken by calc, size, table and
// report (project/command_line.h reads it).

namespace varnholt::project {

/// Which load cases a command calculates.
enum class CasesOption {
  kCurrent,  // the case the file was saved in (the default)
  kBoth,     // 常時 and 地震時, each on a copy as 両ケース計算 does
};

}  // namespace varnholt::project
