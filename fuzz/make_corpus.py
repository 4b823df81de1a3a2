#!/usr/bin/env python3
"""Writes the seed corpus of every harness into corpus/<harness>/.

Seeds are small inputs of the shape each harness expects (see the comment at
the top of each harness): real-looking dictionary records, the reader's edge
cases and hostile bytes. Run it again after changing a harness's input layout.
"""
import base64
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))


def cp(text):
    return text.encode("cp1252")


def rec(*fields):
    return b",".join(b'"' + cp(f) + b'"' for f in fields) + b"\r\n"


REAL = (rec("kirchb", "Kirchenbuch", "Von einem Pfarramt geführtes Buch über Taufen, Trauungen und Begräbnisse", "Al", "-", "sipp")
        + rec("", "Taufbuch", "Kirchenbuch mit den Taufeinträgen einer Pfarrei", "Al", "Lateinisch liber baptizatorum", "sipp")
        + rec("", "zmarl", "gestorben", "Po", "-", "sipp"))
LATIN = (rec("", "obiit", "ist gestorben", "La", "-", "sipp")
         + rec("", "in articulo mortis constitutus", "in Todesgefahr befindlich", "La", "Formel der Nottaufe", "sipp")
         + rec("", "filius legitimus", "ehelicher Sohn", "La", "", "sipp"))
PERSONS = (rec("pate", "Pate", "Taufzeuge", "Pe", "Siehe auch Gevatter", "sipp")
           + rec("", "Ährenleser", "Nachleser auf dem Stoppelfeld", "Pe", "-", "sipp")
           + rec("", "Häusler", "Besitzer eines Hauses ohne Land", "Pe", "-", "ab"))
NAMES = (rec("", "Anna", "Vorname", "Vo", "-", "sipp")
         + rec("", "Marianna", "Vorname, aus Maria und Anna", "Vo", "-", "sipp")
         + rec("", "Hanna-Anna", "Doppelname", "Vo", "Selten", "sipp"))
TE = (b'"greg","Der gregorianische Kalender"\r\n'
      b'"greg","Papst Gregor XIII. ordnete 1582 eine Verbesserung an."\r\n'
      b'"quel!","sipp  Redaktion von sippora"\r\n'
      b'"quel!","ab    Abschrift eines Kirchenbuchs"\r\n'
      b'"taufe!","Die Taufe wurde meist am Tag nach der Geburt gespendet."\r\n')

BOM = b"\xef\xbb\xbf"

# Bytes a file should not hold but may: control bytes, the bytes 0x80-0x9F
# (five of them have no character in the code page), NUL, Ctrl-Z, a UTF-8 BOM.
HOSTILE = [
    b'"a","b\x00c","\x1a",",\r"\n"x"',              # NUL, Ctrl-Z, lone CR and LF
    b'\xef\xbb\xbf"Anna","Vorname"\r\n',            # a UTF-8 BOM before the first record
    bytes(range(0x80, 0xA0)) + b',"\x81\x8d\x8f\x90\x9d"\r\n',
    b'"unterminated, quote\r\nruns to the end',
    b'   ,  ,\r\n\r\n\r\n   ',                       # blanks and blank lines only
    b'ab"c,"d"e"f,  g  h  \rx\ny\r\n',              # quotes inside unquoted items, junk after a closing quote
    b'"' * 40 + b',' * 40 + b'\r' * 20 + b'\n' * 20,
]


