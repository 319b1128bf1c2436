// A dialog template as data: what every front end builds its window from
// (the Win32 build reads the same layout from its .rc file).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace vs {

enum class ControlKind {
  listView,       // SysListView32
  checkBox,       // automatic check box
  pushLikeCheck,  // automatic check box drawn as a push button
  pushButton,
  defPushButton,
  edit,
  staticText,
  staticBitmap,
  staticIcon,
  comboDropList,
  groupBox,
  listBox,
};

// Style details the front ends honour; names follow the Win32 style bits.
enum StyleBit : std::uint32_t {
  kTabStop = 1u << 0,
  kGroup = 1u << 1,
  kBorder = 1u << 2,
  kClientEdge = 1u << 3,
  kVScroll = 1u << 4,
  kHScroll = 1u << 5,
  kMultiLine = 1u << 6,
  kReadOnly = 1u << 7,
  kAutoVScroll = 1u << 8,
  kAutoHScroll = 1u << 9,
  kSmallIcon = 1u << 10,
  kSingleSel = 1u << 11,
  kShowSelAlways = 1u << 12,
  kNoLabelWrap = 1u << 13,
  kAutoArrange = 1u << 14,
  kAlignLeft = 1u << 15,
  kNoColumnHeader = 1u << 16,
  kNoSel = 1u << 17,
  kNoIntegralHeight = 1u << 18,
  kNotify = 1u << 19,
  kFlat = 1u << 20,
  kLeft = 1u << 21,
};

struct DialogRect {
  int x, y, width, height;  // dialog units
};

struct ControlTemplate {
  int id;  // -1 for controls without an id
  ControlKind kind;
  std::uint32_t style;
  std::string text;
  DialogRect rect;
  int resourceId = 0;                // bitmap or icon shown by a static
  std::vector<std::string> entries;  // combo-box initialisation data
};

struct DialogTemplate {
  int id;
  std::string caption;
  std::string fontName;
  int pointSize;
  int width, height;  // dialog units
  bool minimiseBox;
  bool appWindow;
  std::vector<ControlTemplate> controls;  // template order = tab order
};

}  // namespace vs
