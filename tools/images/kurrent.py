"""Pen-stroke outlines of the Kurrent letters, drawn by make_script_charts.py.

Each letter is a list of strokes; each stroke a list of points in letter
units (baseline y = 0, x-height y = 1, ascenders up to about 2.4, descenders
down to about -1.4; x grows to the right). The outlines are written upright:
the strong right-hand slant of the script is added when drawing, so a
"vertical" stroke here becomes one of the slanted downstrokes. A point with a
third element "c" is a sharp turn of the pen: the curve is split there instead
of being rounded through it. Kurrent turns sharply wherever a Latin hand would
round an arch, so most joins are marked so.

The pen is a pointed one: whatever runs down along the slant is drawn broad,
upstrokes and sideways strokes stay hairlines.
"""

C = "c"


# --- Recurring parts --------------------------------------------------------------------------

def _entry(x, y=1.0):
    """The hairline that leads from the baseline up to the top of a downstroke."""
    return [(x - 0.16, 0.3), (x, y, C)]


def _istroke(x, top=1.0):
    """Entry hairline, the pointed top and the downstroke to the baseline."""
    return _entry(x, top) + [(x, 0.0, C)]


def _exit(x):
    return [(x + 0.18, 0.28)]


def _zigzag(n, x=0.0, step=0.3, top=1.0, last_top=None):
    """n downstrokes joined by hairlines from each foot to the next pointed top."""
    pts = _istroke(x, top)
    for i in range(1, n):
        t = last_top if (last_top is not None and i == n - 1) else top
        pts += [(x + step * i, t, C), (x + step * i, 0.0, C)]
    return pts


def _ascender(x, top=2.35):
    """A looped ascender: hairline up on the right, narrow loop, downstroke to the baseline."""
    return [(x - 0.2, 0.25), (x + 0.1, 1.1), (x + 0.2, 1.85), (x + 0.15, top - 0.06),
            (x + 0.05, top), (x - 0.03, top - 0.22), (x - 0.01, 1.5), (x, 0.0, C)]


def _tail(x, depth=-1.3):
    """A downstroke from the x-height through the baseline into a loop closed on the left."""
    return [(x, 0.1), (x - 0.01, -0.75), (x - 0.07, depth + 0.06), (x - 0.16, depth),
            (x - 0.24, depth + 0.14), (x - 0.14, -0.62), (x + 0.24, -0.05)]


def _body(x=0.0, right=0.36):
    """The pointed bowl of a, d, g, q: a small hook at the top, a pointed foot, closed by a
    hairline up to the right-hand stroke."""
    return [(x + 0.26, 0.8), (x + 0.22, 0.97), (x + 0.1, 0.96), (x + 0.02, 0.55),
            (x + 0.01, 0.0, C), (x + right, 1.0, C)]


def _bow(x):
    """The u-bow: a small arc open upwards above the letter."""
    return [(x - 0.14, 1.52), (x - 0.02, 1.3), (x + 0.16, 1.34), (x + 0.24, 1.55)]


def _cap_hook(x, y):
    """The small curl with which many capitals begin at the top left."""
    return [(x - 0.18, y - 0.1), (x - 0.1, y + 0.05), (x + 0.05, y + 0.06)]


