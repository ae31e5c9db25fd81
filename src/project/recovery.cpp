#include "project/recovery.h"

#include <filesystem>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#endif

#include "project/document.h"
#include "project/file_commands.h"
#include "project/file_io.h"
#include "project/vrh_reader.h"
#include "project/vrh_writer.h"
#include "ui/forms/app.h"

namespace varnholt::project {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPrefix = "recovery-";
constexpr const char* kMsgRestore =
    "前回、保存されていない変更を残したまま終了しました。\n変更を復元しますか?";
constexpr const char* kRestoreTitle = "変更の復元";

long ThisProcess() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<long>(::getpid());
#endif
}

// Whether the program that wrote a recovery file still runs. Where that
// cannot be told, it is taken as ended, so no work is ever hidden.
bool Running(long process) {
#ifdef _WIN32
  return process == ThisProcess();
#else
  if (process == ThisProcess()) return true;
  if (process <= 0) return false;
  return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
#endif
}

// The process number in "recovery-<n>.vrh"; 0 for any other name.
long ProcessOf(const fs::path& file) {
  const std::string name = file.filename().string();
  const std::string prefix = kPrefix;
  if (name.rfind(prefix, 0) != 0 || file.extension() != ".vrh") return 0;
  const std::string digits = file.stem().string().substr(prefix.size());
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  try {
    return std::stol(digits);
  } catch (...) {
    return 0;
  }
}

fs::path NameFileOf(const fs::path& recovery) {
  fs::path p = recovery;
  return p.replace_extension(".txt");
}

void RemoveBoth(const fs::path& recovery) {
  std::error_code ec;
  fs::remove(recovery, ec);
  fs::remove(NameFileOf(recovery), ec);
}

}  // namespace

std::string RecoveryFolder() {
#ifdef _WIN32
  const char* base = std::getenv("LOCALAPPDATA");
  return (fs::path(base != nullptr ? base : ".") / "Varnholt" / "recovery").string();
#else
  const char* data = std::getenv("XDG_DATA_HOME");
  fs::path base;
  if (data != nullptr && *data == '/') {
    base = data;
  } else {
    const char* home = std::getenv("HOME");
    base = fs::path(home != nullptr && *home != '\0' ? home : ".") / ".local" / "share";
  }
  return (base / "varnholt" / "recovery").string();
#endif
}

RecoveryFile::RecoveryFile(std::string folder, long process) : folder_(std::move(folder)) {
  const fs::path file = fs::path(folder_) / (kPrefix + std::to_string(process) + ".vrh");
  path_ = file.string();
  name_path_ = NameFileOf(file).string();
}

RecoveryFile::RecoveryFile() : RecoveryFile(RecoveryFolder(), ThisProcess()) {}

void RecoveryFile::Update(forms::App& app) {
  if (!Modified(app)) {
    Remove();
    return;
  }
  const EncodedProject encoded = EncodeProject(app);
  // A box the project file cannot hold is reported when saving; until then
  // the last file written stays.
  if (!encoded.ok || encoded.bytes == written_) return;
  std::error_code ec;
  fs::create_directories(folder_, ec);
  // A failed write is tried again on the next change; the work itself is
  // still in the windows.
  if (!WriteFileAtomically(name_path_, app.current_file).ok) return;
  if (WriteFileAtomically(path_, encoded.bytes).ok) written_ = encoded.bytes;
}

void RecoveryFile::Remove() {
  if (written_.empty()) return;
  RemoveBoth(path_);
  written_.clear();
}

std::optional<std::string> FindLeftRecovery(const std::string& folder) {
  std::error_code ec;
  std::optional<std::string> newest;
  fs::file_time_type newest_time{};
  for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
    const long process = ProcessOf(e.path());
    if (process == 0 || Running(process)) continue;
    std::error_code time_ec;
    const fs::file_time_type t = fs::last_write_time(e.path(), time_ec);
    if (time_ec) continue;
    if (!newest || t > newest_time) {
      newest = e.path().string();
      newest_time = t;
    }
  }
  return newest;
}

bool OfferRecovery(forms::App& app, const std::string& folder) {
  const std::optional<std::string> left = FindLeftRecovery(folder);
  if (!left) return false;
  const ui::MsgResult answer =
      ui::MsgBox(app.platform(), kMsgRestore, ui::MsgButtons::kRestoreDiscard,
                 ui::MsgIcon::kQuestion, 1, kRestoreTitle);
  if (answer == ui::MsgResult::kCancel) return false;
  if (answer == ui::MsgResult::kNo) {
    RemoveBoth(*left);
    return false;
  }
  std::string bytes;
  std::string own_file;
  const IoResult read = ReadFileBounded(*left, kMaxProjectBytes, bytes);
  ReadFileBounded(NameFileOf(*left).string(), kMaxProjectBytes, own_file);
  if (!read.ok) {
    app.ErrorMessage("ファイル「" + *left + "」を開けませんでした。\n" + read.reason);
    return false;
  }
  const OpenResult opened = RestoreUnsavedInputs(app, own_file, bytes);
  // What cannot be read has been reported; it would be offered at every
  // start otherwise.
  RemoveBoth(*left);
  if (opened.outcome == OpenOutcome::kUnreadable) return false;
  return true;
}

}  // namespace varnholt::project
