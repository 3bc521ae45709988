#!/usr/bin/env python3
"""Prints how many chart names get their artist's folder, with and without the smarter
artist names. Every (artist, title) pair of a tab-separated file becomes the file name
"Artist - Title.mp3" (characters no file name may hold are dropped, "/" becomes a blank)
and goes through `sortiva-cli derive --dash 0 --primary`. A folder counts as right when it
equals the artist credit or its primary artist, ignoring case, punctuation, "&" against
"and" and a leading "The".

Usage: bench/naming-accuracy.py [path/to/sortiva-cli] [songs.tsv] [--misses MODE]
"""
import os
import re
import subprocess
import sys
import tempfile

# Where a credit's primary artist ends: featured artists first, then partners.
FEATURING = re.compile(r"\s*(\(|\bfeat\.|\bfeat\b|\bfeaturing\b|\bft\.|\bduet with\b|"
                       r"\bwith\b|\bx\b|\+|/|\bvs\.?\b|\bor\b)", re.I)
PARTNERS = re.compile(r"\s*(&|\band\b|,)", re.I)


def comparable(name):
    text = name.lower().replace("&", " and ")
    text = "".join(c for c in text if c.isalnum() or c.isspace())
    text = " ".join(text.split())
    if text.startswith("the "):
        text = text[4:]
    return text


def accepted(credit):
    """The forms of a credit a folder may take."""
    # The credit before any featuring marker ("Lil Nas X Featuring ..." has an " X " too),
    # and each of those before its first partner.
    forms = {credit} | {credit[:m.start()] for m in FEATURING.finditer(credit) if m.start() > 0}
    for form in list(forms):
        m = PARTNERS.search(form)
        if m and m.start() > 0:
            forms.add(form[:m.start()])
    return {comparable(f) for f in forms if comparable(f)}


def file_name(artist, title):
    name = f"{artist} - {title}.mp3".replace("/", " ")
    return re.sub(r'[\\:*?"<>|]', "", name)


def derive(cli, names, smart):
    env = dict(os.environ)
    with tempfile.TemporaryDirectory() as config:
        env["XDG_CONFIG_HOME"] = config  # a fresh store: every other option at its default
        flag = "--smart-names" if smart else "--no-smart-names"
        out = subprocess.run([cli, "derive", "--dash", "0", "--primary", flag, "--", *names],
                             env=env, check=True, capture_output=True, text=True).stdout
    return [line.split("\t")[1] for line in out.splitlines()]


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    show = sys.argv[sys.argv.index("--misses") + 1] if "--misses" in sys.argv else None
    if show:
        args.remove(show)
    here = os.path.dirname(os.path.abspath(__file__))
    cli = args[0] if args else os.path.join(here, "..", "build", "cli", "sortiva-cli")
    data = args[1] if len(args) > 1 else "/work/shared/data/chart-songs.tsv"
    pairs = [line.rstrip("\n").split("\t") for line in open(data, encoding="utf-8") if line.strip()]
    names = [file_name(a, t) for a, t in pairs]
    for mode, smart in (("default", False), ("smart", True)):
        folders = derive(cli, names, smart)
        right = 0
        for (artist, _), name, folder in zip(pairs, names, folders):
            if comparable(folder) in accepted(artist):
                right += 1
            elif show == mode:
                print(f"  {artist!r:45} -> {folder!r}   [{name}]")
        print(f"{mode:8} {right}/{len(pairs)} = {100.0 * right / len(pairs):.1f}%")


if __name__ == "__main__":
    main()
