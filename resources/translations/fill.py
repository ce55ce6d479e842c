#!/usr/bin/env python3
"""Fills a catalogue's unfinished messages from a table of translations.

Usage: fill.py CATALOGUE.ts TABLE.py  (TABLE.py defines a dict named after the
catalogue's language, keyed by the English source text)."""
import re
import sys
import xml.etree.ElementTree as ET

catalogue, table_file = sys.argv[1], sys.argv[2]
namespace = {"__file__": table_file}
exec(open(table_file, encoding="utf-8").read(), namespace)
tree = ET.parse(catalogue)
# A regional catalogue (pt_BR) may have its own table; "is" is spelt "is_".
language = tree.getroot().get("language")
candidates = [language, language.split("_")[0]]
table = next(namespace[name + suffix] for name in candidates for suffix in ("", "_")
             if name + suffix in namespace)
# Qt takes the interface's direction from this entry.
right_to_left = language.split("_")[0] in ("ar", "he", "fa", "ur")
table = dict(table, QT_LAYOUT_DIRECTION="RTL" if right_to_left else "LTR")
# Texts that read the same as in English are marked so in the catalogue; the
# translation test takes any other text left in English for a missing one.
unchanged = set(namespace.get("unchanged", []))
missing = []
for message in tree.getroot().iter("message"):
    source = message.find("source").text or ""
    translation = message.find("translation")
    if source not in table:
        missing.append(source)
        continue
    text = table[source]
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
        sys.exit("place markers differ: %r" % source)
    translation.text = text
    translation.attrib.pop("type", None)
    comment = message.find("translatorcomment")
    if text == source and source in unchanged:
        if comment is None:
            comment = ET.Element("translatorcomment")
            message.insert(list(message).index(translation), comment)
        comment.text = "unchanged"
    elif comment is not None:
        message.remove(comment)
tree.write(catalogue, encoding="utf-8", xml_declaration=True)
if missing:
    sys.exit("no translation for: %r" % missing)