def write(harness, name, data):
    folder = os.path.join(HERE, "corpus", harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def fieldfile_reader():
    h = "fieldfile_reader"
    # first byte: items per record - 1; second: where a range of the file starts
    write(h, "real-records", bytes([5, 0x40]) + REAL)
    write(h, "more-info-texts", bytes([1, 0x80]) + TE)
    write(h, "leading-comma", bytes([5, 0x10]) + b',' + rec("Maier, Hans", "Bauer", "Vo", "-", "sipp"))
    write(h, "blanks", bytes([2, 0x20]) + b'  "a"  ,  b c  ,""   \r\n')
    write(h, "line-break-in-quotes", bytes([1, 0x30]) + b'"x","one\r\ntwo"\r\n')
    write(h, "absent-last", bytes([1, 0]) + b'"a",\r\n"b",\r\n')
    write(h, "empty", bytes([5, 0]))
    write(h, "blank-line-at-end", bytes([1, 0x11]) + b'"a","b"\r\n\r\n')
    write(h, "five-then-six", bytes([5, 0x21]) + rec("1", "2", "3", "4", "5") + rec("a", "b", "c", "d", "e", "f"))
    for i, data in enumerate(HOSTILE):
        write(h, "hostile-%d" % i, bytes([i % 8, 0x50 + i]) + data)
    # Two files joined, the second with a byte-order mark, and a mark before an item with a quote.
    write(h, "bom-where-items-begin", bytes([1, 0]) + BOM + BOM + b'"Anna","Vorname"\r\n' + BOM + b'x"y,"z"\r\n')


def fieldfile_writer():
    h = "fieldfile_writer"
    sep, rs, absent = b"\xfe", b"\xff", b"\xfd"

    def record(*values):
        return sep.join(values)

    write(h, "lexicon-record", record(b"", cp("Kirchenbuch"), cp("geführtes Buch über Taufen"), b"Al", b"-", b"sipp"))
    write(h, "absent-and-empty", record(absent, b"", cp("Rumänisch"), absent) + rs + record(absent))
    write(h, "separators-inside", record(b"a, b", b"one\r\ntwo", b"  blanks  ", b"\r", b"\n", b","))
    write(h, "high-bytes", record(bytes(range(0x80, 0xA0)), bytes(range(0xA0, 0x100))))
    write(h, "control-bytes", record(b"\x00", b"\x1a", b"\t\x0b\x0c", b"x\x00y"))
    write(h, "quotes-dropped", record(b'"quoted"', b'"', b'a"b') + rs + record(b"next"))
    write(h, "many-records", rs.join(record(cp("Eintrag %d" % i), b"Al", absent) for i in range(12)))


def search_detail():
    h = "search_detail"
    files = ["2sp.lex", "2la.lex", "2pe.lex", "2kr.lex", "2da.lex", "2vo.lex"]

    def seed(name, contains, explanation, lexfile, key, data, utf8=False, missing=False):
        choice = (1 if contains else 0) | (2 if explanation else 0) | (files.index(lexfile) << 2)
        choice |= (0x20 if utf8 else 0) | (0x40 if missing else 0)
        keybytes = key.encode("utf-8") if utf8 else cp(key)
        write(h, name, bytes([choice, len(keybytes) - 1]) + keybytes + data)

    seed("begins-anna", False, False, "2vo.lex", "anna", NAMES)
    seed("contains-anna", True, False, "2vo.lex", "Anna", NAMES)
    seed("umlaut-key", False, False, "2pe.lex", "ÄHRE", PERSONS)
    seed("more-info", False, False, "2pe.lex", "pa", PERSONS)
    seed("latin-long-terms", True, False, "2la.lex", "i", LATIN)
    seed("explanation", True, True, "2sp.lex", "buch", REAL)
    seed("transliterated-key", False, False, "2sp.lex", "zmarł", REAL, utf8=True)
    seed("cut-short-and-missing", False, False, "2kr.lex", "a", REAL + b'"","Auszehrung","Schwindsucht"', missing=True)
    seed("one-letter", False, False, "2da.lex", "t", REAL + LATIN + PERSONS)
    seed("hostile-file", True, False, "2sp.lex", "a", HOSTILE[0] + HOSTILE[2] + HOSTILE[5])
    seed("joined-file-with-bom", False, False, "2sp.lex", "a",
         BOM + b'a"b",Anna,x,Al,-,sipp\r\n' + REAL + BOM + rec("", "Anna", "zweite Datei", "Al", "-", "sipp"))
    seed("unquoted-items", False, False, "2sp.lex", "an", b'mehr,Anna,ein "Name",Vo,x,sipp\r\n,,,,,\r\n')


def cp1252():
    h = "cp1252"
    write(h, "all-bytes", bytes([0]) + bytes(range(256)))
    write(h, "german", bytes([0]) + cp("Größe, Übung, Straße, Äbtissin"))
    write(h, "register-languages", bytes([1]) + "zmarł Dvořák őrző űrhajó đak șanț Łódź ĘĄ".encode())
    write(h, "no-spelling", bytes([1]) + "Кирилл Ελληνικά 漢字 😀 e\u0301".encode())
    write(h, "code-page-letters", bytes([1]) + "ŠŒ Žž Ÿ € ‚ ƒ „ … † ‡ ˆ ‰ ‹ ™ µ".encode())
    write(h, "lone-surrogate", bytes([2]) + "ab".encode("utf-16-le") + b"\x00\xd8" + "c".encode("utf-16-le"))
    # A lone high surrogate before a letter that has a spelling in the code page.
    write(h, "lone-surrogate-before-letter", bytes([2]) + "x\ud869\u0202y".encode("utf-16-le", "surrogatepass"))
    write(h, "c1-controls", bytes([2]) + "".join(chr(c) for c in range(0x80, 0xA0)).encode("utf-16-le"))


def command_words():
    h = "command_words"

    def seed(name, typed, te=b"", enc=1, key_flag=False):
        data = typed.encode("utf-8") if enc == 0 else typed.encode("utf-16-le") if enc == 2 else cp(typed)
        write(h, name, bytes([enc | (0x80 if key_flag else 0), len(data)]) + data + te)

    seed("feast-words", "Aschermittwoch")
    seed("ostern-upper", "OSTERN", enc=0)
    seed("schriften", "Schriften", enc=2)
    seed("backup", "speichern e:")
    seed("backup-short", "speich:")
    seed("tevo-bang", "tevo!", TE)
    seed("konvert", "CONV>")
    seed("sources", "quelle", TE)
    seed("sources-and-key", "quell!", TE)
    seed("stored-text", "Taufe!", TE)
    seed("drives", "e/media/anna/STICK\nF/mnt/f\n/not/a/drive\ne/media/anna/OTHER\nz../x/./y", enc=0)
    seed("drives-refused", "e/media/anna/STICK\nß/x\nF", enc=0)
    seed("greg-key", "greg", TE, key_flag=True)
    seed("quote-in-unquoted-text", "greg!", b'"greg!",ab"c\r\ngreg!,"x\r\n' + HOSTILE[3])
    seed("bom-before-text", "greg", BOM + b'greg,' + BOM + b'x"y\r\n' + TE, key_flag=True)
    # Found by fuzzing: a mark before a text line with a quote, first in mehrinfo.txt.
    write(h, "found-bom-first-line", base64.b64decode(
        "gQRncmVnImdyZWciLO+7vyINCiJncmVnIiwiUGFwCQAAAHJlZw0KInQEZ3JlJWciZ3JlZyJsIkRkciBncmVnb3JpYW5pc2NoZSBLYWxlbmRl"
        "ciINKiJncmVnl3MiDQoidGF1IiwiUGFgCQAAAHJlZw0KIit0YXVmZSEiLAEHfYEEZ3JlZyJncmVnIiwiRGVyIGdyZWdvcmlhbmVnISBvcmRw"
        "cG9yYSINCiAgIHBlaWMKImeM/2ciLCJQaGgiRGluBQUFBQUFBQUFBQUFBQUFBWJvcmlhZ3JlZyIsIkRlciBncnJlZyEiLGFiImVkLCBxdW90ZQ=="))
    seed("lower-changes-length", "\u0130stanbul!", TE, enc=0)


def qstrip_copy():
    h = "qstrip_copy"
    write(h, "quotes", bytes([34, 0]) + b'"Anna","Vorname"\r\n"Hans","Vorname"\r\n')
    write(h, "line-ends-10", bytes([10, 0]) + b"a\r\nb\nc\rd\r\r\ne")
    write(h, "line-ends-13", bytes([13, 0]) + b"a\r\nb\nc\rd\r\r\ne\r")
    write(h, "ctrl-z-26", bytes([26, 0]) + b"before\x1aafter\r\n")
    write(h, "high-byte", bytes([0xFF, 0]) + bytes(range(0xF0, 0x100)) * 3)
    write(h, "nul", bytes([0, 0]) + b"a\x00b\x00\x00c")
    write(h, "empty", bytes([34, 0]))
    write(h, "block-border-crlf", bytes([34, 0xF0]) + b'\r\n"x"\r\n')
    write(h, "block-border-cr", bytes([13, 0xF1]) + b'a\rb\r\n')
    write(h, "block-border-ctrl-z", bytes([10, 0xF0]) + b'\r\x1a\n')
    write(h, "no-final-line-end", bytes([34, 0]) + b'"letzte Zeile ohne Zeilenende"')


def qstrip_params():
    h = "qstrip_params"
    seeds = {
        "three-lines": b"34\r\noutda\r\n2da.tvx\r\n",
        "one-line": b"34 outda 2da.tvx",
        "octal": b"042\toutkr\t2kr.tvx\n",
        "hex": b"0x22 outla 2la.tvx extra words",
        "negative": b"  -1\r\n in \r\n out",
        "plus-hex-upper": b"+0X1f a b",
        "bare-0x": b"0x in out",
        "junk-after-digits": b"34abc in out",
        "code-too-long": b"1234567890123456 a b",
        "name-too-long": b"34 " + b"n" * 64 + b" out",
        "two-items": b"34 in",
        "empty": b"",
        "ctrl-z": b"34 in\x1a out",
        "nul-inside": b"3\x004 in out",
        "octal-with-8": b"08 in out",
    }
    for name, data in seeds.items():
        write(h, name, data)


if __name__ == "__main__":
    shutil.rmtree(os.path.join(HERE, "corpus"), ignore_errors=True)
    for make in (fieldfile_reader, fieldfile_writer, search_detail, cp1252, command_words, qstrip_copy, qstrip_params):
        make()
