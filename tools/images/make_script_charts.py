#!/usr/bin/python3
"""Makes the script charts of the windows schriften1 to schriften7 and the
main window's picture and icon.

Run from the repository root:  /usr/bin/python3 tools/images/make_script_charts.py
Needs Debian's python3-pil, fonts-dejavu-core and fonts-noto-core (Glagolitic).
See README.md beside this file. With --only-1 it makes schriften1.gif alone.
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gothic  # noqa: E402
import kurrent  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT_IMAGES = os.path.join(ROOT, "app", "scripts", "images")
APP_IMAGES = os.path.join(ROOT, "app", "images")

SS = 4  # drawn at four times the size, then reduced: smooth edges
PAPER = (247, 241, 226)
INK = (38, 30, 26)
LABEL = (150, 40, 30)
FRAME = (205, 190, 160)
TEXT = (60, 60, 60)

DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
DEJAVU_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
DEJAVU_SERIF = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf"
GLAGOLITIC = "/usr/share/fonts/truetype/noto/NotoSansGlagolitic-Regular.ttf"

# The windows show a little less than the full image height; the charts keep
# that strip free so that nothing of a letter is cut off.
BOTTOM_MARGIN = 26


def font(path, px):
    return ImageFont.truetype(path, int(px * SS))


def new_canvas(width, height, colour=PAPER):
    img = Image.new("RGB", (width * SS, height * SS), colour)
    return img, ImageDraw.Draw(img)


def finish(img, width, height, path, colours=32):
    small = img.resize((width, height), Image.LANCZOS)
    small = small.quantize(colors=colours, method=Image.MEDIANCUT, dither=Image.NONE)
    small.save(path)
    check = Image.open(path)
    assert check.size == (width, height), (path, check.size)
    print(f"{os.path.relpath(path, ROOT)}: {width} x {height}")


def header(draw, width, title, subtitle):
    draw.text((10 * SS, 6 * SS), title, font=font(DEJAVU_BOLD, 15), fill=INK)
    draw.text((10 * SS, 25 * SS), subtitle, font=font(DEJAVU, 10), fill=TEXT)
    draw.line([(10 * SS, 41 * SS), ((width - 10) * SS, 41 * SS)], fill=FRAME, width=SS)
    return 48


def cells(width, height, top, columns, rows, margin=8):
    usable_h = height - BOTTOM_MARGIN - top
    cw = (width - 2 * margin) / columns
    ch = usable_h / rows
    for r in range(rows):
        for c in range(columns):
            yield (margin + c * cw, top + r * ch, cw, ch)


def cell_frame(draw, box, label, label_px=16):
    x, y, w, h = box
    draw.rounded_rectangle([(x + 3) * SS, (y + 3) * SS, (x + w - 3) * SS, (y + h - 3) * SS],
                           radius=6 * SS, outline=FRAME, width=SS)
    draw.text(((x + 9) * SS, (y + 6) * SS), label, font=font(DEJAVU_SERIF, label_px), fill=LABEL)


# --- Kurrent, drawn with a pointed pen -----------------------------------------------------

SLANT = 0.5         # x shift per unit of height: the script leans strongly to the right
X_SCALE = 1.6       # widening of the outlines; Kurrent stays narrow
HAIR = 0.16         # a hairline's width as a share of the full downstroke


def catmull_rom(points, steps=16):
    if len(points) < 2:
        return points
    pts = [points[0]] + points + [points[-1]]
    out = []
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[k]) + (-p0[k] + p2[k]) * t
                                    + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2
                                    + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3)
                             for k in range(2)))
    out.append(points[-1])
    return out


def stroke_path(stroke):
    """The stroke's centre line: splines between the sharp turns."""
    path, piece = [], []
    for p in stroke:
        piece.append((p[0], p[1]))
        if len(p) > 2 and p[2] == kurrent.C:
            path += catmull_rom(piece)
            piece = [(p[0], p[1])]
    path += catmull_rom(piece)
    return path


def glyph_extent(strokes):
    xs = [X_SCALE * x + SLANT * y for s in strokes for (x, y, *_) in s]
    return min(xs), max(xs)


