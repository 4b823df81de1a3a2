#!/usr/bin/env python3
"""Builds the starter lexicon files in data/ from the tables in data-src/.

Each table is UTF-8 text, one entry per line, fields separated by a tab:
  term files (2sp, 2la, 2pe, 2kr, 2da, 2vo):  more-info key, term, explanation, code, further info, source
  2te:                                         key, text line
Lines that are empty or begin with '#' are skipped. All tables whose names
begin with the lexicon's name (2sp.tsv, 2sp-al.tsv, 2sp-lang.tsv ...) are
joined in the order of their names. The result is written in the program's
field-file encoding: Windows-1252, every field quoted, CR LF line ends.

Letters that Windows-1252 lacks may be written in the tables as they are
spelled (zmarła, keresztelő, naștere). They are stored in the dictionary's
spelling, the rule the program applies to what a user types: o and u with a
double acute become ö and ü, d with a bar becomes dj, l with a stroke becomes
l, every other such letter loses its mark (č -> c, ą -> a, ș -> s). When the
term itself changes, the further information gets the original spelling in
words ("Schreibung im Original: zmar[l mit Strich]a") unless it names it.

The script refuses (and writes nothing) when a field holds a double quote,
a character that has no spelling in Windows-1252, a tab too many or too few,
an empty term, a code that does not belong to the file, or a repeated
(term, code). It lists every such problem, not only the first.

  make_lexicon.py            build data/ and print the counts per file and code
  make_lexicon.py --check    only check the tables and print the counts
  make_lexicon.py --out DIR  write the files into DIR instead of data/
"""
import argparse
import glob
import os
import sys
import unicodedata

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

# Letters with a spelling of their own (the rest lose their marks).
SPECIAL = {"ő": "ö", "Ő": "Ö", "ű": "ü", "Ű": "Ü", "đ": "dj", "Đ": "Dj", "ł": "l", "Ł": "L"}
SPECIAL_NAMES = {"ő": "o mit Doppelakut", "Ő": "O mit Doppelakut", "ű": "u mit Doppelakut",
                 "Ű": "U mit Doppelakut", "đ": "d mit Querstrich", "Đ": "D mit Querstrich",
                 "ł": "l mit Strich", "Ł": "L mit Strich"}
MARK_NAMES = {
    "\u0301": "Akut", "\u030c": "Hatschek", "\u0328": "Ogonek", "\u0307": "Punkt",
    "\u0306": "Bogen", "\u0326": "Komma darunter", "\u0327": "Cedille", "\u030a": "Kringel",
    "\u030b": "Doppelakut", "\u0300": "Gravis", "\u0302": "Zirkumflex", "\u0308": "Trema",
    "\u0303": "Tilde", "\u0304": "Strich darüber",
}

problems = []


def encodable(ch):
    try:
        ch.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def spelled(ch):
    """The dictionary's spelling of one character, or None when it has none."""
    if encodable(ch):
        return ch
    if ch in SPECIAL:
        return SPECIAL[ch]
    base = "".join(d for d in unicodedata.normalize("NFD", ch) if unicodedata.category(d) != "Mn")
    if base and base != ch and all(encodable(b) for b in base):
        return base
    return None


def described(ch):
    if ch in SPECIAL_NAMES:
        return "[" + SPECIAL_NAMES[ch] + "]"
    parts = unicodedata.normalize("NFD", ch)
    base = "".join(d for d in parts if unicodedata.category(d) != "Mn")
    marks = [MARK_NAMES.get(d, unicodedata.name(d, "Zeichen").lower()) for d in parts
             if unicodedata.category(d) == "Mn"]
    return "[" + base + " mit " + " und ".join(marks) + "]"


def transliterate(text, where):
    out = []
    for ch in text:
        s = spelled(ch)
        if s is None:
            problems.append(f"{where}: {ch!r} has no spelling in Windows-1252 (in {text!r})")
            s = "?"
        out.append(s)
    return "".join(out)


def original_spelling(term):
    return "".join(ch if encodable(ch) else described(ch) for ch in term)


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
                problems.append(f"{where}: {len(fields)} fields instead of {width}")
                continue
            fields = [unicodedata.normalize("NFC", x.strip()) for x in fields]
            if any('"' in x for x in fields):
                problems.append(f"{where}: double quote in {[x for x in fields if chr(34) in x][0]!r}")
                continue
            if width == 6:
                term = fields[1]
                stored = transliterate(term, where)
                if stored != term and "Schreibung im Original" not in fields[4]:
                    note = "Schreibung im Original: " + original_spelling(term)
                    info = fields[4]
                    fields[4] = note if info in ("", "-") else info + (" " if info.endswith(".") else "; ") + note
            fields = [transliterate(x, where) for x in fields]
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
    seen = {}
    out = bytearray()
    counts = {}
    for where, fields in rows:
        if width == 6:
            key, term, expl, code, info, source = fields
            if not term:
                problems.append(f"{where}: empty term")
            if code not in CODES[name]:
                problems.append(f"{where}: code {code!r} does not belong in {name}.lex")
            if not source:
                problems.append(f"{where}: no source abbreviation")
            if (term, code) in seen:
                problems.append(f"{where}: {term!r} ({code}) stands twice (first at {seen[(term, code)]})")
            seen.setdefault((term, code), where)
            counts[code] = counts.get(code, 0) + 1
        out += encode(fields)
    return counts, len(rows), bytes(out)


def main():
    parser = argparse.ArgumentParser(description="Builds the lexicon files from data-src/.")
    parser.add_argument("--check", action="store_true", help="check only, write nothing")
    parser.add_argument("--out", default=OUT, help="folder to write the files into")
    args = parser.parse_args()

    results = {}
    for name in ["2sp", "2la", "2pe", "2kr", "2da", "2vo", "2te"]:
        results[name] = build(name)
    for name, result in results.items():
        if result is None:
            print(f"{name}.lex: no tables")
            continue
        counts, total, _ = result
        detail = ", ".join(f"{c or '(leer)'} {n}" for c, n in sorted(counts.items()))
        print(f"{name}.lex: {total} records" + (f" ({detail})" if detail else ""))
    total = sum(r[1] for n, r in results.items() if r and n != "2te")
    print(f"term files together: {total} records")
    if problems:
        for p in problems:
            print("make_lexicon: " + p, file=sys.stderr)
        sys.exit(f"make_lexicon: {len(problems)} problem(s); nothing written")
    if args.check:
        return
    os.makedirs(args.out, exist_ok=True)
    for name, result in results.items():
        if result is not None:
            with open(os.path.join(args.out, name + ".lex"), "wb") as f:
                f.write(result[2])


if __name__ == "__main__":
    main()
