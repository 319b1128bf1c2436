#include "os/posix/code_page_text.h"

#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <optional>

#include "core/text/ansi_code_page.h"
#include "core/text/utf8.h"

namespace vs {
namespace {

bool isAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  return true;
}

// Bytes of the UTF-8 sequence that begins with `lead` (the text is valid).
std::size_t sequenceLength(unsigned char lead) {
  return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// `text` through iconv from `from` to `to`. What the target cannot hold, or
// the source leaves undefined, becomes "?", as Windows makes it; nullopt when
// iconv knows no such conversion.
std::optional<std::string> convert(std::string_view text, const char* to, const char* from) {
  const iconv_t converter = ::iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1))
    return std::nullopt;
  const bool fromUtf8 = std::string_view(from) == "UTF-8";
  std::string encoded(text.size() * 2 + 16, '\0');
  std::size_t done = 0;
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  // Converts what is left of the input; with no input it flushes what the
  // converter holds back to combine (1258).
  const auto step = [&](bool flush) {
    for (;;) {
      char* out = encoded.data() + done;
      std::size_t outLeft = encoded.size() - done;
      const std::size_t result = flush ? ::iconv(converter, nullptr, nullptr, &out, &outLeft)
                                       : ::iconv(converter, &in, &inLeft, &out, &outLeft);
      done = encoded.size() - outLeft;
      if (result != static_cast<std::size_t>(-1) || errno != E2BIG)
        return result != static_cast<std::size_t>(-1);
      encoded.resize(encoded.size() * 2);
    }
  };
  while (!step(false) && inLeft > 0) {
    if (done == encoded.size())
      encoded.resize(encoded.size() * 2);
    encoded[done++] = '?';
    const std::size_t length = fromUtf8 ? sequenceLength(static_cast<unsigned char>(*in)) : 1;
    const std::size_t skip = std::min(inLeft, length);
    in += skip;
    inLeft -= skip;
  }
  step(true);
  ::iconv_close(converter);
  encoded.resize(done);
  return encoded;
}

}  // namespace

std::string toCodePage(std::string_view text, int codePage) {
  // Every ANSI code page keeps ASCII as it is.
  if (isAscii(text) || !isUtf8(text))
    return std::string(text);
  return convert(text, codePageName(codePage).c_str(), "UTF-8").value_or(std::string(text));
}

std::string toLocaleCodePage(std::string_view text) {
  return toCodePage(text, environmentCodePage());
}

std::string toUtf8(std::string_view text, int codePage) {
  if (isUtf8(text))
    return std::string(text);
  return convert(text, "UTF-8", codePageName(codePage).c_str()).value_or(std::string(text));
}

std::string fromLocaleCodePage(std::string_view text) {
  return toUtf8(text, environmentCodePage());
}

}  // namespace vs
