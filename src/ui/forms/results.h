#pragma once
// The results window's commands: the stability calculation
// ("安定性の検討"), the choice of check methods ("安定性の検討方法") and
// Kekka, which writes the O.K / NG summary rows.

namespace varnholt::forms {

class App;

/// Form11.cmd1 "安定性の検討". In order: the completeness checks; the check
/// methods of the criteria set in use (a missing choice opens its dialog);
/// with a shear key, the key dimensions (an empty key height opens the key
/// dialog); collection and KEISAN. A calculation that cannot be completed
/// shows why in a box titled "エラーメッセージ" and leaves the results
/// hidden and invalid. A successful one marks the results valid, enables
/// preview and print (and overwrite when the project has a file), shows the
/// summary rows and runs Kekka.
void CalculateCommand(App& app);

/// Form11.cmd2 "安定性の検討方法": opens the check-method dialog of the
/// criteria set in use (Form12 for 常時, Form14 for 地震時 and for a
/// short-term fence load), or the fence dialog when a fence has no load
/// kind yet.
void CheckMethodCommand(App& app);

/// Kekka: writes the summary rows of Form11 from the last calculation and
/// the check-method options, in four stages (overturning, bearing, sliding,
/// shear key). A met criterion is shown in black, an unmet one in light
/// magenta with one beep (none for bearing). A criterion whose option group
/// has no selection leaves its row as it was. Does not change visibility,
/// except that the "突起の無い状態で" row appears under 宅地造成 with a key.
/// Also sets the application's warnings of soil constants outside their
/// practical range.
void Kekka(App& app);

/// Makes the summary rows lbl5..lbl17 and lbl22..lbl24 visible, as after a
/// calculation (Open shows them the same way).
void ShowResultRows(App& app);

/// Shows Form12 or Form14 modally: the "（突起を設ける場合は F≧1.0）" note
/// only under 宅地造成, and the dialog's activation (legends, heading, the
/// cohesion rule) run as it appears.
void ShowCheckMethodDialog(App& app, const char* name);

}  // namespace varnholt::forms
