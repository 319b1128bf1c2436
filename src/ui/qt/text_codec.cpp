// Texts from INI files are bytes in no declared encoding: valid UTF-8 is
// taken as UTF-8, anything else is in the ANSI code page that Windows (and
// Wine) would use for the player's locale. The bytes themselves are never
// rewritten.
#include <errno.h>
#include <iconv.h>

#include <memory>
#include <string_view>

#include "core/text/ansi_code_page.h"
#include "core/text/utf8.h"
#include "ui/qt/widgets.h"

namespace vs {
namespace {

// One converter from a code page to UTF-8, opened once and kept: the log
// decodes line after line.
class CodePageDecoder {
 public:
  explicit CodePageDecoder(int codePage)
      : codePage_(codePage), converter_(::iconv_open("UTF-8", codePageName(codePage).c_str())) {}
  ~CodePageDecoder() {
    if (open())
      ::iconv_close(converter_);
  }
  CodePageDecoder(const CodePageDecoder&) = delete;
  CodePageDecoder& operator=(const CodePageDecoder&) = delete;

  int codePage() const { return codePage_; }

  QString decode(std::string_view bytes) {
    if (!open())
      return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    ::iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    QByteArray utf8;
    utf8.resize(static_cast<qsizetype>(bytes.size() * 3 + 16));
    qsizetype done = 0;
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    const auto convert = [&](bool flush) {
      for (;;) {
        char* out = utf8.data() + done;
        std::size_t outLeft = static_cast<std::size_t>(utf8.size() - done);
        const std::size_t result = flush ? ::iconv(converter_, nullptr, nullptr, &out, &outLeft)
                                         : ::iconv(converter_, &in, &inLeft, &out, &outLeft);
        done = utf8.size() - static_cast<qsizetype>(outLeft);
        if (result != static_cast<std::size_t>(-1) || errno != E2BIG)
          return result != static_cast<std::size_t>(-1);
        utf8.resize(utf8.size() * 2);
      }
    };
    while (!convert(false) && inLeft > 0) {
      // A byte the code page leaves undefined, or a lead byte without its
      // trail: shown as the character of the same number, as Windows shows
      // the undefined bytes 0x80-0x9F, so nothing is dropped.
      if (utf8.size() - done < 2)
        utf8.resize(utf8.size() * 2);
      const auto byte = static_cast<unsigned char>(*in);
      utf8[done++] = static_cast<char>(0xC0 | (byte >> 6));
      utf8[done++] = static_cast<char>(0x80 | (byte & 0x3F));
      ++in;
      --inLeft;
    }
    convert(true);
    return QString::fromUtf8(utf8.constData(), done);
  }

 private:
  bool open() const { return converter_ != reinterpret_cast<iconv_t>(-1); }

  int codePage_;
  iconv_t converter_;
};

}  // namespace

QString decodeCodePage(std::string_view bytes, int codePage) {
  static std::unique_ptr<CodePageDecoder> decoder;
  if (!decoder || decoder->codePage() != codePage)
    decoder = std::make_unique<CodePageDecoder>(codePage);
  return decoder->decode(bytes);
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
