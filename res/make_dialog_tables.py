#!/usr/bin/env python3
"""Turns the resource script into the C++ form of the same resources.

The .rc file and resource.h are the one source of the dialog templates, their
combo-box data, the string table, the icon and bitmap files and the ids. The
Windows front end reads them as real resources; every other front end and the
tests get the table this script writes from them:

    make_dialog_tables.py VornakStarter.rc resource.h control_ids.h resources.cpp

A style, class or statement the table has no word for stops the build, so the
two forms cannot drift apart.
"""
import re
import sys

# Window classes and the style bits that choose the control kind, most
# specific first.
KINDS = [
    ("SysListView32", set(), "listView"),
    ("Button", {"BS_GROUPBOX"}, "groupBox"),
    ("Button", {"BS_AUTOCHECKBOX", "BS_PUSHLIKE"}, "pushLikeCheck"),
    ("Button", {"BS_AUTOCHECKBOX"}, "checkBox"),
    ("Button", {"BS_DEFPUSHBUTTON"}, "defPushButton"),
    ("Button", {"BS_PUSHBUTTON"}, "pushButton"),
    ("Edit", set(), "edit"),
    ("Static", {"SS_BITMAP"}, "staticBitmap"),
    ("Static", {"SS_ICON"}, "staticIcon"),
    ("Static", set(), "staticText"),
    ("ComboBox", {"CBS_DROPDOWNLIST"}, "comboDropList"),
    ("ListBox", set(), "listBox"),
]

# The remaining style bits and the framework's names for them.
STYLES = {
    "WS_TABSTOP": "kTabStop",
    "WS_GROUP": "kGroup",
    "WS_BORDER": "kBorder",
    "WS_VSCROLL": "kVScroll",
    "WS_HSCROLL": "kHScroll",
    "ES_MULTILINE": "kMultiLine",
    "BS_MULTILINE": "kMultiLine",
    "ES_READONLY": "kReadOnly",
    "ES_AUTOVSCROLL": "kAutoVScroll",
    "ES_AUTOHSCROLL": "kAutoHScroll",
    "LVS_SMALLICON": "kSmallIcon",
    "LVS_SINGLESEL": "kSingleSel",
    "LVS_SHOWSELALWAYS": "kShowSelAlways",
    "LVS_NOLABELWRAP": "kNoLabelWrap",
    "LVS_AUTOARRANGE": "kAutoArrange",
    "LVS_ALIGNLEFT": "kAlignLeft",
    "LVS_NOCOLUMNHEADER": "kNoColumnHeader",
    "LBS_NOSEL": "kNoSel",
    "LBS_NOINTEGRALHEIGHT": "kNoIntegralHeight",
    "LBS_NOTIFY": "kNotify",
    "BS_FLAT": "kFlat",
    "SS_LEFT": "kLeft",
}
EX_STYLES = {"WS_EX_CLIENTEDGE": "kClientEdge"}

DIALOG_FRAME = {"DS_MODALFRAME", "WS_POPUP", "WS_CAPTION", "WS_SYSMENU"}

# Headers of the resource script that the C++ form does not include.
SYSTEM_INCLUDES = {"windows.h", "commctrl.h", "resource.h"}

TOKEN = re.compile(
    r'\s+|//[^\n]*|/\*.*?\*/|(?P<pre>^[ \t]*#[^\n]*)|(?P<str>"(?:[^"\\\n]|\\.|"")*")'
    r"|(?P<num>0[xX][0-9A-Fa-f]+|\d+)L?|(?P<id>[A-Za-z_]\w*)|(?P<op>[,|])",
    re.S | re.M,
)


class RcError(Exception):
    pass


class Str(str):
    """A string literal of the script, by its value."""


class Op(str):
    """A comma or a bar."""


def is_word(token, word):
    return type(token) is str and token == word


def rc_string(literal):
    body = literal[1:-1].replace('""', '"')
    value = re.sub(r"\\([0-7]{1,3}|.)", lambda m: _escape(m.group(1)), body)
    return Str(value.rstrip("\0"))


def _escape(code):
    if code[0] in "01234567":
        return chr(int(code, 8))
    return {"n": "\n", "t": "\t", "\\": "\\", '"': '"'}.get(code, code)


def tokenize(text, includes):
    tokens, at = [], 0
    while at < len(text):
        m = TOKEN.match(text, at)
        if not m:
            raise RcError("cannot read: " + text[at : at + 30])
        at = m.end()
        if m.group("pre"):
            inc = re.match(r'\s*#\s*include\s*[<"]([^>"]+)[>"]', m.group("pre"))
            if inc and inc.group(1) not in SYSTEM_INCLUDES:
                includes.append(inc.group(1))
        elif m.group("str"):
            tokens.append(rc_string(m.group("str")))
        elif m.group("num"):
            tokens.append(int(m.group("num"), 0))
        elif m.group("op"):
            tokens.append(Op(m.group(0)))
        elif m.group("id"):
            tokens.append(m.group(0))
    return tokens


