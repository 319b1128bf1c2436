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

// One converter kept for each thread and direction last used: a Qt log and a
// mod list decode line after line, and opening one costs more than a line.
iconv_t converterFor(const char* to, const char* from) {
  struct Kept {
    std::string to, from;
    iconv_t converter = reinterpret_cast<iconv_t>(-1);
    ~Kept() {
      if (converter != reinterpret_cast<iconv_t>(-1))
        ::iconv_close(converter);
    }
  };
  thread_local Kept kept;
  if (kept.converter == reinterpret_cast<iconv_t>(-1) || kept.to != to || kept.from != from) {
    if (kept.converter != reinterpret_cast<iconv_t>(-1))
      ::iconv_close(kept.converter);
    kept.converter = ::iconv_open(to, from);
    kept.to = to;
    kept.from = from;
  }
  if (kept.converter != reinterpret_cast<iconv_t>(-1))
    ::iconv(kept.converter, nullptr, nullptr, nullptr, nullptr);  // a fresh start
  return kept.converter;
}

// `text` through iconv from `from` to `to`; nullopt when iconv knows no such
// conversion. What the target cannot hold becomes "?", as Windows makes it:
// from UTF-8 one "?" a character; from a code page (to UTF-8), a byte it
// leaves undefined, or a lead byte without its trail, is the character of
// the same number, as Windows shows the undefined bytes 0x80-0x9F, so
// nothing is dropped.
std::optional<std::string> convert(std::string_view text, const char* to, const char* from) {
  const iconv_t converter = converterFor(to, from);
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
    if (encoded.size() - done < 2)
      encoded.resize(encoded.size() * 2);
    const auto byte = static_cast<unsigned char>(*in);
    if (fromUtf8) {
      encoded[done++] = '?';
      const std::size_t skip = std::min(inLeft, sequenceLength(byte));
      in += skip;
      inLeft -= skip;
    } else {
      encoded[done++] = static_cast<char>(0xC0 | (byte >> 6));
      encoded[done++] = static_cast<char>(0x80 | (byte & 0x3F));
      ++in;
      --inLeft;
    }
  }
  step(true);
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

std::string codePageToUtf8(std::string_view bytes, int codePage) {
  if (isAscii(bytes))
    return std::string(bytes);
  if (auto converted = convert(bytes, "UTF-8", codePageName(codePage).c_str()))
    return std::move(*converted);
  // No converter for it: each byte as the character of the same number.
  std::string latin1;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      latin1 += c;
    } else {
      latin1 += static_cast<char>(0xC0 | (byte >> 6));
      latin1 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return latin1;
}

std::string toUtf8(std::string_view text, int codePage) {
  return isUtf8(text) ? std::string(text) : codePageToUtf8(text, codePage);
}

std::string fromLocaleCodePage(std::string_view text) {
  return toUtf8(text, environmentCodePage());
}

}  // namespace vs
