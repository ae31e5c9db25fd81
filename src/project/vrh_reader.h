#pragma once
// Reading a .vrh project file.
//
// Reading is split in two so that a bad file never touches the open design:
// ParseProject checks the whole file (size, line ends, code page 932, the
// kind of every line, the blocks that the options call for) without looking
// at a window and gives the project as typed data (ProjectState); only a
// file that passes is restored into the windows by ApplyProject.

#include <string>
#include <string_view>
#include <vector>

#include "project/vrh_layout.h"

namespace varnholt::forms {
class App;
}

namespace varnholt::project {

/// Limits that keep a stray file (a picture, a log) from being read as a
/// project: a project is about 2 KB.
inline constexpr std::size_t kMaxProjectBytes = 1024 * 1024;
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

/// One stored value and the control it belongs to.
struct ProjectEntry {
  const Field* field;
  std::string value;  // UTF-8
  int line;           // 1-based line of the file
};

/// A checked project file, ready to be applied.
struct ParsedProject {
  /// The project as typed data.
  ProjectState state;
  std::vector<ProjectEntry> entries;  // in file order
  DimensionBlock dimension = DimensionBlock::kNone;
  KeyBlock key = KeyBlock::kNone;
  bool fence = false;
  /// Index into entries of the first entry after block C (block D's first).
  std::size_t after_dimension = 0;
};

/// Why a file is not a project: the first offending line (0 when the file
/// as a whole is refused) and the reason in plain Japanese.
struct ReadError {
  int line = 0;
  std::string reason;
};

/// Either a checked project or the reason it was refused.
struct ParseResult {
  bool ok = false;
  ParsedProject project;
  ReadError error;
};

/// Checks the bytes of a whole file. Every file the program writes passes.
ParseResult ParseProject(std::string_view bytes);

/// The message shown for a refused file, naming the file and the line.
std::string ReadErrorMessage(const std::string& path, const ReadError& error);

/// Restores the windows from a checked project (forms::RestoreWindows).
/// Does not recalculate.
void ApplyProject(forms::App& app, const ParsedProject& project);

}  // namespace varnholt::project
