#pragma once
// Writing a .vrh project file: the state of the input windows' controls,
// one value per line in code page 932, CR LF after every line.

#include <string>

#include "project/vrh_layout.h"

namespace varnholt::forms {
class App;
}

namespace varnholt::project {

/// The file's bytes, or why the design cannot be written: a box holding a
/// character that code page 932 cannot store (an emoji in the site name) or
/// a line break. Nothing is replaced behind the engineer's back.
struct EncodedProject {
  bool ok = false;
  std::string bytes;
  /// When !ok: the message naming the box, and the box.
  std::string message;
  const Field* field = nullptr;
};

/// Encodes a project. The conditional blocks follow its options: the
/// dimension window of the ground shape, the shear-key dialog of the
/// standard, the fence dialog when there is a fence.
EncodedProject EncodeProject(ProjectState state);

/// Encodes the project the windows hold now (forms::ReadProjectState).
EncodedProject EncodeProject(forms::App& app);

}  // namespace varnholt::project
