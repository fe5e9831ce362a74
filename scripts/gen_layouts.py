#!/usr/bin/env python3
"""Writes config/index.json and the layout files of the shipped keyboard models.

Each model lists its rows as keys (name, width in hundredths of a key unit, optional gap before
the key); the name selects the key's code on layer 1, and every further layer maps names to
codes (keys not named there get code 3, the empty key). Run from anywhere:
    python3 scripts/gen_layouts.py
"""

import json
import os
import sys

SERVER = "https://download.example.com/driver/"
EMPTY_LAYER1 = 0
EMPTY = 3
CAPS_LOCK_INDICATOR = 1
MAX_ROWS = 7
MAX_COLS = 21
MAX_KEYS = 112
MARGIN = 10  # contents margin of the key panel on each side

# Plain key codes (USB usages where they exist, vendor codes above).
CODE = {chr(ord("A") + i): 4 + i for i in range(26)}
CODE.update({str((i + 1) % 10): 30 + i for i in range(10)})
CODE.update({
    "Enter": 40, "Esc": 41, "Bksp": 42, "Tab": 43, "Space": 44, "Space2": 44,
    "-": 45, "=": 46, "[": 47, "]": 48, "\\": 49, ";": 51, "'": 52, "`": 53,
    ",": 54, ".": 55, "/": 56, "Caps": 57,
    "PrtSc": 70, "ScrLk": 71, "Pause": 72, "Ins": 73, "Home": 74, "PgUp": 75,
    "Del": 76, "End": 77, "PgDn": 78, "Right": 79, "Left": 80, "Down": 81, "Up": 82,
    "Menu": 101,
    "LCtrl": 224, "LShift": 225, "LAlt": 226, "LWin": 227,
    "RCtrl": 228, "RShift": 229, "RAlt": 230, "RWin": 231,
})
for i in range(12):
    CODE["F%d" % (i + 1)] = 58 + i
LED = [135, 136, 137, 138, 139, 140, 141]          # on/off, next, prev, F++, F--, H++, H--
BLED = [193, 194, 195, 196, 197]                   # bottom light on/off, next, prev, F++, F--
MUTE, VOL_UP, VOL_DOWN, NEXT, PREV, STOP, PLAY = 154, 155, 156, 157, 158, 161, 162
LM2, LM3, LM4, LT2, LT3, LT4 = 175, 176, 177, 178, 179, 180
KM = [181, 182, 183, 184]
BLE = [186, 187, 188]
RF24 = 192
SLEEP, BATTERY = 232, 233
MACRO = list(range(104, 116))                       # M1..M12
CODE.update({"Fn": LM2, "Lower": LM2, "Raise": LM3})

NUMBER_ROW = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0"]


def k(name, width=100, gap=0):
    return (name, width, gap)


def ones(names):
    return [k(n) for n in names]


# Layer maps shared by the 60% and 65% boards.
def fn_layer_wide():
    layer = {"Esc": CODE["`"], "Bksp": CODE["Del"]}
    layer.update({n: CODE["F%d" % (i + 1)] for i, n in enumerate(NUMBER_ROW + ["-", "="])})
    layer.update(dict(zip("QWERTYU", LED)))
    layer.update({"I": CODE["Up"], "O": CODE["Ins"], "P": CODE["PrtSc"], "[": CODE["ScrLk"], "]": CODE["Pause"]})
    layer.update(dict(zip("ASDFG", BLED)))
    layer.update({"H": CODE["Home"], "J": CODE["Left"], "K": CODE["Down"], "L": CODE["Right"],
                  ";": CODE["PgUp"], "'": CODE["PgDn"], ",": CODE["End"]})
    layer.update(dict(zip("ZXCVBNM", [MUTE, VOL_DOWN, VOL_UP, PREV, PLAY, NEXT, STOP])))
    layer.update({"Menu": LT3, "RCtrl": LT4})
    return layer


def wireless_layer():
    layer = {"Esc": LT3, "1": BLE[0], "2": BLE[1], "3": BLE[2], "4": RF24,
             "Bksp": SLEEP, "Enter": BATTERY}
    return layer


