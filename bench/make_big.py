#!/usr/bin/env python3
"""Build large dictionaries for performance tests from the real FreeDict
English-Russian card list in this corpus.  Deterministic: the same inputs give
byte-identical outputs.  Python 3.8+, standard library only.

    python3 make_big.py OUTDIR [options]

Writes into OUTDIR (created if missing):
    big_10k.txt        10,000 card lines
    big_100k.txt      100,000 card lines
    big_1m.txt      1,000,000 card lines
    phonetic_100k.txt 100,000 lines "word = [ipa]"

Card line k (0-based) is made from the source list of B lines
(dict/freedict-eng-rus.full.txt, B = 1693):
    copy r = k // B, index i = (k % B + 611 * r) % B   (each copy rotated)
    copy 0  : the source line unchanged, e.g.  abattoir [æbətwɑːr] = бойня
    copy r>0: "<headword> <r+1> [<pron>] = <translation> <r+1>",
              e.g.  abattoir 2 [æbətwɑːr] = бойня 2
So every line is distinct, every line is a card, its question is the
headword plus " <r+1>" and its answer the translation plus " <r+1>".
Phonetic line k is made the same way from dict/phonetic_en-us_espeak.txt:
"<word> <r+1> = [<ipa>]" for r > 0, so the phonetic keys are exactly the
questions of the big dictionaries' cards (lookups hit).

Options:
    --sizes 10000,100000,1000000   card-line counts (file names follow: 10k, 1m, ...)
    --phonetic-size 100000         0 skips the phonetic file
    --encoding utf-8-bom|utf-8|utf-16le-bom|utf-16be-bom   (default utf-8-bom)
    --eol crlf|lf|cr               (default crlf, as the program writes)
    --no-brackets                  leave out the [pron] groups, so that a
                                   transcription must come from the phonetic
                                   dictionary
"""
import argparse
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "..", "tests", "fixtures", "corpus")
SRC_DICT = os.path.join(CORPUS, "dict", "freedict-eng-rus.full.txt")
SRC_PHON = os.path.join(CORPUS, "dict", "phonetic_en-us_espeak.txt")
ROTATE = 611
BOMS = {"utf-8-bom": ("utf-8", b"\xef\xbb\xbf"), "utf-8": ("utf-8", b""),
        "utf-16le-bom": ("utf-16-le", b"\xff\xfe"),
        "utf-16be-bom": ("utf-16-be", b"\xfe\xff")}
EOLS = {"crlf": "\r\n", "lf": "\n", "cr": "\r"}


def read_lines(path):
    with open(path, "rb") as f:
        b = f.read()
    if b.startswith(b"\xef\xbb\xbf"):
        b = b[3:]
    return b.decode("utf-8").split("\r\n")[:-1]


def split_card(line):
    """'hw [pron] = tr' -> (hw, pron, tr); the source lines all have this shape."""
    q, tr = line.split(" = ", 1)
    hw, pron = q[:-1].split(" [", 1)
    return hw, pron, tr


def split_phon(line):
    w, ipa = line.split(" = ", 1)
    return w, ipa


def label(n):
    if n % 1000000 == 0:
        return "%dm" % (n // 1000000)
    if n % 1000 == 0:
        return "%dk" % (n // 1000)
    return str(n)


def write(path, lines_iter, encoding, eol):
    codec, bom = BOMS[encoding]
    with open(path, "wb") as f:
        f.write(bom)
        buf = []
        for line in lines_iter:
            buf.append(line)
            if len(buf) >= 20000:
                f.write((eol.join(buf) + eol).encode(codec))
                buf = []
        if buf:
            f.write((eol.join(buf) + eol).encode(codec))


def cards(src, n, brackets):
    b = len(src)
    for k in range(n):
        r = k // b
        hw, pron, tr = src[(k % b + ROTATE * r) % b]
        sfx = "" if r == 0 else " %d" % (r + 1)
        if brackets:
            yield "%s%s [%s] = %s%s" % (hw, sfx, pron, tr, sfx)
        else:
            yield "%s%s = %s%s" % (hw, sfx, tr, sfx)


def phonetics(src, n):
    b = len(src)
    for k in range(n):
        r = k // b
        w, ipa = src[(k % b + ROTATE * r) % b]
        sfx = "" if r == 0 else " %d" % (r + 1)
        yield "%s%s = %s" % (w, sfx, ipa)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("outdir")
    ap.add_argument("--sizes", default="10000,100000,1000000")
    ap.add_argument("--phonetic-size", type=int, default=100000)
    ap.add_argument("--encoding", default="utf-8-bom", choices=sorted(BOMS))
    ap.add_argument("--eol", default="crlf", choices=sorted(EOLS))
    ap.add_argument("--no-brackets", action="store_true")
    a = ap.parse_args(argv)
    os.makedirs(a.outdir, exist_ok=True)
    src = [split_card(x) for x in read_lines(SRC_DICT)]
    phon = [split_phon(x) for x in read_lines(SRC_PHON)]
    for n in [int(x) for x in a.sizes.split(",") if x]:
        t = time.time()
        p = os.path.join(a.outdir, "big_%s.txt" % label(n))
        write(p, cards(src, n, not a.no_brackets), a.encoding, EOLS[a.eol])
        print("%s: %d lines, %d bytes, %.1f s" % (p, n, os.path.getsize(p), time.time() - t))
    if a.phonetic_size:
        t = time.time()
        p = os.path.join(a.outdir, "phonetic_%s.txt" % label(a.phonetic_size))
        write(p, phonetics(phon, a.phonetic_size), a.encoding, EOLS[a.eol])
        print("%s: %d lines, %d bytes, %.1f s" % (p, a.phonetic_size, os.path.getsize(p), time.time() - t))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
