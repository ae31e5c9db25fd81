#include "project/document.h"

#include <filesystem>

#include "project/vrh_writer.h"
#include "ui/forms/app.h"
#include "ui/forms/windows.h"

namespace varnholt::project {
namespace {

constexpr const char* kMsgSaveChanges = "変更を保存しますか?";
constexpr const char* kSaveChangesTitle = "変更の保存";
constexpr const char* kUntitled = "無題";

// The bytes a save would write now; a design that cannot be written (a
// character outside the code page) differs from every file.
std::string CurrentInputs(forms::App& app) {
  const EncodedProject encoded = EncodeProject(app);
  return encoded.ok ? encoded.bytes : std::string("\n");
}

}  // namespace

bool DesignOpen(forms::App& app) { return app.windows().IsLoaded(forms::kForm2); }

bool Modified(forms::App& app) { return DesignOpen(app) && CurrentInputs(app) != app.saved_inputs; }

void MarkSaved(forms::App& app) {
  app.saved_inputs = DesignOpen(app) ? CurrentInputs(app) : std::string();
}

std::string DocumentTitle(forms::App& app) {
  if (!DesignOpen(app)) return ui::kProgramTitle;
  const std::string name = app.current_file.empty()
                               ? std::string(kUntitled)
                               : std::filesystem::path(app.current_file).filename().string();
  return name + (Modified(app) ? "*" : "") + " - " + ui::kProgramTitle;
}

bool ConfirmDiscard(forms::App& app) {
  if (!Modified(app)) return true;
  switch (ui::MsgBox(app.platform(), kMsgSaveChanges, ui::MsgButtons::kSaveDiscardCancel,
                     ui::MsgIcon::kQuestion, 1, kSaveChangesTitle)) {
    case ui::MsgResult::kYes:
      // A save that fails or is cancelled keeps the design open.
      return app.current_file.empty() ? FileSaveAs(app) : SaveProject(app, app.current_file);
    case ui::MsgResult::kNo:
      return true;
    default:
      return false;
  }
}

OpenResult OpenFileAsked(forms::App& app, const std::string& path) {
  if (!ConfirmDiscard(app)) return {};
  return OpenProjectFile(app, path);
}

}  // namespace varnholt::project
