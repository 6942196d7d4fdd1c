#!/usr/bin/env python3
"""Writes a copy of a TrueType font under a new family name, so that the embedded display font
cannot be confused with the installed font it was made from. Only the Latin letters are kept,
which keeps the program small.

usage: rename_font.py SOURCE.ttf OUTPUT FAMILY
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Basic Latin, Latin-1, Latin Extended-A and the comma-below letters.
KEPT = list(range(0x20, 0x7F)) + list(range(0xA0, 0x180)) + list(range(0x218, 0x21C))


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, output, family = sys.argv[1:]
    font = TTFont(source)
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=KEPT)
    subsetter.subset(font)
    postscript = family.replace(" ", "")
    names = font["name"]
    # Typographic family and subfamily names would let the original family name through.
    names.names = [n for n in names.names if n.nameID not in (16, 17, 21, 22)]
    for record in names.names:
        if record.nameID == 1:
            record.string = family
        elif record.nameID == 2:
            record.string = "Regular"
        elif record.nameID == 3:
            record.string = postscript + "-Regular"
        elif record.nameID == 4:
            record.string = family
        elif record.nameID == 6:
            record.string = postscript
    # Registered as a regular face: the splash form asks for the family without a style.
    font["OS/2"].usWeightClass = 400
    font["OS/2"].fsSelection = (font["OS/2"].fsSelection & ~0x61) | 0x40
    font["head"].macStyle = 0
    font.save(output)


if __name__ == "__main__":
    main()
