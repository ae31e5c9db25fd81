#include "project/file_commands.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "calc/earth_pressure.h"
#include "calc/fence.h"
#include "calc/keisan.h"
#include "project/design_template.h"
#include "project/document.h"
#include "project/file_io.h"
#include "project/vrh_reader.h"
#include "project/vrh_writer.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/form17.h"
#include "ui/forms/form20.h"
#include "ui/forms/handles.h"
#include "ui/forms/output_files.h"
#include "ui/forms/restore.h"
#include "ui/forms/results.h"
#include "ui/forms/windows.h"

namespace varnholt::project {
namespace {

using forms::App;
using ui::MsgButtons;
using ui::MsgIcon;
using ui::MsgResult;

// Literals of the file commands.
constexpr const char* kOpenTitle = "Varnholtを開く";
constexpr const char* kSaveTitle = "Varnholtの保存";
constexpr const char* kFilter = "Varnholt(.vrh)|*.vrh";
constexpr const char* kExtension = "vrh";
constexpr int kDialogFlags = 4;  // no read-only check box
constexpr const char* kConfirmTitle = "確認";
constexpr const char* kMsgOverwrite = "上書き保存してもよろしいですか？";
constexpr const char* kMsgNoCoefficient = "主働土圧係数を入力してください。";
constexpr const char* kNoteNotCalculated = "計算していません：";
constexpr const char* kNoteSaved = "保存しました：";

// The windows of a design, closed by New and Close. Form19 is not among
// them: its shear-key values outlive a new design.
constexpr const char* kDesignWindows[] = {forms::kForm2,  forms::kForm3,  forms::kForm11,
                                          forms::kForm12, forms::kForm14, forms::kForm15,
                                          forms::kForm16, forms::kForm17};

// The dialogs start in the folder of the design's file with its name filled
// in, otherwise in the folder last used, otherwise in the project folder.
ui::FileDialogRequest DialogRequest(App& app, const char* title) {
  ui::FileDialogRequest r;
  r.title = title;
  if (!app.current_file.empty()) {
    const std::filesystem::path file(app.current_file);
    r.initial_dir = file.parent_path().string();
    r.file_name = file.filename().string();
  } else {
    r.initial_dir = app.last_folder.empty() ? ProjectFolder() : app.last_folder;
  }
  r.filter = kFilter;
  r.default_ext = kExtension;
  r.flags = kDialogFlags;
  return r;
}

// Closes every design window, forgets the seismic method and resets the
// flags: what New and Close share.
void CloseDesign(App& app) {
  ui::WindowSystem& ws = app.windows();
  for (const char* name : kDesignWindows) ws.Unload(name);
  if (ws.IsLoaded(forms::kForm20)) {
    forms::SeismicDialog& f20 = forms::Seismic(app);
    f20.method_k1->SetValue(false);
    f20.method_k2->SetValue(false);
    ws.Unload(forms::kForm20);
  }
  app.dc().ShearKeyFlag = kShearKeyFlagWithout;
  app.dc().FenceLoadType.clear();
}

// Jisin, the coefficient of the dimension window when it is computed, SUTI,
// KEISAN and Kekka: an opened project shows its results at once. False when
// there is no result; the reason has been shown.
bool Recalculate(App& app, std::string& message) {
  // The seismic dialog is kept in the normal case too; only the seismic
  // case takes its coefficients.
  if (forms::Conditions(app).case_seismic->Value()) forms::Jisin(app);
  // A design saved before it was complete loads its inputs and says once
  // what is missing; it is not calculated on empty boxes read as 0. A
  // coefficient to be computed is computed first.
  const bool compute_ka = UsesComputedCoefficient(forms::ReadSelections(app));
  const bool complete = forms::CheckMainInputs(app, &message);
  if (!complete && !(compute_ka && message == kMsgNoCoefficient)) {
    app.results().ClearResultsAndSlidingFactor();
    return false;
  }
  if (compute_ka) {
    forms::Form3Keisan(app);
    // A coefficient that cannot be computed has been reported and its box
    // emptied; calculating on with KA = 0 would show a wrong result.
    if (forms::LevelDimensions(app).ka_text->Text().empty()) {
      app.results().ClearResultsAndSlidingFactor();
      message = "主働土圧係数を計算できないため、安定性の検討ができません。";
      return false;
    }
  }
  if (!complete && !forms::CheckMainInputs(app, &message)) {
    app.results().ClearResultsAndSlidingFactor();
    return false;
  }
  // Nor is an empty coefficient box a coefficient of 0: the calculate
  // command would ask for one, and so does Open.
  if (forms::IsLevelOrSlope(forms::Conditions(app)) &&
      forms::LevelDimensions(app).ka_text->Text().empty()) {
    app.results().ClearResultsAndSlidingFactor();
    message = kMsgNoCoefficient;
    return false;
  }
  forms::Suti(app);
  DesignCase& dc = app.dc();
  const CalcStatus status = CalculateDesign(dc, forms::ReadSelections(app));
  if (!status.ok()) {
    app.results().ClearResultsAndSlidingFactor();
    message = status.Message();
    return false;
  }
  forms::Kekka(app);
  return true;
}

// Open, after the reading: the windows where New puts them and the
// commands of a calculated design.
void ArrangeAfterOpen(App& app, bool calculated) {
  forms::ConditionsWindow& f2 = forms::Conditions(app);
  f2.window.Move(0, 0);
  f2.window.Show();
  if (IsLevelOrSlope(f2)) {
    app.windows().Unload(forms::kForm16);
    forms::LevelDimensionsWindow& f3 = forms::LevelDimensions(app);
    forms::ShowBesideConditions(f3.window);
  } else if (f2.raised->Value()) {
    app.windows().Unload(forms::kForm3);
    forms::ShowBesideConditions(forms::RaisedDimensions(app).window);
  }
  if (f2.case_seismic->Value()) f2.seismic_method_button->SetEnabled(true);

  forms::ResultsWindow& f11 = forms::Results(app);
  f11.window.Move(forms::kDimensionLeft, forms::kResultsTop);
  f11.window.Show();
  app.windows().SetFocus(f11.calculate_button);

  // Without a result nothing may be previewed or printed; the inputs can
  // always be saved.
  if (calculated) app.results().ShowResults();
  app.results().Saved();
}

// The name typed without an extension gets ".vrh", so that Open finds it.
std::string WithExtension(const std::string& path) {
  const std::filesystem::path p(path);
  if (p.has_extension() || p.filename().empty()) return path;
  return path + "." + kExtension;
}

}  // namespace

// Open after the file was read: with or without the recalculation.
OpenResult OpenBytes(App& app, const std::string& path, std::string_view bytes, bool recalculate);

std::string ProjectFolder() {
#ifdef _WIN32
  const std::string folder = "C:\\Varnholt\\";
#else
  const char* home = std::getenv("HOME");
  const std::string folder =
      std::string(home != nullptr && *home != '\0' ? home : ".") + "/Varnholt/";
#endif
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);  // the dialog copes if this fails
  return folder;
}

