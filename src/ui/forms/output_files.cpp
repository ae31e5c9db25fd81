#include "ui/forms/output_files.h"

#include <filesystem>

#include "ui/forms/app.h"

namespace varnholt::forms {

OutputStart OutputDialogStart(const App& app, const std::string& suffix,
                              const std::string& unnamed) {
  if (app.current_file.empty()) return {app.last_folder, unnamed};
  const std::filesystem::path project(app.current_file);
  return {project.parent_path().string(), project.stem().string() + suffix};
}

void NoteOutputWritten(App& app, const std::string& what, const std::string& path) {
  app.last_folder = std::filesystem::path(path).parent_path().string();
  if (app.commands.status_note) app.commands.status_note(what + "を出力しました：" + path);
}

}  // namespace varnholt::forms