LOWER = {
    # a: the pointed bowl and an i-stroke.
    "a": [_body() + [(0.36, 0.0, C)] + _exit(0.36)],
    # b: looped ascender, at the foot a hairline up to the right, closed by a small eye.
    "b": [_ascender(0.0) + [(0.34, 0.98, C), (0.22, 0.9), (0.1, 0.8), (0.04, 0.72)]],
    # c: a small pointed hook.
    "c": [[(0.2, 0.78), (0.26, 0.94), (0.18, 1.02), (0.08, 0.9), (0.02, 0.45),
           (0.01, 0.0, C)] + _exit(0.01)],
    # d: the bowl, its right stroke rising into an ascender that bends back over the letter.
    "d": [_body(right=0.34)[:-1] + [(0.36, 0.9), (0.44, 1.7), (0.42, 2.15), (0.26, 2.3),
                                     (0.1, 2.2), (-0.06, 1.95)]],
    # e: two short narrow strokes, like a small n.
    "e": [_entry(0.0, 0.95) + [(0.0, 0.0, C), (0.18, 0.82, C), (0.18, 0.0, C)] + _exit(0.18)],
    # f: the long s with a cross-stroke at the x-height.
    "f": [[(-0.14, -0.2), (0.12, 0.9), (0.3, 1.9), (0.32, 2.3), (0.2, 2.4), (0.08, 2.2),
           (0.05, 1.2), (0.02, -0.3), (-0.02, -1.05), (-0.1, -1.32), (-0.2, -1.25),
           (-0.12, -0.85), (0.2, -0.3)],
          [(-0.16, 0.98), (0.32, 1.02)]],
    # g: the bowl and a looped descender.
    "g": [_body() + _tail(0.36)],
    # h: looped ascender, pointed turn at the x-height, the second stroke looping below.
    "h": [_ascender(0.0) + [(0.32, 1.0, C)] + _tail(0.32)],
    "i": [_istroke(0.0) + _exit(0.0), [(0.12, 1.5), (0.06, 1.36)]],
    "j": [_entry(0.0) + _tail(0.0), [(0.12, 1.5), (0.06, 1.36)]],
    # k: looped ascender; a small eye at the x-height and a short leg.
    "k": [_ascender(0.0) + [(0.32, 1.0), (0.34, 0.82), (0.2, 0.58), (0.06, 0.52), (0.26, 0.52, C),
                            (0.3, 0.0, C)] + _exit(0.3)],
    "l": [_ascender(0.0) + _exit(0.0)],
    # m, n: pointed zig-zags of three and two downstrokes.
    "m": [_zigzag(3) + _exit(0.6)],
    "n": [_zigzag(2) + _exit(0.3)],
    # o: a narrow pointed oval, closed at the top with a small eye.
    "o": [[(0.26, 1.0), (0.12, 0.9), (0.03, 0.45), (0.02, 0.0, C), (0.26, 0.45), (0.28, 0.98),
           (0.18, 0.88), (0.46, 0.9)]],
    # p: entry stroke, a long straight descender, then a pointed arm closed back at the foot.
    "p": [[(-0.16, 0.45), (0.02, 1.12, C), (0.0, -1.35, C)],
          [(0.01, 0.55), (0.3, 1.0, C), (0.3, 0.04, C), (0.04, 0.06), (0.44, 0.2)]],
    # q: the bowl and a straight descender turning up into a hairline on the right.
    "q": [_body() + [(0.36, -1.35, C), (0.5, -0.95), (0.56, -0.55)]],
    # r: an i-stroke with the pointed v at its right.
    "r": [_istroke(0.0) + [(0.26, 1.0, C), (0.3, 0.62, C), (0.5, 0.9)]],
    # long s: looped above, through the baseline, looped below.
    "ſ": [[(-0.14, -0.2), (0.12, 0.9), (0.3, 1.9), (0.32, 2.3), (0.2, 2.4), (0.08, 2.2),
           (0.05, 1.2), (0.02, -0.3), (-0.02, -1.05), (-0.1, -1.32), (-0.2, -1.25),
           (-0.12, -0.85), (0.2, -0.3)]],
    # round (final) s: a downstroke closing into an eye at its foot.
    "s": [[(0.42, 1.0), (0.3, 1.16), (0.14, 1.0), (0.05, 0.5), (0.06, 0.08), (0.2, 0.0),
           (0.36, 0.18), (0.34, 0.46), (0.16, 0.48), (0.08, 0.3), (0.3, 0.38), (0.52, 0.5)]],
    # t: a short unlooped ascender and a cross-stroke.
    "t": [[(-0.16, 0.3), (0.02, 1.65, C), (0.0, 0.0, C)] + _exit(0.0),
          [(-0.16, 1.0), (0.3, 1.04)]],
    "u": [_zigzag(2) + _exit(0.3), _bow(0.16)],
    # v, w: like n and m, the last stroke ending in an eye at the top.
    "v": [_zigzag(2, last_top=1.0)[:-1] + [(0.3, 0.25), (0.34, 0.8), (0.42, 1.04), (0.52, 0.86),
                                            (0.32, 0.72), (0.64, 0.82)]],
    "w": [_zigzag(3)[:-1] + [(0.6, 0.25), (0.64, 0.8), (0.72, 1.04), (0.82, 0.86), (0.62, 0.72),
                              (0.94, 0.82)]],
    # x: a short stroke turning out at its foot, crossed by a second that sweeps down to
    #    the left below the line into a loop.
    "x": [_entry(0.04) + [(0.06, 0.2), (0.16, 0.0), (0.34, 0.26)],
          [(0.54, 1.02), (0.44, 0.84), (0.1, 0.4), (-0.16, -0.1), (-0.3, -0.8), (-0.38, -1.22),
           (-0.5, -1.26), (-0.52, -1.02), (-0.34, -0.78), (0.0, -0.6)]],
    # y: like n, the second stroke looping below the line.
    "y": [_istroke(0.0) + [(0.3, 1.0, C)] + _tail(0.3)],
    # z: a pointed top and a looped descender.
    "z": [[(-0.12, 0.62), (0.06, 1.0), (0.22, 0.96), (0.34, 1.0, C), (0.1, 0.42, C),
           (0.36, 0.3), (0.4, -0.2), (0.36, -0.8), (0.26, -1.24), (0.12, -1.32), (0.06, -1.1),
           (0.22, -0.72), (0.56, -0.45)]],
    # ß: long s and z written together.
    "ß": [[(-0.14, -0.2), (0.12, 0.9), (0.3, 1.9), (0.32, 2.3), (0.2, 2.4), (0.08, 2.2),
           (0.05, 1.2), (0.02, -0.3), (0.0, -1.2, C)],
          [(0.06, 1.0), (0.3, 1.06), (0.5, 1.04, C), (0.28, 0.45, C), (0.54, 0.32), (0.56, -0.2),
           (0.5, -0.8), (0.38, -1.24), (0.24, -1.32), (0.18, -1.1), (0.34, -0.72),
           (0.68, -0.45)]],
}


