// Byte texts of mod files shown in the code page of the player's locale.
#include <gtest/gtest.h>

#include <random>

#include "core/text/ansi_code_page.h"
#include "os/posix/code_page_text.h"
#include "ui/qt/widgets.h"

namespace vs::test {
namespace {

// A title and a description as a mod author writes them on a Windows of
// that language: the converter makes the bytes, the launcher shows them.
TEST(QtTextCodec, TextsInTheCodePageOfTheLocale) {
  useCodePageConverter(&codePageToUtf8);  // as the program does
  const struct {
    const char* locale;
    const char* title;
    const char* description;
  } cases[] = {
      {"pl_PL.UTF-8", "Pogłos", "Żółta łódź płynie po jeziorze"},
      {"cs_CZ.UTF-8", "Bouřka", "Příliš žluťoučký kůň úpěl ďábelské ódy"},
      {"ru_RU.UTF-8", "Гроза", "Съешь же ещё этих мягких французских булок"},
      {"uk_UA.UTF-8", "Їжак", "Ґанок і подвір'я"},
      {"el_GR.UTF-8", "Καταιγίδα", "Ξεσκεπάζω την ψυχοφθόρα βδελυγμία"},
      {"tr_TR.UTF-8", "Fırtına", "Pijamalı hasta yağız şoföre çabucak güvendi"},
      {"de_DE.UTF-8", "Gewitter", "Größe über alles – 5 €"},
      {"th_TH.UTF-8", "พายุ", "คำอธิบายภาษาไทย"},
      {"ja_JP.UTF-8", "嵐", "ゲームの説明です"},
      {"zh_CN.UTF-8", "风暴", "简体中文说明"},
      {"zh_TW.UTF-8", "風暴", "繁體中文說明"},
      {"ko_KR.UTF-8", "폭풍", "한국어 설명입니다"},
      {"he_IL.UTF-8", "סערה", "תיאור בעברית"},
      {"ar_EG.UTF-8", "عاصفة", "وصف بالعربية"},
      {"lt_LT.UTF-8", "Audra", "Ąžuolas ėjo į šilą"},
      {"vi_VN.UTF-8", "Bão", "Tiếng Việt có dấu"},
  };
  for (const auto& c : cases) {
    const int codePage = ansiCodePage(c.locale);
    for (const char* text : {c.title, c.description}) {
      const std::string bytes = toCodePage(text, codePage);
      ASSERT_EQ(bytes.find('?'), std::string::npos) << c.locale << ": " << text;
      EXPECT_EQ(decodeCodePage(bytes, codePage).normalized(QString::NormalizationForm_C),
                QString::fromUtf8(text))
          << c.locale << ": " << text;
    }
  }
  // UTF-8 stays UTF-8 whatever the locale; other bytes follow it (1252 here,
  // where the tests run under C).
  EXPECT_EQ(decodeBytes("Pog\xc5\x82os"), QString::fromUtf8("Pogłos"));
  EXPECT_EQ(decodeBytes("Caf\xe9 \x80"), QString::fromUtf8("Café €"));
}

// Bytes the code page leaves undefined, and a lead byte without its trail,
// show as the character of the same number: nothing is dropped.
TEST(QtTextCodec, UndefinedBytesAreShownNotDropped) {
  useCodePageConverter(&codePageToUtf8);  // as the program does
  const struct {
    int codePage;
    const char* bytes;
    const char16_t* shown;
  } cases[] = {
      {1252, "a\x81z", u"a\u0081z"},
      {1250, "\x83\x98!", u"\u0083\u0098!"},
      {1251, "\x98", u"\u0098"},
      {1253, "\xd2\xff", u"\u00d2\u00ff"},
      {932, "\x82\xa0\x82", u"\u3042\u0082"},
      {949, "x\xff", u"x\u00ff"},
      {9999, "\xe9", u"\u00e9"},  // no such converter: byte for byte
  };
  for (const auto& c : cases)
    EXPECT_EQ(decodeCodePage(c.bytes, c.codePage), QString::fromUtf16(c.shown)) << c.codePage;

  // A mod file of random bytes: every byte shows as one character (1255 and
  // 1258 join a letter and its marks into one, so they are left out).
  std::mt19937 random(22);
  std::string bytes(1 << 20, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  for (int codePage : {1250, 1251, 1252, 1253, 1254, 1256, 1257})
    EXPECT_EQ(decodeCodePage(bytes, codePage).size(), qsizetype{1} << 20) << codePage;
  EXPECT_GT(decodeCodePage(bytes, 932).size(), 0);
}

}  // namespace
}  // namespace vs::test
