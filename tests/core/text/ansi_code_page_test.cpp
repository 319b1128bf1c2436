#include "core/text/ansi_code_page.h"

#include <gtest/gtest.h>

namespace vs::test {
namespace {

TEST(AnsiCodePage, LanguageAndTerritoryDecide) {
  const struct {
    const char* locale;
    int codePage;
  } cases[] = {// As Wine gives them (GetACP).
               {"pl_PL.UTF-8", 1250},
               {"cs_CZ.UTF-8", 1250},
               {"ru_RU.UTF-8", 1251},
               {"uk_UA", 1251},
               {"uk_UA.UTF-8", 1251},
               {"de_DE.UTF-8", 1252},
               {"el_GR.UTF-8", 1253},
               {"tr_TR.ISO-8859-9", 1254},
               {"tr_TR.UTF-8", 1254},
               // The rest of the Windows code pages.
               {"th_TH.UTF-8", 874},
               {"ja_JP.eucJP", 932},
               {"ja_JP.UTF-8", 932},
               {"zh_CN.GB18030", 936},
               {"zh_CN.UTF-8", 936},
               {"zh_SG", 936},
               {"zh", 936},
               {"ko_KR.UTF-8", 949},
               {"zh_TW.UTF-8", 950},
               {"zh_HK.BIG5-HKSCS", 950},
               {"he_IL.UTF-8", 1255},
               {"ar_EG.UTF-8", 1256},
               {"fa_IR", 1256},
               {"lt_LT.UTF-8", 1257},
               {"lv_LV", 1257},
               {"vi_VN", 1258},
               {"vi_VN.UTF-8", 1258},
               {"hu_HU.UTF-8@euro", 1250},
               // The modifier picks the script.
               {"sr_RS.UTF-8", 1251},
               {"sr_RS.UTF-8@latin", 1250},
               {"uz_UZ@cyrillic", 1251},
               {"uz_UZ.UTF-8", 1254},
               // Western, C, POSIX, unknown and malformed names.
               {"en_US.UTF-8", 1252},
               {"fr_CA", 1252},
               {"C", 1252},
               {"C.UTF-8", 1252},
               {"POSIX", 1252},
               {"", 1252},
               {"xx_XX", 1252},
               {"PL_pl", 1252},
               {"pl_", 1252},
               {"p", 1252},
               {"polish_POLAND", 1252},
               {"pl_PLX.UTF-8", 1252},
               {"\xff\xfe@@..__", 1252},
               {"/etc/passwd", 1252}};
  for (const auto& c : cases) EXPECT_EQ(ansiCodePage(c.locale), c.codePage) << c.locale;
}

TEST(AnsiCodePage, LcAllThenLcCtypeThenLang) {
  EXPECT_EQ(characterLocale("pl_PL", "ru_RU", "el_GR"), "pl_PL");
  EXPECT_EQ(characterLocale("", "ru_RU", "el_GR"), "ru_RU");
  EXPECT_EQ(characterLocale(nullptr, nullptr, "el_GR"), "el_GR");
  EXPECT_EQ(characterLocale(nullptr, "", ""), "C");
  EXPECT_EQ(codePageName(1250), "CP1250");
}

}  // namespace
}  // namespace vs::test
