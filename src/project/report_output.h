#pragma once
// Where a calculation report may be written, and writing it: the PDF goes
// through the same atomic writer as project files, so a failure never
// leaves a half-written report or destroys a good one.

#include <string>
#include <string_view>

#include "project/file_io.h"

namespace varnholt::project {

/// Empty when `output` may receive the report of `project`; otherwise the
/// message refusing it. A project file (".vrh", in any case) is never a
/// report target, nor is the project being printed under any other name
/// (a link to it, say): writing there would destroy the design.
std::string ReportTargetProblem(const std::string& output, const std::string& project);

/// Writes a finished report file (a PDF) through the atomic writer. Empty on
/// success, otherwise the message naming the file and the cause.
std::string SaveReportFile(const std::string& path, std::string_view bytes,
                           const FileSystemCalls& calls = SystemCalls());

}  // namespace varnholt::project
