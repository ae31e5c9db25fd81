#pragma once
// Both load cases of one design, each calculated on a copy of the windows
// exactly as the engineer would get it by choosing the case, pressing the
// dimension window's 計算する where the coefficient is computed and pressing
// 安定性の検討. The windows of the design being edited are not touched.
//
// Sizing, the design book and the summary window call these functions; the
// copy keeps its windows, so every reader of a calculated design (the
// verdicts, the report, the command line's JSON) reads it as it reads the
// design on screen.

#include <memory>
#include <string>
#include <vector>

#include "model/selections.h"
#include "ui/forms/app.h"
#include "ui/toolkit/platform.h"

namespace varnholt::forms {

/// Platform services of a copy: no message box is shown (each is kept and
/// answered with its default button), no sound, no modal dialog waits.
class QuietPlatform : public ui::PlatformServices {
 public:
  ui::MsgResult MessageBox(const ui::MessageBoxRequest& request) override;
  void Beep() override {}
  void RunModal(ui::Window&) override {}
  std::optional<std::string> OpenFileDialog(const ui::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFileDialog(const ui::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<ui::PrinterChoice> PrinterDialog() override { return std::nullopt; }

  /// The texts of the message boxes, in order.
  std::vector<std::string> messages;
};

/// One load case calculated on a copy of the windows.
struct CaseCalculation {
  LoadCase load_case = LoadCase::kNone;
  /// The seismic method calculated (kNone in the normal case).
  SeismicMethod method = SeismicMethod::kNone;
  /// True when the copy's results are valid; otherwise `reason` says why,
  /// in the words the program would have shown.
  bool computed = false;
  std::string reason;
  /// The copy, its windows as after the calculation: `app->dc()`,
  /// ReadSelections(*app) and the results window hold the case's results.
  std::unique_ptr<QuietPlatform> platform;
  std::unique_ptr<App> app;
};

/// Calculates `app`'s design in `load_case` on a copy. In the seismic case
/// `method` chooses ① or ② in the copy's seismic dialog as a click and ＯＫ
/// would; kNone keeps the dialog's own method.
CaseCalculation CalculateCaseOnCopy(App& app, LoadCase load_case,
                                    SeismicMethod method = SeismicMethod::kNone);

/// 両ケース計算: the normal case, the seismic case with the dialog's method
/// and, under 宅地造成 with method ① or ②, the other of the two.
struct BothCases {
  CaseCalculation normal;
  CaseCalculation seismic;
  /// 宅地造成 only: the method the dialog does not select; not computed
  /// (load_case kNone) otherwise.
  CaseCalculation other_method;
  /// 宅地造成 with both methods computed: the governing one, the one with
  /// the smaller margin in any check (kNone when not both were computed).
  SeismicMethod governing = SeismicMethod::kNone;
};

/// Whether the windows hold what both cases need: the criteria of each
/// case and the seismic dialog's method, Kh and Kv, and no short-term fence
/// load (which is judged in the normal case only).
bool BothCasesSet(App& app);

/// Calculates both cases on copies; never changes `app`'s windows.
BothCases CalculateBothCases(App& app);

/// The smallest margin of any check of a calculated case: F / limit,
/// d / limit, limit / |e|, allowable / σmax, Fs / limit, Fk / limit and
/// allowable / stress of the wall body's governing section. Below 1 means
/// NG somewhere. Infinity when nothing was judged.
double SmallestMargin(App& calculated);

}  // namespace varnholt::forms
