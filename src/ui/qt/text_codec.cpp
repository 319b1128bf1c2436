// Texts from INI files are bytes in no declared encoding: valid UTF-8 is
// taken as UTF-8, anything else is in the ANSI code page that Windows (and
// Wine) would use for the player's locale. The bytes themselves are never
// rewritten. The conversion is the system's, handed in by the program.
#include "core/text/ansi_code_page.h"
#include "core/text/utf8.h"
#include "ui/qt/widgets.h"

namespace vs {
namespace {

CodePageToUtf8 installedConverter = nullptr;

}  // namespace

void useCodePageConverter(CodePageToUtf8 convert) {
  installedConverter = convert;
}

QString decodeCodePage(std::string_view bytes, int codePage) {
  if (installedConverter == nullptr)
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const std::string utf8 = installedConverter(bytes, codePage);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString decodeBytes(std::string_view bytes) {
  if (isUtf8(bytes))
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  static const int codePage = environmentCodePage();
  return decodeCodePage(bytes, codePage);
}

std::string encodeText(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace vs
