/* An ICU common-data library with no data in it, for the release: Qt's Core
 * links ICU, but nothing the launcher does asks ICU for data (collation, time
 * zones, converters beyond Qt's own, locale case rules), and the full data is
 * half the download. ICU opens this the way it opens its own data library:
 * the header says "a table of contents with no entries", so every lookup
 * falls through to ICU's data files, and finds none. The layout is ICU's
 * documented stub-data header (common data, format "ToCP" 1.0).
 * Built with VS_ICU_DATA_SYMBOL naming ICU's entry point, icudt<major>_dat. */
#include <stdint.h>

#ifndef VS_ICU_DATA_SYMBOL
#error "VS_ICU_DATA_SYMBOL must name the ICU data symbol (icudt<major>_dat)"
#endif

struct IcuDataHeader {
  /* The mapped-data prefix: header size and ICU's two magic bytes. */
  uint16_t headerSize;
  uint8_t magic1, magic2;
  /* UDataInfo */
  uint16_t infoSize, reservedWord;
  uint8_t isBigEndian, charsetFamily, sizeofUChar, reservedByte;
  uint8_t dataFormat[4], formatVersion[4], dataVersion[4];
  uint8_t padding[8];
  /* The table of contents: its length and room for one empty entry. */
  uint32_t count, reserved;
  int32_t emptyEntry[4];
};

__attribute__((visibility("default"))) const struct IcuDataHeader VS_ICU_DATA_SYMBOL = {
    .headerSize = 32,
    .magic1 = 0xda,
    .magic2 = 0x27,
    .infoSize = 20,
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    .isBigEndian = 1,
#endif
    .charsetFamily = 0, /* ASCII */
    .sizeofUChar = 2,
    .dataFormat = {'T', 'o', 'C', 'P'},
    .formatVersion = {1, 0, 0, 0},
    .count = 0,
};