# Capitals: a cap height of about 2.4 x-heights.
UPPER = {
    # A: a tall pointed bowl begun with a curl, and a tall right-hand stroke.
    "A": [[(0.3, 1.9), (0.54, 2.2), (0.5, 2.38), (0.3, 2.0), (0.1, 1.0), (0.04, 0.0, C),
                                  (0.7, 2.35, C), (0.68, 0.0, C), (0.92, 0.3)]],
    # B: a stem begun with a curl, two pointed bowls on the right.
    "B": [_cap_hook(0.12, 2.2) + [(0.2, 2.3, C), (0.14, 0.0, C), (-0.08, 0.12)],
          [(0.16, 1.9), (0.5, 2.35), (0.74, 2.2), (0.64, 1.5), (0.3, 1.26, C), (0.72, 1.02),
           (0.78, 0.4), (0.56, 0.02), (0.18, 0.06)]],
    # C: narrow, with an eye at the top.
    "C": [[(0.44, 1.9), (0.66, 2.1), (0.62, 2.34), (0.44, 2.3), (0.46, 2.1), (0.74, 2.16),
           (0.56, 2.4), (0.3, 2.1), (0.1, 1.1), (0.06, 0.3), (0.22, 0.0), (0.62, 0.3)]],
    # D: a stem begun low with a loop, the bowl closing over it.
    "D": [[(0.36, 2.2), (0.32, 1.0), (0.26, 0.2), (0.1, 0.0), (-0.06, 0.12), (0.06, 0.26),
           (0.5, 0.04), (0.86, 0.6), (0.9, 1.8), (0.66, 2.36), (0.2, 2.36), (-0.04, 2.0)]],
    # E: two stacked pointed bows joined by a small eye.
    "E": [[(0.66, 2.1), (0.56, 2.38), (0.36, 2.3), (0.24, 1.9), (0.34, 1.35), (0.5, 1.28),
           (0.36, 1.22, C), (0.12, 0.9), (0.06, 0.28), (0.2, 0.0), (0.4, 0.02), (0.7, 0.32)]],
    # F: a wavy head stroke over a stem that dips below the line, and a short bar.
    "F": [[(0.14, 1.98), (0.0, 2.14), (0.12, 2.32), (0.42, 2.2), (0.7, 2.3), (0.94, 2.42)],
          [(0.5, 2.26), (0.44, 0.9), (0.38, -0.5), (0.2, -0.75), (0.02, -0.55), (0.1, -0.3)],
          [(0.2, 1.3), (0.72, 1.34)]],
    # G: a pointed C-form and a stroke looping below the line.
    "G": [[(0.6, 2.0), (0.66, 2.3), (0.48, 2.38), (0.22, 1.9), (0.08, 1.0), (0.1, 0.3),
           (0.3, 0.0), (0.64, 0.7, C), (0.64, 1.3, C), (0.62, -0.6), (0.52, -1.22), (0.38, -1.3),
           (0.32, -1.08), (0.5, -0.7), (0.9, -0.4)]],
    # H: a stem begun with a curl, the right stroke joined to it with a sharp turn and
    #    looping below the line.
    "H": [_cap_hook(0.2, 2.15) + [(0.28, 2.3, C), (0.22, 0.0, C), (0.0, 0.12)],
          [(0.24, 1.0), (0.62, 1.7, C), (0.6, 0.1), (0.58, -0.75), (0.5, -1.24), (0.36, -1.3),
           (0.3, -1.08), (0.48, -0.72), (0.86, -0.42)]],
    # I and J: one tall stroke, J looping below the line.
    "I": [[(0.0, 1.9), (0.2, 2.3), (0.46, 2.36), (0.34, 2.1, C), (0.28, 0.0, C), (0.06, 0.08),
           (0.0, 0.3), (0.2, 0.34)]],
    "J": [[(0.0, 1.9), (0.2, 2.3), (0.46, 2.36), (0.34, 2.1, C), (0.3, 0.0), (0.28, -0.75),
           (0.2, -1.24), (0.06, -1.3), (0.0, -1.08), (0.18, -0.72), (0.56, -0.42)]],
    # K: stem with a curl; the right part with an eye at the middle and a pointed leg.
    "K": [_cap_hook(0.2, 2.15) + [(0.28, 2.3, C), (0.22, 0.0, C), (0.0, 0.12)],
          [(0.84, 2.2), (0.72, 2.34), (0.54, 2.0), (0.4, 1.3), (0.6, 1.24), (0.54, 1.08),
           (0.36, 1.1), (0.6, 1.0, C), (0.62, 0.0, C), (0.86, 0.28)]],
    # L: a loop at the head, the stem and a looped foot.
    "L": [[(0.36, 1.6), (0.6, 2.2), (0.66, 2.4), (0.52, 2.36), (0.4, 2.0), (0.3, 0.6),
           (0.22, 0.08), (0.02, 0.02), (0.04, 0.2), (0.26, 0.12), (0.54, 0.0), (0.8, 0.2)]],
    # M, N: large pointed zig-zags begun with a curl.
    "M": [_cap_hook(0.14, 2.1) + [(0.2, 2.3, C), (0.16, 0.0, C), (0.46, 2.3, C), (0.44, 0.0, C),
                                  (0.74, 2.3, C), (0.72, 0.0, C), (0.96, 0.3)]],
    "N": [_cap_hook(0.14, 2.1) + [(0.2, 2.3, C), (0.16, 0.0, C), (0.5, 2.3, C), (0.48, 0.0, C),
                                  (0.72, 0.3)]],
    # O: a narrow pointed oval, closed at the top with an eye.
    "O": [[(0.6, 2.2), (0.5, 2.38), (0.24, 2.0), (0.06, 1.0), (0.1, 0.2), (0.3, 0.0),
           (0.56, 0.5), (0.66, 1.6), (0.6, 2.3), (0.44, 2.26), (0.38, 2.08), (0.54, 2.02),
           (0.86, 2.18)]],
    # P: entry curl, a stem through the line, a pointed bowl at the head.
    "P": [_cap_hook(0.2, 2.1) + [(0.26, 2.3, C), (0.2, -1.2, C), (0.0, -1.05)],
          [(0.22, 1.5), (0.52, 2.36), (0.76, 2.16), (0.66, 1.42), (0.24, 1.2)]],
    # Q: the oval with a tail through the foot.
    "Q": [[(0.6, 2.2), (0.5, 2.38), (0.24, 2.0), (0.06, 1.0), (0.1, 0.2), (0.3, 0.0),
           (0.56, 0.5), (0.66, 1.6), (0.6, 2.3), (0.44, 2.26), (0.38, 2.08), (0.54, 2.02),
           (0.86, 2.18)],
          [(-0.04, 0.3), (0.14, 0.02), (0.36, -0.16), (0.56, -0.06), (0.86, -0.22)]],
    # R: a stem with a curl, a pointed bowl with an eye and a leg.
    "R": [_cap_hook(0.2, 2.15) + [(0.28, 2.3, C), (0.22, 0.0, C), (0.0, 0.12)],
          [(0.24, 1.8), (0.56, 2.36), (0.78, 2.12), (0.62, 1.36), (0.36, 1.2), (0.46, 1.36),
           (0.6, 1.2, C), (0.64, 0.0, C), (0.88, 0.28)]],
    # S: a large looped head, a long stroke and a foot that closes back to the left.
    "S": [[(0.0, 0.6), (0.2, 1.6), (0.46, 2.3), (0.62, 2.4), (0.66, 2.2), (0.46, 2.0),
           (0.3, 2.1), (0.44, 1.7), (0.66, 1.1), (0.6, 0.3), (0.36, 0.0), (0.1, 0.06),
           (0.04, 0.3), (0.24, 0.4)]],
    # T: the wavy head stroke over a stem that dips below the line.
    "T": [[(0.14, 1.98), (0.0, 2.14), (0.12, 2.32), (0.42, 2.2), (0.7, 2.3), (0.94, 2.42)],
          [(0.5, 2.26), (0.44, 0.9), (0.38, -0.5), (0.2, -0.75), (0.02, -0.55), (0.1, -0.3)]],
    # U: curl, stroke down, pointed foot, tall right stroke; the u-bow above.
    "U": [_cap_hook(0.14, 1.95) + [(0.2, 2.15, C), (0.14, 0.0, C), (0.6, 2.15, C), (0.58, 0.0, C),
                                   (0.82, 0.3)],
          [(0.3, 2.66), (0.4, 2.46), (0.56, 2.48), (0.66, 2.7)]],
    # V, W: like U, the last stroke ending in an eye at the top.
    "V": [_cap_hook(0.14, 2.1) + [(0.2, 2.3, C), (0.14, 0.0, C), (0.56, 1.2), (0.62, 2.2),
                                  (0.72, 2.4), (0.8, 2.2), (0.6, 2.12), (0.92, 2.2)]],
    "W": [_cap_hook(0.14, 2.1) + [(0.2, 2.3, C), (0.14, 0.0, C), (0.46, 2.0, C), (0.42, 0.0, C),
                                  (0.78, 1.2), (0.84, 2.2), (0.94, 2.4), (1.02, 2.2),
                                  (0.82, 2.12), (1.14, 2.2)]],
    # X: a stroke with a curl, crossed by a second that loops at its foot.
    "X": [_cap_hook(0.2, 2.1) + [(0.28, 2.3, C), (0.4, 1.2), (0.6, 0.2), (0.82, 0.0),
                                 (0.96, 0.2)],
          [(0.86, 2.3), (0.7, 2.2), (0.5, 1.4), (0.2, 0.2), (0.02, 0.0), (-0.06, 0.2),
           (0.1, 0.3)]],
    # Y: like U, the right stroke looping below the line.
    "Y": [_cap_hook(0.14, 2.1) + [(0.2, 2.3, C), (0.14, 0.0, C), (0.6, 2.3, C), (0.58, 0.1),
                                  (0.56, -0.75), (0.48, -1.24), (0.34, -1.3), (0.28, -1.08),
                                  (0.46, -0.72), (0.84, -0.42)]],
    # Z: a pointed head and a looped descender.
    "Z": [[(0.0, 1.9), (0.2, 2.3), (0.44, 2.26), (0.7, 2.36, C), (0.26, 1.2, C), (0.62, 1.0),
           (0.66, 0.2), (0.6, -0.7), (0.48, -1.24), (0.34, -1.3), (0.28, -1.08), (0.46, -0.72),
           (0.84, -0.42)]],
}
