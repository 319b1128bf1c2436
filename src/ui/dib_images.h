// The program's own .bmp and .ico files read without an image library: the
// uncompressed device-independent bitmaps they hold, 1 to 32 bits a pixel.
// The Qt front end reads its artwork this way, which spares the start-up
// Qt's search of its image-format plugins; anything else (compressed
// bitmaps, PNG icon images) is left to the caller's general reader.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/image_scaling.h"

namespace vs {

// A bitmap file's picture; none when it is not one this reader knows.
std::optional<Image> decodeBmpFile(std::string_view bytes);

// An icon file's images, each with its pixels as 0xAARRGGBB; none when any
// image is not one this reader knows.
std::optional<std::vector<Image>> decodeIcoFile(std::string_view bytes);

}  // namespace vs