def pen_widths(pts, nib):
    """Width at every point of a path: full where the pen runs down along the slant (the
    writer presses the split nib open), a hairline where it runs up or sideways."""
    down = (-SLANT / math.hypot(1, SLANT), 1 / math.hypot(1, SLANT))  # screen y grows down
    seg = []
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        length = math.hypot(bx - ax, by - ay)
        if length == 0:
            seg.append(None)
            continue
        along = ((bx - ax) * down[0] + (by - ay) * down[1]) / length
        pressure = max(0.0, along) ** 2.2
        seg.append(nib * (HAIR + (1 - HAIR) * pressure))
    seg = [w if w is not None else nib * HAIR for w in seg] or [nib * HAIR]
    # Smooth the swelling a little so that the pressure comes and goes gradually.
    smooth = []
    for i in range(len(seg)):
        window = seg[max(0, i - 2):i + 3]
        smooth.append(sum(window) / len(window))
    widths = [smooth[0]] + [(a + b) / 2 for a, b in zip(smooth, smooth[1:])] + [smooth[-1]]
    # Downstrokes taper into their ends instead of stopping bluntly.
    for k in range(min(3, len(widths))):
        f = (k + 1) / 4
        widths[k] = min(widths[k], nib * (HAIR + (1 - HAIR) * f))
        widths[-1 - k] = min(widths[-1 - k], nib * (HAIR + (1 - HAIR) * f))
    return widths


HAIR_MIN = 1.1      # pixels: the thinnest line that still survives the reduction


def draw_kurrent(draw, strokes, cx, baseline, unit, nib):
    """Draws a letter centred on cx, its baseline at `baseline` (pixels), one x-height = unit."""
    lo, hi = glyph_extent(strokes)
    ox = cx - (lo + hi) / 2 * unit
    for stroke in strokes:
        pts = [((ox + (X_SCALE * x + SLANT * y) * unit) * SS, (baseline - y * unit) * SS)
               for (x, y) in stroke_path(stroke)]
        widths = [max(HAIR_MIN, w) * SS for w in pen_widths(pts, nib)]
        for i, ((ax, ay), (bx, by)) in enumerate(zip(pts, pts[1:])):
            length = math.hypot(bx - ax, by - ay)
            if length == 0:
                continue
            px, py = -(by - ay) / length, (bx - ax) / length
            wa, wb = widths[i] / 2, widths[i + 1] / 2
            draw.polygon([(ax + px * wa, ay + py * wa), (bx + px * wb, by + py * wb),
                          (bx - px * wb, by - py * wb), (ax - px * wa, ay - py * wa)], fill=INK)
        for (x, y), w in zip(pts, widths):
            r = w / 2
            draw.ellipse([x - r, y - r, x + r, y + r], fill=INK)


LETTER_LABELS = {"ſ": "s (lang)", "s": "s (Schluss-s)"}


def kurrent_chart(path, size, letters, table, columns, rows, title, unit, cap_room):
    width, height = size
    img, draw = new_canvas(width, height)
    top = header(draw, width, title,
                 "Deutsche Kurrentschrift, 16. – 18. Jh.: Buchstabe und heutige Druckform")
    for letter, box in zip(letters, cells(width, height, top, columns, rows)):
        x, y, w, h = box
        cell_frame(draw, box, LETTER_LABELS.get(letter, letter), 16)
        strokes = table[letter]
        # Room above the baseline for ascenders/capitals, below for descenders.
        baseline = y + 8 + (h - 16) * cap_room / (cap_room + 1.5)
        u = min(unit, (h - 18) / (cap_room + 1.5))
        draw_kurrent(draw, strokes, x + w / 2 + 8, baseline, u, nib=max(2.5, u * 0.11))
    finish(img, width, height, path)


# --- Font-based charts -----------------------------------------------------------------------

def centred_text(draw, cx, cy, text, fnt, fill=INK):
    l, t, r, b = draw.textbbox((0, 0), text, font=fnt)
    draw.text((cx * SS - (l + r) / 2, cy * SS - (t + b) / 2), text, font=fnt, fill=fill)


