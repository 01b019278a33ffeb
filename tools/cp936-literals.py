#!/usr/bin/env python3
"""Copies C++ sources, turning the non-ASCII characters of narrow string and
character literals into code page 936 byte escapes.

The program's narrow literals are code page 936 bytes, which GCC makes with
-fexec-charset=CP936. Clang (needed for libFuzzer) only makes UTF-8, so the
fuzzing build compiles a copy of the sources in which every such character is
already spelt as its bytes: "正常" becomes "\\xd5\\xfd""\\xb3\\xa3". Comments and
wide or UTF-8 literals (L"", u"", U"", u8"") are left as they are.

usage: cp936-literals.py SOURCE_DIR TARGET_DIR
"""
import os
import sys


def escape_literal(body):
    """The body of a narrow literal with its non-ASCII characters as escapes."""
    out = []
    escaped = False  # the previous output ended in a \\x escape
    i = 0
    while i < len(body):
        c = body[i]
        if c == "\\":
            # an escape sequence of the source: copy it whole
            j = i + 2
            if i + 1 < len(body) and body[i + 1] == "x":
                while j < len(body) and body[j] in "0123456789abcdefABCDEF":
                    j += 1
            out.append(body[i:j])
            escaped = body[i + 1:i + 2] == "x"
            i = j
            continue
        if ord(c) < 128:
            if escaped and c in "0123456789abcdefABCDEF":
                out.append('""')  # end the escape before a hex digit
            out.append(c)
            escaped = False
        else:
            out.append("".join("\\x%02x" % b for b in c.encode("gbk")))
            escaped = True
        i += 1
    return "".join(out)


def convert(text):
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(text[i:j])
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(text[i:j])
            i = j
        elif c in "\"'":
            prefix_wide = i > 0 and (text[i - 1] in "LuU8" and (i < 2 or not (text[i - 2].isalnum() or text[i - 2] == "_") or text[i - 2:i] == "u8"))
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            body = text[i + 1:j]
            if prefix_wide or c == "'" and text[i - 1:i].isalnum():
                out.append(text[i:j + 1])  # a wide literal, or a digit separator 1'000
            else:
                out.append(c + escape_literal(body) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def main(source, target):
    for root, _, files in os.walk(source):
        for name in files:
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(root, name)
            dest = os.path.join(target, os.path.relpath(path, source))
            os.makedirs(os.path.dirname(dest), exist_ok=True)
            with open(path, encoding="utf-8") as f:
                text = convert(f.read())
            old = None
            if os.path.exists(dest):
                with open(dest, encoding="utf-8") as f:
                    old = f.read()
            if old != text:  # unchanged files keep their time: no needless rebuilds
                with open(dest, "w", encoding="utf-8") as f:
                    f.write(text)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
