#pragma once
// Save dialogs of the design's outputs (the report's PDF, the standard-
// section table) start where the engineer works and say where the file went.

#include <string>

namespace varnholt::forms {

class App;

/// Where a save dialog for an output starts: the project's folder and the
/// project's name with `suffix` ("W-1.vrh" and ".pdf" give "W-1.pdf"); for
/// a design not yet saved, the last folder of a file dialog and
/// `unnamed`.
struct OutputStart {
  std::string folder;
  std::string name;
};
OutputStart OutputDialogStart(const App& app, const std::string& suffix,
                              const std::string& unnamed);

/// Before a save replaces a file of the chosen name: "同名ファイルがあります。
/// 上書き保存しますか？" titled "上書き保存の確認", with the question icon and
/// はい / いいえ, いいえ the default. True when there is no such file or
/// the answer is はい. (The save dialogs themselves do not ask.)
bool ConfirmReplace(App& app, const std::string& path);

/// After an output was written: its folder is the last folder, and the
/// status bar says "<what>を出力しました：<path>".
void NoteOutputWritten(App& app, const std::string& what, const std::string& path);

}  // namespace varnholt::forms
