#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed inputs of the fuzz targets into tests/fuzz/corpus/, from the keystroke table,
the validation table, number texts, caption lists and the main window's property sets.

Run from the top of the source tree:  python3 tools/fuzz_seeds.py
"""

import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "tests" / "fuzz" / "corpus"

# mode, text before, caret, key
KEYSTROKES = [
    (0, "", 0, "-"), (1, "", 0, "-"), (3, "", 0, "-"), (2, "12", 2, "."), (0, "-5", 0, "1"),
    (0, "-5", 0, "\b"), (0, "12", 2, "e"), (0, "1e", 2, "-"), (1, "1e", 2, "-"),
    (0, "1e-", 3, "-"), (0, "1e-5", 2, "-"), (0, "1e5", 2, "-"), (0, "1.5", 1, "e"),
    (0, "1.5", 3, "e"), (0, "1.", 2, "e"), (0, "5", 0, "e"), (0, "1e5", 3, "."),
    (0, "1e5", 0, "."), (0, "1.5", 3, "."), (0, "2E3", 3, "d"), (3, "42", 2, "a"),
    (0, "5", 1, "\r"), (4, "abc", 3, "x"), (7, "4", 1, "-"),
]

# limit check, lower, upper, maximum length, text
VALIDATIONS = [
    (0, 0, 0, 0, "0012"), (0, 0, 0, 0, ".5"), (0, 0, 0, 0, "-.5"), (0, 0, 0, 0, "5."),
    (0, 0, 0, 0, "1e3"), (0, 0, 0, 0, "2E-"), (0, 0, 0, 0, "1d2"), (0, 0, 0, 0, "-"),
    (0, 0, 0, 0, "1e400"), (0, 0, 0, 0, ""), (1, 1, 10, 0, ""), (1, 0, 0, 0, "123"),
    (1, 1, 10, 0, "10"), (1, 1, 10, 0, "10.0001"), (1, 10, 20, 0, "5e"), (0, 0, 0, 4, "1e5"),
    (0, 0, 0, 0, "-7.5"), (1, 10, 5, 0, "7"),
]

NUMBERS = [
    (0.5, ".5"), (-0.5, "-.5"), (1e15, "1E+15"), (1.7976931348623157e308, "1.79769313486232E308"),
    (5e-324, "4.94065645841247E-324"), (1 / 3, "0.333333333333333"), (100.0, "1d2"),
    (123456789012345.0, "  +12e-3 "),
]

CAPTIONS = [
    "X|Y|Z", "X||Y", "|X", "X|", "", "1文字表記|3文字表記|名称|画像",
    "A|B|C|D|E|F|G|H|I|K|L|M|N|P|Q|R|S|T|V|W|Y|Z", " a | b ", "||||",
]

BAGS = [
    'caption = String:"問題の形式"\noptionnum = Int16:4\noptionnumperline = Int16:1\n',
    '_extentx = Int32:11880\ncaption = String:"解答"\nenabled = Bool:False\n'
    'optionleft = Int32:200\noptionleft = Int32:200\ndefaultvalue = Int16:-1\n',
    'backcolor = Int32:-2147483644\nenabled = Bool:False\nmode = Int32:3\n'
    'lowerlimit = Double:1.5\nupperlimit = Double:1e3\n',
    'font = Font:"ＭＳ Ｐゴシック,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"\ndefaultvalue = Bool:True\n',
    '# design\n\ncaption = String:"a\\"b\\\\c\\nd"\n',
]


# The host fuzzer's actions, each an opcode and its operands: a property write (0, property,
# value), a click (2, button), a key (3, key; +0x80 with Alt), a focus move (4, where), show or
# hide (5), a state operation (6, which), a reload of the stored settings (7), the event loop (8).
# The byte after an event of the control says whether its handler acts (a multiple of 3) and
# then the handler's own action follows. The head byte picks the control (head % 3: option
# group, check box, number box), a designing host (4) and the Japanese locale (8).
HOST_PLAYS = [
    # An option group of five whose Change handler shrinks it while button 4 is being chosen.
    [0, 0, 15, 8, 1, 0, 10, 7, 1, 5, 1, 2, 4, 0, 0, 15, 6, 1, 8],
    # A designing host choosing nothing by default; the handler deselects inside the click.
    [4, 0, 15, 6, 1, 0, 5, 1, 1, 2, 1, 0, 6, 0, 1, 3, 0, 0, 6, 0, 7, 8],
    # Fonts and colours written, then the settings saved and read back.
    [0, 0, 4, 7, 1, 0, 11, 2, 0, 3, 3, 0, 9, 4, 7, 8],
    # A check box clicked, keyed and its key changed by the handler, then reloaded.
    [1, 2, 0, 0, 0, 3, 0, 1, 1, 0, 9, 1, 7, 6, 1, 6, 2, 8],
    # A number box refusing "-" when the focus moves to another window, then typed into.
    [2, 0, 18, 4, 1, 4, 0, 1, 4, 2, 1, 8, 3, 5, 1, 3, 6, 1, 4, 1, 7, 8],
    # The same on a designing host in Japanese, with limits crossed and a must-enter box.
    [14, 0, 9, 6, 0, 21, 2, 0, 11, 1, 0, 12, 1, 0, 18, 0, 4, 0, 7, 5, 5, 8],
]


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def main():
    for i, (mode, text, caret, key) in enumerate(KEYSTROKES):
        write("fuzz_key_filter", f"row{i:02}",
              struct.pack("<bhh", mode, ord(key), caret) + text.encode("latin-1"))
    for i, (check, lower, upper, length, text) in enumerate(VALIDATIONS):
        write("fuzz_validate", f"row{i:02}",
              struct.pack("<Bddi", check, lower, upper, length) + text.encode())
    for i, (value, text) in enumerate(NUMBERS):
        write("fuzz_number_text", f"number{i:02}", struct.pack("<d", value) + text.encode())
    for i, text in enumerate(CAPTIONS):
        write("fuzz_caption_split", f"captions{i:02}", text.encode())
    for i, text in enumerate(BAGS):
        write("fuzz_property_bag", f"set{i:02}", text.encode())
    for i, play in enumerate(HOST_PLAYS):
        write("fuzz_host", f"play{i:02}", bytes(play))


if __name__ == "__main__":
    main()
