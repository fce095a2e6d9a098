#!/usr/bin/env python3
"""Writes the seed registers of the fuzzing corpus (fuzz/corpus): one register
of each file version, texts in the UTF-16 form and long texts. The example
register of examples/ is copied beside them. Run again only to change a seed:
the corpus is kept in the repository.

Usage: fuzz/make-seeds.py [CORPUS_DIR]
"""
import os
import shutil
import struct
import sys

here = os.path.dirname(os.path.abspath(__file__))
out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "corpus")


def u8(v): return struct.pack("<B", v)
def u16(v): return struct.pack("<H", v)
def u32(v): return struct.pack("<I", v & 0xFFFFFFFF)


def length(n):
    if n < 0xFF:
        return u8(n)
    if n < 0xFFFE:
        return u8(0xFF) + u16(n)
    return u8(0xFF) + u16(0xFFFF) + u32(n)


def s(text):
    """An archive string: windows-1252 when it fits, else the UTF-16 form."""
    try:
        raw = text.encode("cp1252")
        return length(len(raw)) + raw
    except UnicodeEncodeError:
        units = text.encode("utf-16-le")
        return u8(0xFF) + u16(0xFFFE) + length(len(units) // 2) + units


def font():
    face = b"Courier New".ljust(32, b"\0")
    return struct.pack("<5i8B", 100, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0x31) + face


def stream(version, lines, texts):
    b = u16(1) + s("")
    b += b"".join(u32(w) for w in (10, 20, 18, 22, 30))
    if version >= 0x305:
        b += u32(64) + u16(4) + u16(0) + u16(5) + u16(8) + u16(11) + font()
    b += b"".join(u32(c) for c in (0, 0xFFFFFF, 0xFF, 0xEEEEEE, 0x8000, 0xDDDDDD))
    b += b"".join(s(t) for t in texts) + u32(-150000)
    b += u32(len(lines))
    for issue, amount, obs in lines:
        if version >= 0x301:
            b += u32(issue) + u32(0) + u32(issue + 2)
        else:
            b += u16(issue) + u16(0) + u16(issue)
        b += u32(amount) + s("CH12") + s("Carte") + s("Courses") + s("March\u00e9") + s("") + s(obs)
    b += u32(2) + s("Carte") + u16(1) + u16(5) + u16(1) + s("Virement") + u16(4) + u16(0) + u16(2)
    b += u32(1) + s("Loyer")
    if version > 0x300:
        b += u32(739000) + u16(1) + u16(5)
    else:
        b += u16(0x3585) + u16(1)
    b += s("Virement") + u32(-65000) + s("Logement") + s("") + s("Agence") + s("")
    b += u32(2) + s("Courses") + u32(0) + u32(1) + s("March\u00e9") + u32(500)
    b += s("Logement") + u32(0) + u32(0)
    b += u32(1) + s("Agence") + s("01 02 03 04 05") + s("1 rue de la Paix")
    return b


def register(magic, version, lines, texts):
    head = s(magic) + (u32(version) if magic.endswith("BLV") else b"")
    return head + stream(version, lines, texts)


def slot(text, size):
    raw = text.encode("cp1252")[:size]
    return raw + b"\0" * (size - len(raw))


def legacy():
    b = u32(0xAAC010EE)
    b += slot("Notes", 36) + slot("Banque", 36) + slot("Agence", 36) + slot("0001", 36)
    b += slot("4970", 100) + slot("M. Dupont", 100) + u32(-2500)
    b += b"".join(u16(v) for v in (16, 12, 1, 1, 1, 0, 10, 20, 2, 1))
    b += b"".join(u32(0x100 + i) for i in range(6)) + b"\0" * (40 + 1024)
    b += u16(2)
    b += slot("Alimentation", 16) + u32(1000) + b"\0" * 4 + u16(7) + u16(1) + b"\0" * 36
    b += slot("March\u00e9", 16) + u32(5) + b"\0" * 4 + u16(1) + b"\0" * 38
    b += slot("Carte", 20) + u16(1) + u16(1) + u16(5) + u16(1) + b"\0" * 36
    b += u16(0x3585) + u16(1) + u16(1) + u32(-65000) + u16(7) + u16(1)
    b += slot("Loyer mensuel", 38) + slot("Loyer", 76)
    for issue, amount in ((0x3585, -1234), (0x3586, 250000)):
        b += u16(issue) + u16(0) + u16(issue) + slot("REF", 16) + u16(1) + u32(amount)
        b += u16(7) + u16(1) + slot("Courses", 96)
    return b


summary = ["Banque", "Agence", "0001", "4970", "M. Dupont", "Notes"]
lines = [(738900, -1234, "Courses"), (738905, 250000, "Salaire"), (738910, -50, "")]
seeds = {
    "blv-305.blv": register("KVT-BELVANE-BLV", 0x305, lines, summary),
    "blv-302.blv": register("KVT-BELVANE-BLV", 0x302, lines, summary),
    "v31.blv": register("KVT-BELVANE-3.1", 0x301, lines, summary),
    "v30.blv": register("KVT-BELVANE-3.0", 0x300, [(0x3585, -1234, "Courses")], summary),
    "legacy.blv": legacy(),
    "utf16.blv": register("KVT-BELVANE-BLV", 0x305,
                          [(738900, -990, "\u03a9 \u20ac \u4e2d\u6587 \U0001f600")],
                          ["Banque \u0141\u00f3d\u017a", "", "", "", "\u0416\u0435\u043d\u044f", ""]),
    "long-texts.blv": register("KVT-BELVANE-BLV", 0x305,
                               [(738900, 1, "x" * 254), (738901, 2, "\u00e9" * 255),
                                (738902, 3, "Long " * 300)],
                               ["B" * 300, "", "", "", "", "Annotations " * 100]),
}
os.makedirs(out, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)
shutil.copy(os.path.join(here, "..", "examples", "exemple.blv"), os.path.join(out, "exemple.blv"))