# --- Gothic cursive and bastarda, drawn with a broad pen --------------------------------------

BROAD_INK = (52, 36, 28)
RULING = (226, 214, 190)


def broad_stroke(draw, pts, nib, angle, widths=None):
    """Sweeps a flat nib (length `nib`, held at `angle` degrees) along the points: every
    step fills the parallelogram between two nib positions, so a stroke across the edge
    comes out broad and one along it a hairline."""
    a = math.radians(angle)
    hx, hy = math.cos(a) / 2, -math.sin(a) / 2  # screen y grows down
    for i, ((ax, ay), (bx, by)) in enumerate(zip(pts, pts[1:])):
        wa = nib * (widths[i] if widths else 1)
        wb = nib * (widths[i + 1] if widths else 1)
        draw.polygon([(ax + hx * wa, ay + hy * wa), (bx + hx * wb, by + hy * wb),
                      (bx - hx * wb, by - hy * wb), (ax - hx * wa, ay - hy * wa)], fill=BROAD_INK)


def swell(n):
    """Pressure along a swelling stroke: full in its first half, tapering to a point below."""
    out = []
    for i in range(n):
        t = i / max(1, n - 1)
        out.append(1.25 if t < 0.55 else max(0.25, 1.25 - (t - 0.55) / 0.45))
    return out


def broad_extent(strokes, slant):
    xs = [x + slant * y for s in strokes
          for (x, y, *_) in (s[1] if isinstance(s, tuple) else s)]
    return min(xs), max(xs)


def draw_broad(draw, strokes, left, baseline, unit, nib, angle, slant):
    """Draws a letter whose leftmost point stands at `left`, baseline at `baseline` (pixels)."""
    lo, _ = broad_extent(strokes, slant)
    for stroke in strokes:
        points = stroke[1] if isinstance(stroke, tuple) else stroke
        path = stroke_path(points)
        pts = [((left + (x - lo + slant * y) * unit) * SS, (baseline - y * unit) * SS) for (x, y) in path]
        widths = swell(len(pts)) if isinstance(stroke, tuple) else None
        broad_stroke(draw, pts, nib * SS, angle, widths)


# The two hands: slant (x per unit of height), pen angle, nib as a share of the x-height.
HANDS = [
    ("Gotische Kursive (Notula), 13. – 14. Jh.", gothic.CURSIVA, 0.16, 38, 0.17,
     ["anno", "domini", "milleſimo", "ducenteſimo"]),
    ("Bastarda, 14. – 15. Jh.", gothic.BASTARDA, 0.06, 34, 0.24,
     ["in", "dem", "namen", "gotz", "amen", "kund", "ſey", "allen"]),
]


def body_extent(strokes, slant):
    """The extent of a letter between the lines: loops and heads above it may reach
    over the next letter, as they do in a written line."""
    xs = [x + slant * y for s in strokes
          for (x, y, *_) in (s[1] if isinstance(s, tuple) else s) if -0.3 <= y <= 1.1]
    return (min(xs), max(xs)) if xs else broad_extent(strokes, slant)


def write_line(draw, table, words, left, baseline, unit, nib, angle, slant):
    x = left
    for word in words:
        for letter in word:
            strokes = table[letter]
            lo, _ = broad_extent(strokes, slant)
            blo, bhi = body_extent(strokes, slant)
            draw_broad(draw, strokes, x - (blo - lo) * unit, baseline, unit, nib, angle, slant)
            x += (bhi - blo) * unit + unit * 0.16
        x += unit * 0.55
    return x


