#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# In the Arabic manual page (as man shows it on a terminal, less the name line,
# header and footer) and the Arabic --help, every Latin word stands between
# U+2066 and U+2069 and, laid out right to left with GNU FriBidi, reads as
# typed. The lines holding the words of SHOWN are printed as laid out.
# Usage: bidi_words_test.py ARABIC_PAGE PROGRAM
import os
import re
import subprocess
import sys

LRI, PDI = "\u2066", "\u2069"
SHOWN = ("Ctrl+=", "$XDG_CONFIG_HOME/tavrimo/tavrimo.conf", "--help", "~/.config", "-platform")


def rendered_page(page):
    env = dict(os.environ, LANG="C.UTF-8", MANWIDTH="80", MAN_KEEP_FORMATTING="1")
    env.pop("LANGUAGE", None)
    # As on a terminal: `col -b`, which man puts after the formatter for a
    # pipe, drops a zero-width character that follows a blank.
    text = subprocess.run(["man", "-l", page], env=env, capture_output=True, text=True, check=True).stdout
    lines = re.sub(".\b", "", text).splitlines()
    lines = [line for line in lines if line.strip()][1:-1]  # no header or footer
    name = next(i for i, line in enumerate(lines) if line.strip() == "NAME")
    return lines[:name] + lines[name + 2:]


def rendered_help(program):
    env = {"PATH": os.environ.get("PATH", "/usr/bin"), "LANG": "ar_EG.UTF-8", "HOME": "/nonexistent"}
    return subprocess.run([program, "--help"], env=env, capture_output=True, text=True, check=True).stdout.splitlines()


def main(page, program):
    try:
        import pyfribidi
    except ImportError:
        print("FAIL: no python3-pyfribidi (scripts/install-deps.sh --test installs it)")
        return 1
    failures = 0
    for what, lines in (("the Arabic manual page", rendered_page(page)), ("the Arabic --help", rendered_help(program))):
        words = 0
        for line in lines:
            bare = re.sub(LRI + "[^" + PDI + "]*" + PDI, " ", line)
            for word in re.findall(r"\S*[A-Za-z]\S*", bare):
                print(f"FAIL: {what}: {word!r} is not isolated in: {line.strip()}")
                failures += 1
            isolated = re.findall(LRI + "([^" + PDI + "]*)" + PDI, line)
            if not isolated:
                continue
            words += len(isolated)
            shown = pyfribidi.log2vis(line.strip(), pyfribidi.RTL).replace(LRI, "").replace(PDI, "")
            for word in isolated:
                if word not in shown:
                    print(f"FAIL: {what}: {word!r} does not read as typed in: {shown}")
                    failures += 1
            # A full stop or comma right after a word lies to its left.
            for word, mark in re.findall(LRI + "([^" + PDI + "]*)" + PDI + "([.،])", line):
                if mark + word not in shown:
                    print(f"FAIL: {what}: the {mark!r} after {word!r} does not follow it in: {shown}")
                    failures += 1
            if any(word in SHOWN for word in isolated):
                print(f"{what}: {shown}")
        if words < 5:
            print(f"FAIL: {what}: only {words} isolated words")
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print("usage: bidi_words_test.py ARABIC_PAGE PROGRAM", file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
