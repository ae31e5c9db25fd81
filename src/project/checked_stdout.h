#pragma once
// Standard output of the command-line tool, with every write checked. A
// command whose output did not arrive (a full disk behind "> file", a closed
// standard output) must fail, not end with status 0 and an empty file.

#include <string>
#include <string_view>

namespace varnholt::project {

/// Collects what a command prints and writes it at the end, checking every
/// write and the close of the descriptor.
class CheckedStdout {
 public:
  /// To be made first thing in main(). Notes whether standard output is
  /// open. Standard input, output and error that are closed are opened on
  /// /dev/null, so that no file the program opens later takes their number
  /// (a PDF written through descriptor 1 would receive the JSON).
  CheckedStdout();
  CheckedStdout(const CheckedStdout&) = delete;
  CheckedStdout& operator=(const CheckedStdout&) = delete;

  /// Appends text to the output.
  void Write(std::string_view text) { text_ += text; }

  /// Writes the output and closes standard output. Empty when everything
  /// arrived; otherwise why not ("ディスクの空き容量が不足しています。",
  /// "標準出力が閉じられています。").
  std::string Finish();

 private:
  std::string text_;
  bool was_closed_ = false;
};

}  // namespace varnholt::project
