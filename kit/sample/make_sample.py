#!/usr/bin/env python3
"""Writes the sample product of one version as the component folders of its medium.

    make_sample.py [--version 1|2] [--upgrade-library FILE] OUTDIR

OUTDIR (missing or empty) receives one folder per component, laid out the way its archive is
unpacked: EXE, VORNEXA, HELP and PLUMETA relative to the program folder, DBDAT (DATA\\...) and
DBNEW (NEW\\...) relative to the database folder, BDE32 relative to the engine's folder; and
UPGRADE, the content of the upgrade archive. Every byte and every time stamp follows from the
version alone, so two runs give the same trees.
"""
import argparse
import base64
import calendar
import hashlib
import os
import re
import struct
import sys
from dataclasses import dataclass

HERE = os.path.dirname(os.path.abspath(__file__))
FILES = os.path.join(HERE, "files")

# An installed copy is recognised by a TALVEN.EXE larger than 6,000,000 bytes.
PROGRAM_SIZE = 6_200_000


@dataclass(frozen=True)
class Release:
    number: str  # the version text, also the instructions page's folder under VerInfo
    stamp: tuple  # UTC time of every file and folder: year, month, day, hour, minute
    new_tables: tuple  # the empty sample database: (folder under NEW, table name)
    ships_logo: bool  # whether NEW\FIRMA carries the sample company logo


RELEASES = {
    1: Release("3200877.01", (2007, 3, 15, 10, 0),
               (("DATA", "FIRME"), ("DATA", "OPERATOR"), ("FIRMA", "PARTENER"),
                ("LUNA", "JURNAL"), ("LUNA", "BALANTA")), True),
    # The upgrade: new program files, a new table in the month's sample database, and no logo,
    # so that the picture the user put into NEW\FIRMA stays.
    2: Release("3200912.01", (2007, 9, 12, 10, 0),
               (("DATA", "FIRME"), ("DATA", "OPERATOR"), ("FIRMA", "PARTENER"),
                ("LUNA", "JURNAL"), ("LUNA", "BALANTA"), ("LUNA", "DECONT")), False),
}

PROGRAMS = {
    "TALVEN.EXE": "programul de contabilitate",
    "VORNEXA.EXE": "Vornexa TALVEN",
    "DORVANE.EXE": "Dorvane TALVEN",
    "PLUMETA.EXE": "Plumeta TALVEN",
}
SUPPORT_TOOLS = {
    "HHUPD.EXE": "HTML Help update, run quietly (/Q) after each installation",
    "TREGSVR.EXE": "registers the Chart FX control (-Q CFX32.OCX)",
}


def source(*parts):
    with open(os.path.join(FILES, *parts), "r", encoding="ascii") as f:
        return f.read()


def fill(text, **values):
    for key, value in values.items():
        text = text.replace("@" + key + "@", value)
    unfilled = re.search(r"@[A-Z_]+@", text)
    if unfilled:
        raise SystemExit(f"make_sample.py: placeholder {unfilled.group(0)} is not filled")
    return text


def crlf(text):
    """Windows text: every line ends with CR LF."""
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("ascii")


def stream(seed, size):
    """size deterministic bytes that do not compress, drawn from seed."""
    return hashlib.shake_256(seed.encode("ascii")).digest(size)


def program(name, release):
    text = fill(source("programs", "program.sh"), NAME=name, ROLE=PROGRAMS[name],
                VERSION=release.number)
    return text.encode("ascii")


def main_program(release):
    """TALVEN.EXE: the script, then a comment after its exit that brings it to PROGRAM_SIZE."""
    head = program("TALVEN.EXE", release)
    lines = []
    size = len(head)
    noise = stream("TALVEN.EXE " + release.number, PROGRAM_SIZE)
    position = 0
    while size < PROGRAM_SIZE:
        # "# " + 76 characters of base64-like text + LF; the last line is cut to the size.
        chunk = noise[position:position + 57]
        position += 57
        line = (b"# " + base64.b64encode(chunk) + b"\n")[:PROGRAM_SIZE - size]
        lines.append(line)
        size += len(line)
    return head + b"".join(lines)


def support_tool(name):
    log = name.split(".")[0] + ".log"
    return fill(source("programs", "support-tool.sh"), NAME=name, LOG=log,
                ROLE=SUPPORT_TOOLS[name]).encode("ascii")


def table(name, release, kind):
    """A database table: opaque to the installer, a small header and deterministic records."""
    header = f"KESTRIX TABLE {name} {release.number}\x1a".encode("ascii").ljust(128, b"\0")
    seed = f"{name} {release.number} {kind}"
    records = int.from_bytes(hashlib.sha256(seed.encode("ascii")).digest()[:2], "little")
    return header + stream(seed, 1024 + records % 6144)


