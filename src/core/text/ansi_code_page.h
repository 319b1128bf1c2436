// Windows keeps 8-bit texts in the ANSI code page of the system's locale, and
// Wine picks that code page from the Unix locale. Mod authors write their INI
// files in it, and a Windows game expects its command line in it, so the
// Linux build needs the same choice: one rule, used both to show texts and
// to hand a line to a Windows program.
#pragma once

#include <string>
#include <string_view>

namespace vs {

inline constexpr int kDefaultAnsiCodePage = 1252;

// The locale that decides the character set: LC_ALL, else LC_CTYPE, else
// LANG; an empty value counts as unset. Null pointers stand for unset.
std::string_view characterLocale(const char* lcAll, const char* lcCtype, const char* lang);

// The ANSI code page of a locale name such as "pl_PL.UTF-8" or
// "sr_RS@latin": its language and territory decide. C, POSIX, an unknown or
// a malformed name give 1252.
int ansiCodePage(std::string_view locale);

// The ANSI code page of the locale the environment names, by those rules.
int environmentCodePage();

// The name a converter (iconv) knows the code page by, e.g. "CP1250".
std::string codePageName(int codePage);

}  // namespace vs
