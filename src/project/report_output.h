#pragma once
// Where a calculation report may be written, and writing it: the PDF goes
// through the same atomic writer as project files, so a failure never
// leaves a half-written report or destroys a good one.

#include <optional>
#include <string>
#include <string_view>

#include "project/file_io.h"

namespace varnholt::project {

/// Empty when `output` may receive the report of `project`; otherwise the
/// message refusing it. A project file (".vrh", in any case) is never a
/// report target, nor is the project being printed under any other name
/// (a link to it, say): writing there would destroy the design.
/// `what` names the output in the message ("計算書", "標準断面表").
std::string ReportTargetProblem(const std::string& output, const std::string& project,
                                const std::string& what = "計算書");

/// Empty when `output` may receive a project sized from `project`;
/// otherwise the message refusing it: a name without ".vrh", or the opened
/// project itself (its own dimensions would be lost without a question).
std::string SizedProjectTargetProblem(const std::string& output, const std::string& project);

/// The first page number of a printed report as typed on a command line:
/// digits only, 1 to 9999; nothing otherwise.
inline constexpr int kFirstPageMin = 1;
inline constexpr int kFirstPageMax = 9999;
std::optional<int> FirstPageNumber(std::string_view text);

/// Writes a finished report file (a PDF) through the atomic writer. Empty on
/// success, otherwise the message naming the file and the cause.
std::string SaveReportFile(const std::string& path, std::string_view bytes,
                           const FileSystemCalls& calls = SystemCalls());

}  // namespace varnholt::project
