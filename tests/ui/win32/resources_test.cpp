// The resources of the built VornakStarter.EXE, read back from the file: the
// two dialog templates against the table the other front ends use (made from
// the same .rc at build time), the combo-box data, the About string and the
// version record.
#include "ui/win32/resources.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "dialog/control_ids.h"
#include "dialog/resources.h"
#include "support/win32_game.h"
#include "ui/dialog_template.h"
#include "ui/win32/scoped_gdi.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;

struct ReadControl {
  int id;
  std::string className;
  DWORD style, exStyle;
  std::string text;
  int resourceId;  // a text given as a resource number
  DialogRect rect;
};

struct ReadTemplate {
  DWORD style, exStyle;
  DialogRect rect;
  std::string caption, font;
  int pointSize;
  std::vector<ReadControl> controls;
};

// Reads DLGTEMPLATEEX: a header, then controls on 4-byte boundaries.
class TemplateReader {
 public:
  TemplateReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  ReadTemplate read() {
    ReadTemplate t{};
    EXPECT_EQ(word(), 1);       // version
    EXPECT_EQ(word(), 0xFFFF);  // signature of the extended form
    dword();                    // help id
    t.exStyle = dword();
    t.style = dword();
    const int count = word();
    t.rect = rect();
    nameOrNumber();  // menu
    nameOrNumber();  // class
    t.caption = text();
    if (t.style & DS_SETFONT) {
      t.pointSize = word();
      word();  // weight
      at_ += 2;
      t.font = text();
    }
    for (int i = 0; i < count; ++i) {
      at_ = (at_ + 3) & ~std::size_t{3};
      ReadControl c{};
      dword();  // help id
      c.exStyle = dword();
      c.style = dword();
      c.rect = rect();
      c.id = static_cast<int>(dword());
      c.className = className(nameOrNumber());
      const auto title = nameOrNumber();
      c.text = title.first;
      c.resourceId = title.second;
      at_ += word();  // creation data
      t.controls.push_back(c);
    }
    EXPECT_LE(at_, size_);
    return t;
  }

