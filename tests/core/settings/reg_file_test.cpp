#include "core/settings/reg_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vs::test {
namespace {

using reg::Lookup;
using reg::RegFile;
using reg::Value;
using ::testing::ElementsAre;

const std::string kKey = "HKEY_CURRENT_USER\\Software\\KARNOW-STUDIO Software GmbH\\VornakStarter";

std::string withKey(const std::string& values, const std::string& end = "\r\n") {
  return "REGEDIT4" + end + end + "[" + kKey + "]" + end + values;
}

Lookup lookup(const std::string& text, const std::string& name) {
  return RegFile::parse(text).find(kKey, name);
}

std::vector<std::string> split(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (true) {
    const std::size_t next = text.find(end, pos);
    lines.push_back(text.substr(pos, next - pos));
    if (next == std::string::npos)
      return lines;
    pos = next + end.size();
  }
}

std::string repeat(const std::string& piece, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += piece;
  return result;
}

TEST(RegFile, ReadsEveryFormAnExportWrites) {
  const std::string text = withKey(
      "\"bin\"=hex:01,ff,7F,00\r\n"
      "\"dw\"=dword:0000002a\r\n"
      "\"str\"=\"C:\\\\Games \\\"x\\\"\"\r\n"
      "\"exp\"=hex(2):25,00\r\n"
      "\"none\"=hex(0):\r\n"
      "@=\"unnamed\"\r\n"
      "\"gone\"=-\r\n");
  const RegFile file = RegFile::parse(text);
  EXPECT_TRUE(file.hasHeader());
  EXPECT_TRUE(file.hasKey(kKey));

  auto bin = file.find(kKey, "bin");
  ASSERT_EQ(bin.state, Lookup::found);
  EXPECT_EQ(bin.value.type, reg::kBinary);
  EXPECT_THAT(bin.value.data, ElementsAre(0x01, 0xFF, 0x7F, 0x00));

  auto dw = file.find(kKey, "dw");
  ASSERT_EQ(dw.state, Lookup::found);
  EXPECT_EQ(dw.value.type, reg::kDword);
  EXPECT_THAT(dw.value.data, ElementsAre(0x2A, 0, 0, 0));

  auto str = file.find(kKey, "str");
  ASSERT_EQ(str.state, Lookup::found);
  EXPECT_EQ(str.value.type, reg::kString);
  const std::string expected = "C:\\Games \"x\"";
  EXPECT_EQ(std::string(str.value.data.begin(), str.value.data.end()), expected + '\0');

  EXPECT_EQ(file.find(kKey, "exp").value.type, 2u);
  EXPECT_EQ(file.find(kKey, "none").state, Lookup::found);
  EXPECT_TRUE(file.find(kKey, "none").value.data.empty());
  EXPECT_EQ(file.find(kKey, "").value.type, reg::kString);
  EXPECT_EQ(file.find(kKey, "gone").state, Lookup::missing);
  EXPECT_EQ(file.find(kKey, "absent").state, Lookup::missing);
}

TEST(RegFile, NamesCompareWithoutCaseAndOnlyWithinTheirKey) {
  const std::string text = withKey("\"NoMusic\"=hex:01,00,00,00\r\n") +
                           "\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"nosound\"=hex:01\r\n";
  EXPECT_EQ(lookup(text, "nomusic").state, Lookup::found);
  EXPECT_EQ(lookup(text, "nosound").state, Lookup::missing);
  EXPECT_TRUE(RegFile::parse(text).hasKey("hkey_current_user\\software\\other"));
}

TEST(RegFile, LongHexValuesAreReadAcrossTheirContinuationLines) {
  for (const std::string end : {"\r\n", "\n"}) {
    const std::string text =
        withKey("\"long\"=hex:01,02,\\" + end + "  03,04,\\" + end + "  05" + end, end);
    auto found = lookup(text, "long");
    ASSERT_EQ(found.state, Lookup::found);
    EXPECT_THAT(found.value.data, ElementsAre(1, 2, 3, 4, 5));
  }
}

TEST(RegFile, ValueNamedTwiceReadsTheLaterAndIsWrittenOnce) {
  const std::string text = withKey(
      "\"windowed\"=hex:01,00,00,00\r\n\"keep\"=hex:09\r\n\"WINDOWED\"=hex:02,00,00,00\r\n");
  EXPECT_THAT(lookup(text, "windowed").value.data, ElementsAre(2, 0, 0, 0));
  RegFile file = RegFile::parse(text);
  file.set(kKey, "windowed", Value{reg::kBinary, {3, 0, 0, 0}});
  EXPECT_EQ(file.text(), withKey("\"windowed\"=hex:03,00,00,00\r\n\"keep\"=hex:09\r\n"));
}

TEST(RegFile, DamagedValuesAreUnreadableButNamed) {
  const char* damaged[] = {
      "\"v\"=hex:00,00,",       // cut after a comma
      "\"v\"=hex:00,0g,00",     // not a hex digit
      "\"v\"=hex:000,00",       // three digits
      "\"v\"=hex:00,\\",        // a continuation at the end of the file
      "\"v\"=dword:123456789",  // nine digits
      "\"v\"=dword:",           //
      "\"v\"=\"open",           // no closing quote
      "\"v\"=hex(zz):00",       //
      "\"v\"=bogus",            //
  };
  for (const char* line : damaged) {
    EXPECT_EQ(lookup(withKey(line), "v").state, Lookup::unreadable) << line;
  }
  // Lines that are not values at all.
  for (const char* line : {"\"v\"", "\"v", "v=hex:00", "; \"v\"=hex:00"}) {
    EXPECT_EQ(lookup(withKey(line), "v").state, Lookup::missing) << line;
  }
}

TEST(RegFile, GarbageParsesAndComesBackByteForByte) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
  const std::string texts[] = {
      garbage,
      "",
      "\n\n\r\r\n",
      "[",
      "]\"\\",
      "REGEDIT4",
      withKey("\"v\"=hex:01,\\\r\n"),
      "\xEF\xBB\xBFREGEDIT4\n\n[" + kKey + "]\n\"v\"=hex:01\n",
  };
  for (const std::string& text : texts) {
    EXPECT_EQ(RegFile::parse(text).text(), text);
  }
  EXPECT_THAT(lookup(texts[7], "v").value.data, ElementsAre(1));
}

