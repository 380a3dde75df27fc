#!/usr/bin/env python3
"""Finds and applies one mutant of tests/mutation/mutants.tsv (used by run.sh).

A mutant names its code by a snippet, not by a file and line, so that it is
still found after the code moves: the snippet must occur exactly once in the
program's own sources (the libraries' folders and tools/), compared with all
white space left out on both sides, so that a reformatted or re-wrapped line
still matches.

  mutate.py locate ROOT SNIPPET               prints FILE:LINE
  mutate.py apply ROOT SNIPPET REPLACEMENT    rewrites FILE, prints FILE:LINE
  mutate.py targets BUILD_DIR REGEX           prints the build targets of the tests

Exit status 2 when the snippet is missing or not unique (the reason on stderr).
"""
import json
import os
import subprocess
import sys

SOURCE_DIRS = ("core", "numtext", "stats", "system", "platform", "input", "results", "app", "tools")
SOURCE_ENDINGS = (".cpp", ".h")


def source_files(root):
    for top in SOURCE_DIRS:
        for folder, dirs, files in os.walk(os.path.join(root, top)):
            dirs.sort()
            for name in sorted(files):
                if name.endswith(SOURCE_ENDINGS):
                    yield os.path.join(folder, name)


def squeezed(text):
    """The text without white space, and for each kept character its offset."""
    kept, offsets = [], []
    for i, c in enumerate(text):
        if not c.isspace():
            kept.append(c)
            offsets.append(i)
    return "".join(kept), offsets


def find_all(text, needle):
    at = text.find(needle)
    while at >= 0:
        yield at
        at = text.find(needle, at + 1)


def locate(root, snippet):
    """(path, text, start, end) of the one place the snippet stands."""
    needle, _ = squeezed(snippet)
    if not needle:
        raise LookupError("empty snippet")
    hits = []
    for path in source_files(root):
        with open(path, encoding="utf-8", errors="surrogateescape") as f:
            text = f.read()
        flat, offsets = squeezed(text)
        for at in find_all(flat, needle):
            hits.append((path, text, offsets[at], offsets[at + len(needle) - 1] + 1))
    if len(hits) != 1:
        where = ", ".join(f"{os.path.relpath(h[0], root)}:{h[1].count(chr(10), 0, h[2]) + 1}" for h in hits)
        raise LookupError(f"snippet found {len(hits)} times" + (f" ({where})" if where else ""))
    return hits[0]


def place(root, path, text, start):
    return f"{os.path.relpath(path, root)}:{text.count(chr(10), 0, start) + 1}"


def targets(build, regex):
    """The executables the tests run: a test program is its own target, a script
    under tests/cli drives the analyser and one under tests/e2e the window."""
    listing = subprocess.run(["ctest", "--test-dir", build, "-N", "-R", regex, "--show-only=json-v1"],
                             check=True, capture_output=True, text=True).stdout
    names = set()
    for test in json.loads(listing).get("tests", []):
        command = test.get("command") or []
        if not command:
            continue
        program = os.path.basename(command[0])
        if program.endswith("_test"):
            names.add(program)
            continue
        script = " ".join(command[1:])
        if "/tests/cli/" in script:
            names.add("tallowmere-analyse")
        if "/tests/e2e/" in script:
            names.add("tallowmere")
    return sorted(names)


def main(argv):
    try:
        if argv[1] == "locate" and len(argv) == 4:
            path, text, start, _ = locate(argv[2], argv[3])
            print(place(argv[2], path, text, start))
        elif argv[1] == "apply" and len(argv) == 5:
            path, text, start, end = locate(argv[2], argv[3])
            with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
                f.write(text[:start] + argv[4] + text[end:])
            print(place(argv[2], path, text, start))
        elif argv[1] == "targets" and len(argv) == 4:
            print(" ".join(targets(argv[2], argv[3])))
        else:
            print(__doc__, file=sys.stderr)
            return 1
    except LookupError as e:
        print(e, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
