#!/usr/bin/env python3
"""Writes the help text data/hb508.rtr and its backup data/hb508.bak from scripts/help/manual.txt.

The source is UTF-8 with one paragraph a line:
  "= text"        the title of the manual
  "## n Title"    the heading of topic n (the marker ##n the help window searches for)
  "### text"      a subheading inside a topic
  "* text"        a bullet point
  "> text"        an example, set in a fixed-width font
  other text      a plain paragraph
Blank lines and lines starting with "//" are skipped. The RTF is plain 7-bit: every character
outside ASCII is written as a Windows-1252 escape.
"""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]

HEADER = (
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}}\n"
    "{\\colortbl;\\red0\\green51\\blue102;\\red128\\green128\\blue128;}\n"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs20\n"
)


def escape(text):
    out = []
    for char in text:
        if char in "\\{}":
            out.append("\\" + char)
        elif ord(char) < 0x80:
            out.append(char)
        else:
            out.append("\\'%02x" % char.encode("cp1252")[0])
    return "".join(out)


def paragraph(line):
    if line.startswith("= "):
        return "\\pard\\sa240{\\b\\fs36\\cf1 %s}\\par" % escape(line[2:])
    if line.startswith("## "):
        number, title = line[3:].split(" ", 1)
        return "\\pard\\sb360\\sa120\\keepn{\\b\\fs26\\cf1 ##%s %s}\\par" % (number, escape(title))
    if line.startswith("### "):
        return "\\pard\\sb120\\sa60\\keepn{\\b %s}\\par" % escape(line[4:])
    if line.startswith("* "):
        return "\\pard\\fi-284\\li284\\sa60 \\'95\\tab %s\\par" % escape(line[2:])
    if line.startswith("> "):
        return "\\pard\\li567\\sa60{\\f1 %s}\\par" % escape(line[2:])
    return "\\pard\\sa120 %s\\par" % escape(line)


def main():
    source = (ROOT / "scripts/help/manual.txt").read_text(encoding="utf-8").splitlines()
    body = [paragraph(line.strip()) for line in source if line.strip() and not line.startswith("//")]
    rtf = (HEADER + "\n".join(body) + "\n}\n").replace("\n", "\r\n").encode("ascii")
    for name in ("hb508.rtr", "hb508.bak"):
        (ROOT / "data" / name).write_bytes(rtf)
    return 0


if __name__ == "__main__":
    sys.exit(main())
