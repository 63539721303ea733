#!/usr/bin/env python3
"""Fills English translations into translations/*.ts from a JSON file.

  devtools/ts_fill.py --todo TS...          prints the untranslated texts as
                                            JSON {"context": {"source": ""}}
  devtools/ts_fill.py TS... --from FILE     fills them from such a JSON file
                                            (a context "*" applies to all)

Run devtools/translations update afterwards: it writes the files back in the
form the Qt tools keep them in.
"""
import argparse
import json
import sys
import xml.etree.ElementTree as ET


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def todo(paths):
    out = {}
    for path in paths:
        for context, message in messages(ET.parse(path)):
            translation = message.find("translation")
            if translation.get("type") == "unfinished":
                out.setdefault(context, {})[message.findtext("source")] = ""
    json.dump(out, sys.stdout, ensure_ascii=False, indent=1)
    print()


def fill(paths, table_path):
    with open(table_path, encoding="utf-8") as f:
        table = json.load(f)
    left = 0
    for path in paths:
        tree = ET.parse(path)
        for context, message in messages(tree):
            translation = message.find("translation")
            source = message.findtext("source")
            english = table.get(context, {}).get(source) or table.get("*", {}).get(source)
            if english:
                translation.text = english
                translation.attrib.pop("type", None)
            elif translation.get("type") == "unfinished":
                left += 1
        tree.write(path, encoding="utf-8", xml_declaration=True)
    if left:
        print(f"{left} texts still untranslated", file=sys.stderr)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("ts", nargs="+")
    parser.add_argument("--todo", action="store_true")
    parser.add_argument("--from", dest="table")
    args = parser.parse_args()
    if args.todo:
        todo(args.ts)
    elif args.table:
        fill(args.ts, args.table)
    else:
        parser.error("--todo or --from FILE")


if __name__ == "__main__":
    main()