def gothic_chart(path):
    width, height = 624, 507
    img, draw = new_canvas(width, height)
    top = header(draw, width, "Gotische Kursive und Bastarda, 13. – 15. Jahrhundert",
                 "Gezeichnete Nachbildung: Buchstabe und heutige Druckform, darunter eine Schriftprobe")
    band = (height - BOTTOM_MARGIN - top) / len(HANDS)
    per_line = 13
    cw = (width - 20) / per_line
    label_font = font(DEJAVU_SERIF, 10)
    for i, (title, table, slant, angle, nib_share, sample) in enumerate(HANDS):
        y0 = top + i * band
        if i:
            draw.line([(10 * SS, (y0 - 3) * SS), ((width - 10) * SS, (y0 - 3) * SS)], fill=FRAME, width=SS)
        draw.text((12 * SS, y0 * SS), title, font=font(DEJAVU_BOLD, 11), fill=TEXT)
        unit = 17
        row_h = 64
        for j, letter in enumerate(gothic.LETTERS):
            line, col = divmod(j, per_line)
            cx = 10 + col * cw + cw / 2
            cy = y0 + 16 + line * row_h
            label = {"ſ": "s (lang)", "s": "s (rund)"}.get(letter, letter)
            centred_text(draw, cx, cy + 6, label, font(DEJAVU_SERIF, 8 if len(label) > 1 else 10), fill=LABEL)
            strokes = table[letter]
            lo, hi = broad_extent(strokes, slant)
            baseline = cy + 14 + 1.9 * unit
            draw_broad(draw, strokes, cx - (hi - lo) * unit / 2, baseline, unit, unit * nib_share, angle, slant)
        # The sample line, on a faint ruling as in a book.
        baseline = y0 + 16 + 2 * row_h + 36
        draw.line([(12 * SS, baseline * SS), ((width - 12) * SS, baseline * SS)], fill=RULING, width=SS)
        draw.line([(12 * SS, (baseline - 19) * SS), ((width - 12) * SS, (baseline - 19) * SS)],
                  fill=RULING, width=SS)
        write_line(draw, table, sample, 24, baseline, 19, 19 * nib_share, angle, slant)
    finish(img, width, height, path)


GLAGOLITIC_LETTERS = [
    (0x2C00, "a", "Azъ"), (0x2C01, "b", "Buky"), (0x2C02, "v", "Vědi"),
    (0x2C03, "g", "Glagoli"), (0x2C04, "d", "Dobro"), (0x2C05, "e", "Jestъ"),
    (0x2C06, "ž", "Živěte"), (0x2C07, "dz", "Dzělo"), (0x2C08, "z", "Zemlja"),
    (0x2C09, "i", "Iže"), (0x2C0B, "i", "I"), (0x2C0C, "đ", "Đervь"),
    (0x2C0D, "k", "Kako"), (0x2C0E, "l", "Ljudije"), (0x2C0F, "m", "Myslite"),
    (0x2C10, "n", "Našь"), (0x2C11, "o", "Onъ"), (0x2C12, "p", "Pokoji"),
    (0x2C13, "r", "Rьci"), (0x2C14, "s", "Slovo"), (0x2C15, "t", "Tvrьdo"),
    (0x2C16, "u", "Ukъ"), (0x2C17, "f", "Frьtъ"), (0x2C18, "h", "Hěrъ"),
    (0x2C19, "ō", "Otъ"), (0x2C1B, "št", "Šta"), (0x2C1C, "c", "Ci"),
    (0x2C1D, "č", "Črьvь"), (0x2C1E, "š", "Ša"), (0x2C1F, "ъ", "Jerъ"),
    (0x2C20, "ь", "Jerь"), (0x2C21, "ě", "Jatь"), (0x2C23, "ju", "Ju"),
    (0x2C24, "ę", "Ęsъ"), (0x2C28, "ǫ", "Ǫsъ"), (0x2C2A, "th", "Fita"),
]


def glagolitic_chart(path):
    width, height = 421, 415
    img, draw = new_canvas(width, height)
    draw.text((8 * SS, 5 * SS), "Glagolica (Glagolitisch)", font=font(DEJAVU_BOLD, 14), fill=INK)
    draw.text((8 * SS, 23 * SS), "Zeichen, Umschrift und Name, 9. – 15. Jh.",
              font=font(DEJAVU, 9), fill=TEXT)
    top = 38
    columns, rows = 6, 6
    cw = (width - 10) / columns
    ch = (height - BOTTOM_MARGIN - top) / rows
    glyph_font = font(GLAGOLITIC, 30)
    translit_font = font(DEJAVU_SERIF, 12)
    name_font = font(DEJAVU, 8)
    for i, (code, latin, name) in enumerate(GLAGOLITIC_LETTERS):
        r, c = divmod(i, columns)
        x, y = 5 + c * cw, top + r * ch
        draw.rounded_rectangle([(x + 2) * SS, (y + 2) * SS, (x + cw - 2) * SS, (y + ch - 2) * SS],
                               radius=5 * SS, outline=FRAME, width=SS)
        centred_text(draw, x + cw * 0.38, y + ch * 0.42, chr(code), glyph_font)
        centred_text(draw, x + cw * 0.8, y + ch * 0.36, latin, translit_font, fill=LABEL)
        centred_text(draw, x + cw / 2, y + ch - 9, name, name_font, fill=TEXT)
    finish(img, width, height, path)


