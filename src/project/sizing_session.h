#pragma once
// What size and table share: their command line and their opened project.

#include <string>
#include <string_view>
#include <vector>

#include "project/batch_platform.h"
#include "project/cases_option.h"
#include "project/sizing_commands.h"
#include "sizing/section_table.h"
#include "sizing/sizing.h"
#include "ui/forms/app.h"

namespace varnholt::project {

// What the command line asked for.
struct SizingOptions {
  std::string path;
  CasesOption cases = CasesOption::kCurrent;
  sizing::Variables variables;
  bool json = false;
  std::string output;
  bool has_heights = false;
  sizing::HeightRange heights;
  std::string csv;
  std::string xlsx;
  int first_page = 1;
};

// The opened project of one command: the program without a display, and
// the designs to satisfy: the one the calculate command collected, or with
// --cases both those of 両ケース計算's columns.
struct SizingSession {
  BatchPlatform platform;
  forms::App app{platform};
  std::vector<sizing::DesignInput> cases;
};

/// Parses the command line (`table` for the table's options), checks its
/// output files, opens the project as Open does and runs the calculate
/// command. False with the messages in r->err (r->status 2).
bool OpenSizingSession(const std::vector<std::string_view>& args, bool table, SizingOptions* o,
                       SizingSession* s, CommandResult* r);

}  // namespace varnholt::project
