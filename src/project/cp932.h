#pragma once
// Code page 932 (the Japanese ANSI code page of project files) to and from
// the UTF-8 that the windows hold, through Qt's ICU-backed converter.

#include <optional>
#include <string>
#include <string_view>

namespace varnholt::project {

/// The outcome of encoding one text: the bytes, or the first character that
/// code page 932 cannot hold (UTF-8, e.g. an emoji).
struct Cp932Encoded {
  std::string bytes;
  bool ok = true;
  std::string bad_character;
};

/// Encodes UTF-8 text. A character is accepted only when it survives the
/// round trip unchanged: nothing is ever replaced by a look-alike or "?".
Cp932Encoded EncodeCp932(std::string_view utf8);

/// Decodes code page 932 bytes to UTF-8; nullopt when the bytes are not
/// valid code page 932 (an illegal or unassigned sequence, a lead byte
/// without its trail byte).
std::optional<std::string> DecodeCp932(std::string_view bytes);

}  // namespace varnholt::project
