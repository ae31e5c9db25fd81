#include "project/file_commands.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "calc/earth_pressure.h"
#include "calc/keisan.h"
#include "project/file_io.h"
#include "project/vrh_reader.h"
#include "project/vrh_writer.h"
#include "ui/forms/app.h"
#include "ui/forms/collect.h"
#include "ui/forms/dimension_windows.h"
#include "ui/forms/form20.h"
#include "ui/forms/invalidate.h"
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

// Window positions inside the main window, twips.
constexpr int kDimensionLeft = 5460;
constexpr int kResultsTop = 4710;

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

void SetToolButtons(App& app, bool enabled) {
  ui::Window& main = app.Form(forms::kMDIForm1);
  for (int i : {3, 5, 6}) main[forms::ToolButtonName(i)].SetEnabled(enabled);
}

// Closes every design window, forgets the seismic method and resets the
// flags: what New and Close share.
void CloseDesign(App& app) {
  ui::WindowSystem& ws = app.windows();
  for (const char* name : kDesignWindows) ws.Unload(name);
  if (ws.IsLoaded(forms::kForm20)) {
    ui::Window& f20 = app.Form(forms::kForm20);
    f20["opt_K1"].SetValue(false);
    f20["opt_K2"].SetValue(false);
    ws.Unload(forms::kForm20);
  }
  app.dc().ShearKeyFlag = "0";
  app.dc().FenceLoadType.clear();
}

// Jisin, the coefficient of the dimension window when it is computed, SUTI,
// KEISAN and Kekka: an opened project shows its results at once. False when
// there is no result; the reason has been shown.
bool Recalculate(App& app, std::string& message) {
  forms::Jisin(app);
  if (UsesComputedCoefficient(forms::ReadSelections(app))) {
    forms::Form3Keisan(app);
    // A coefficient that cannot be computed has been reported and its box
    // emptied; calculating on with KA = 0 would show a wrong result.
    if (app.Form(forms::kForm3)["txt11"].Text().empty()) {
      forms::Hihyouji_1(app);
      message = "主働土圧係数を計算できないため、安定性の検討ができません。";
      return false;
    }
  }
  forms::Suti(app);
  DesignCase& dc = app.dc();
  const CalcStatus status = CalculateDesign(dc, forms::ReadSelections(app));
  if (!status.ok()) {
    forms::Hihyouji_1(app);
    message = status.Message();
    app.ErrorMessage(message);
    return false;
  }
  app.results_valid = true;
  forms::Kekka(app);
  return true;
}

// Open, after the reading: the windows where New puts them, the load case
// as a short-term fence load allows it, and the commands of a calculated
// design.
void ArrangeAfterOpen(App& app, bool calculated) {
  ui::Window& f2 = app.Form(forms::kForm2);
  f2.Move(0, 0);
  f2.Show();
  if (f2["opt1"].Value() || f2["opt2"].Value()) {
    app.windows().Unload(forms::kForm16);
    ui::Window& f3 = app.Form(forms::kForm3);
    f3.Move(kDimensionLeft, 0);
    f3.Show();
    if (f3["opt5"].Value()) f3["cmd3"].SetVisible(false);
  } else if (f2["opt3"].Value()) {
    app.windows().Unload(forms::kForm3);
    ui::Window& f16 = app.Form(forms::kForm16);
    f16.Move(kDimensionLeft, 0);
    f16.Show();
    if (f16["opt5"].Value()) f16["cmd3"].SetVisible(false);
  }

  ui::Window& f17 = app.Form(forms::kForm17);
  if (f17["opt2"].Value() || f17["opt3"].Value()) {
    // A short-term fence load is always checked in the normal case.
    f2["opt5"].SetValue(false);
    f2["opt5"].SetEnabled(false);
    f2["cmd2"].SetEnabled(false);
    f2["opt4"].SetValue(true);
  } else {
    f2["opt5"].SetEnabled(true);
    f2["cmd2"].SetEnabled(true);
  }
  if (f2["opt5"].Value()) f2["cmd4"].SetEnabled(true);

  ui::Window& f11 = app.Form(forms::kForm11);
  f11.Move(kDimensionLeft, kResultsTop);
  f11.Show();
  app.windows().SetFocus(f11["cmd1"]);

  // Without a result nothing may be saved, previewed or printed.
  if (!calculated) return;
  ui::Window& main = app.Form(forms::kMDIForm1);
  for (const char* item : {"Men_FOvw", "Men_FSav", "Men_FImg", "Men_FPrn"}) {
    main[item].SetEnabled(true);
  }
  SetToolButtons(app, true);
  forms::ShowResultRows(app);
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
  ui::Window& f2 = app.Form(forms::kForm2);
  f2.Move(0, 0);
  f2.Show();
  ui::Window& f3 = app.Form(forms::kForm3);
  f3.Move(kDimensionLeft, 0);
  f3.Show();
  f3["opt1"].SetValue(false);
  f3["opt2"].SetValue(false);
  f3["cmd3"].SetVisible(false);
  ui::Window& f11 = app.Form(forms::kForm11);
  f11.Move(kDimensionLeft, kResultsTop);
  f11.Show();
  for (int i = 5; i <= 21; ++i) f11["lbl" + std::to_string(i)].SetVisible(false);
  app.windows().SetFocus(f2["txt1"]);
  SetToolButtons(app, false);
}

OpenResult FileOpen(App& app) {
  const std::string previous = app.current_file;
  app.current_file.clear();
  const std::optional<std::string> chosen =
      app.platform().OpenFileDialog(DialogRequest(kOpenTitle));
  if (!chosen || chosen->empty()) return {};
  OpenResult result = OpenProjectFile(app, *chosen);
  // A refused file leaves the open design as it was, with its file.
  app.current_file = result.outcome == OpenOutcome::kUnreadable ? previous : *chosen;
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
  SetToolButtons(app, false);
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
  if (app.results_valid) {
    app.Form(forms::kMDIForm1)[forms::ToolButtonName(3)].SetEnabled(true);
  }
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