void FileNew(App& app) {
  if (!ConfirmDiscard(app)) return;
  CloseDesign(app);
  ApplyTemplate(app);
  forms::ConditionsWindow& f2 = forms::Conditions(app);
  f2.window.Move(0, 0);
  f2.window.Show();
  forms::LevelDimensionsWindow& f3 = forms::LevelDimensions(app);
  forms::ShowBesideConditions(f3.window);
  f3.ka_entered->SetValue(false);
  f3.ka_computed->SetValue(false);
  f3.key_button->SetVisible(false);
  forms::ResultsWindow& f11 = forms::Results(app);
  f11.window.Move(forms::kDimensionLeft, forms::kResultsTop);
  f11.window.Show();
  app.windows().SetFocus(f2.site_text);
  app.results().Reset();
  // A new design has no file: 上書き保存 asks for a name rather than
  // replacing the file of the design before.
  app.current_file.clear();
  MarkSaved(app);
}

OpenResult FileOpen(App& app) {
  if (!ConfirmDiscard(app)) return {};
  // A cancelled dialog or a refused file leaves the open design as it was,
  // with its file.
  const std::optional<std::string> chosen =
      app.platform().OpenFileDialog(DialogRequest(app, kOpenTitle));
  if (!chosen || chosen->empty()) return {};
  app.last_folder = std::filesystem::path(*chosen).parent_path().string();
  return OpenProjectFile(app, *chosen);
}

OpenResult OpenProjectFile(App& app, const std::string& path) {
  OpenResult result;
  std::string bytes;
  const IoResult read = ReadFileBounded(path, kMaxProjectBytes, bytes);
  if (!read.ok) {
    result.outcome = OpenOutcome::kUnreadable;
    result.message = "ファイル「" + path + "」を開けませんでした。\n" + read.reason;
    app.ErrorMessage(result.message);
    return result;
  }
  return OpenProjectBytes(app, path, bytes);
}

