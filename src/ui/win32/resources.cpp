#include "ui/win32/resources.h"

#include <cstring>

namespace vs {
namespace {

template <class T>
T readLittleEndian(const std::uint8_t* at) {
  T value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<T>(at[i]) << (8 * i);
  return value;
}

}  // namespace

std::vector<ComboInitEntry> parseDialogInit(const std::uint8_t* data, std::size_t size) {
  std::vector<ComboInitEntry> entries;
  constexpr std::size_t kHeader = 8;
  std::size_t at = 0;
  while (at + 2 <= size) {
    const auto id = readLittleEndian<std::uint16_t>(data + at);
    if (id == 0 || at + kHeader > size)
      break;
    const auto message = readLittleEndian<std::uint16_t>(data + at + 2);
    const auto length = readLittleEndian<std::uint32_t>(data + at + 4);
    at += kHeader;
    if (length > size - at)
      break;
    // The length counts the final zero; a text without one is taken whole.
    const char* text = reinterpret_cast<const char*>(data + at);
    entries.push_back({id, message, std::string(text, ::strnlen(text, length))});
    at += length;
  }
  return entries;
}

std::vector<ComboInitEntry> loadDialogInit(HINSTANCE instance, int templateId) {
  HRSRC found =
      ::FindResourceA(instance, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kDialogInitType));
  if (found == nullptr)
    return {};
  HGLOBAL loaded = ::LoadResource(instance, found);
  const void* data = loaded == nullptr ? nullptr : ::LockResource(loaded);
  if (data == nullptr)
    return {};
  return parseDialogInit(static_cast<const std::uint8_t*>(data), ::SizeofResource(instance, found));
}

std::string loadResourceString(HINSTANCE instance, int id) {
  // A string table entry holds at most 4097 characters with its count.
  char buffer[4097];
  const int length = ::LoadStringA(instance, static_cast<UINT>(id), buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, length) : std::string();
}

HICON loadResourceIcon(HINSTANCE instance, int id) {
  return ::LoadIconA(instance, MAKEINTRESOURCEA(id));
}

}  // namespace vs