# --- The main window's picture and the program icon ------------------------------------------

LIGHT_BLUE = (0xC0, 0xC0, 0xFF)
TREE = (40, 50, 120)


def family_tree(draw, x, y, s, k=SS):
    """A small pedigree: one person, two parents, four grandparents (s = size unit,
    k = canvas pixels per unit)."""
    def node(cx, cy, r):
        draw.ellipse([(cx - r) * k, (cy - r) * k, (cx + r) * k, (cy + r) * k],
                     fill=(255, 255, 255), outline=TREE, width=max(1, int(s * 0.12 * k)))

    def link(ax, ay, bx, by):
        draw.line([(ax * k, ay * k), (ax * k, (ay + by) / 2 * k),
                   (bx * k, (ay + by) / 2 * k), (bx * k, by * k)],
                  fill=TREE, width=max(1, int(s * 0.12 * k)), joint="curve")

    for (ax, ay), (bx, by) in tree_links(x, y, s):
        link(ax, ay, bx, by)
    for (cx, cy), r in tree_nodes(x, y, s):
        node(cx, cy, r)


def tree_links(x, y, s):
    """The lines of the pedigree: child to parents, parents to grandparents."""
    child, parents, grand = tree_people(x, y, s)
    return [(child, p) for p in parents] + [(parents[i // 2], g) for i, g in enumerate(grand)]


def tree_nodes(x, y, s):
    """The circles of the pedigree, drawn over the lines: (centre, radius)."""
    child, parents, grand = tree_people(x, y, s)
    return [(g, 0.42 * s) for g in grand] + [(p, 0.5 * s) for p in parents] + [(child, 0.6 * s)]


def tree_people(x, y, s):
    child = (x, y + 3.2 * s)
    parents = [(x - 1.6 * s, y + 1.6 * s), (x + 1.6 * s, y + 1.6 * s)]
    grand = [(x - 2.4 * s, y), (x - 0.8 * s, y), (x + 0.8 * s, y), (x + 2.4 * s, y)]
    return child, parents, grand


def logo(path):
    width, height = 149, 83
    img, draw = new_canvas(width, height, LIGHT_BLUE)
    draw.rounded_rectangle([3 * SS, 3 * SS, (width - 4) * SS, (height - 4) * SS],
                           radius=8 * SS, outline=TREE, width=SS)
    family_tree(draw, 28, 16, 9)
    centred_text(draw, 98, 36, "sippora", font(DEJAVU_BOLD, 21), fill=TREE)
    centred_text(draw, 98, 58, "Lexikon für", font(DEJAVU, 9), fill=TREE)
    centred_text(draw, 98, 69, "Familienforscher", font(DEJAVU, 9), fill=TREE)
    finish(img, width, height, path, colours=64)


# The icon is designed on a 64-unit square; every size is drawn from that design.
ICON_UNITS = 64
ICON_TREE = (32, 14, 7.5)  # x, y, unit of the pedigree
ICON_SIZES = (48, 64, 128, 256)
APP_ID = "org.sippora.Sippora"
DIST_ICONS = os.path.join(ROOT, "dist", "icons")


def icon(path, size=ICON_UNITS):
    k = size / ICON_UNITS * SS
    img = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))
    draw = ImageDraw.Draw(img)
    draw.rounded_rectangle([2 * k, 2 * k, 61 * k, 61 * k], radius=12 * k,
                           fill=LIGHT_BLUE + (255,), outline=TREE + (255,), width=round(2 * k))
    family_tree(draw, *ICON_TREE, k=k)
    img.resize((size, size), Image.LANCZOS).save(path)
    assert Image.open(path).size == (size, size)
    print(f"{os.path.relpath(path, ROOT)}: {size} x {size}")


def icon_svg(path):
    """The same icon as scalable vector graphics, from the same design."""
    x, y, s = ICON_TREE
    line = s * 0.12 * SS // 1 / SS  # the line width the bitmaps are drawn with
    hexc = "#%02x%02x%02x"
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{ICON_UNITS}" height="{ICON_UNITS}" '
           f'viewBox="0 0 {ICON_UNITS} {ICON_UNITS}">',
           f'  <rect x="3" y="3" width="57" height="57" rx="11" ry="11" fill="{hexc % LIGHT_BLUE}" '
           f'stroke="{hexc % TREE}" stroke-width="2"/>',
           f'  <g fill="none" stroke="{hexc % TREE}" stroke-width="{line:g}" stroke-linejoin="round">']
    for (ax, ay), (bx, by) in tree_links(x, y, s):
        my = (ay + by) / 2
        out.append(f'    <polyline points="{ax:g},{ay:g} {ax:g},{my:g} {bx:g},{my:g} {bx:g},{by:g}"/>')
    out.append('  </g>')
    out.append(f'  <g fill="#ffffff" stroke="{hexc % TREE}" stroke-width="{line:g}">')
    for (cx, cy), r in tree_nodes(x, y, s):
        out.append(f'    <circle cx="{cx:g}" cy="{cy:g}" r="{r - line / 2:g}"/>')
    out.append('  </g>')
    out.append('</svg>')
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    print(f"{os.path.relpath(path, ROOT)}")


