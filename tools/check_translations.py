#!/usr/bin/env python3
"""Checks translation sources (.ts files) before they ship.

Fails, naming each message, when a file has an unfinished entry, an obsolete
or vanished one, a translation that drops or adds a placeholder (%1 to %9,
%n, %L1), breaks its lines otherwise than its source (but for the texts of a
--help, which the translator wraps) or loses the '&' mnemonic of its source;
and, given the program's sources, when lupdate would change the file: a text
of the code that is missing, or one the code no longer has.

    check_translations.py [--lupdate PATH --sources-from FILE --root DIR] TS...

FILE lists the source files lupdate reads (separated by ';' or new lines),
DIR is where includes are found from.
"""
import argparse
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?[1-9]|%L?n")
# A mnemonic: '&' before a character other than a space or a second '&'.
MNEMONIC = re.compile(r"&(?!&)(?=\S)")


def placeholders(text):
    return collections.Counter(PLACEHOLDER.findall(text.replace("&&", "")))


def has_mnemonic(text):
    return MNEMONIC.search(text.replace("&&", "")) is not None


def full_text(element):
    """An element's text with the characters lupdate writes as <byte value="xd"/>
    (a carriage return, which XML cannot hold) put back in their places."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value", "0").removeprefix("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


LINE_BREAKS = re.compile(r"\r\n|\r|\n")


def messages(root):
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            yield name, message


def translations_of(message):
    """The texts a message translates to: one, or each plural form."""
    translation = message.find("translation")
    if translation is None:
        return translation, []
    forms = translation.findall("numerusform")
    if forms:
        return translation, [full_text(form) for form in forms]
    return translation, [full_text(translation)]


def wrapped_by_translator(context):
    """A text of a --help (its context is named ...Help) is wrapped by its
    translator to the terminal's width: its lines break where they fit."""
    return context.endswith("Help")


def check_message(context, message):
    source = full_text(message.find("source"))
    where = f"{context}: {source!r}"
    translation, texts = translations_of(message)
    kind = translation.get("type") if translation is not None else None
    if kind in ("obsolete", "vanished"):
        return [f"{where}: {kind} (no longer in the code)"]
    if kind == "unfinished" or not texts or any(not t for t in texts):
        return [f"{where}: unfinished"]
    problems = []
    wanted = placeholders(source)
    for text in texts:
        got = placeholders(text)
        if got != wanted:
            lost = sorted((wanted - got).elements())
            added = sorted((got - wanted).elements())
            said = ", ".join(
                part for part in (f"drops {' '.join(lost)}" if lost else "",
                                  f"adds {' '.join(added)}" if added else "") if part)
            problems.append(f"{where}: the translation {text!r} {said}")
        if not wrapped_by_translator(context) and len(LINE_BREAKS.findall(text)) != len(
                LINE_BREAKS.findall(source)):
            problems.append(f"{where}: the translation {text!r} does not break its lines as the source does")
        if has_mnemonic(source) and not has_mnemonic(text):
            problems.append(f"{where}: the translation {text!r} loses the '&' mnemonic")
    return problems


def check_entries(path):
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, OSError) as error:
        return [f"cannot read: {error}"]
    problems = []
    for context, message in messages(root):
        problems += check_message(context, message)
    return problems


def source_keys(path):
    root = ET.parse(path).getroot()
    return {(context, full_text(message.find("source"))) for context, message in messages(root)
            if (message.find("translation") is None or
                message.find("translation").get("type") not in ("obsolete", "vanished"))}


def check_current(path, lupdate, sources, include_root):
    """Runs lupdate on the sources into a copy; the file must come out as it was."""
    with tempfile.TemporaryDirectory() as scratch:
        copy = os.path.join(scratch, os.path.basename(path))
        shutil.copyfile(path, copy)
        run = subprocess.run([lupdate, "-locations", "none", "-no-obsolete", "-silent", "-I", include_root,
                              *sources, "-ts", copy], capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        with open(path, "rb") as a, open(copy, "rb") as b:
            if a.read() == b.read():
                return []
        old, new = source_keys(path), source_keys(copy)
        problems = [f"{c}: {s!r}: missing (a text of the code)" for c, s in sorted(new - old)]
        problems += [f"{c}: {s!r}: no longer in the code" for c, s in sorted(old - new)]
        if not problems:
            problems = ["not as lupdate writes it"]
        return problems + ["refresh it with the update_translations target"]


def read_sources(listing):
    with open(listing, encoding="utf-8") as f:
        return [s for s in re.split(r"[;\n]", f.read()) if s.strip()]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lupdate")
    parser.add_argument("--sources-from")
    parser.add_argument("--root", default=".")
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()
    sources = read_sources(args.sources_from) if args.sources_from else []
    failed = False
    for path in args.ts:
        problems = check_entries(path)
        if args.lupdate and sources:
            problems += check_current(path, args.lupdate, sources, args.root)
        name = os.path.basename(path)
        for problem in problems:
            print(f"{name}: {problem}")
        print(f"{name}: {'ok' if not problems else f'{len(problems)} problem' + ('s' if len(problems) > 1 else '')}")
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
