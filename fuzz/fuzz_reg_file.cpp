// The settings file: parsed, written and parsed again it must read the same,
// and a value set in it must be found again after a round trip.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/settings/reg_file.h"

namespace {

const std::string kKey = "HKEY_CURRENT_USER\\Software\\KARNOW-STUDIO Software GmbH\\VornakStarter";
const char* const kNames[] = {"nomusic",  "nosound", "windowed",
                              "startapp", "modgame", "parameters"};

void check(bool condition) {
  if (!condition)
    std::abort();
}

bool sameLookup(const vs::reg::Lookup& a, const vs::reg::Lookup& b) {
  return a.state == b.state && (a.state != vs::reg::Lookup::found || a.value == b.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  vs::reg::RegFile first = vs::reg::RegFile::parse(text);
  const std::string written = first.text();
  const vs::reg::RegFile second = vs::reg::RegFile::parse(written);
  check(second.text() == written);
  check(first.hasHeader() == second.hasHeader());
  check(first.hasKey(kKey) == second.hasKey(kKey));
  for (const char* name : kNames)
    check(sameLookup(first.find(kKey, name), second.find(kKey, name)));

  // A value set with the input's first bytes as its data survives the round trip.
  vs::reg::Value value;
  value.type = vs::reg::kBinary;
  value.data.assign(data, data + (size < 8 ? size : 8));
  first.ensureHeader();
  first.addKey(kKey);
  first.set(kKey, "modgame", value);
  const vs::reg::Lookup found = vs::reg::RegFile::parse(first.text()).find(kKey, "modgame");
  check(found.state == vs::reg::Lookup::found && found.value == value);
  return 0;
}
