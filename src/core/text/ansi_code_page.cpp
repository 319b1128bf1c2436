#include "core/text/ansi_code_page.h"

#include <array>
#include <cstdlib>

namespace vs {
namespace {

// Language, territory (empty: any) and modifier (empty: any), each as a
// locale name writes it; the first row that matches decides. Every language
// missing here uses 1252, as Windows does for the western ones.
struct CodePageRule {
  std::string_view language;
  std::string_view territory;
  std::string_view modifier;
  int codePage;
};

constexpr std::array kRules = {
    CodePageRule{"th", "", "", 874},
    CodePageRule{"ja", "", "", 932},
    CodePageRule{"zh", "TW", "", 950},
    CodePageRule{"zh", "HK", "", 950},
    CodePageRule{"zh", "MO", "", 950},
    CodePageRule{"zh", "", "", 936},
    CodePageRule{"ko", "", "", 949},
    // Central European.
    CodePageRule{"pl", "", "", 1250},
    CodePageRule{"cs", "", "", 1250},
    CodePageRule{"sk", "", "", 1250},
    CodePageRule{"hu", "", "", 1250},
    CodePageRule{"sl", "", "", 1250},
    CodePageRule{"hr", "", "", 1250},
    CodePageRule{"bs", "", "", 1250},
    CodePageRule{"ro", "", "", 1250},
    CodePageRule{"sq", "", "", 1250},
    CodePageRule{"tk", "", "", 1250},
    CodePageRule{"sr", "", "latin", 1250},
    // Cyrillic.
    CodePageRule{"ru", "", "", 1251},
    CodePageRule{"uk", "", "", 1251},
    CodePageRule{"be", "", "", 1251},
    CodePageRule{"bg", "", "", 1251},
    CodePageRule{"mk", "", "", 1251},
    CodePageRule{"sr", "", "", 1251},
    CodePageRule{"kk", "", "", 1251},
    CodePageRule{"ky", "", "", 1251},
    CodePageRule{"tg", "", "", 1251},
    CodePageRule{"tt", "", "", 1251},
    CodePageRule{"ba", "", "", 1251},
    CodePageRule{"mn", "", "", 1251},
    CodePageRule{"sah", "", "", 1251},
    CodePageRule{"uz", "", "cyrillic", 1251},
    CodePageRule{"el", "", "", 1253},
    // Turkish and the Latin-script Turkic languages.
    CodePageRule{"tr", "", "", 1254},
    CodePageRule{"az", "", "", 1254},
    CodePageRule{"uz", "", "", 1254},
    CodePageRule{"he", "", "", 1255},
    CodePageRule{"iw", "", "", 1255},
    CodePageRule{"yi", "", "", 1255},
    // Arabic script.
    CodePageRule{"ar", "", "", 1256},
    CodePageRule{"fa", "", "", 1256},
    CodePageRule{"ur", "", "", 1256},
    CodePageRule{"ug", "", "", 1256},
    // Baltic.
    CodePageRule{"lt", "", "", 1257},
    CodePageRule{"lv", "", "", 1257},
    CodePageRule{"et", "", "", 1257},
    CodePageRule{"vi", "", "", 1258},
};

bool isLower(char c) {
  return c >= 'a' && c <= 'z';
}
bool isUpper(char c) {
  return c >= 'A' && c <= 'Z';
}

struct LocaleName {
  std::string_view language, territory, modifier;
};

// language[_territory][.codeset][@modifier]; false for anything else.
bool splitLocale(std::string_view name, LocaleName& parts) {
  const auto at = name.find('@');
  if (at != std::string_view::npos) {
    parts.modifier = name.substr(at + 1);
    name = name.substr(0, at);
  }
  name = name.substr(0, name.find('.'));
  const auto underscore = name.find('_');
  parts.language = name.substr(0, underscore);
  if (underscore != std::string_view::npos)
    parts.territory = name.substr(underscore + 1);
  if (parts.language.size() < 2 || parts.language.size() > 3)
    return false;
  for (char c : parts.language)
    if (!isLower(c))
      return false;
  for (char c : parts.territory)
    if (!isUpper(c))
      return false;
  return underscore == std::string_view::npos || parts.territory.size() == 2;
}

}  // namespace

std::string_view characterLocale(const char* lcAll, const char* lcCtype, const char* lang) {
  for (const char* value : {lcAll, lcCtype, lang})
    if (value != nullptr && *value != '\0')
      return value;
  return "C";
}

int ansiCodePage(std::string_view locale) {
  LocaleName parts;
  if (!splitLocale(locale, parts))
    return kDefaultAnsiCodePage;
  for (const CodePageRule& rule : kRules) {
    if (rule.language == parts.language &&
        (rule.territory.empty() || rule.territory == parts.territory) &&
        (rule.modifier.empty() || rule.modifier == parts.modifier))
      return rule.codePage;
  }
  return kDefaultAnsiCodePage;
}

int environmentCodePage() {
  return ansiCodePage(
      characterLocale(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG")));
}

std::string codePageName(int codePage) {
  return "CP" + std::to_string(codePage);
}

}  // namespace vs
