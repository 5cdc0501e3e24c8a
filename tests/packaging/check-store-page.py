#!/usr/bin/env python3
"""What a software centre shows of the installed metainfo: the gambling rating, the summary, the
description and the release notes in every language the game carries, the brand colours, short
summaries, and screenshots that are whole windows whose files have the size the metainfo states.
Prints each fault; exits 1 if there is one.
Usage: check-store-page.py METAINFO SOURCE_DIR"""

import glob
import os
import struct
import sys
import xml.etree.ElementTree as ElementTree
from collections import Counter

LANG = "{http://www.w3.org/XML/1998/namespace}lang"
# The game's two windows; anything else is a crop, which store guidelines refuse.
WINDOWS = {(800, 600): "the game window", (344, 249): "the splash"}


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", header[16:24])


def languages(source):
    """English, the default (None), French, the game's own, and each translation file's."""
    files = glob.glob(os.path.join(source, "translations", "tierce_*.ts"))
    return {None, "fr"} | {os.path.basename(f)[len("tierce_"):-len(".ts")] for f in files} - {"en"}


def faults(metainfo, source):
    root = ElementTree.parse(metainfo).getroot()
    gambling = root.findall("content_rating[@type='oars-1.1']/content_attribute"
                            "[@id='money-gambling']")
    if [a.text for a in gambling] != ["mild"]:
        yield "the content rating does not hold money-gambling mild"
    notes = root.find("releases/release/description")
    texts = {"summary": root.findall("summary"), "description": root.findall("description/p"),
             "newest release's description": [] if notes is None else notes.findall("p")}
    for name, elements in texts.items():
        count = Counter(e.get(LANG) for e in elements if (e.text or "").strip())
        lacking = sorted(lang or "en" for lang in languages(source)
                         if count[lang] != max(count[None], 1))
        if lacking:
            yield f"the {name} is not in every language: {', '.join(lacking)}"
    schemes = {c.get("scheme_preference") for c in root.findall("branding/color[@type='primary']")}
    if schemes != {"light", "dark"}:
        yield f"brand colours for {sorted(s or 'no scheme' for s in schemes)}, not light and dark"
    for summary in root.findall("summary"):
        if len(summary.text) > 35:
            yield f"summary longer than 35 characters: {summary.text}"

    shots = root.findall("screenshots/screenshot")
    if not shots:
        yield "no screenshots"
    for shot in shots:
        if {c.get(LANG) for c in shot.findall("caption")} != {None, "fr"}:
            yield f"screenshot without captions in English and French: {ElementTree.tostring(shot)}"
        for image in shot.findall("image"):
            url = image.text
            stated = (int(image.get("width", 0)), int(image.get("height", 0)))
            file = os.path.join(source, "docs", "screenshots", os.path.basename(url))
            actual = png_size(file) if os.path.exists(file) else None
            if actual != stated:
                yield f"{url} states {stated}, its file {file} is {actual}"
            elif stated not in WINDOWS:
                yield f"{url} is {stated[0]}x{stated[1]}, not a whole window"


if __name__ == "__main__":
    found = list(faults(sys.argv[1], sys.argv[2]))
    for fault in found:
        print(f"FAIL: {fault}", file=sys.stderr)
    sys.exit(1 if found else 0)
