#include "project/cp932.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace varnholt::project {
namespace {

// Qt's name of Windows code page 932; resolved through ICU.
constexpr const char* kCodec = "windows-932";

QStringEncoder MakeEncoder() { return QStringEncoder(kCodec, QStringConverter::Flag::Stateless); }
QStringDecoder MakeDecoder() { return QStringDecoder(kCodec, QStringConverter::Flag::Stateless); }

bool EncodesCleanly(const QString& text, QByteArray* out) {
  QStringEncoder encoder = MakeEncoder();
  QByteArray bytes = encoder.encode(text);
  if (!encoder.isValid() || encoder.hasError()) return false;
  QStringDecoder decoder = MakeDecoder();
  const QString back = decoder.decode(bytes);
  if (decoder.hasError() || back != text) return false;
  if (out != nullptr) *out = std::move(bytes);
  return true;
}

}  // namespace

Cp932Encoded EncodeCp932(std::string_view utf8) {
  Cp932Encoded result;
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  // Invalid UTF-8 would come back as U+FFFD and must not pass as text.
  if (text.toUtf8() != QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size()))) {
    result.ok = false;
    result.bad_character = "\xEF\xBF\xBD";
    return result;
  }
  QByteArray bytes;
  if (EncodesCleanly(text, &bytes)) {
    result.bytes.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return result;
  }
  // Find the first character (a whole code point) that does not survive.
  result.ok = false;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString one = text.mid(i, n);
    if (!EncodesCleanly(one, nullptr)) {
      result.bad_character = one.toStdString();
      return result;
    }
    i += n;
  }
  result.bad_character = text.toStdString();
  return result;
}

std::optional<std::string> DecodeCp932(std::string_view bytes) {
  QStringDecoder decoder = MakeDecoder();
  if (!decoder.isValid()) return std::nullopt;
  const QString text =
      decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (decoder.hasError()) return std::nullopt;
  return text.toStdString();
}

}  // namespace varnholt::project
