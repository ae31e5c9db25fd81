#include "ui/forms/output_files.h"

#include <filesystem>
#include <system_error>

#include "ui/forms/app.h"

namespace varnholt::forms {

OutputStart OutputDialogStart(const App& app, const std::string& suffix,
                              const std::string& unnamed) {
  if (app.current_file.empty()) return {app.last_folder, unnamed};
  const std::filesystem::path project(app.current_file);
  return {project.parent_path().string(), project.stem().string() + suffix};
}

bool ConfirmReplace(App& app, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return true;
  return ui::MsgBox(app.platform(), "同名ファイルがあります。上書き保存しますか？",
                    ui::MsgButtons::kYesNo, ui::MsgIcon::kQuestion, 2,
                    "上書き保存の確認") == ui::MsgResult::kYes;
}

void NoteOutputWritten(App& app, const std::string& what, const std::string& path) {
  app.last_folder = std::filesystem::path(path).parent_path().string();
  if (app.commands.status_note) app.commands.status_note(what + "を出力しました：" + path);
}

}  // namespace varnholt::forms
