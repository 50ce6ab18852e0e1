#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The booklet `tavrimo --pdf` writes, read back: nine pages, fonts embedded,
on each the figure's name and every line of its text in order, then the
drawings, sharp at 300 dpi. Text is compared after NFKC, without bidi and
vowel marks, brackets as one sign; pdftotext gives a left-to-right run
(U+202A..U+202C) as seen, its numbers in reverse order.

Usage: booklet_test.py PROGRAM FORMULAS_HEADER"""

import os
import re
import subprocess
import sys
import tempfile
import unicodedata

program, header = sys.argv[1], sys.argv[2]

# The sheets in the list's order, with the constants that hold their texts.
SHEETS = ["kCircleText", "kSquareText", "kSphereText", "kCuboidText", "kConeText",
          "kAnglesText", "kCubeText", "kPrismText", "kPyramidText"]

CONTROLS = re.compile("[\u200c-\u200f\u202a-\u202e\u2066-\u2069\u064b-\u065f\u0670]")
BRACKETS = str.maketrans("()[]{}", "||<<>>")
TOKEN = re.compile(r"\d+|[^\W\d_]+")
SEEN_RUN = re.compile("\u202a([^\u202a-\u202c]*)\u202c")
NUMBER = re.compile(r"\d+(?:[/.,:]\d+)*|.", re.S)


def read_right_to_left(run):
    return "".join(reversed(NUMBER.findall(run.group(1))))


def tokens(text):
    text = SEEN_RUN.sub(read_right_to_left, unicodedata.normalize("NFKC", text))
    return TOKEN.findall(CONTROLS.sub("", text).translate(BRACKETS))


def source_texts():
    source = open(header, encoding="utf-8").read()
    names = re.search(r"kFigureNames = \{(.*?)\};", source, re.S).group(1)
    names = re.findall(r'u"([^"]*)"', names)
    texts = []
    for constant in SHEETS:
        body = re.search(constant + r" =\s*(.*?);", source, re.S).group(1)
        text = "".join(re.findall(r'u"((?:[^"\\]|\\.)*)"', body))
        texts.append([line for line in text.replace("\\t", "\t").split("\\r\\n") if line.strip()])
    return names, texts


def run(*command, **options):
    return subprocess.run(command, check=True, capture_output=True, **options).stdout


def read_pgm(path):
    data = open(path, "rb").read()
    fields = data.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[len(data) - width * height:]


def drawing_problems(pgm, text_bottom):
    """Dark pixels below the text, and how much of their edge is grey."""
    width, height, pixels = read_pgm(pgm)
    dark = grey = 0
    for y in range(text_bottom, height):
        row = pixels[y * width:(y + 1) * width]
        dark += sum(1 for v in row if v < 60)
        # The shading is a flat grey of 200: only the greys between ink
        # and shading count as blur.
        grey += sum(1 for v in row if 60 <= v < 180)
    if dark < 3000:
        return "no drawing below the text (%d dark pixels)" % dark
    if grey > 0.5 * dark:
        return "the drawings are blurred (%d grey pixels to %d dark)" % (grey, dark)
    return None


def main():
    names, texts = source_texts()
    failures = []
    with tempfile.TemporaryDirectory() as work:
        pdf = os.path.join(work, "sheets.pdf")
        env = dict(os.environ, LC_ALL="C.UTF-8")
        env.pop("DISPLAY", None)
        env.pop("QT_QPA_PLATFORM", None)
        run(program, "--pdf", pdf, env=env)
        info = run("pdfinfo", pdf).decode()
        pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
        if pages != len(SHEETS):
            failures.append("%d pages, expected %d" % (pages, len(SHEETS)))
        fonts = run("pdffonts", pdf).decode().splitlines()[2:]
        if not fonts:
            failures.append("no fonts: the text is not text")
        for font in fonts:
            if font.split()[-5] != "yes":
                failures.append("font not embedded: " + font)
        for page in range(1, min(pages, len(SHEETS)) + 1):
            name, lines = names[page - 1], texts[page - 1]
            extracted = run("pdftotext", "-f", str(page), "-l", str(page), "-layout", pdf, "-").decode()
            found = tokens(" ".join(extracted.splitlines()))
            if found[:len(tokens(name))] != tokens(name):
                failures.append("page %d does not open with the name %s" % (page, name))
            at = 0
            for line in lines:
                wanted = tokens(line)
                match = next((i for i in range(at, len(found) - len(wanted) + 1)
                              if found[i:i + len(wanted)] == wanted), None)
                if match is None:
                    failures.append("page %d (%s): the line %r is not there whole, in order" % (page, name, line))
                else:
                    at = match + len(wanted)
            # The text ends where its lowest word does; the drawings follow.
            bbox = run("pdftotext", "-f", str(page), "-l", str(page), "-bbox", pdf, "-").decode()
            bottom = max(float(y) for y in re.findall(r'yMax="([\d.]+)"', bbox))
            prefix = os.path.join(work, "page")
            run("pdftoppm", "-f", str(page), "-l", str(page), "-r", "300", "-gray", "-singlefile", pdf, prefix)
            problem = drawing_problems(prefix + ".pgm", int(bottom * 300 / 72) + 10)
            if problem:
                failures.append("page %d (%s): %s" % (page, name, problem))
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
