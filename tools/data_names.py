#!/usr/bin/env python3
"""Keeps the translation sources of the shipped data names in step with data/.

    tools/data_names.py DATA_DIR TS_FILE...          rewrite the files
    tools/data_names.py --check DATA_DIR TS_FILE...  exit 1 if one is stale

The data files name scenes (Scene.csv), link types and bandwidth choices
(NetworkConnection.xml), disk sizes and RAID levels (Storage.xml) and frame
rates (Frame.xml). Those names are keys: the tables are looked up by them and
plan files store them. What the user reads is their translation in the
context "DataNames" (DataName::shown() in the program).

Only names holding a word are listed: "Parking Lot", "Fibre", "None". Names
made of figures, units and abbreviations ("100 Mbps", "RAID 5", "ADSL",
"LTE 4G") read the same in every language and stay out.

Existing translations are kept, a new name arrives as unfinished with an
empty translation, and a name that left the data is dropped. The language of
a file follows its name: *_en.ts English, *_zh.ts Chinese.
"""

import csv
import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

CONTEXT = "DataNames"
LANGUAGES = {"en": "en_US", "zh": "zh_CN"}
UNITS = {"Kbps", "kbps", "Mbps", "Gbps", "KB", "MB", "GB", "TB"}
WORD = re.compile(r"\b[A-Za-z]+\b")


def has_word(name):
    """True when a reader of another language needs the name translated."""
    return any(token not in UNITS and token != token.upper() for token in WORD.findall(name))


def scene_names(data_dir):
    path = os.path.join(data_dir, "Scene.csv")
    names = []
    with open(path, newline="", encoding="utf-8") as handle:
        rows = csv.reader(handle)
        next(rows, None)  # the header line
        for row in rows:
            if row and row[0].strip():
                names.append((row[0].strip(), "scene, Scene.csv"))
    return names


# What a <Show> text is, by the element its item sits in.
SHOWN_KINDS = {"Connection": "bandwidth", "DiskSizes": "disk size", "RaidLevels": "RAID level",
               "PAL": "frame rate", "NTSC": "frame rate"}


def shown_texts(path, where):
    """The names an XML data file shows, with a note of what they are."""
    if not os.path.exists(path):
        return []
    names = []
    for parent in ET.parse(path).getroot().iter():
        for child in parent:
            if child.tag == "ConnectionType" and child.text:
                names.append((child.text.strip(), "link type, " + where))
            show = child.findtext("Show") if child.tag == "Item" else None
            if show:
                names.append((show.strip(), SHOWN_KINDS.get(parent.tag, "choice") + ", " + where))
    return names


def data_names(data_dir):
    """Name -> where it comes from, in the order the data files list them."""
    found = scene_names(data_dir)
    for file_name in ("NetworkConnection.xml", "Storage.xml", "Frame.xml"):
        found += shown_texts(os.path.join(data_dir, file_name), file_name)
    names = {}
    for name, where in found:
        if not has_word(name):
            continue
        if name in names and where not in names[name]:
            names[name] += "; " + where
        else:
            names.setdefault(name, where)
    return names


def read_ts(path):
    """Source -> (translation, finished) of an existing file."""
    entries = {}
    if not os.path.exists(path):
        return entries
    for context in ET.parse(path).getroot().findall("context"):
        if context.findtext("name") != CONTEXT:
            continue
        for message in context.findall("message"):
            translation = message.find("translation")
            text = (translation.text or "") if translation is not None else ""
            finished = translation is not None and translation.get("type") is None
            entries[message.findtext("source") or ""] = (text, finished)
    return entries


def language_of(path):
    suffix = os.path.splitext(os.path.basename(path))[0].rsplit("_", 1)[-1]
    if suffix not in LANGUAGES:
        sys.exit("data_names.py: %s: the name must end in _en.ts or _zh.ts" % path)
    return LANGUAGES[suffix]


def render(path, names):
    old = read_ts(path)
    lines = [
        '<?xml version="1.0" encoding="utf-8"?>',
        "<!DOCTYPE TS>",
        '<TS version="2.1" language="%s" sourcelanguage="en_US">' % language_of(path),
        "<context>",
        "    <name>%s</name>" % CONTEXT,
    ]
    for name, where in names.items():
        translation, finished = old.get(name, ("", False))
        kind = "" if finished else ' type="unfinished"'
        lines += [
            "    <message>",
            "        <source>%s</source>" % escape(name),
            "        <extracomment>%s</extracomment>" % escape(where),
            "        <translation%s>%s</translation>" % (kind, escape(translation)),
            "    </message>",
        ]
    lines += ["</context>", "</TS>", ""]
    return "\n".join(lines)


def main(arguments):
    check = arguments[:1] == ["--check"]
    if check:
        arguments = arguments[1:]
    if len(arguments) < 2:
        sys.exit(__doc__)
    names = data_names(arguments[0])
    stale = []
    for path in arguments[1:]:
        text = render(path, names)
        current = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if text == current:
            continue
        if check:
            stale.append(path)
            continue
        with open(path, "w", encoding="utf-8", newline="\n") as handle:
            handle.write(text)
    if stale:
        print("out of date with the data files (run tools/update_translations.sh): " + ", ".join(stale))
        return 1
    if check:
        return 0
    for path in arguments[1:]:
        entries = read_ts(path)
        unfinished = sum(1 for _, finished in entries.values() if not finished)
        print("== %s\n   %d messages, %d unfinished" % (path, len(entries), unfinished))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
