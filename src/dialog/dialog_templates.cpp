// Templates 100 (About box) and 102 (main dialog), control for control.
#include "dialog/control_ids.h"
#include "dialog/resources.h"
#include "ui/dialog.h"
#include "ui/dialog_template.h"

namespace vs {
namespace {

using K = ControlKind;

// clang-format off
const DialogTemplate kAboutTemplate{
    .id = IDD_ABOUTBOX, .caption = "About VornakStarter",
    .fontName = "MS Sans Serif", .pointSize = 8, .width = 235, .height = 55,
    .minimiseBox = false, .appWindow = false,
    .controls = {
        {-1,    K::staticIcon,    0,        "",                           {11, 17, 20, 20}, IDR_MAINFRAME},
        {-1,    K::staticText,    kGroup,   "VornakStarter Version 1.13", {40, 10, 119, 8}},
        {-1,    K::staticText,    0,        "Starts Vornak, Morlex and their mods", {40, 25, 119, 8}},
        {kIdOk, K::defPushButton, kTabStop | kGroup, "OK",                {178, 7, 50, 14}},
    }};
// clang-format on

constexpr std::uint32_t kListViewStyle = kSmallIcon | kSingleSel | kShowSelAlways | kNoLabelWrap |
                                         kAutoArrange | kAlignLeft | kNoColumnHeader | kBorder |
                                         kTabStop;

// clang-format off
const DialogTemplate kStarterTemplate{
    .id = IDD_STARTER, .caption = "VornakStarter",
    .fontName = "MS Sans Serif", .pointSize = 8, .width = 315, .height = 265,
    .minimiseBox = true, .appWindow = true,
    .controls = {
        {IDC_MODLIST,          K::listView,      kListViewStyle,     "",                  {0, 40, 112, 132}},
        {IDC_NOMUSIC,          K::checkBox,      kTabStop,           "no music",          {208, 42, 44, 10}},
        {IDC_NOSOUND,          K::checkBox,      kTabStop,           "no sound",          {208, 54, 44, 10}},
        {IDC_WINDOWED,         K::checkBox,      kTabStop,           "start in a window", {208, 66, 65, 10}},
        {kIdOk,                K::pushButton,    kTabStop,           "[Start]",           {116, 40, 88, 36}},
        {kIdCancel,            K::pushButton,    kTabStop,           "Exit",              {276, 40, 36, 16}},
        {IDC_DESCRIPTION,      K::edit,          kMultiLine | kReadOnly | kAutoVScroll | kVScroll | kClientEdge | kTabStop,
                                                                     "",                  {116, 80, 196, 92}},
        {IDC_PARAMETERS,       K::edit,          kAutoHScroll | kBorder | kTabStop, "",   {116, 178, 196, 13}},
        {IDC_DEVELOPMENT,      K::pushLikeCheck, kFlat | kTabStop,   "MOD Development",   {4, 176, 68, 18}},
        {IDC_REPARSE,          K::checkBox,      kTabStop,           "reparse all scripts", {12, 208, 70, 10}},
        {IDC_AUTOCONVERT,      K::checkBox,      kTabStop,           "autoconvert data",  {12, 218, 70, 10}},
        {IDC_CONVERTALL,       K::checkBox,      kTabStop,           "convert all",       {12, 228, 49, 10}},
        {IDC_CONVERTTEXTURES,  K::checkBox,      kTabStop,           "convert textures",  {12, 239, 67, 10}},
        {IDC_PHYSICALFIRST,    K::checkBox,      kMultiLine | kTabStop,
                                                 "process physical files on disk first (virtual VDFS last)", {128, 216, 72, 24}},
        {IDC_SPYLEVEL_LABEL,   K::staticText,    kLeft | kGroup,     "Lumiq-Messages:",   {240, 229, 52, 8}},
        {IDC_SPYLEVEL,         K::comboDropList, kVScroll | kTabStop, "",                 {240, 239, 68, 105}, 0,
                                                 {"none", "some", "more", "many", "all"}},
        {IDC_APPLICATION_LABEL, K::staticText,   kLeft | kGroup,     "Application:",      {240, 200, 38, 8}},
        {IDC_APPLICATION,      K::comboDropList, kVScroll | kTabStop, "",                 {240, 210, 68, 88}, 0,
                                                 {"Vornak", "Morlex"}},
        {-1,                   K::staticText,    0,                  "by KARNOW-STUDIO, 2001", {4, 256, 108, 8}},
        {IDC_HELP_BUTTON,      K::pushButton,    kTabStop,           "?",                 {204, 220, 20, 14}},
        {IDC_ACTIONS,          K::groupBox,      0,                  "Actions",           {4, 196, 92, 56}},
        {IDC_ARCHIVELOG,       K::listBox,       kNoSel | kNoIntegralHeight | kNotify | kVScroll | kHScroll | kBorder | kTabStop,
                                                                     "",                  {4, 196, 308, 60}},
        {IDC_BANNER,           K::staticBitmap,  0,                  "",                  {0, 0, 316, 37}, IDB_BANNER},
        {-1,                   K::staticText,    kLeft,              "Parameters:",       {76, 180, 38, 8}},
    }};
// clang-format on

}  // namespace

const DialogTemplate& aboutTemplate() {
  return kAboutTemplate;
}

const DialogTemplate& starterTemplate() {
  return kStarterTemplate;
}

}  // namespace vs