def macro_layer():
    layer = {"Esc": LT4}
    layer.update({n: KM[i] for i, n in enumerate(["1", "2", "3", "4"])})
    layer.update(dict(zip(["Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "[", "]"], MACRO)))
    return layer


# 60% ANSI, 5 x 14, 15 units wide.
ANSI60 = [
    ones(["Esc"] + NUMBER_ROW + ["-", "="]) + [k("Bksp", 200)],
    [k("Tab", 150)] + ones("QWERTYUIOP[]") + [k("\\", 150)],
    [k("Caps", 175)] + ones("ASDFGHJKL;'") + [k("Enter", 225)],
    [k("LShift", 225)] + ones("ZXCVBNM,./") + [k("RShift", 275)],
    [k("LCtrl", 125), k("LWin", 125), k("LAlt", 125), k("Space", 625),
     k("RAlt", 125), k("Fn", 125), k("Menu", 125), k("RCtrl", 125)],
]

# 65%, 5 x 15, 16 units wide; the arrow keys stand half a unit off the bottom row.
ANSI65 = [
    ones(["Esc"] + NUMBER_ROW + ["-", "="]) + [k("Bksp", 200), k("Home")],
    [k("Tab", 150)] + ones("QWERTYUIOP[]") + [k("\\", 150), k("PgUp")],
    [k("Caps", 175)] + ones("ASDFGHJKL;'") + [k("Enter", 225), k("PgDn")],
    [k("LShift", 225)] + ones("ZXCVBNM,./") + [k("RShift", 175), k("Up"), k("End")],
    [k("LCtrl", 125), k("LWin", 125), k("LAlt", 125), k("Space", 625), k("RAlt", 125), k("Fn", 125),
     k("Left", 100, 50), k("Down"), k("Right")],
]


def layers65():
    fn = fn_layer_wide()
    fn.update({"Home": CODE["End"], "PgUp": CODE["Ins"], "PgDn": CODE["PrtSc"], "End": CODE["Pause"],
               "Up": VOL_UP, "Down": VOL_DOWN, "Left": PREV, "Right": NEXT, "RAlt": LT3, "I": EMPTY})
    return [fn, wireless_layer(), macro_layer()]


# 40%, 4 x 12, 12.75 units wide, with a split space bar.
STD40 = [
    [k("Tab")] + ones("QWERTYUIOP") + [k("Bksp", 175)],
    [k("Caps", 125)] + ones("ASDFGHJKL;") + [k("Enter", 150)],
    [k("LShift", 175)] + ones("ZXCVBNM,./") + [k("RShift")],
    [k("LCtrl", 125), k("LWin", 125), k("LAlt", 125), k("Space", 225), k("Space2", 275),
     k("RAlt", 125), k("Fn", 125), k("RCtrl", 150)],
]

# 40% grid ("Planck"), 4 x 12, every key one unit but a two-unit space bar.
PLANCK40 = [
    [k("Tab")] + ones("QWERTYUIOP") + [k("Bksp")],
    [k("Caps")] + ones("ASDFGHJKL;") + [k("'")],
    [k("LShift")] + ones("ZXCVBNM,./") + [k("Enter")],
    ones(["LCtrl", "LWin", "LAlt", "Menu", "Lower"]) + [k("Space", 200)] + ones(["Raise", "Left", "Down", "Up", "Right"]),
]


def layers40(grid):
    lower = {"Tab": CODE["Esc"], "Bksp": CODE["Del"], "Enter": CODE["'"]}
    lower.update({n: CODE[d] for n, d in zip("QWERTYUIOP", NUMBER_ROW)})
    lower.update({n: CODE["F%d" % (i + 1)] for i, n in enumerate("ASDFGHJKL;")})
    lower.update(dict(zip("ZXCVBNM,", [CODE["F11"], CODE["F12"], CODE["-"], CODE["="], CODE["["], CODE["]"],
                                       CODE["\\"], CODE["`"]])))
    if grid:
        lower.update({"'": CODE["`"], "Enter": EMPTY, ",": CODE["'"],
                      "Left": PREV, "Down": VOL_DOWN, "Up": VOL_UP, "Right": NEXT, "Raise": LT4})
    else:
        lower.update({"/": CODE["Up"], "RShift": CODE["'"], "RAlt": CODE["Left"], "Space2": CODE["Down"],
                      "RCtrl": CODE["Right"], "LWin": LT3, "LAlt": LT4})
    light = {"Tab": LT3}
    light.update(dict(zip("QWERTYU", LED)))
    light.update(dict(zip("ASDFG", BLED)))
    light.update(dict(zip("ZXCVBN", BLE + [RF24, BATTERY, SLEEP])))
    if grid:
        light["Raise"] = EMPTY
    macro = {"Tab": LT4}
    macro.update(dict(zip("QWERTYUIOP", MACRO)))
    macro.update(dict(zip("ASDF", KM)))
    macro.update(dict(zip("ZXCVBNM", [MUTE, VOL_DOWN, VOL_UP, PREV, PLAY, NEXT, STOP])))
    if grid:
        macro["Raise"] = LT4
    return [lower, light, macro]


def units(width):
    return width / 100.0


def build_layout(rows, layers, cappix, firmware, keyboardtype, rowgap=None):
    rownum = len(rows)
    colnum = max(len(r) for r in rows)
    assert rownum <= MAX_ROWS and colnum <= MAX_COLS, "grid too large"
    assert rownum * colnum <= MAX_KEYS, "keymap would not fit one transfer"
    rowgap = rowgap or [0] * rownum
    keys = []
    widest = 0
    height_px = 0
    for r, row in enumerate(rows):
        row_px = 0
        for c in range(colnum):
            if c >= len(row):
                keys.append({"row": r, "col": c, "valid": False})
                continue
            name, width, gap = row[c]
            codes = [CODE[name]] + [layer.get(name, EMPTY) for layer in layers]
            caps = name == "Caps"
            entry = {"row": r, "col": c, "valid": True, "gap": gap, "width": width, "height": 100,
                     "keycode": codes, "iledflag": caps}
            if caps:
                entry["iledtype"] = CAPS_LOCK_INDICATOR
            keys.append(entry)
            row_px += gap * cappix // 100 + width * cappix // 100
        widest = max(widest, row_px)
        height_px += rowgap[r] * cappix // 100 + cappix
    return {
        "rownum": rownum,
        "colnum": colnum,
        "cappix": cappix,
        "marpix": 5,
        "fontsize": 10 if cappix < 60 else 11,
        "pannelwidth": widest + 2 * MARGIN,
        "pannelheight": height_px + 2 * MARGIN,
        "keyboardtype": keyboardtype,
        "firmware": firmware,
        "rowgap": rowgap,
        "keys": keys,
    }


MODELS = [
    # pid, name, prefix, window size, keyboard type, [(type name, rows, layers, cappix)]
    (0x0601, "NOVA 60", "NOVA", (1294, 800), 0,
     [("60 ANSI", ANSI60, [fn_layer_wide(), wireless_layer(), macro_layer()], 56)]),
    (0x0602, "NOVA 65", "NOVA65", (1294, 800), 1,
     [("65 ANSI", ANSI65, layers65(), 56)]),
    (0x0603, "NOVA 40", "NOVA40", (1294, 800), 1,
     [("40 Standard", STD40, layers40(False), 60), ("40 Grid", PLANCK40, layers40(True), 60)]),
]


def format_layout(layout):
    """One member per line and one key per line, so a layout reads like the board."""
    lines = []
    for name, value in layout.items():
        if name == "keys":
            entries = ",\n".join("  " + json.dumps(key) for key in value)
            lines.append(' "keys": [\n' + entries + "\n ]")
        else:
            lines.append(" %s: %s" % (json.dumps(name), json.dumps(value)))
    return "{\n" + ",\n".join(lines) + "\n}\n"


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "config")
    os.makedirs(root, exist_ok=True)
    inst, demo, downloads = [], [], []
    for pid, name, prefix, (width, height), keyboardtype, types in MODELS:
        firmware = SERVER + "firmware/" + prefix + "/"
        for index, (_, rows, layers, cappix) in enumerate(types):
            layout = build_layout(rows, layers, cappix, firmware, keyboardtype)
            file_name = "%s_%d" % (prefix, index)
            with open(os.path.join(root, file_name + ".json"), "w", encoding="utf-8") as out:
                out.write(format_layout(layout))
            downloads.append({"name": file_name, "url": SERVER + "config/" + file_name + ".json"})
        entry = {"pid": pid, "width": width, "height": height, "prefix": prefix, "name": name}
        inst.append(dict(entry))
        demo.append(dict(entry, type=[t[0] for t in types]))
    index = {"priver": 1, "subver": 0, "inst": inst, "demo": demo, "keymap": downloads}
    with open(os.path.join(root, "index.json"), "w", encoding="utf-8") as out:
        json.dump(index, out, indent=1)
        out.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
