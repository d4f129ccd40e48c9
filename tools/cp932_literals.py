#!/usr/bin/env python3
"""Rewrites a UTF-8 C++ source so that its narrow string and character
literals hold Shift-JIS (code page 932) bytes as octal escapes.

This is what -fexec-charset=CP932 does; compilers without that option (clang)
compile the rewritten copy instead. Comments, u8/u/U/L literals and raw
strings are copied unchanged.

usage: cp932_literals.py INPUT OUTPUT
"""
import sys

PREFIXES = {"u8", "u", "U", "L"}
RAW_PREFIXES = {"R", "u8R", "uR", "UR", "LR"}


def escape(ch, where):
    try:
        data = ch.encode("cp932")
    except UnicodeEncodeError:
        sys.exit(f"{where}: {ch!r} (U+{ord(ch):04X}) has no code page 932 form")
    return "".join(f"\\{b:03o}" for b in data)


def convert(text, name):
    out = []
    i, n, line = 0, len(text), 1
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(text[i:j]); i = j
            continue
        if text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(text[i:j]); line += text.count("\n", i, j); i = j
            continue
        if c in "\"'":
            # The identifier characters right before the quote: a prefix, or
            # (before ') the digits of a number with separators.
            prev = "".join(out[-8:]) if out else ""
            run = ""
            for ch in reversed(prev):
                if ch.isalnum() or ch == "_":
                    run = ch + run
                else:
                    break
            if c == "'" and run and run not in PREFIXES:
                out.append(c); i += 1  # digit separator
                continue
            if c == '"' and run in RAW_PREFIXES:
                open_paren = text.find("(", i)
                delim = text[i + 1:open_paren]
                end = text.find(")" + delim + '"', open_paren)
                if open_paren < 0 or end < 0:
                    sys.exit(f"{name}:{line}: unterminated raw string")
                j = end + len(delim) + 2
                out.append(text[i:j]); line += text.count("\n", i, j); i = j
                continue
            narrow = run not in PREFIXES
            j = i + 1
            piece = [c]
            while j < n and text[j] != c:
                if text[j] == "\\" and j + 1 < n:
                    piece.append(text[j:j + 2]); j += 2
                    continue
                if text[j] == "\n":
                    sys.exit(f"{name}:{line}: unterminated literal")
                ch = text[j]
                piece.append(escape(ch, f"{name}:{line}") if narrow and ord(ch) > 127 else ch)
                j += 1
            piece.append(c)
            out.append("".join(piece)); i = j + 1
            continue
        if c == "\n":
            line += 1
        out.append(c); i += 1
    return "".join(out)


def main():
    src, dst = sys.argv[1], sys.argv[2]
    with open(src, encoding="utf-8") as f:
        text = f.read()
    result = convert(text, src)
    try:
        with open(dst, encoding="utf-8") as f:
            if f.read() == result:
                return  # unchanged: keep the time stamp
    except OSError:
        pass
    with open(dst, "w", encoding="utf-8") as f:
        f.write(result)


if __name__ == "__main__":
    main()
