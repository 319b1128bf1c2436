// The INI reader on arbitrary bytes: the file as a whole through ModInfo, the
// same bytes handed out in short reads, and each 1023-byte piece through the
// key-line parser.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/mods/ini_line.h"
#include "core/mods/mod_info.h"
#include "support/trickle_source.h"

namespace {

std::string tempPath() {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir != nullptr ? dir : "/tmp") + "/vs-fuzz-" + std::to_string(::getpid()) +
         ".ini";
}

void check(bool condition) {
  if (!condition)
    std::abort();
}

constexpr std::string_view kTrimSet = " ;\n\r";

bool trimmed(const std::string& text) {
  return text.empty() || (kTrimSet.find(text.front()) == std::string_view::npos &&
                          kTrimSet.find(text.back()) == std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = tempPath();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  if (auto line = vs::parseKeyLine(bytes)) {
    check(trimmed(line->value));
    check(line->value.size() < size);
  }

  std::FILE* file = std::fopen(path.c_str(), "wb");
  check(file != nullptr);
  check(std::fwrite(data, 1, size, file) == size);
  std::fclose(file);

  const vs::ModInfo record("fuzz.ini", path);
  check(record.fileName == "fuzz.ini");
  for (const std::string* text : {&record.title, &record.description, &record.authors,
                                  &record.version, &record.webpage, &record.vdf}) {
    check(text->size() <= 1023);
    check(text->find('\0') == std::string::npos);
  }
  check(record.title == "?" || trimmed(record.title));
  check(record.vdf.size() <= 1019);
  if (record.valid)
    check(bytes.find('=') != std::string_view::npos);

  vs::test::TrickleSource source(bytes, size == 0 ? 1 : 1 + data[0] % 97);
  const vs::ModInfo trickled("fuzz.ini", &source);
  check(trickled.valid == record.valid && trickled.title == record.title &&
        trickled.vdf == record.vdf && trickled.description == record.description &&
        trickled.authors == record.authors && trickled.version == record.version &&
        trickled.webpage == record.webpage && trickled.icon == record.icon);
  return 0;
}