def desktop_icons():
    """The icons of the installed program, in the hicolor theme's layout."""
    for size in ICON_SIZES:
        folder = os.path.join(DIST_ICONS, "hicolor", f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        icon(os.path.join(folder, f"{APP_ID}.png"), size)
    folder = os.path.join(DIST_ICONS, "hicolor", "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    icon_svg(os.path.join(folder, f"{APP_ID}.svg"))


def main():
    if sys.argv[1:] == ["--icons"]:  # the icons alone need no special fonts
        os.makedirs(APP_IMAGES, exist_ok=True)
        icon(os.path.join(APP_IMAGES, "icon.png"))
        desktop_icons()
        return
    os.makedirs(SCRIPT_IMAGES, exist_ok=True)
    os.makedirs(APP_IMAGES, exist_ok=True)
    out = lambda n: os.path.join(SCRIPT_IMAGES, f"schriften{n}.gif")  # noqa: E731
    gothic_chart(out(1))
    if "--only-1" in sys.argv:
        return
    kurrent_chart(out(2), (624, 609), list("abcdefghijklmnopq"), kurrent.LOWER, 5, 4,
                  "Kurrentschrift: Kleinbuchstaben a – q", unit=40, cap_room=2.5)
    kurrent_chart(out(3), (624, 591), ["r", "ſ", "s", "t", "u", "v", "w", "x", "y", "z", "ß"],
                  kurrent.LOWER, 4, 3, "Kurrentschrift: Kleinbuchstaben r – z",
                  unit=40, cap_room=2.5)
    kurrent_chart(out(4), (548, 613), list("ABCDEFG"), kurrent.UPPER, 3, 3,
                  "Kurrentschrift: A – G", unit=40, cap_room=2.9)
    kurrent_chart(out(5), (624, 614), list("HIJKLMNOPQ"), kurrent.UPPER, 4, 3,
                  "Kurrentschrift: H – Q", unit=36, cap_room=2.9)
    kurrent_chart(out(6), (624, 642), list("RSTUVWXYZ"), kurrent.UPPER, 3, 3,
                  "Kurrentschrift: R – Z", unit=40, cap_room=2.9)
    glagolitic_chart(out(7))
    logo(os.path.join(APP_IMAGES, "logo.gif"))
    icon(os.path.join(APP_IMAGES, "icon.png"))
    desktop_icons()


if __name__ == "__main__":
    main()
