#include "ui/qt/text_offsets.h"

#include <algorithm>

namespace varnholt::desktop {

int QtIndexOfUtf8Offset(const std::string& utf8, int byte_offset) {
  const int end = std::clamp(byte_offset, 0, static_cast<int>(utf8.size()));
  int qt_index = 0;
  int i = 0;
  while (i < end) {
    const unsigned char c = static_cast<unsigned char>(utf8[static_cast<size_t>(i)]);
    const int n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (i + n > end) break;  // the offset falls inside this character
    i += n;
    qt_index += n == 4 ? 2 : 1;  // four-byte characters are surrogate pairs
  }
  return qt_index;
}

int Utf8OffsetOfQtIndex(const QString& text, int qt_index) {
  int index = std::clamp(qt_index, 0, static_cast<int>(text.size()));
  // Never split a surrogate pair.
  if (index > 0 && index < text.size() && text.at(index).isLowSurrogate()) --index;
  return static_cast<int>(text.left(index).toUtf8().size());
}

}  // namespace varnholt::desktop
