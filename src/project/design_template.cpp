#include "project/design_template.h"

#include <filesystem>
#include <system_error>

#include "project/file_io.h"
#include "project/recovery.h"
#include "project/vrh_reader.h"
#include "project/vrh_writer.h"
#include "ui/forms/app.h"
#include "ui/forms/restore.h"
#include "ui/forms/windows.h"

namespace varnholt::project {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTitle = "テンプレート";
constexpr const char* kMsgReplace = "保存されているテンプレートを現在の設計条件で置き換えますか？";
constexpr const char* kMsgRemove =
    "テンプレートを削除しますか？\n新規作成は空の設計条件から始まります。";
constexpr const char* kNoteSaved = "テンプレートを保存しました：";
constexpr const char* kNoteRemoved = "テンプレートを削除しました。";
constexpr const char* kNoteUnreadable = "テンプレートを読み込めないため、空の設計で始めます：";

void Note(forms::App& app, const std::string& text) {
  if (app.commands.status_note) app.commands.status_note(text);
}

// What a template keeps of a design: the standard, the materials and soils
// of the design conditions (not the site, which is the project's), how μ
// and the cohesion are given, the seismic dialog and the check methods.
// The ground shape, the load case, the fence and every dimension belong to
// the wall, not to the engineer's habits.
void CopyConditions(const ProjectState& from, ProjectState& to) {
  const std::string site = to.inputs.conditions.site;
  to.inputs.conditions = from.inputs.conditions;
  to.inputs.conditions.site = site;
  to.inputs.seismic = from.inputs.seismic;
  const Selections& f = from.inputs.options;
  Selections& t = to.inputs.options;
  t.standard = f.standard;
  t.cohesion = f.cohesion;
  t.friction = f.friction;
  t.seismic_method = f.seismic_method;
  t.seismic_region = f.seismic_region;
  t.normal_checks = f.normal_checks;
  t.seismic_checks = f.seismic_checks;
}

}  // namespace

std::string TemplateFile() {
  return (fs::path(RecoveryFolder()).parent_path() / "templates" / "template.vrh").string();
}

bool HasTemplate(forms::App& app) {
  return !app.template_file.empty() && PathExists(app.template_file);
}

bool SaveTemplate(forms::App& app) {
  const std::string& path = app.template_file;
  if (path.empty() || !app.windows().IsLoaded(forms::kForm2)) return false;
  ProjectState kept;
  CopyConditions(forms::ReadProjectState(app), kept);
  const EncodedProject encoded = EncodeProject(kept);
  if (!encoded.ok) {
    app.ErrorMessage(encoded.message);
    return false;
  }
  if (PathExists(path) && ui::MsgBox(app.platform(), kMsgReplace, ui::MsgButtons::kYesNo,
                                     ui::MsgIcon::kQuestion, 2, kTitle) != ui::MsgResult::kYes) {
    return false;
  }
  std::error_code ec;
  fs::create_directories(fs::path(path).parent_path(), ec);
  const bool existed = PathExists(path);
  const IoResult written = WriteFileAtomically(path, encoded.bytes);
  if (!written.ok) {
    app.ErrorMessage(SaveFailureMessage(path, existed, written));
    return false;
  }
  Note(app, kNoteSaved + path);
  return true;
}

bool RemoveTemplate(forms::App& app) {
  if (!HasTemplate(app)) return false;
  if (ui::MsgBox(app.platform(), kMsgRemove, ui::MsgButtons::kYesNo, ui::MsgIcon::kQuestion, 2,
                 kTitle) != ui::MsgResult::kYes) {
    return false;
  }
  std::error_code ec;
  if (!fs::remove(app.template_file, ec) || ec) {
    app.ErrorMessage("テンプレート「" + app.template_file + "」を削除できませんでした。\n" +
                     ec.message());
    return false;
  }
  Note(app, kNoteRemoved);
  return true;
}

void ApplyTemplate(forms::App& app) {
  if (!HasTemplate(app)) return;
  std::string bytes;
  const IoResult read = ReadFileBounded(app.template_file, kMaxProjectBytes, bytes);
  if (!read.ok) {
    Note(app, kNoteUnreadable + read.reason);
    return;
  }
  const ParseResult parsed = ParseProject(bytes);
  if (!parsed.ok) {
    const ReadError& e = parsed.error;
    Note(app, kNoteUnreadable + (e.line > 0 ? std::to_string(e.line) + "行目: " : "") + e.reason);
    return;
  }
  ProjectState fresh = forms::ReadProjectState(app);
  CopyConditions(parsed.project.state, fresh);
  forms::RestoreWindows(app, fresh);
}

}  // namespace varnholt::project
