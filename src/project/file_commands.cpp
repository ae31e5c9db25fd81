#include "project/file_commands.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "calc/earth_pressure.h"
#include "calc/fence.h"
#include "calc/keisan.h"
#include "project/file_io.h"
#include "project/vrh_reader.h"
#include "project/vrh_writer.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/form17.h"
#include "ui/forms/form20.h"
#include "ui/forms/handles.h"
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
constexpr const char* kMsgClose = "作成中のデータが失われます。閉じてもよろしいですか？";
constexpr const char* kMsgOverwrite = "上書き保存してもよろしいですか？";
constexpr const char* kMsgExisting = "同名ファイルがあります。上書き保存しますか？";
constexpr const char* kExistingTitle = "上書き保存の確認";
constexpr const char* kMsgNoCoefficient = "主働土圧係数を入力してください。";

// The windows of a design, closed by New and Close. Form19 is not among
// them: its shear-key values outlive a new design.
constexpr const char* kDesignWindows[] = {forms::kForm2,  forms::kForm3,  forms::kForm11,
                                          forms::kForm12, forms::kForm14, forms::kForm15,
                                          forms::kForm16, forms::kForm17};

ui::FileDialogRequest DialogRequest(const char* title) {
  ui::FileDialogRequest r;
  r.title = title;
  r.initial_dir = ProjectFolder();
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
  if (UsesComputedCoefficient(forms::ReadSelections(app))) {
    forms::Form3Keisan(app);
    // A coefficient that cannot be computed has been reported and its box
    // emptied; calculating on with KA = 0 would show a wrong result.
    if (forms::LevelDimensions(app).ka_text->Text().empty()) {
      app.results().ClearResultsAndSlidingFactor();
      message = "主働土圧係数を計算できないため、安定性の検討ができません。";
      return false;
    }
  }
  // Nor is an empty coefficient box a coefficient of 0: the calculate
  // command would ask for one, and so does Open.
  if (forms::IsLevelOrSlope(forms::Conditions(app)) &&
      forms::LevelDimensions(app).ka_text->Text().empty()) {
    app.results().ClearResultsAndSlidingFactor();
    message = kMsgNoCoefficient;
    app.ErrorMessage(message);
    return false;
  }
  forms::Suti(app);
  DesignCase& dc = app.dc();
  const CalcStatus status = CalculateDesign(dc, forms::ReadSelections(app));
  if (!status.ok()) {
    app.results().ClearResultsAndSlidingFactor();
    message = status.Message();
    app.ErrorMessage(message);
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

  // Without a result nothing may be saved, previewed or printed.
  if (calculated) app.results().ShowResults();
}

// The name typed without an extension gets ".vrh", so that Open finds it.
std::string WithExtension(const std::string& path) {
  const std::filesystem::path p(path);
  if (p.has_extension() || p.filename().empty()) return path;
  return path + "." + kExtension;
}

}  // namespace

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
  CloseDesign(app);
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
}

OpenResult FileOpen(App& app) {
  const std::string previous = app.current_file;
  app.current_file.clear();
  const std::optional<std::string> chosen =
      app.platform().OpenFileDialog(DialogRequest(kOpenTitle));
  if (!chosen || chosen->empty()) return {};
  // The design opened has this file, so that a shown result makes
  // 上書き保存 available as after any calculation of a design with a file.
  app.current_file = *chosen;
  OpenResult result = OpenProjectFile(app, *chosen);
  // A refused file leaves the open design as it was, with its file.
  if (result.outcome == OpenOutcome::kUnreadable) app.current_file = previous;
  return result;
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
  const bool calculated = Recalculate(app, result.message);
  ArrangeAfterOpen(app, calculated);
  result.outcome = calculated ? OpenOutcome::kCalculated : OpenOutcome::kNoResult;
  return result;
}

void FileClose(App& app) {
  if (ui::MsgBox(app.platform(), kMsgClose, MsgButtons::kOkCancel, MsgIcon::kQuestion, 2,
                 kConfirmTitle) != MsgResult::kOk) {
    return;
  }
  CloseDesign(app);
  app.results().Reset();
}

void FileUpdate(App& app) {
  if (app.current_file.empty()) {
    FileSaveAs(app);
    return;
  }
  if (ui::MsgBox(app.platform(), kMsgOverwrite, MsgButtons::kOkCancel, MsgIcon::kNone, 2,
                 kConfirmTitle) != MsgResult::kOk) {
    return;
  }
  SaveProject(app, app.current_file);
}

void FileSaveAs(App& app) {
  app.current_file.clear();
  const std::optional<std::string> chosen =
      app.platform().SaveFileDialog(DialogRequest(kSaveTitle));
  if (!chosen || chosen->empty()) return;
  const std::string path = WithExtension(*chosen);
  if (PathExists(path) && ui::MsgBox(app.platform(), kMsgExisting, MsgButtons::kYesNo,
                                     MsgIcon::kStop, 2, kExistingTitle) != MsgResult::kYes) {
    return;
  }
  if (!SaveProject(app, path)) return;
  app.current_file = path;
  // The design now has a file: 上書き保存 is available as after a calculation.
  app.results().Saved();
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
  return true;
}

void InstallFileCommands(App& app) {
  app.commands.file_new = [&app] { FileNew(app); };
  app.commands.file_open = [&app] { FileOpen(app); };
  app.commands.file_close = [&app] { FileClose(app); };
  app.commands.file_update = [&app] { FileUpdate(app); };
  app.commands.file_save_as = [&app] { FileSaveAs(app); };
}

}  // namespace varnholt::project
