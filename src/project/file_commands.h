#pragma once
// The file commands of the main window: 新規作成, 開く, 閉じる, 上書き保存 and
// 名前を付けて保存, with their dialogs and confirmations. 終了 belongs to the
// main window itself.

#include <string>
#include <string_view>

#include "project/file_io.h"

namespace varnholt::forms {
class App;
}

namespace varnholt::project {

/// The folder the file dialogs start in: "C:\Varnholt\" on Windows,
/// ~/Varnholt/ elsewhere. Created when it does not exist yet.
std::string ProjectFolder();

/// How an Open ended.
enum class OpenOutcome {
  kCancelled,   // the dialog was cancelled
  kUnreadable,  // the file could not be read or is not a project; nothing changed
  kNoResult,    // the design was restored but the calculation has no result
  kCalculated,  // restored and recalculated; the results are shown
};

/// The outcome and, unless calculated, the message that was shown.
struct OpenResult {
  OpenOutcome outcome = OpenOutcome::kCancelled;
  std::string message;
};

/// FileNew: asks about unsaved changes; every design window starts again
/// from its defaults (and the user's template, ApplyTemplate), Form2, Form3
/// and the results window are shown with no dimensions. The new design has
/// no file and no changes.
void FileNew(forms::App& app);

/// FileOpen: the Open dialog, then OpenProjectFile on the chosen file.
OpenResult FileOpen(forms::App& app);

/// Reads, restores, recalculates and arranges the windows, as Open does
/// after its dialog. A file that is not a valid project is reported and
/// leaves the open design exactly as it was.
OpenResult OpenProjectFile(forms::App& app, const std::string& path);

/// The same for bytes already read; `path` only names the file in messages.
OpenResult OpenProjectBytes(forms::App& app, const std::string& path, std::string_view bytes);

/// The inputs of a recovery file, exactly as they were typed: nothing is
/// recalculated, the results stay invalid and the design counts as
/// modified, with `file` (possibly empty) as its file.
OpenResult RestoreUnsavedInputs(forms::App& app, const std::string& file, std::string_view bytes);

/// 閉じる: with unsaved changes asks whether to save them (ConfirmDiscard),
/// then closes every design window.
void FileClose(forms::App& app);

/// FileUpdate, 上書き保存: asks, then writes the current file. Without a
/// current file it acts as 名前を付けて保存.
bool FileUpdate(forms::App& app);

/// 名前を付けて保存: the Save dialog, a question before replacing an existing
/// file, then the write.
/// True when the design was written; a cancelled dialog or a refused save
/// keeps the current file.
bool FileSaveAs(forms::App& app);

/// Writes the design to a file without any question; a failure is shown in
/// a box titled "エラーメッセージ" naming the file and the cause, and leaves
/// any existing file as it was ("元のファイルは変更されていません。").
/// Returns whether the file was written. `calls` are the writer's system
/// calls (tests make them fail).
bool SaveProject(forms::App& app, const std::string& path,
                 const FileSystemCalls& calls = SystemCalls());

/// Connects the commands above to the main window's menus and toolbar.
void InstallFileCommands(forms::App& app);

}  // namespace varnholt::project
