#include "core/settings/settings_values.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vs::test {
namespace {

using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

TEST(SettingsValues, IntegersAreFourLittleEndianTwosComplementBytes) {
  EXPECT_THAT(encodeInteger(1), ElementsAre(1, 0, 0, 0));
  EXPECT_THAT(encodeInteger(-1), ElementsAre(0xFF, 0xFF, 0xFF, 0xFF));
  EXPECT_THAT(encodeInteger(0x12345678), ElementsAre(0x78, 0x56, 0x34, 0x12));
  EXPECT_THAT(encodeInteger(INT32_MIN), ElementsAre(0, 0, 0, 0x80));

  std::int32_t value = 7;
  ASSERT_TRUE(decodeInteger({0xFE, 0xFF, 0xFF, 0xFF}, value));
  EXPECT_EQ(value, -2);
  ASSERT_TRUE(decodeInteger({5, 0, 0, 0}, value));
  EXPECT_EQ(value, 5);
  ASSERT_TRUE(decodeInteger({0, 0, 0, 0x80}, value));
  EXPECT_EQ(value, INT32_MIN);
}

TEST(SettingsValues, ShortIntegerValuesArePassedOverAndLeaveTheMember) {
  std::int32_t value = 7;
  EXPECT_FALSE(decodeInteger({}, value));
  EXPECT_FALSE(decodeInteger({1, 0, 0}, value));
  EXPECT_EQ(value, 7);
}

TEST(SettingsValues, ParametersFillTwoHundredSixtyBytesAfterTheirZeroByte) {
  const Bytes buffer = encodeParameters("-nomenu");
  ASSERT_EQ(buffer.size(), 260u);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 7), "-nomenu");
  for (std::size_t i = 7; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], 0) << i;
  EXPECT_EQ(encodeParameters("")[0], 0);
}

TEST(SettingsValues, DecodedParametersEndAtTheFirstZeroByteOrTheValue) {
  EXPECT_EQ(decodeParameters({'a', 'b', 0, 'c'}), "ab");
  EXPECT_EQ(decodeParameters({'a', 'b', 'c'}), "abc");
  EXPECT_EQ(decodeParameters({0, 'x'}), "");
  EXPECT_EQ(decodeParameters({}), "");
  EXPECT_EQ(decodeParameters(encodeParameters("-zlog:5 x")), "-zlog:5 x");
}

TEST(SettingsValues, LongParametersAreCutTo259BytesAndKeepTheirZeroByte) {
  const std::string ascii(300, 'p');
  const Bytes buffer = encodeParameters(ascii);
  ASSERT_EQ(buffer.size(), 260u);
  EXPECT_EQ(decodeParameters(buffer), std::string(259, 'p'));
  EXPECT_EQ(buffer[259], 0);
  EXPECT_EQ(decodeParameters(encodeParameters(std::string(259, 'q'))), std::string(259, 'q'));
}

TEST(SettingsValues, Utf8TextIsCutBeforeASplitCharacter) {
  // "ü" is two bytes, "€" three, an emoji four: each would straddle byte 259.
  const std::string two = std::string(258, 'a') + "\xC3\xBC" + "tail";
  EXPECT_EQ(decodeParameters(encodeParameters(two)), std::string(258, 'a'));
  const std::string three = std::string(257, 'a') + "\xE2\x82\xAC" + "tail";
  EXPECT_EQ(decodeParameters(encodeParameters(three)), std::string(257, 'a'));
  const std::string four = std::string(256, 'a') + "\xF0\x9F\x98\x80" + "tail";
  EXPECT_EQ(decodeParameters(encodeParameters(four)), std::string(256, 'a'));
  // A character that ends exactly at byte 259 stays whole.
  const std::string fits = std::string(257, 'a') + "\xC3\xBC" + "tail";
  EXPECT_EQ(decodeParameters(encodeParameters(fits)), std::string(257, 'a') + "\xC3\xBC");
}

TEST(SettingsValues, TextThatIsNotUtf8IsCutAtByte259) {
  // Latin-1 bytes that look like UTF-8 around the cut but not elsewhere.
  const std::string latin1 = "\xE9t\xE9 " + std::string(254, 'a') + "\xC3\xBC" + "tail";
  ASSERT_EQ(latin1.size(), 264u);
  EXPECT_EQ(decodeParameters(encodeParameters(latin1)), latin1.substr(0, 259));
  // Overlong forms and surrogates are not UTF-8 either.
  for (const std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"}) {
    const std::string text = bad + std::string(257 - bad.size(), 'b') + "\xC3\xBC" + "x";
    EXPECT_EQ(decodeParameters(encodeParameters(text)), text.substr(0, 259));
  }
}

}  // namespace
}  // namespace vs::test
