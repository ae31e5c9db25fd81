#pragma once
// `calc --cases both`: a project opened as Open opens it, both load cases
// calculated on copies as 両ケース計算 does, printed one after the other.

#include <string>

#include "ui/forms/both_cases.h"

namespace varnholt::project {

/// What the command printed and how it ended.
struct BothCasesRun {
  /// 0 every verdict of every computed case is O.K, 1 some verdict of a
  /// computed case is NG (under 宅地造成 also of the seismic method the
  /// dialog does not select), 2 the file cannot be read or neither case can
  /// be calculated.
  int status = 2;
  std::string out;  // for standard output
  std::string err;  // for standard error, one message a line
};

/// The two cases as text: each under its heading 【常時】 and 【地震時】,
/// the rows of the results window and the body check as `calc` prints
/// them, or why the case cannot be calculated. Under 宅地造成 with both
/// methods ① and ② calculated, the line that names the governing method.
std::string BothCasesText(const forms::BothCases& both);

/// {"normal": …, "seismic": …}: each the object `calc --json` prints for
/// the project saved in that case.
std::string BothCasesJson(const forms::BothCases& both);

/// The exit status of the calculated cases (see BothCasesRun::status).
int BothCasesStatus(const forms::BothCases& both);

/// True when 両ケース計算 computes every column of `app`'s design (under
/// 宅地造成 both methods) and every verdict of each is O.K.
bool AllCasesOk(forms::App& app);

/// Opens the file and calculates both cases; `json` for the JSON output.
BothCasesRun CalcBothCases(const std::string& path, bool json);

}  // namespace varnholt::project
