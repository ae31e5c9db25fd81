#pragma once
// What the two programs of the command line share: varnholt-cli itself
// (Qt Core only, so that a calculation starts fast) and varnholt-cli-draw,
// which it runs for the commands that draw (Qt Gui and Svg).

#include <string>

#include "project/batch_platform.h"
#include "project/checked_stdout.h"
#include "project/sizing_commands.h"
#include "ui/forms/app.h"

namespace varnholt::cli {

inline constexpr int kAllOk = 0;
inline constexpr int kSomeNg = 1;
inline constexpr int kNoResult = 2;

/// One line on standard error.
void Error(const std::string& message);

/// Reports a wrong command line with the hint to --help; returns 2.
int UsageError(const std::string& message);

/// Writes what the command printed; a failure turns any status into 2.
int Finish(project::CheckedStdout& out, int status);

/// Writes what a size or table command printed and returns its status (2
/// when standard output fails).
int Finish(project::CheckedStdout& out, const project::CommandResult& r);

/// Opens and recalculates a project as the desktop program's Open does after
/// its dialog; the messages it showed go to standard error. False when there
/// is no result, with the reason in `error`.
bool OpenAndCalculate(project::BatchPlatform& platform, forms::App& app, const std::string& path,
                      std::string& error);

}  // namespace varnholt::cli
