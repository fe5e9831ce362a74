#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz harnesses under fuzz/corpus/<harness>/: valid inputs of each
format plus deep, huge, truncated and wrong-type ones. The shipped config/ files are passed to the
layout and index harnesses as seeds by scripts/fuzz.sh, not copied."""
import json
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus")


def write(harness, name, data):
    folder = os.path.join(ROOT, harness)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def report(cmd, index, count, payload):
    body = bytes([2, cmd, (index << 4) | count, len(payload)]) + payload
    return body + bytes(64 - len(body))


def frame(cmd, payload):
    if len(payload) <= 60:
        return report(cmd, 0, 1, payload)
    count = (len(payload) + 59) // 60
    return b"".join(report(cmd, i, count, payload[i * 60:(i + 1) * 60]) for i in range(count))


# Report sequences.
write("fuzz_reassembly", "one_packet", frame(0x27, b"\x02"))
write("fuzz_reassembly", "three_packets", frame(0x01, bytes(range(150))))
write("fuzz_reassembly", "fifteen_packets", frame(0x15, bytes(900)))
write("fuzz_reassembly", "interrupted", frame(0x01, bytes(150))[:128] + frame(0x07, b"\x01") + frame(0x01, bytes(150))[128:])
write("fuzz_reassembly", "wrong_report_id", bytes([1]) + frame(0x02, b"\x01\x02\x0a")[1:])
write("fuzz_reassembly", "overlong_length", bytes([2, 0x02, 0x01, 0xFF]) + bytes(60))
write("fuzz_reassembly", "truncated", frame(0x01, bytes(150))[:100])

# Keymap replies: grid byte, keymap byte, then the codes.
for rows, cols in ((5, 15), (4, 12), (7, 16)):
    grid = (rows - 1) + 7 * (cols - 1)
    codes = b"".join(struct.pack("<H", (4 + i) & 0xFFFF) for i in range(rows * cols * 4))
    write("fuzz_keymap_reply", "keymap_%dx%d" % (rows, cols), bytes([grid, 1]) + codes)
    write("fuzz_keymap_reply", "short_%dx%d" % (rows, cols), bytes([grid, 2]) + codes[:-1])

# Layouts.
def layout(rows, cols):
    keys = [{"row": r, "col": c, "valid": True, "gap": 0, "width": 100, "height": 100,
             "keycode": [4 + r * cols + c, 58 + c, 3, 3], "iledflag": r == 0 and c == 0, "iledtype": 1}
            for r in range(rows) for c in range(cols)]
    return {"rownum": rows, "colnum": cols, "cappix": 50, "marpix": 5, "fontsize": 9,
            "pannelwidth": cols * 50 + 20, "pannelheight": rows * 50 + 20, "keyboardtype": 1,
            "firmware": "https://download.example.com/fw/", "rowgap": [0, 10, 0], "keys": keys}

write("fuzz_layout", "full_7x21.json", json.dumps(layout(7, 21)))
write("fuzz_layout", "small_2x3.json", json.dumps(layout(2, 3)))
wrong = layout(2, 3)
wrong.update({"rownum": "2", "colnum": 2.5, "cappix": -1, "rowgap": "x", "keys": [1, "a", None, {"row": 1e300}]})
write("fuzz_layout", "wrong_types.json", json.dumps(wrong))
write("fuzz_layout", "deep.json", "[" * 5000 + "]" * 5000)
write("fuzz_layout", "truncated.json", json.dumps(layout(3, 3))[:200])
write("fuzz_layout", "nan.json", '{"rownum": NaN, "colnum": Infinity, "keys": []}')

# Keymap files.
def keymap_xml(name, rows, cols):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', '<DEVICE KEYBOARD_NAME="%s">' % name,
             '    <LAYERNUM LAYER_NUMBER="4"/>', '    <ROWNUM ROW_NUMBER="%d"/>' % rows,
             '    <COLNUM COL_NUMBER="%d"/>' % cols, "    <KEYMAP>"]
    for layer in range(4):
        lines.append('        <LAYER LAYER_INDEX="%d">' % layer)
        for r in range(rows):
            lines.append('            <ROW ROW_INDEX="%d">' % r)
            for c in range(cols):
                lines.append('                <COLUMN COL_INDEX="%d" KEYCODE="%d"/>' % (c, 4 + r + c))
            lines.append("            </ROW>")
        lines.append("        </LAYER>")
    lines += ["    </KEYMAP>", "</DEVICE>", ""]
    return "\n".join(lines)

write("fuzz_keymap_xml", "keymap.xml", keymap_xml("K", 2, 3))
write("fuzz_keymap_xml", "other_name.xml", keymap_xml("NOVA_0", 2, 3))
write("fuzz_keymap_xml", "other_grid.xml", keymap_xml("K", 3, 2))
write("fuzz_keymap_xml", "truncated.xml", keymap_xml("K", 2, 3)[:700])
write("fuzz_keymap_xml", "entity.xml", '<?xml version="1.0"?><!DOCTYPE d [<!ENTITY a "aaaa">]><DEVICE KEYBOARD_NAME="&a;"/>')
write("fuzz_keymap_xml", "deep.xml", "<a>" * 3000 + "</a>" * 3000)

# Device indexes.
index = {"priver": 1, "subver": 3,
         "inst": [{"pid": 1537, "width": 1294, "height": 800, "prefix": "NOVA", "name": "NOVA 60"}],
         "demo": [{"pid": 1537, "width": 1294, "height": 800, "prefix": "NOVA", "name": "NOVA 60",
                   "type": ["60 ANSI", "60 ISO"]}],
         "keymap": [{"name": "NOVA_0", "url": "https://download.example.com/config/NOVA_0.json"}]}
write("fuzz_device_index", "index.json", json.dumps(index))
write("fuzz_device_index", "wrong_types.json", json.dumps({"priver": "1", "subver": -5, "inst": {}, "demo": [1, [], None],
                                                          "keymap": [{"name": 5, "url": ["x"]}]}))
write("fuzz_device_index", "duplicate_keys.json", '{"priver": 1, "priver": 300, "demo": [], "demo": [{"pid": 70000}]}')
write("fuzz_device_index", "deep.json", '{"demo":' + "[" * 4000 + "]" * 4000 + "}")
write("fuzz_device_index", "huge_numbers.json", '{"priver": 1e308, "subver": -1e308, "inst": [{"width": 32767, "height": 32767}]}')

# Macro read replies: index, count, little-endian words (type in the top two bits).
def macro_reply(index, words):
    return bytes([index, len(words)]) + b"".join(struct.pack("<H", w) for w in words)

write("fuzz_macro_reply", "key_delay_key", macro_reply(4, [0x4004, 0xC064, 0x8004]))
write("fuzz_macro_reply", "full", macro_reply(31, [0x4000 | (4 + i % 26) if i % 2 == 0 else 0xC000 | 15000 for i in range(120)]))
write("fuzz_macro_reply", "type_zero_words", macro_reply(0, [0x0004, 0x4028, 0x0000]))
write("fuzz_macro_reply", "short", macro_reply(1, [0x4004, 0x8004])[:-1])
write("fuzz_macro_reply", "bad_count", bytes([2, 121]) + bytes(242))

# Settings replies: selector byte, then the reply.
write("fuzz_settings_reply", "version", bytes([2, 1, 2, 10]))
write("fuzz_settings_reply", "serial", bytes([3]) + bytes(range(14)))
write("fuzz_settings_reply", "ble_version", bytes([4, 0, 3, 1, 4]))
write("fuzz_settings_reply", "ble_serial_not_init", bytes([5, 1]))
write("fuzz_settings_reply", "sleep", bytes([6, 0xB4, 0, 0, 0]))
write("fuzz_settings_reply", "iled_5x15", bytes([7, 4, 14]) + bytes(75))
write("fuzz_settings_reply", "iled_7x21_short", bytes([7, 6, 20]) + bytes(146))

# Firmware information files (GBK, CR LF).
write("fuzz_firmware_info", "four_lines", "[Device]=NOVA 65\r\n[Version]=2_1\r\n[Desc]=a\r\n[Desc]=b\r\n")
write("fuzz_firmware_info", "gbk", "[Device]=NOVA\r\n[Version]=1_0_5\r\n[Desc]=".encode() + "修复了蓝牙".encode("gbk") + b"\r\n")
write("fuzz_firmware_info", "bare_lf", "[Device]=NOVA\n[Version]=1_0\n")
write("fuzz_firmware_info", "version_first", "[Version]=1_0\r\n[Device]=NOVA\r\n")

# Catalogues.
def store(products, sale=None):
    items = "".join('<PRODUCT SALE_INDEX="%d" SALENAME="%s" SALELINK="https://shop.example.com/%d"/>' % (i, n, i)
                    for i, n in enumerate(products))
    return ('<?xml version="1.0" encoding="UTF-8"?><STORE><VERSION PRIVERSION="1"/><VERSION SUBVERSION="9"/>'
            '<COUNT SALE_NUMBER="%d"/>%s</STORE>' % (len(products) if sale is None else sale, items))

write("fuzz_store_catalogue", "three.xml", store(["Keycaps", "Switches", "Cable"]))
write("fuzz_store_catalogue", "fourteen.xml", store(["P%d" % i for i in range(14)]))
write("fuzz_store_catalogue", "escaped.xml", store(["&lt;b&gt;bold&lt;/b&gt;", "a&amp;b"]))
write("fuzz_store_catalogue", "deep.xml", "<a>" * 2000 + "</a>" * 2000)
write("fuzz_store_catalogue", "bad_numbers.xml", store(["x"], sale=999).replace('PRIVERSION="1"', 'PRIVERSION="-1"'))

# Downloads: version texts, indexes with layout lists, layouts.
write("fuzz_downloads", "version", b"1.4")
write("fuzz_downloads", "version_three_parts", b"1.4.1")
write("fuzz_downloads", "index.json", json.dumps(index))
hostile = dict(index)
hostile["keymap"] = [{"name": "../escaped", "url": "file:///etc/passwd"}, {"name": ".hidden", "url": "ftp://x/y"}]
write("fuzz_downloads", "hostile_index.json", json.dumps(hostile))
write("fuzz_downloads", "layout.json", json.dumps(layout(2, 3)))

# Macro files: a sound one, one full macro, and the ways a file goes wrong.
def macro_file(macros, version=1):
    return json.dumps({"format": "driver-macros", "version": version,
                       "macros": [{"macro": n, "actions": [{"type": t, "value": v} for t, v in acts]}
                                  for n, acts in macros]})

write("fuzz_macro_file", "one.json", macro_file([(1, [("down", 65), ("delay", 100), ("up", 65)])]))
write("fuzz_macro_file", "full.json", macro_file([(32, [("down", 13) if i % 2 == 0 else ("up", 13) for i in range(120)])]))
write("fuzz_macro_file", "too_many.json", macro_file([(2, [("delay", 2)] * 121)]))
write("fuzz_macro_file", "bad_values.json", macro_file([(0, [("delay", 1)]), (33, [("down", 255)]), (3, [("up", -1)])]))
write("fuzz_macro_file", "duplicate.json", macro_file([(4, []), (4, [("delay", 15000)])]))
write("fuzz_macro_file", "wrong_types.json", '{"format": 1, "version": "1", "macros": {"macro": [1.5]}}')
write("fuzz_macro_file", "future.json", macro_file([(1, [])], version=2))
