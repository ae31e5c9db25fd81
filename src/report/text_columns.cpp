#include "report/text_columns.h"

namespace varnholt::report {
namespace {

// Bytes of the UTF-8 character that begins with `lead`.
std::size_t CharacterBytes(unsigned char lead) {
  return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

}  // namespace

int HalfEms(std::string_view text) {
  int n = 0;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t len = CharacterBytes(c);
    unsigned cp = 0;
    if (len == 3 && i + 2 < text.size()) {
      cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
           (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
    }
    n += len == 1 || (cp >= 0xFF61 && cp <= 0xFF9F) ? 1 : 2;
    i += len;
  }
  return n;
}

int WideColumns(std::string_view text) {
  int n = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = CharacterBytes(static_cast<unsigned char>(text[i]));
    n += len == 1 ? 1 : 2;
    i += len;
  }
  return n;
}

std::vector<std::string> WrapColumns(std::string_view text, int width,
                                     int (*measure)(std::string_view)) {
  std::vector<std::string> lines(1);
  int used = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view ch = text.substr(i, CharacterBytes(static_cast<unsigned char>(text[i])));
    i += ch.size();
    if (ch == "\n") {  // a message's own line break ends the printed line
      lines.emplace_back();
      used = 0;
      continue;
    }
    const int w = measure(ch);
    if (used + w > width) {
      lines.emplace_back();
      used = 0;
    }
    lines.back() += ch;
    used += w;
  }
  return lines;
}

}  // namespace varnholt::report
