#!/usr/bin/env python3
"""Builds the starter lexicon files in data/ from the tables in data-src/.

Each table is UTF-8 text, one entry per line, fields separated by a tab:
  term files (2sp, 2la, 2pe, 2kr, 2da, 2vo):  more-info key, term, explanation, code, further info, source
  2te:                                         key, text line
Lines that are empty or begin with '#' are skipped. All tables whose names
begin with the lexicon's name (2sp.tsv, 2sp-al.tsv, 2sp-lang.tsv ...) are
joined in the order of their names. The result is written in the program's
field-file encoding: Windows-1252, every field quoted, CR LF line ends.

The script refuses (and writes nothing) when a field holds a double quote,
a character Windows-1252 cannot hold, a tab too many or too few, an empty
term, a code that does not belong to the file, or a repeated (term, code).
"""
import glob
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
SRC = os.path.join(ROOT, "data-src")
OUT = os.path.join(ROOT, "data")

CODES = {
    "2la": {"La"},
    "2pe": {"Pe"},
    "2kr": {"Kr"},
    "2da": {"Da"},
    "2vo": {"Vo"},
    "2sp": {"Al", "Ts", "Po", "Un", "Ru", "It", "Se", "Sn", "La", ""},
}


def fail(msg):
    sys.exit("make_lexicon: " + msg)


def read_table(path, width):
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            where = f"{os.path.basename(path)}:{number}"
            if len(fields) != width:
                fail(f"{where}: {len(fields)} fields instead of {width}")
            fields = [x.strip() for x in fields]
            for x in fields:
                if '"' in x:
                    fail(f"{where}: double quote in {x!r}")
                try:
                    x.encode("cp1252")
                except UnicodeEncodeError as e:
                    fail(f"{where}: {x[e.start:e.end]!r} has no Windows-1252 byte (in {x!r})")
            rows.append((where, fields))
    return rows


def encode(fields):
    return (",".join('"' + x + '"' for x in fields) + "\r\n").encode("cp1252")


def build(name):
    width = 2 if name == "2te" else 6
    tables = sorted(glob.glob(os.path.join(SRC, name + "*.tsv")))
    rows = []
    for t in tables:
        rows += read_table(t, width)
    if not rows:
        return None
    seen = set()
    out = bytearray()
    counts = {}
    for where, fields in rows:
        if width == 6:
            key, term, expl, code, info, source = fields
            if not term:
                fail(f"{where}: empty term")
            if code not in CODES[name]:
                fail(f"{where}: code {code!r} does not belong in {name}.lex")
            if not source:
                fail(f"{where}: no source abbreviation")
            if (term, code) in seen:
                fail(f"{where}: {term!r} ({code}) stands twice")
            seen.add((term, code))
            counts[code] = counts.get(code, 0) + 1
        out += encode(fields)
    with open(os.path.join(OUT, name + ".lex"), "wb") as f:
        f.write(out)
    return counts, len(rows)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name in ["2sp", "2la", "2pe", "2kr", "2da", "2vo", "2te"]:
        result = build(name)
        if result is None:
            print(f"{name}.lex: no tables")
            continue
        counts, total = result
        detail = ", ".join(f"{c or '(leer)'} {n}" for c, n in sorted(counts.items()))
        print(f"{name}.lex: {total} records" + (f" ({detail})" if detail else ""))


if __name__ == "__main__":
    main()
