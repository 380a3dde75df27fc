#!/usr/bin/env python3
"""Fails, naming the places, when a function body of the program's own code is
longer than the limit (60 lines, braces included). Lambdas and local classes
count with the function they stand in. Tests and benchmarks are not held to it.

    tools/check_function_length.py [--max N] [PATH...]

PATHs are folders or files; without them, the layers of the program."""
import argparse
import os
import re
import sys

LAYERS = ["core", "numtext", "stats", "system", "platform", "input", "results", "app", "tools"]

# What may stand between a parameter list's ")" and the body's "{".
FUNCTION_TAIL = re.compile(r"\)\s*(?:const|noexcept(?:\([^)]*\))?|override|final|mutable|&|&&|->\s*[\w:<>,\s*&]+|\s)*$")
CONSTRUCTOR_INITS = re.compile(r"\)\s*:\s*[\w:]+\s*[({]")
TYPE_OPENER = re.compile(r"\b(namespace|class|struct|enum|union)\b")
CONTROL = re.compile(r"^(if|for|while|switch|catch|else|do)\b")


def blank(text):
    """The text with comments, string and character literals and preprocessor
    lines turned into spaces, line ends kept, so braces in them do not count."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            j = i
            while True:  # a directive, with its continued lines
                k = text.find("\n", j)
                k = n if k < 0 else k
                if k > 0 and text[k - 1] == "\\" and k < n:
                    j = k + 1
                    continue
                break
            out.append(re.sub(r"[^\n]", " ", text[i:k]))
            i = k
            continue
        if c == "\n":
            line_start = True
        elif not c.isspace():
            line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif re.match(r'(?:u8|u|U|L)?R"', text[i:i + 4]) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'(?:u8|u|U|L)?R"([^(]*)\(', text[i:])
            end = text.find(")" + m.group(1) + '"', i + m.end())
            end = n if end < 0 else end + len(m.group(1)) + 2
            out.append(re.sub(r"[^\n]", " ", text[i:end]))
            i = end
        elif c == '"' or (c == "'" and not (i > 0 and text[i - 1].isalnum())):
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + " " * (j - i - 1) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def is_function_head(head):
    head = " ".join(head.split())
    if not head or CONTROL.match(head) or head.endswith("="):
        return False
    if TYPE_OPENER.search(head) and not FUNCTION_TAIL.search(head):
        return False
    return bool(FUNCTION_TAIL.search(head) or CONSTRUCTOR_INITS.search(head))


def long_functions(path, limit):
    """(lines, first line, head) of each function body in the file over `limit` lines."""
    with open(path, encoding="utf-8", errors="replace") as f:
        text = blank(f.read())
    found = []
    stack = []  # (is a function body, line of its "{", head)
    head_start = 0
    line = 1
    for i, c in enumerate(text):
        if c == "\n":
            line += 1
        elif c == "{":
            inside = any(is_function for is_function, _, _ in stack)
            head = text[head_start:i]
            stack.append((not inside and is_function_head(head), line, " ".join(head.split())))
            head_start = i + 1
        elif c == "}":
            if stack:
                is_function, first, head = stack.pop()
                if is_function and line - first + 1 > limit:
                    found.append((line - first + 1, first, head))
            head_start = i + 1
        elif c == ";":
            head_start = i + 1
    return found


def sources(paths):
    for root in paths:
        if os.path.isfile(root):
            yield root
            continue
        for folder, dirs, files in os.walk(root):
            dirs.sort()
            for name in sorted(files):
                if name.endswith((".cpp", ".h")):
                    yield os.path.join(folder, name)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--max", type=int, default=60)
    parser.add_argument("paths", nargs="*")
    args = parser.parse_args()
    if not args.paths:
        os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    paths = args.paths or LAYERS
    failures = []
    count = 0
    for path in sources(paths):
        count += 1
        for lines, first, head in long_functions(path, args.max):
            failures.append(f"{path}:{first}: {lines} lines: {head[-100:]}")
    for failure in failures:
        print(failure)
    if failures:
        print(f"{len(failures)} functions over {args.max} lines", file=sys.stderr)
        return 1
    print(f"{count} files, no function over {args.max} lines")
    return 0


if __name__ == "__main__":
    sys.exit(main())
