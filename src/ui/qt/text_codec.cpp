// Texts from INI files are bytes in no declared encoding: valid UTF-8 is
// taken as UTF-8, anything else as Windows-1252, the code page the files
// were written in. The bytes themselves are never rewritten.
#include <QStringDecoder>

#include "core/text/utf8.h"
#include "ui/qt/widgets.h"

namespace vs {
namespace {

// Windows-1252 0x80..0x9F; 0 marks the five bytes the code page leaves
// undefined, shown as the C1 control of the same value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString decodeCp1252(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char byte : bytes) {
    char16_t unit = byte;
    if (byte >= 0x80 && byte <= 0x9F && kCp1252High[byte - 0x80] != 0)
      unit = kCp1252High[byte - 0x80];
    text.append(QChar(unit));
  }
  return text;
}

}  // namespace

QString decodeBytes(const std::string& bytes) {
  if (isUtf8(bytes))
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return decodeCp1252(bytes);
}

std::string encodeText(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace vs
