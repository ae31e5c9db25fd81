#pragma once
// The results state of the running program, in one place: whether the
// results on screen belong to the inputs, the summary rows of the results
// window (Kekka writes them), and the commands that need valid results
// (上書き保存, 印刷ｲﾒｰｼﾞ and 印刷 on the toolbar and in the File menu).
//
// Every way the results come and go goes through here: the calculate
// command and Open show them, every edit of an input clears them, New and
// Close forget them.

#include <functional>
#include <string>
#include <vector>

#include "calc/plausibility.h"

namespace varnholt::forms {

class App;

/// Owner of "results valid" and of everything that follows from it.
class ResultsPresenter {
 public:
  explicit ResultsPresenter(App& app) : app_(app) {}
  ResultsPresenter(const ResultsPresenter&) = delete;
  ResultsPresenter& operator=(const ResultsPresenter&) = delete;

  /// True while the results on screen belong to the current inputs: set by
  /// every successful calculation, cleared by every change of an input.
  bool valid() const { return valid_; }

  /// A calculation has just succeeded: the results are valid, the summary
  /// rows lbl5..lbl17 and lbl22..lbl24 are visible (Kekka writes them), and
  /// preview and print are available, overwrite too when the project has a
  /// file.
  void ShowResults();

  /// An input changed (Hihyouji_2): the summary rows are hidden, the second
  /// overturning row emptied, the results invalid and overwrite, preview and
  /// print unavailable. The design case keeps its numbers.
  void ClearResults();
  /// The same, and the sliding factor Fs (Calc[49]) of the design case is 0
  /// (Hihyouji_1): what every edit but the fence and shear-key options does.
  void ClearResultsAndSlidingFactor();
  /// The sliding rows only (a changed shear key): the row "突起の無い状態で"
  /// is hidden and the captions of both sliding rows emptied.
  void ClearSlidingRows();

  /// The design conditions window is closing: no valid result remains and
  /// Fs is 0. Touches no window.
  void Forget();
  /// New and Close: nothing valid, no summary row, no command that needs
  /// results. Does not open the results window when it is closed.
  void Reset();

  /// Soil constants of the shown results that lie outside their practical
  /// range. They block nothing; the front end shows them in its status bar.
  /// Kekka sets them with the results; every way the results go clears them.
  const std::vector<PlausibilityWarning>& warnings() const { return warnings_; }
  void SetWarnings(std::vector<PlausibilityWarning> warnings);
  /// Called after the warnings changed.
  std::function<void()> on_warnings_changed;

  /// The File menu is dropping down: 上書き保存 and 名前を付けて保存 with an
  /// open design, 印刷ｲﾒｰｼﾞ and 印刷 with valid results.
  void UpdateFileMenu();
  /// The project has just been saved under a new name: 上書き保存 is
  /// available.
  void Saved();

 private:
  void HideRows();

  App& app_;
  bool valid_ = false;
  std::vector<PlausibilityWarning> warnings_;
};

/// Kekka: writes the summary rows of Form11 from the last calculation and
/// the check-method options, in four stages (overturning, bearing, sliding,
/// shear key). A met criterion is shown in black, an unmet one in light
/// magenta with one beep (none for bearing). A criterion whose option group
/// has no selection leaves its row as it was. Does not change visibility,
/// except that the "突起の無い状態で" row appears under 宅地造成 with a key.
/// Also sets the warnings of soil constants outside their practical range.
void Kekka(App& app);

/// 上書き保存 and 名前を付けて保存 store the inputs, calculated or not: they
/// are available whenever a design is open.
bool SaveCommandsAvailable(App& app);

}  // namespace varnholt::forms
