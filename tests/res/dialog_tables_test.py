#!/usr/bin/env python3
"""The conversion of the resource script into C++: what it reads from a small
script, and that it stops on what it cannot carry over. The real script is
checked against the built program by the Windows resource tests."""

import io
import os
import sys
import unittest

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res")
sys.dont_write_bytecode = True  # nothing of ours lands in res/
sys.path.insert(0, RES)
import make_dialog_tables as mdt  # noqa: E402

SCRIPT = """
#include <windows.h>
#include "resource.h"
#include "dialog/texts.h"
LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US
IDR_ICON ICON "a.ico"
IDB_STRIP BITMAP "strip.bmp"
IDD_BOX DIALOGEX 0, 0, 100, 50
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Say ""hi"" now"
FONT 8, "MS Sans Serif"
BEGIN
    CONTROL IDR_ICON, IDC_STATIC, "Static", SS_ICON, 1, 2, 3, 4
    CONTROL TEXT_MACRO, IDC_STATIC, "Static", SS_LEFT | WS_GROUP, 5, 6, 7, 8
    CONTROL "", IDC_LIST, "ComboBox", CBS_DROPDOWNLIST | WS_TABSTOP, 9, 10, 11, 12
    CONTROL "", IDC_TEXT, "Edit", ES_READONLY, 1, 1, 1, 1, WS_EX_CLIENTEDGE
END
IDD_BOX RT_DLGINIT_DATA
BEGIN
    IDC_LIST, DLGINIT_ADDSTRING, 3, 0, "ab\\000",
    IDC_LIST, DLGINIT_ADDSTRING, 2, 0, "c\\000",
    0
END
STRINGTABLE
BEGIN
    IDS_ENTRY "x"
END
VS_VERSION_INFO VERSIONINFO
 FILEVERSION 1,0,0,1
BEGIN
    BLOCK "StringFileInfo"
    BEGIN
        VALUE "CompanyName", "END\\0"
    END
END
"""


def convert(script):
    includes = []
    parsed = mdt.Script(mdt.tokenize(script, includes))
    parsed.read()
    out = io.StringIO()
    mdt.write_tables(parsed, includes, out)
    return out.getvalue()


class DialogTables(unittest.TestCase):
    def test_reads_templates_entries_images_strings_and_includes(self):
        text = convert(SCRIPT)
        for line in [
            '#include "dialog/texts.h"',
            '.id = IDD_BOX, .caption = "Say \\"hi\\" now",',
            "{-1, K::staticIcon, 0, \"\", {1, 2, 3, 4}, IDR_ICON, {}},",
            "{-1, K::staticText, kGroup | kLeft, TEXT_MACRO, {5, 6, 7, 8}, 0, {}},",
            '{IDC_LIST, K::comboDropList, kTabStop, "", {9, 10, 11, 12}, 0, {"ab", "c"}},',
            '{IDC_TEXT, K::edit, kClientEdge | kReadOnly, "", {1, 1, 1, 1}, 0, {}},',
            '{IDS_ENTRY, "x"},',
            '{IDR_ICON, "a.ico"},',
            '{IDB_STRIP, "strip.bmp"},',
        ]:
            self.assertIn(line, text)
        self.assertNotIn("windows.h", text)

    def test_stops_on_what_it_cannot_carry_over(self):
        for what, old, new in [
            ("an unknown style", "ES_READONLY", "ES_PASSWORD"),
            ("an unknown class", '"Edit"', '"RichEdit20A"'),
            ("a wrong entry length", '3, 0, "ab', '4, 0, "ab'),
            ("entries for no control", "IDC_LIST, DLGINIT_ADDSTRING, 2", "IDC_GONE, DLGINIT_ADDSTRING, 2"),
            ("an unknown dialog style", "WS_SYSMENU", "WS_SYSMENU | WS_THICKFRAME"),
            ("a control cut short", "9, 10, 11, 12", "9, 10, 11"),
        ]:
            with self.subTest(what):
                self.assertIn(old, SCRIPT)
                with self.assertRaises(mdt.RcError):
                    convert(SCRIPT.replace(old, new))

    def test_ids_by_kind(self):
        out = io.StringIO()
        mdt.write_ids("#define IDD_BOX 100\n#define IDC_LIST 1001\n#define IDC_GO IDOK\n"
                      "#define IDM_ABOUT 0x0010\n#define IDC_STATIC (-1)\n#define RT_X 240\n", out)
        text = out.getvalue()
        for line in ["enum TemplateId {\n  IDD_BOX = 100,\n};",
                     "enum ControlId {\n  IDC_LIST = 1001,\n  IDC_GO = kIdOk,\n};",
                     "constexpr int IDM_ABOUT = 0x0010;"]:
            self.assertIn(line, text)
        self.assertNotIn("IDC_STATIC", text)
        self.assertNotIn("RT_X", text)


if __name__ == "__main__":
    unittest.main()