def logo_bitmap():
    """The company logo of the sample database: a real 24-bit BMP, 96 x 48, a white K on a
    blue gradient."""
    width, height = 96, 48
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up, as BMP stores rows
        row = bytearray()
        for x in range(width):
            on_bar = 30 <= x < 38 and 8 <= y < 40
            arm = abs((x - 38) - abs(y - 24)) < 5 and 38 <= x < 62 and 8 <= y < 40
            if on_bar or arm:
                row += b"\xff\xff\xff"
            else:
                row += bytes((160 + x // 2, 64 + y, 16))  # blue, green, red
        rows.append(bytes(row).ljust(stride, b"\0"))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 3780, 3780,
                       0, 0)
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + pixels


def components(release, upgrade_library):
    """Component name -> {stored path: (bytes, executable)}."""
    version = release.number
    exe = {
        "TALVEN.EXE": (main_program(release), True),
        "HHUPD.EXE": (support_tool("HHUPD.EXE"), True),
        "TREGSVR.EXE": (support_tool("TREGSVR.EXE"), True),
        "CFX32.OCX": (stream("CFX32.OCX", 48 * 1024), False),
        # The program folder's own engine settings: an upgrade holds back entries whose path
        # begins with IDAPI, so the settings made on the computer stay.
        "IDAPI32.CFG": (crlf(fill(source("programs", "local-engine.cfg"), VERSION=version)),
                        False),
        f"VerInfo/{version}/Instruct.htm": (crlf(source("pages", f"Instruct-{version}.htm")),
                                            False),
    }
    vornexa = {name: (program(name, release), True) for name in ("VORNEXA.EXE", "DORVANE.EXE")}
    plumeta = {"PLUMETA.EXE": (program("PLUMETA.EXE", release), True)}
    help_pages = {f"Help/{page}": (crlf(fill(source("help", page), VERSION=version)), False)
                  for page in ("index.htm", "instalare.htm", "firma.htm")}
    dbdat = {f"DATA/{name}.DB": (table(name, release, "examples"), False)
             for name in ("FIRME", "OPERATOR", "PARTENER")}
    dbnew = {f"NEW/{folder}/{name}.DB": (table(name, release, "new " + folder), False)
             for folder, name in release.new_tables}
    if release.ships_logo:
        dbnew["NEW/FIRMA/LOGO.BMP"] = (logo_bitmap(), False)
    engine = {
        "IDAPI32.DLL": (stream("IDAPI32.DLL 5.01", 96 * 1024), False),
        "IDPDX32.DLL": (stream("IDPDX32.DLL 5.01", 64 * 1024), False),
        "IDAPI32.CFG": (crlf(source("engine", "IDAPI32.CFG")), False),
        "bde.reg": (crlf(source("engine", "bde.reg")), False),
    }
    if upgrade_library:
        with open(upgrade_library, "rb") as f:
            upgrade = {"UPGRADE.DLL": (f.read(), False)}
    else:
        upgrade = {"README.TXT": (crlf(fill(source("upgrade", "README.TXT"), VERSION=version)),
                                  False)}
    return {"EXE": exe, "VORNEXA": vornexa, "DBDAT": dbdat, "DBNEW": dbnew, "BDE32": engine,
            "HELP": help_pages, "PLUMETA": plumeta, "UPGRADE": upgrade}


def write_tree(outdir, release, upgrade_library):
    moment = calendar.timegm(release.stamp + (0,))
    folders = []
    for component, files in components(release, upgrade_library).items():
        root = os.path.join(outdir, component)
        folders.append(root)
        for stored, (data, executable) in sorted(files.items()):
            path = os.path.join(root, *stored.split("/"))
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
            os.chmod(path, 0o755 if executable else 0o644)
            os.utime(path, (moment, moment))
    for top in folders:
        for folder, _, _ in os.walk(top):
            os.utime(folder, (moment, moment))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("outdir", help="the folder to write (missing or empty)")
    parser.add_argument("--version", type=int, choices=sorted(RELEASES), default=1,
                        help="1: the product; 2: its upgrade")
    parser.add_argument("--upgrade-library", metavar="FILE",
                        help="the upgrade library, stored in the upgrade archive as UPGRADE.DLL")
    args = parser.parse_args()
    if os.path.exists(args.outdir) and (not os.path.isdir(args.outdir) or os.listdir(args.outdir)):
        sys.exit(f"make_sample.py: {args.outdir}: not an empty folder; nothing was written")
    if args.upgrade_library and not os.path.isfile(args.upgrade_library):
        sys.exit(f"make_sample.py: {args.upgrade_library}: no such file")
    os.makedirs(args.outdir, exist_ok=True)
    write_tree(args.outdir, RELEASES[args.version], args.upgrade_library)
    print(RELEASES[args.version].number)


if __name__ == "__main__":
    main()