TEST(RegFile, BinaryValuesAreWrittenInTheExportForm) {
  EXPECT_EQ(reg::formatValue("windowed", {reg::kBinary, {1, 0, 0, 0}}),
            "\"windowed\"=hex:01,00,00,00");
  EXPECT_EQ(reg::formatValue("modgame", {reg::kBinary, {0xFF, 0xFF, 0xFF, 0xFF}}),
            "\"modgame\"=hex:ff,ff,ff,ff");
  EXPECT_EQ(reg::formatValue("empty", {reg::kBinary, {}}), "\"empty\"=hex:");
  EXPECT_EQ(reg::formatValue("dw", {reg::kDword, {0x2A, 0, 0, 0x80}}), "\"dw\"=dword:8000002a");
  EXPECT_EQ(reg::formatValue("s", {reg::kString, {'a', '\\', '"', 0}}), "\"s\"=\"a\\\\\\\"\"");
  EXPECT_EQ(reg::formatValue("", {reg::kString, {0}}), "@=\"\"");
  EXPECT_EQ(reg::formatValue("x", {2, {0x25, 0}}), "\"x\"=hex(2):25,00");
  EXPECT_EQ(reg::formatValue("q\"", {reg::kBinary, {7}}), "\"q\\\"\"=hex:07");
}

TEST(RegFile, LongHexValuesBreakAfterSeventySevenCharactersAsAnExportDoes) {
  const std::string text =
      reg::formatValue("parameters", {reg::kBinary, std::vector<std::uint8_t>(260, 0)});
  const auto lines = split(text, "\r\n");
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "\"parameters\"=hex:" + repeat("00,", 20) + "\\");
  for (std::size_t i = 1; i < 10; ++i) EXPECT_EQ(lines[i], "  " + repeat("00,", 25) + "\\");
  EXPECT_EQ(lines[10], "  " + repeat("00,", 14) + "00");

  // The same break in a file with LF line ends, and the lines read back.
  RegFile file = RegFile::parse(withKey("", "\n"));
  std::vector<std::uint8_t> bytes(260);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
  file.set(kKey, "parameters", {reg::kBinary, bytes});
  EXPECT_EQ(file.text().find('\r'), std::string::npos);
  const auto found = RegFile::parse(file.text()).find(kKey, "parameters");
  ASSERT_EQ(found.state, Lookup::found);
  EXPECT_EQ(found.value.data, bytes);
}

