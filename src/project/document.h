#pragma once
// The design as a document: whether its inputs differ from its file, the
// main window's title, and the question before unsaved inputs are lost.

#include <string>

#include "project/file_commands.h"

namespace varnholt::forms {
class App;
}

namespace varnholt::project {

/// A design is open: New or Open has shown its design conditions window and
/// Close has not closed it.
bool DesignOpen(forms::App& app);

/// The windows hold other inputs than the design's file (or, for a new
/// design, than New started with). A click or a focus move changes nothing;
/// typing a value and typing the old one back leaves the design unmodified.
/// False without an open design.
bool Modified(forms::App& app);

/// The inputs the windows hold now are those of the file: after Open, Save
/// and New.
void MarkSaved(forms::App& app);

/// The main window's title: "W-1.vrh* - Varnholt" while modified,
/// "無題 - Varnholt" for a design without a file, "Varnholt" without a design.
std::string DocumentTitle(forms::App& app);

/// Before New, Open, Close and Exit: with unsaved changes, asks
/// "変更を保存しますか?" with 保存 / 保存しない / キャンセル. 保存 saves (to
/// the current file, or through 名前を付けて保存). True when the command may
/// go on: nothing to lose, 保存しない, or a successful save.
bool ConfirmDiscard(forms::App& app);

/// Opens a named file (a recent file, the command line, a file dropped on
/// the window) after ConfirmDiscard; kCancelled when the user kept the
/// design.
OpenResult OpenFileAsked(forms::App& app, const std::string& path);

}  // namespace varnholt::project
