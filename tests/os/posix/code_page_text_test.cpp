#include "os/posix/code_page_text.h"

#include <gtest/gtest.h>

#include "support/environment_guard.h"

namespace vs::test {
namespace {

TEST(CodePageText, UnicodeLinesInTheAnsiCodePage) {
  const struct {
    const char* text;
    int codePage;
    const char* bytes;
  } cases[] = {
      {"-name:Pogłos", 1250, "-name:Pog\xb3os"},
      {"Гроза ё", 1251, "\xc3\xf0\xee\xe7\xe0 \xb8"},
      {"Ελλάδα", 1253, "\xc5\xeb\xeb\xdc\xe4\xe1"},
      {"İstanbul ş", 1254, "\xddstanbul \xfe"},
      {"€ café", 1252, "\x80 caf\xe9"},
      {"ゲーム", 932, "\x83\x51\x81\x5b\x83\x80"},
      // What the code page lacks becomes one "?" a character.
      {"Pogłos Гроза", 1252, "Pog?os ?????"},
      {"a→b 😀 c", 1250, "a?b ? c"},
      // ASCII and text that is no UTF-8 pass unchanged.
      {"  \"a b\"  c\\\"d ", 1251, "  \"a b\"  c\\\"d "},
      {"Pog\xb3os", 1251, "Pog\xb3os"},
  };
  for (const auto& c : cases) EXPECT_EQ(toCodePage(c.text, c.codePage), c.bytes) << c.text;

  EnvironmentGuard environment;
  environment.set("LC_ALL", nullptr);
  environment.set("LC_CTYPE", "ru_RU.UTF-8");
  environment.set("LANG", "pl_PL.UTF-8");
  EXPECT_EQ(toLocaleCodePage("Гроза"), "\xc3\xf0\xee\xe7\xe0");
}

// The way back: the first six lines above return as they were; UTF-8 stays,
// and a byte the code page leaves undefined is the character of that number.
TEST(CodePageText, AnsiBytesBackToUtf8) {
  EXPECT_EQ(toUtf8("-name:Pog\xb3os", 1250), "-name:Pogłos");
  EXPECT_EQ(toUtf8("\xc3\xf0\xee\xe7\xe0 \xb8", 1251), "Гроза ё");
  EXPECT_EQ(toUtf8("\x83\x51\x81\x5b\x83\x80", 932), "ゲーム");
  EXPECT_EQ(toUtf8("Pogłos", 1250), "Pogłos");
  EXPECT_EQ(toUtf8("a\x81"
                   "b",
                   1252),
            "a\u0081b");
}

}  // namespace
}  // namespace vs::test