def fields(tokens):
    """Splits at commas; each field is its list of '|'-joined terms."""
    result = [[]]
    for t in tokens:
        if isinstance(t, Op):
            if t == ",":
                result.append([])
        else:
            result[-1].append(t)
    return result


class Script:
    def __init__(self, tokens):
        self.tokens, self.at = tokens, 0
        self.dialogs, self.strings, self.icons, self.bitmaps = [], [], [], []
        self.entries = {}  # (dialog, control id) -> texts

    def next(self):
        if self.at >= len(self.tokens):
            raise RcError("unexpected end of the script")
        self.at += 1
        return self.tokens[self.at - 1]

    def peek(self):
        return self.tokens[self.at] if self.at < len(self.tokens) else None

    def expect(self, word):
        if self.next() != word:  # a word or an operator, never a string
            raise RcError("expected %s before %r" % (word, self.tokens[self.at - 1 :][:5]))

    def block(self):
        """The tokens between BEGIN and its END."""
        self.expect("BEGIN")
        start, depth = self.at, 1
        while depth:
            t = self.next()
            depth += 1 if is_word(t, "BEGIN") else -1 if is_word(t, "END") else 0
        return self.tokens[start : self.at - 1]

    def read(self):
        while self.peek() is not None:
            first = self.next()
            if is_word(first, "LANGUAGE"):
                self.next(), self.expect(","), self.next()
            elif is_word(first, "STRINGTABLE"):
                body = [t for t in self.block() if not isinstance(t, Op)]
                self.strings += list(zip(body[0::2], body[1::2]))
            else:
                self.resource(first, self.next())

    def resource(self, name, kind):
        if kind in ("ICON", "BITMAP"):
            (self.icons if kind == "ICON" else self.bitmaps).append((name, self.next()))
        elif kind == "DIALOGEX":
            self.dialog(name)
        elif kind == "RT_DLGINIT_DATA":
            self.dialog_init(name, self.block())
        elif isinstance(self.peek(), Str):
            self.next()  # a file the front ends do without (the manifest)
        else:
            while not is_word(self.peek(), "BEGIN"):
                self.next()
            self.block()  # the version record

    def dialog(self, name):
        x, y, width, height = [f[0] for f in fields(self.until("BEGIN"))]
        d = {"id": name, "width": width, "height": height, "controls": []}
        options = self.options
        style = set(options.get("STYLE", []))
        if not DIALOG_FRAME <= style or style - DIALOG_FRAME - {"WS_MINIMIZEBOX"}:
            raise RcError("%s: dialog style %s" % (name, sorted(style)))
        ex_style = set(options.get("EXSTYLE", []))
        if ex_style - {"WS_EX_APPWINDOW"}:
            raise RcError("%s: dialog extended style %s" % (name, sorted(ex_style)))
        d["minimiseBox"] = "WS_MINIMIZEBOX" in style
        d["appWindow"] = "WS_EX_APPWINDOW" in ex_style
        d["caption"] = options["CAPTION"][0]
        d["pointSize"], d["font"] = options["FONT"]
        body = self.block()
        starts = [i for i, t in enumerate(body) if is_word(t, "CONTROL")] + [len(body)]
        if not body or not is_word(body[0], "CONTROL"):
            raise RcError("%s: only CONTROL statements are read" % name)
        for a, b in zip(starts, starts[1:]):
            d["controls"].append(control(name, fields(body[a + 1 : b])))
        self.dialogs.append(d)

    def until(self, word):
        """The tokens up to WORD; the options of the statement are kept apart."""
        head, self.options, key = [], {}, None
        while not is_word(self.peek(), word):
            t = self.next()
            if type(t) is str and t in ("STYLE", "EXSTYLE", "CAPTION", "FONT"):
                key = t
                self.options[key] = []
            elif key is None:
                head.append(t)
            elif not isinstance(t, Op):
                self.options[key].append(t)
        return head

    def dialog_init(self, name, body):
        records = fields(body)
        if records[-1] != [0]:
            raise RcError("%s: the combo-box data ends in 0" % name)
        for i in range(0, len(records) - 1, 5):
            (cid,), (message,), (size,), (_,), (text,) = records[i : i + 5]
            if message != "DLGINIT_ADDSTRING" or size != len(text.encode("cp1252")) + 1:
                raise RcError("%s: combo-box entry %r of %s" % (name, text, cid))
            self.entries.setdefault((name, cid), []).append(text)


def control(dialog, f):
    if len(f) not in (8, 9) or any(len(v) != 1 for v in f[:3] + f[4:8]):
        raise RcError("%s: CONTROL needs text, id, class, style, x, y, width, height" % dialog)
    (text,), (cid,), (cls,), style = f[0], f[1], f[2], set(f[3])
    ex_style = set(f[8]) if len(f) == 9 else set()
    for wanted_class, bits, kind in KINDS:
        if cls.lower() == wanted_class.lower() and bits <= style:
            style -= bits
            break
    else:
        raise RcError("%s: control %s of class %s" % (dialog, cid, cls))
    unknown = (style - STYLES.keys()) | (ex_style - EX_STYLES.keys())
    if unknown:
        raise RcError("%s: control %s has styles %s" % (dialog, cid, sorted(unknown)))
    ours = sorted({STYLES[s] for s in style} | {EX_STYLES[s] for s in ex_style})
    shows_image = kind in ("staticIcon", "staticBitmap")
    return {
        "id": -1 if cid == "IDC_STATIC" else cid,
        "kind": kind,
        "style": ours,
        "text": Str("") if shows_image else text,
        "resourceId": text if shows_image else 0,
        "rect": [v[0] for v in f[4:8]],
    }


