#pragma once
// The results window's commands: the stability calculation
// ("安定性の検討") and the choice of check methods ("安定性の検討方法").
// The summary rows themselves belong to the results presenter.

namespace varnholt::forms {

class App;
struct CheckMethodsDialog;

/// Form11.cmd1 "安定性の検討". In order: the completeness checks; the check
/// methods of the criteria set in use (a missing choice opens its dialog);
/// with a shear key, the key dimensions (an empty key height opens the key
/// dialog); collection and KEISAN. A calculation that cannot be completed
/// shows why in a box titled "エラーメッセージ" and leaves the results
/// hidden and invalid. A successful one shows the results through the
/// results presenter and runs Kekka.
void CalculateCommand(App& app);

/// Form11.cmd2 "安定性の検討方法": opens the check-method dialog of the
/// criteria set in use (Form12 for 常時, Form14 for 地震時 and for a
/// short-term fence load), or the fence dialog when a fence has no load
/// kind yet.
void CheckMethodCommand(App& app);

/// Shows Form12 or Form14 modally: the "（突起を設ける場合は F≧1.0）" note
/// only under 宅地造成, and the dialog's activation (legends, heading, the
/// cohesion rule) run as it appears.
void ShowCheckMethodDialog(App& app, CheckMethodsDialog& dialog);

}  // namespace varnholt::forms
