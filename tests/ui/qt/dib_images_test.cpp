// The launcher's own reader of its .bmp and .ico files, held against Qt's
// image readers on the artwork itself.
#include "ui/dib_images.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <string>
#include <string_view>

namespace vs::test {
namespace {

std::string resource(const char* name) {
  QFile file(QStringLiteral(":/res/") + QString::fromLatin1(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Pixels that differ, both pictures taken as premultiplied ARGB.
int differences(const Image& ours, QImage theirs, bool alpha) {
  theirs = theirs.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (theirs.width() != ours.width || theirs.height() != ours.height)
    return -1;
  int differing = 0;
  for (int y = 0; y < ours.height; ++y) {
    for (int x = 0; x < ours.width; ++x) {
      const QRgb mine = alpha ? qPremultiply(ours.at(x, y)) : (0xFF000000u | ours.at(x, y));
      differing += mine != theirs.pixel(x, y);
    }
  }
  return differing;
}

TEST(DibImages, TheArtworkReadsAsQtReadsIt) {
  for (const char* name : {"banner.bmp", "mod_images.bmp"}) {
    const auto ours = decodeBmpFile(resource(name));
    ASSERT_TRUE(ours) << name;
    EXPECT_EQ(differences(*ours, QImage(QStringLiteral(":/res/") + name), false), 0) << name;
  }
  const auto icons = decodeIcoFile(resource("VornakStarter.ico"));
  ASSERT_TRUE(icons);
  QImageReader reader(QStringLiteral(":/res/VornakStarter.ico"));
  ASSERT_EQ(static_cast<int>(icons->size()), reader.imageCount());
  for (std::size_t i = 0; i < icons->size(); ++i) {
    ASSERT_TRUE(reader.jumpToImage(static_cast<int>(i)));
    EXPECT_EQ(differences((*icons)[i], reader.read(), true), 0) << "icon image " << i;
  }
}

// What the reader does not know is left to Qt's: it refuses rather than
// guesses.
TEST(DibImages, RefusesWhatItDoesNotKnow) {
  const std::string bmp = resource("banner.bmp");
  const std::string ico = resource("VornakStarter.ico");
  const auto patched = [](std::string bytes, std::size_t at, std::string_view with) {
    bytes.replace(at, with.size(), with);
    return bytes;
  };
  const std::size_t firstIcon = static_cast<unsigned char>(ico[18]);  // its DIB's offset
  const struct {
    const char* what;
    std::string bytes;
    bool icon;
  } cases[] = {
      {"nothing", "", false},
      {"a bitmap cut short", bmp.substr(0, bmp.size() / 2), false},
      {"a run-length compressed bitmap", patched(bmp, 30, std::string("\1", 1)), false},
      {"no bitmap at all", patched(bmp, 0, "XX"), false},
      {"an icon cut short", ico.substr(0, ico.size() - 10), true},
      {"an icon image in PNG", patched(ico, firstIcon, "\x89PNG"), true},
  };
  for (const auto& c : cases) {
    if (c.icon)
      EXPECT_FALSE(decodeIcoFile(c.bytes)) << c.what;
    else
      EXPECT_FALSE(decodeBmpFile(c.bytes)) << c.what;
  }
}

}  // namespace
}  // namespace vs::test