 private:
  unsigned word() {
    unsigned value = data_[at_] | (data_[at_ + 1] << 8);
    at_ += 2;
    return value;
  }
  DWORD dword() {
    DWORD low = word();
    return low | (static_cast<DWORD>(word()) << 16);
  }
  DialogRect rect() {
    auto next = [this] { return static_cast<int>(static_cast<std::int16_t>(word())); };
    DialogRect r{};
    r.x = next();
    r.y = next();
    r.width = next();
    r.height = next();
    return r;
  }
  std::string text() {
    std::string result;
    for (unsigned c = word(); c != 0; c = word()) result += static_cast<char>(c);
    return result;
  }
  std::pair<std::string, int> nameOrNumber() {
    if (data_[at_] == 0xFF && data_[at_ + 1] == 0xFF) {
      at_ += 2;
      return {"", static_cast<int>(word())};
    }
    return {text(), 0};
  }
  static std::string className(const std::pair<std::string, int>& name) {
    static const char* const kPredefined[] = {"Button",  "Edit",      "Static",
                                              "ListBox", "ScrollBar", "ComboBox"};
    if (name.second >= 0x80 && name.second <= 0x85)
      return kPredefined[name.second - 0x80];
    return name.first;
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// What a control of our layout data is in Win32 terms.
struct Expected {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

// Each kind's class and the style bits it brings before the control's own.
const struct {
  ControlKind kind;
  const char* className;
  DWORD style;
} kKinds[] = {
    {ControlKind::listView, "SysListView32", 0},
    {ControlKind::checkBox, "Button", BS_AUTOCHECKBOX},
    {ControlKind::pushLikeCheck, "Button", BS_AUTOCHECKBOX | BS_PUSHLIKE},
    {ControlKind::pushButton, "Button", BS_PUSHBUTTON},
    {ControlKind::defPushButton, "Button", BS_DEFPUSHBUTTON},
    {ControlKind::edit, "Edit", 0},
    {ControlKind::staticText, "Static", SS_LEFT},
    {ControlKind::staticBitmap, "Static", SS_BITMAP},
    {ControlKind::staticIcon, "Static", SS_ICON},
    {ControlKind::comboDropList, "ComboBox", CBS_DROPDOWNLIST},
    {ControlKind::groupBox, "Button", BS_GROUPBOX},
    {ControlKind::listBox, "ListBox", 0},
};

Expected expectedFor(const ControlTemplate& c) {
  const bool edit = c.kind == ControlKind::edit;
  const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                                 [&](const auto& k) { return k.kind == c.kind; });
  if (kind == std::end(kKinds)) {
    ADD_FAILURE() << "no Win32 form for control kind " << static_cast<int>(c.kind);
    return {"", 0, 0};
  }
  Expected e{kind->className, WS_CHILD | WS_VISIBLE | kind->style, 0};
  const std::pair<std::uint32_t, DWORD> bits[] = {
      {kTabStop, WS_TABSTOP},
      {kGroup, WS_GROUP},
      {kBorder, WS_BORDER},
      {kVScroll, WS_VSCROLL},
      {kHScroll, WS_HSCROLL},
      {kMultiLine, edit ? DWORD{ES_MULTILINE} : DWORD{BS_MULTILINE}},
      {kReadOnly, ES_READONLY},
      {kAutoVScroll, ES_AUTOVSCROLL},
      {kAutoHScroll, ES_AUTOHSCROLL},
      {kSmallIcon, LVS_SMALLICON},
      {kSingleSel, LVS_SINGLESEL},
      {kShowSelAlways, LVS_SHOWSELALWAYS},
      {kNoLabelWrap, LVS_NOLABELWRAP},
      {kAutoArrange, LVS_AUTOARRANGE},
      {kAlignLeft, LVS_ALIGNLEFT},
      {kNoColumnHeader, LVS_NOCOLUMNHEADER},
      {kNoSel, LBS_NOSEL},
      {kNoIntegralHeight, LBS_NOINTEGRALHEIGHT},
      {kNotify, LBS_NOTIFY},
      {kFlat, BS_FLAT},
      {kLeft, SS_LEFT},
  };
  for (const auto& [ours, win32] : bits) {
    if (c.style & ours)
      e.style |= win32;
  }
  if (c.style & kClientEdge)
    e.exStyle |= WS_EX_CLIENTEDGE;
  return e;
}

class BuiltProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    path() = (programDirectory().parent_path() / "VornakStarter.EXE").string();
    module() = ::LoadLibraryExA(path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  static void TearDownTestSuite() { ::FreeLibrary(module()); }
  static std::string& path() {
    static std::string value;
    return value;
  }
  static HMODULE& module() {
    static HMODULE value = nullptr;
    return value;
  }
  static ReadTemplate dialogTemplate(int id) {
    HRSRC found = ::FindResourceA(module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    EXPECT_NE(found, nullptr) << id;
    if (found == nullptr)
      return {};
    const auto* data =
        static_cast<const std::uint8_t*>(::LockResource(::LoadResource(module(), found)));
    return TemplateReader(data, ::SizeofResource(module(), found)).read();
  }
  static void expectSameLayout(int id) {
    const DialogTemplate& ours = *starterResources().findTemplate(id);
    const ReadTemplate built = dialogTemplate(id);
    EXPECT_EQ(built.caption, ours.caption);
    EXPECT_EQ(built.font, ours.fontName);
    EXPECT_EQ(built.pointSize, ours.pointSize);
    EXPECT_EQ(built.rect.width, ours.width);
    EXPECT_EQ(built.rect.height, ours.height);
    const DWORD frame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    EXPECT_EQ(built.style & ~DWORD{DS_SETFONT},
              frame | (ours.minimiseBox ? DWORD{WS_MINIMIZEBOX} : 0));
    EXPECT_EQ(built.exStyle, ours.appWindow ? DWORD{WS_EX_APPWINDOW} : 0);
    ASSERT_EQ(built.controls.size(), ours.controls.size());
    for (std::size_t i = 0; i < ours.controls.size(); ++i) {
      const ControlTemplate& c = ours.controls[i];
      const ReadControl& b = built.controls[i];
      const Expected e = expectedFor(c);
      SCOPED_TRACE("control " + std::to_string(i) + " (" + std::to_string(c.id) + ")");
      EXPECT_EQ(b.id, c.id);
      EXPECT_EQ(lstrcmpiA(b.className.c_str(), e.className), 0) << b.className;
      EXPECT_EQ(b.style, e.style);
      EXPECT_EQ(b.exStyle, e.exStyle);
      EXPECT_EQ(b.text, c.text);
      EXPECT_EQ(b.resourceId, c.resourceId);
      EXPECT_EQ(b.rect.x, c.rect.x);
      EXPECT_EQ(b.rect.y, c.rect.y);
      EXPECT_EQ(b.rect.width, c.rect.width);
      EXPECT_EQ(b.rect.height, c.rect.height);
    }
  }
  static std::string versionString(const std::vector<char>& info, const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    const std::string key = "\\StringFileInfo\\040904B0\\" + name;
    if (!::VerQueryValueA(info.data(), key.c_str(), &value, &length) || length == 0)
      return {};
    return static_cast<const char*>(value);
  }
};

TEST_F(BuiltProgram, TheMainDialogTemplateMatchesTheLayoutData) {
  ASSERT_NE(module(), nullptr) << path();
  expectSameLayout(IDD_STARTER);
}

TEST_F(BuiltProgram, TheAboutBoxTemplateMatchesTheLayoutData) {
  ASSERT_NE(module(), nullptr) << path();
  expectSameLayout(IDD_ABOUTBOX);
}

TEST_F(BuiltProgram, TheComboBoxDataHoldsTheEntriesInOrder) {
  ASSERT_NE(module(), nullptr) << path();
  std::vector<std::pair<int, std::string>> expected;
  for (const auto& c : starterTemplate().controls) {
    for (const auto& entry : c.entries) expected.emplace_back(c.id, entry);
  }
  std::vector<std::pair<int, std::string>> found;
  for (const auto& entry : loadDialogInit(module(), IDD_STARTER)) {
    EXPECT_EQ(entry.message, kDialogInitAddString);
    found.emplace_back(entry.controlId, entry.text);
  }
  EXPECT_EQ(found, expected);
  EXPECT_TRUE(loadDialogInit(module(), IDD_ABOUTBOX).empty());
}

TEST_F(BuiltProgram, HoldsTheAboutStringIconAndBitmaps) {
  ASSERT_NE(module(), nullptr) << path();
  EXPECT_EQ(loadResourceString(module(), IDS_ABOUTBOX), "&About VornakStarter...");
  EXPECT_EQ(loadResourceString(module(), 999), "");
  EXPECT_NE(::FindResourceA(module(), MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(14)),
            nullptr);
  for (int bitmap : {IDB_MODIMAGES, IDB_BANNER})
    EXPECT_NE(::FindResourceA(module(), MAKEINTRESOURCEA(bitmap), MAKEINTRESOURCEA(2)), nullptr);
  // The strip: 30 images of 24 by 24.
  const GdiObject<HBITMAP> strip(static_cast<HBITMAP>(
      ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_MODIMAGES), IMAGE_BITMAP, 0, 0,
                   LR_CREATEDIBSECTION)));
  ASSERT_NE(strip.get(), nullptr);
  BITMAP info{};
  ::GetObjectA(strip.get(), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 720);
  EXPECT_EQ(info.bmHeight, 24);
}

TEST_F(BuiltProgram, CarriesTheVersionRecord) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path().c_str(), &ignored);
  ASSERT_GT(size, 0u) << path();
  std::vector<char> info(size);
  ASSERT_TRUE(::GetFileVersionInfoA(path().c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
  EXPECT_EQ(versionString(info, "ProductName"), "VornakStarter Application");
  EXPECT_EQ(versionString(info, "InternalName"), "VornakStarter");
  EXPECT_EQ(versionString(info, "OriginalFilename"), "VornakStarter.EXE");
}

TEST(DialogInitData, StopsAtTheZeroIdAndDropsARecordCutShort) {
  const std::uint8_t data[] = {0xF3, 0x03, 0x03, 0x04, 3,    0,    0, 0, 'a', 'b', 0,
                               0xF8, 0x03, 0x03, 0x04, 2,    0,    0, 0, 'c', 'd',  // no zero
                               0,    0,    0xF3, 0x03, 0x03, 0x04, 1, 0, 0,   0,   'x'};
  const auto entries = parseDialogInit(data, sizeof data);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].controlId, 1011);
  EXPECT_EQ(entries[0].text, "ab");
  EXPECT_EQ(entries[1].controlId, 1016);
  EXPECT_EQ(entries[1].text, "cd");

  const std::uint8_t cut[] = {0xF3, 0x03, 0x03, 0x04, 9, 0, 0, 0, 'a', 'b', 0};
  EXPECT_TRUE(parseDialogInit(cut, sizeof cut).empty());
  EXPECT_TRUE(parseDialogInit(cut, 5).empty());
}

}  // namespace
}  // namespace vs::test