TEST(RegFile, NewFileGetsHeaderKeyAndValuesInExportLayout) {
  RegFile file = RegFile::parse("");
  file.ensureHeader();
  file.addKey(kKey);
  EXPECT_EQ(file.text(), "REGEDIT4\r\n\r\n[" + kKey + "]\r\n\r\n");
  file.set(kKey, "nomusic", {reg::kBinary, {0, 0, 0, 0}});
  file.set(kKey, "nosound", {reg::kBinary, {1, 0, 0, 0}});
  EXPECT_EQ(file.text(), "REGEDIT4\r\n\r\n[" + kKey +
                             "]\r\n\"nomusic\"=hex:00,00,00,00\r\n"
                             "\"nosound\"=hex:01,00,00,00\r\n\r\n");
}

TEST(RegFile, ChangesKeepEveryOtherLineAsItWas) {
  // The same file before and after: only our key's own lines may differ, and
  // the new key comes at the end.
  const auto fileWith = [](const std::string& ownLines) {
    return "REGEDIT4\n"
           "\n"
           "; kept by hand\n"
           "[HKEY_CURRENT_USER\\Software\\Other]\n"
           "\"nomusic\"=hex:05,00,00,00\n"
           "\n"
           "[" +
           kKey +
           "]\n"
           "\"mine\"=\"text\"\r\n" +
           ownLines +
           "\n"
           "[-HKEY_CURRENT_USER\\Software\\Gone]\n"
           "trailing without end";
  };
  RegFile file =
      RegFile::parse(fileWith("\"nomusic\"=hex:01,00,00,00\n"
                              "  odd line  \n"));
  file.set(kKey, "nomusic", {reg::kBinary, {0, 0, 0, 0}});
  file.set(kKey, "windowed", {reg::kBinary, {1, 0, 0, 0}});
  file.set("HKEY_CURRENT_USER\\Software\\New", "x", {reg::kBinary, {2}});
  EXPECT_EQ(file.text(), fileWith("\"nomusic\"=hex:00,00,00,00\n"
                                  "  odd line  \n"
                                  "\"windowed\"=hex:01,00,00,00\n") +
                             "\n"
                             "\n"
                             "[HKEY_CURRENT_USER\\Software\\New]\n"
                             "\"x\"=hex:02\n"
                             "\n");
}

TEST(RegFile, FileWithoutHeaderGetsOneAndKeepsItsLines) {
  RegFile file = RegFile::parse("junk\r\n[" + kKey + "]\r\n\"v\"=hex:01\r\n");
  EXPECT_FALSE(file.hasHeader());
  EXPECT_EQ(file.find(kKey, "v").state, Lookup::found);
  file.ensureHeader();
  file.set(kKey, "v", {reg::kBinary, {2}});
  EXPECT_EQ(file.text(), "REGEDIT4\r\n\r\njunk\r\n[" + kKey + "]\r\n\"v\"=hex:02\r\n");
}

TEST(RegFile, DamagedValueOfTheSameNameIsReplaced) {
  RegFile file = RegFile::parse(withKey("\"v\"=hex:00,zz,\\\r\n  01\r\n\"w\"=hex:01\r\n"));
  file.set(kKey, "v", {reg::kBinary, {9}});
  EXPECT_EQ(file.text(), withKey("\"v\"=hex:09\r\n\"w\"=hex:01\r\n"));
}

TEST(RegFile, ValueCutOffAtTheEndDoesNotSwallowWhatIsWrittenAfterIt) {
  // A file truncated in the middle of a long hex value: its last line ends in "\".
  for (const std::string tail : {"", "\r\n", "  "}) {
    RegFile file = RegFile::parse(withKey("\"parameters\"=hex:2d,7a,\\" + tail));
    file.set(kKey, "modgame", {reg::kBinary, {1, 0, 0, 0}});
    file.addKey("HKEY_CURRENT_USER\\Other");
    const RegFile again = RegFile::parse(file.text());
    const Lookup found = again.find(kKey, "modgame");
    ASSERT_EQ(found.state, Lookup::found) << tail;
    EXPECT_EQ(found.value.data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    EXPECT_TRUE(again.hasKey("HKEY_CURRENT_USER\\Other"));
    EXPECT_EQ(again.find(kKey, "parameters").value.data, (std::vector<std::uint8_t>{0x2d, 0x7a}));
  }
}

}  // namespace
}  // namespace vs::test