def cpp(value):
    """A literal or an id of the script as C++."""
    if isinstance(value, Str):
        escaped = value.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
        return '"%s"' % "".join(c if 32 <= ord(c) < 127 else "\\%03o" % ord(c) for c in escaped)
    return str(value)


def write_tables(script, includes, out):
    w = out.write
    w("// Made by res/make_dialog_tables.py from res/VornakStarter.rc: edit that.\n")
    for header in ["dialog/resources.h", "dialog/control_ids.h", "ui/dialog.h"] + includes:
        w('#include "%s"\n' % header)
    w("\nnamespace vs {\nnamespace {\n\nusing K = ControlKind;\n")
    for d in script.dialogs:
        w("\nconst DialogTemplate k_%s{\n" % d["id"])
        w("    .id = %s, .caption = %s,\n" % (d["id"], cpp(d["caption"])))
        w("    .fontName = %s, .pointSize = %s," % (cpp(d["font"]), d["pointSize"]))
        w(" .width = %s, .height = %s,\n" % (d["width"], d["height"]))
        w("    .minimiseBox = %s," % str(d["minimiseBox"]).lower())
        w(" .appWindow = %s,\n    .controls = {\n" % str(d["appWindow"]).lower())
        for c in d["controls"]:
            entries = script.entries.pop((d["id"], c["id"]), [])
            w("        {%s, K::%s, %s, %s, {%s}, %s, {%s}},\n" % (
                cpp_id(c["id"]), c["kind"], " | ".join(c["style"]) or "0", cpp(c["text"]),
                ", ".join(map(str, c["rect"])), c["resourceId"],
                ", ".join(map(cpp, entries))))
        w("    }};\n")
    if script.entries:
        raise RcError("combo-box data for no combo box: %s" % sorted(script.entries))
    w("\nconst DialogTemplate* const kTemplates[] = {%s};\n" %
      ", ".join("&k_" + d["id"] for d in script.dialogs))
    for name, kind, items in [("kStrings", "StringResource", script.strings),
                              ("kIcons", "ImageResource", script.icons),
                              ("kBitmaps", "ImageResource", script.bitmaps)]:
        w("\nconstexpr %s %s[] = {\n" % (kind, name))
        for rid, value in items:
            w("    {%s, %s},\n" % (rid, cpp(value)))
        w("};\n")
    w("\n}  // namespace\n\nconst ResourceTable& starterResources() {\n")
    w("  static const ResourceTable table{kTemplates, kStrings, kIcons, kBitmaps};\n")
    w("  return table;\n}\n\n}  // namespace vs\n")


# The dialog manager's own ids, as our dialog framework names them.
FRAMEWORK_IDS = {"IDOK": "kIdOk", "IDCANCEL": "kIdCancel"}


def cpp_id(name):
    return FRAMEWORK_IDS.get(name, name)


# Ids by their prefix: dialog templates, other resources, controls, and the
# commands of the system menu.
ID_GROUPS = [("IDD_", "enum TemplateId"), ("IDS_ IDR_ IDB_", "enum ResourceId"),
             ("IDC_", "enum ControlId")]
DEFINE = re.compile(r"^#define\s+(ID[A-Z]_\w+)\s+(0[xX][0-9A-Fa-f]+|\d+|[A-Za-z_]\w*)\s*$", re.M)


def write_ids(header_text, out):
    ids = DEFINE.findall(header_text)
    w = out.write
    w("// Made by res/make_dialog_tables.py from res/resource.h: edit that.\n#pragma once\n\n")
    w('#include "ui/dialog.h"  // kIdOk, kIdCancel\n\nnamespace vs {\n\n')
    for prefixes, declaration in ID_GROUPS:
        group = [(n, v) for n, v in ids if n[:4] in prefixes.split()]
        w("%s {\n%s};\n" % (declaration, "".join("  %s = %s,\n" % (n, cpp_id(v)) for n, v in group)))
    for name, value in ids:
        if name.startswith("IDM_"):
            w("constexpr int %s = %s;\n" % (name, value))
    w("\n}  // namespace vs\n")


def main(rc_path, header_path, ids_path, tables_path):
    includes = []
    try:
        with open(rc_path, encoding="cp1252") as f:
            script = Script(tokenize(f.read(), includes))
        script.read()
        with open(header_path, encoding="cp1252") as f:
            header_text = f.read()
        with open(ids_path, "w", encoding="utf-8") as out:
            write_ids(header_text, out)
        with open(tables_path, "w", encoding="utf-8") as out:
            write_tables(script, includes, out)
    except (RcError, KeyError, ValueError) as e:
        sys.exit("%s: %s" % (rc_path, e))


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
