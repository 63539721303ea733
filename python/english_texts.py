#!/usr/bin/env python3
"""Writes the English of the program's texts, as translations/*.ts hold it,
into a C++ table for the Python module (which links no Qt and so cannot read
the programs' .qm file): one {context, Japanese, English} entry per finished
translation, every byte outside printable ASCII written as an octal escape.

    english_texts.py OUT.inc TS_FILE...
"""
import sys
import xml.etree.ElementTree as ElementTree


def literal(text):
    out = []
    for byte in text.encode("utf-8"):
        char = chr(byte)
        if char in '"\\?' or not 32 <= byte < 127:
            out.append(f"\\{byte:03o}")
        else:
            out.append(char)
    return '"' + "".join(out) + '"'


def entries(path):
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            source, english = message.findtext("source", ""), translation.text or ""
            if source and english:
                yield name, source, english


def main():
    out, files = sys.argv[1], sys.argv[2:]
    lines = ["// Written by python/english_texts.py from translations/*.ts: do not edit."]
    for path in sorted(files):
        for name, source, english in entries(path):
            lines.append(f"{{{literal(name)}, {literal(source)}, {literal(english)}}},")
    with open(out, "w", encoding="ascii") as file:
        file.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
