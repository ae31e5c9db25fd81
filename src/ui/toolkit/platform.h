#pragma once
// What the windows need from the platform beyond windows and controls:
// message boxes, the beep, modal dialogs, the file and printer dialogs.
// The desktop program implements this with Qt; tests use ScriptedPlatform.

#include <optional>
#include <string>

namespace varnholt::ui {

class Window;

/// The program's name, the title of a message box that is given none.
inline constexpr const char* kProgramTitle = "Varnholt";

/// kSaveDiscardCancel: 保存 (kYes), 保存しない (kNo), キャンセル (kCancel);
/// kRestoreDiscard: 復元 (kYes), 破棄 (kNo).
enum class MsgButtons { kOk, kOkCancel, kYesNo, kSaveDiscardCancel, kRestoreDiscard };
enum class MsgIcon { kNone, kQuestion, kStop, kExclamation, kInformation };
enum class MsgResult { kOk, kCancel, kYes, kNo };

/// One message box as the program asks for it.
struct MessageBoxRequest {
  std::string text;
  MsgButtons buttons = MsgButtons::kOk;
  MsgIcon icon = MsgIcon::kNone;
  /// 1 or 2: which button has the default.
  int default_button = 1;
  std::string title = kProgramTitle;
};

/// A file open or save dialog: its title, starting folder, filter
/// (description|pattern pairs) and default extension.
struct FileDialogRequest {
  std::string title;
  std::string initial_dir;
  std::string filter;
  std::string default_ext;
  std::string file_name;
  /// Common-dialog flags as the program sets them (4: no read-only check box).
  int flags = 0;
};

/// What the user chose in the printer dialog.
struct PrinterChoice {
  int copies = 1;
};

/// Platform services the window logic uses.
class PlatformServices {
 public:
  virtual ~PlatformServices() = default;
  /// Shows a modal message box and returns the button pressed.
  virtual MsgResult MessageBox(const MessageBoxRequest& request) = 0;
  /// Sounds the system beep once.
  virtual void Beep() = 0;
  /// Runs a window as a modal dialog; returns when the window is hidden or
  /// unloaded.
  virtual void RunModal(Window& window) = 0;
  /// File dialogs; nullopt when cancelled.
  virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;
  /// Printer dialog; nullopt when cancelled.
  virtual std::optional<PrinterChoice> PrinterDialog() = 0;
};

/// An OK-only box titled "エラーメッセージ", as every input problem is reported.
inline constexpr const char* kErrorTitle = "エラーメッセージ";

/// Convenience wrapper for the common message box forms.
MsgResult MsgBox(PlatformServices& platform, const std::string& text,
                 MsgButtons buttons = MsgButtons::kOk, MsgIcon icon = MsgIcon::kNone,
                 int default_button = 1, const std::string& title = kProgramTitle);

}  // namespace varnholt::ui
