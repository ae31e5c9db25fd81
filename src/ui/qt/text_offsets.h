#pragma once
// The window logic counts caret positions in bytes of its UTF-8 texts; Qt
// counts UTF-16 code units. These convert between the two, snapping an offset
// that falls inside a character to the character's start.

#include <QString>
#include <string>

namespace varnholt::desktop {

/// The Qt index of a byte offset into a UTF-8 text, clamped to the text.
int QtIndexOfUtf8Offset(const std::string& utf8, int byte_offset);

/// The byte offset into the UTF-8 form of a text of a Qt index, clamped.
int Utf8OffsetOfQtIndex(const QString& text, int qt_index);

inline QString ToQ(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string FromQ(const QString& s) { return s.toStdString(); }

}  // namespace varnholt::desktop
