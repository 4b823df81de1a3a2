#!/usr/bin/env python3
"""Draws a random sample of the entries that are new since a given revision,
for a second reading by someone who did not write them.

  sample_new_entries.py --since REV --file 2sp --code Po --count 30 --seed 7

An entry is new when its (term, code) does not stand in data/<file>.lex at
REV. The draw depends only on the seed and the tables, so a reader and the
author see the same sample. Each entry is printed with the table line it
comes from, the stored term, explanation, further information and source.
"""
import argparse
import glob
import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_lexicon  # noqa: E402


def old_keys(rev, name):
    try:
        raw = subprocess.run(["git", "-C", make_lexicon.ROOT, "show", f"{rev}:data/{name}.lex"],
                             check=True, capture_output=True).stdout
    except subprocess.CalledProcessError:
        return set()
    keys = set()
    for line in raw.decode("cp1252").split("\r\n"):
        if not line:
            continue
        fields = line[1:-1].split('","')
        if len(fields) == 6:
            keys.add((fields[1], fields[3]))
    return keys


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--since", required=True)
    p.add_argument("--file", required=True, help="2sp, 2la, 2pe, 2kr, 2da or 2vo")
    p.add_argument("--code", help="only entries with this code")
    p.add_argument("--count", type=int, default=30)
    p.add_argument("--seed", type=int, required=True)
    a = p.parse_args()

    rows = []
    for t in sorted(glob.glob(os.path.join(make_lexicon.SRC, a.file + "*.tsv"))):
        rows += make_lexicon.read_table(t, 6)
    old = old_keys(a.since, a.file)
    new = [(w, f) for w, f in rows if (f[1], f[3]) not in old and (a.code is None or f[3] == a.code)]
    print(f"# {len(new)} new entries in {a.file}" + (f" with code {a.code}" if a.code else "")
          + f" since {a.since}; seed {a.seed}, {min(a.count, len(new))} drawn")
    for where, f in random.Random(a.seed).sample(new, min(a.count, len(new))):
        print(f"{where}\t{f[1]}\t{f[2]}\t{f[3]}\t{f[4]}\t{f[5]}")


if __name__ == "__main__":
    main()
