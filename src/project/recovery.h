#pragma once
// Crash recovery: while the design has unsaved changes its inputs are kept
// in a recovery file of this running program; a later start finds the file
// of a program that no longer runs and offers to restore it.

#include <optional>
#include <string>

namespace varnholt::forms {
class App;
}

namespace varnholt::project {

/// $XDG_DATA_HOME/varnholt/recovery/ (~/.local/share/varnholt/recovery/
/// without it; %LOCALAPPDATA%\Varnholt\recovery\ on Windows).
std::string RecoveryFolder();

/// The recovery file of one running program: recovery-<process>.vrh with
/// the inputs as a project file, and recovery-<process>.txt with the path of
/// the design's own file (empty for a design never saved).
class RecoveryFile {
 public:
  RecoveryFile(std::string folder, long process);
  /// This program's file in RecoveryFolder().
  RecoveryFile();

  /// Writes the inputs, atomically, when the design has unsaved changes and
  /// they differ from the last write; removes the file when there are none.
  void Update(forms::App& app);
  /// The design was saved, closed or discarded, or the program ends cleanly.
  void Remove();
  const std::string& path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
  std::string name_path_;
  std::string written_;
};

/// The newest recovery file in `folder` whose program no longer runs.
std::optional<std::string> FindLeftRecovery(const std::string& folder);

/// At start: when a program ended without saving, asks
/// "前回、保存されていない変更を残したまま終了しました。…" with 復元 / 破棄.
/// 復元 loads the inputs (modified, with their own file) and removes the
/// left file, 破棄 removes it, closing the box keeps it for the next start.
/// True when a design was restored.
bool OfferRecovery(forms::App& app, const std::string& folder);

}  // namespace varnholt::project
