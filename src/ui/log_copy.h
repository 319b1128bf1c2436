// The log copied to the clipboard: its lines as one text, with the platform's
// line break between lines and none after the last.
#pragma once

namespace vs {

#ifdef _WIN32
inline constexpr const char* kClipboardLineBreak = "\r\n";
#else
inline constexpr const char* kClipboardLineBreak = "\n";
#endif

// The text of the log's context-menu entry that copies it.
inline constexpr const char* kCopyLogEntryText = "&Copy";

// `Text` is the front end's string type (std::string, QString); `lineAt(i)`
// gives line i of `count`.
template <class Text, class LineAt>
Text joinLogLines(int count, LineAt lineAt) {
  Text joined;
  for (int i = 0; i < count; ++i) {
    if (i > 0)
      joined += kClipboardLineBreak;
    joined += lineAt(i);
  }
  return joined;
}

}  // namespace vs
