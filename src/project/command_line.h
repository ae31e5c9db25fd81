#pragma once
// Reads a command's arguments the same way for every command of the command
// line: options until "--", after it only file names; an option's value is
// the argument after it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "project/cases_option.h"

namespace varnholt::project {

class ArgumentReader {
 public:
  /// `args` begins with the command word, which is passed over.
  explicit ArgumentReader(const std::vector<std::string_view>& args) : args_(args) {}

  /// Moves to the next argument, passing over the "--" that ends the
  /// options; false after the last.
  bool Next();

  /// The argument Next moved to.
  std::string_view arg() const { return args_[i_]; }

  /// Whether options are still read and the argument is `name` (or `other`).
  bool Is(std::string_view name, std::string_view other = {}) const;

  /// Whether options are still read and the argument begins with '-' and
  /// has more: an option, unknown when no Is() matched it.
  bool IsOption() const;

  /// Takes the argument after the option as its value; false (value left
  /// as it was) when the option is the last argument.
  bool Take(std::string_view* value);
  bool Take(std::string* value);

  /// The argument as the project file. Empty on success; otherwise the
  /// message: an unknown option, or a second file.
  std::string TakeFile(std::string* path) const;

  /// Reads the value of `--cases current|both`. Empty on success;
  /// otherwise the message for the wrong command line.
  std::string TakeCases(CasesOption* cases);

  /// Reads the value of `--first-page N` (1 to 9999). Empty on success;
  /// otherwise the message for the wrong command line.
  std::string TakeFirstPage(int* first);

 private:
  const std::vector<std::string_view>& args_;
  std::size_t i_ = 0;
  bool options_ = true;
};

}  // namespace varnholt::project