OpenResult OpenProjectBytes(App& app, const std::string& path, std::string_view bytes) {
  return OpenBytes(app, path, bytes, /*recalculate=*/true);
}

OpenResult RestoreUnsavedInputs(App& app, const std::string& file, std::string_view bytes) {
  OpenResult result = OpenBytes(app, file, bytes, /*recalculate=*/false);
  if (result.outcome != OpenOutcome::kUnreadable) app.saved_inputs.clear();
  return result;
}

OpenResult OpenBytes(App& app, const std::string& path, std::string_view bytes, bool recalculate) {
  OpenResult result;
  // The whole file is checked before the open design is touched.
  const ParseResult parsed = ParseProject(bytes);
  if (!parsed.ok) {
    result.outcome = OpenOutcome::kUnreadable;
    result.message = ReadErrorMessage(path, parsed.error);
    app.ErrorMessage(result.message);
    return result;
  }
  ApplyProject(app, parsed.project);
  forms::ApplyFenceLoadCase(app);
  if (!recalculate) {
    // The inputs exactly as they were; the results are those of no file.
    app.current_file = path;
    ArrangeAfterOpen(app, false);
    result.outcome = OpenOutcome::kNoResult;
    return result;
  }
  const bool calculated = Recalculate(app, result.message);
  app.current_file = path;
  ArrangeAfterOpen(app, calculated);
  MarkSaved(app);
  result.outcome = calculated ? OpenOutcome::kCalculated : OpenOutcome::kNoResult;
  if (!calculated && app.commands.status_note) {
    app.commands.status_note(kNoteNotCalculated + result.message);
  }
  return result;
}

void FileClose(App& app) {
  if (!ConfirmDiscard(app)) return;
  CloseDesign(app);
  app.results().Reset();
  app.current_file.clear();
  MarkSaved(app);
}

bool FileUpdate(App& app) {
  if (app.current_file.empty()) return FileSaveAs(app);
  if (ui::MsgBox(app.platform(), kMsgOverwrite, MsgButtons::kOkCancel, MsgIcon::kQuestion, 2,
                 kConfirmTitle) != MsgResult::kOk) {
    return false;
  }
  return SaveProject(app, app.current_file);
}

bool FileSaveAs(App& app) {
  // A cancelled dialog or a refused save keeps the current file, so
  // 上書き保存 still writes where it wrote before.
  const std::optional<std::string> chosen =
      app.platform().SaveFileDialog(DialogRequest(app, kSaveTitle));
  if (!chosen || chosen->empty()) return false;
  const std::string path = WithExtension(*chosen);
  app.last_folder = std::filesystem::path(path).parent_path().string();
  if (!forms::ConfirmReplace(app, path)) return false;
  if (!SaveProject(app, path)) return false;
  app.current_file = path;
  app.results().Saved();
  return true;
}

bool SaveProject(App& app, const std::string& path, const FileSystemCalls& calls) {
  // Every value is checked before anything is written.
  const EncodedProject encoded = EncodeProject(app);
  if (!encoded.ok) {
    app.ErrorMessage(encoded.message);
    // The caret goes into the box when its window is on screen.
    if (encoded.field != nullptr && encoded.field->kind == FieldKind::kText &&
        app.Form(encoded.field->window).Shown()) {
      app.FocusAtStart(app.Form(encoded.field->window)[encoded.field->control]);
    }
    return false;
  }
  const bool existed = PathExists(path);
  const IoResult written = WriteFileAtomically(path, encoded.bytes, calls);
  if (!written.ok) {
    app.ErrorMessage(SaveFailureMessage(path, existed, written));
    return false;
  }
  MarkSaved(app);
  if (app.commands.status_note) app.commands.status_note(kNoteSaved + path);
  return true;
}

void InstallFileCommands(App& app) {
  app.commands.file_new = [&app] { FileNew(app); };
  app.commands.file_open = [&app] { FileOpen(app); };
  app.commands.file_close = [&app] { FileClose(app); };
  app.commands.file_update = [&app] { FileUpdate(app); };
  app.commands.file_save_as = [&app] { FileSaveAs(app); };
  app.commands.unsaved = [&app] { return Modified(app); };
  app.commands.confirm_discard = [&app] { return ConfirmDiscard(app); };
}

}  // namespace varnholt::project
