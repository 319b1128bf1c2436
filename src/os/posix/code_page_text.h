// A Windows program under Wine reads its command line in the ANSI code page
// of the locale, as on Windows; on Linux the launcher's texts are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace vs {

// `text` in `codePage`, through the system's converter (iconv). A character
// the code page lacks becomes "?", as Windows makes it. Text that is not
// UTF-8 is already in some code page and is kept as it is.
std::string toCodePage(std::string_view text, int codePage);

// The same in the code page of the launcher's locale, which Wine uses too.
std::string toLocaleCodePage(std::string_view text);

// The other way: `bytes` in `codePage` as UTF-8; a byte the code page leaves
// undefined is the character of the same number, so nothing is dropped.
std::string codePageToUtf8(std::string_view bytes, int codePage);
// The same for text that is not UTF-8 already; UTF-8 stays as it is.
std::string toUtf8(std::string_view text, int codePage);
// The same from the code page of the launcher's locale.
std::string fromLocaleCodePage(std::string_view text);

}  // namespace vs
