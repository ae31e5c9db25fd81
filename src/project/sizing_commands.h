#pragma once
// The command line's `size` and `table`: a project file opened as Open
// opens it, its design sized (or tabled over heights) below the windows,
// the results printed, and the sized project or the table's files written.
//
//   size FILE [--cases current|both] [--vary B,b,front] [--step S]
//        [--step-B S] [--step-b S] [--step-front S]
//        [--min-B X] [--max-B Y] [--min-b X] [--max-b Y]
//        [--min-front X] [--max-front Y] [--json] [-o SIZED.vrh]
//   table FILE --heights FROM:TO:STEP [the same sizing options]
//        [--csv OUT.csv] [--xlsx OUT.xlsx] [-o OUT.pdf] [--first-page N] [--json]

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/surface.h"

namespace varnholt::project {

/// What a command printed and how it ended.
struct CommandResult {
  /// size: 0 a passing section was found, 1 none in the bounds, 2 the file
  /// cannot be read or calculated, the command line or the bounds are
  /// wrong, or a file cannot be written. table: 0 every height has a
  /// passing section, 1 some has none, 2 as for size.
  int status = 2;
  std::string out;  // for standard output
  std::string err;  // for standard error
};

/// `size`; args[0] is "size".
CommandResult SizeCommand(const std::vector<std::string_view>& args);

/// Draws pages on a surface that becomes a PDF at `path`; returns the
/// message when the file cannot be made, empty on success. The PDF surface
/// needs Qt Gui, which lives above this layer.
using PdfWriter = std::function<std::string(
    const std::string& path, const std::function<void(report::ReportSurface&)>& draw)>;

/// `table`; args[0] is "table". `pdf` writes -o; without one, -o is refused.
CommandResult TableCommand(const std::vector<std::string_view>& args, const PdfWriter& pdf);

}  // namespace varnholt::project
