#!/usr/bin/env python3
"""Draw the skin bitmaps and the window icon of wg.dll.

WG paints its windows and controls from a handful of bitmap resources: the
title bar of the skinned dialog and frame (3002), the push button (3003), the
check box (3004), the scroll bars (3008, 3012), the progress bar (3010) and so
on, plus the 32-bit shadow (3013) and tip card (3018) used by the layered
windows, and icon group 3017.  The controls cut fixed rectangles out of these
pictures, stretch one-pixel columns or rows, and treat magenta (255,0,255) as
transparent where they use TransparentBlt.  Drawing the art here, from code,
keeps every piece exactly where the controls look for it and lets anyone
re-draw the whole look in one place.

    python3 tools/make_skins.py OUTDIR

writes OUTDIR/3001.bmp ... 3015.bmp, 3018.bmp (24-bit, except 3013 and 3018:
32-bit with premultiplied alpha), OUTDIR/3017.ico (16, 32, 48 pixels) and
OUTDIR/preview.png (with --preview), a magnified contact sheet with a few assembled controls.
Standard library only.
"""
import math
import os
import struct
import sys
import zlib

PANEL = (236, 233, 216)      # panel and control background 0xd8e9ec
ELEMENT = (252, 252, 252)    # element background 0xFCFCFC
MAGENTA = (255, 0, 255)      # TransparentBlt key colour
WHITE, BLACK = (255, 255, 255), (0, 0, 0)
LINE_C8 = (200, 200, 200)    # thumb outline drawn by the scroll bars
MENU_HOT = (192, 192, 202)   # menu highlight 0xCAC0C0

# id -> (width, height, bits per pixel)
SIZES = {3001: (45, 42, 24), 3002: (300, 58, 24), 3003: (10, 37, 24),
         3004: (28, 68, 24), 3005: (9, 6, 24), 3006: (36, 18, 24),
         3007: (21, 22, 24), 3008: (17, 47, 24), 3009: (249, 77, 24),
         3010: (51, 42, 24), 3011: (17, 121, 24), 3012: (15, 41, 24),
         3013: (17, 17, 32), 3014: (2, 25, 24), 3015: (10, 9, 24),
         3018: (17, 28, 32)}


def lerp(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


# ----------------------------------------------------------------- canvas --
class Canvas:
    """A w x h grid of [r, g, b, a] pixels with a few drawing helpers."""

    def __init__(self, w, h, color=BLACK, alpha=255):
        self.w, self.h = w, h
        self.px = [[color[0], color[1], color[2], alpha] for _ in range(w * h)]

    def inside(self, x, y):
        return 0 <= x < self.w and 0 <= y < self.h

    def get(self, x, y):
        return tuple(self.px[y * self.w + x][:3])

    def get_alpha(self, x, y):
        return self.px[y * self.w + x][3]

    def set(self, x, y, c, a=255):
        if self.inside(x, y):
            self.px[y * self.w + x] = [c[0], c[1], c[2], a]

    def fill(self, x, y, w, h, c, a=255):
        for j in range(y, y + h):
            for i in range(x, x + w):
                self.set(i, j, c, a)

    def vgrad(self, x, y, w, h, c0, c1):
        for j in range(h):
            self.fill(x, y + j, w, 1, lerp(c0, c1, j / max(1, h - 1)))

    def blend(self, x, y, c, t):
        if self.inside(x, y):
            self.set(x, y, lerp(self.get(x, y), c, t))

    def line(self, x0, y0, x1, y1, c):
        """Horizontal or vertical line, both ends included."""
        self.fill(min(x0, x1), min(y0, y1), abs(x1 - x0) + 1, abs(y1 - y0) + 1, c)

    def round_outline(self, x, y, w, h, c, corner_bg=None):
        """1-pixel outline whose corner pixels are softened toward corner_bg."""
        self.line(x + 1, y, x + w - 2, y, c)
        self.line(x + 1, y + h - 1, x + w - 2, y + h - 1, c)
        self.line(x, y + 1, x, y + h - 2, c)
        self.line(x + w - 1, y + 1, x + w - 1, y + h - 2, c)
        for cx, cy in ((x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)):
            base = corner_bg if corner_bg else self.get(cx, cy)
            self.set(cx, cy, lerp(base, c, 0.45))

    def pattern(self, x, y, rows, palette):
        """Hand-made pixel art: palette maps a character to a colour, or to
        (colour, coverage) to blend; unknown characters are left alone."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                v = palette.get(ch)
                if v is None:
                    continue
                if isinstance(v[0], tuple):
                    self.blend(x + i, y + j, v[0], v[1])
                else:
                    self.set(x + i, y + j, v)

    def shade(self, x0, y0, w, h, sampler, ss=4):
        """Anti-aliased vector drawing: sampler(x, y) -> None or (rgb, alpha)
        for a point in canvas coordinates; ss x ss samples per pixel."""
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                base = self.get(x, y)
                acc = [0.0, 0.0, 0.0]
                for j in range(ss):
                    for i in range(ss):
                        s = sampler(x + (i + 0.5) / ss, y + (j + 0.5) / ss)
                        c = base if s is None else lerp(base, s[0], s[1])
                        for k in range(3):
                            acc[k] += c[k]
                n = ss * ss
                self.set(x, y, tuple(int(round(v / n)) for v in acc))


def in_round_rect(x, y, l, t, r, b, rad):
    """Point inside the rounded rectangle [l, r) x [t, b) of corner radius rad."""
    if not (l <= x < r and t <= y < b):
        return False
    cx = min(max(x, l + rad), r - rad)
    cy = min(max(y, t + rad), b - rad)
    return (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad


def seg_dist(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - ax - t * vx, py - ay - t * vy)


# ------------------------------------------------------------ small glyphs --
G = {  # '#' full ink, '+' half ink
    'min': ["........."] * 6 + [".#######.", ".#######.", "........."],
    'max': ["#########", "#########"] + ["#.......#"] * 6 + ["#########"],
    'close': ["#+.....+#", "+#+...+#+", ".+#+.+#+.", "..+#+#+..", "...+#+...",
              "..+#+#+..", ".+#+.+#+.", "+#+...+#+", "#+.....+#"],
    'restore': ["..#######", "..#######", "..#.....#", "#######.#", "#######.#",
                "#.....###", "#.....#..", "#.....#..", "#######.."],
    'W': ["#.......#", "#.......#", "#.......#", "#...#...#", "+#..#..#+",
          ".#.+#+.#.", ".#.#.#.#.", ".+#+.+#+.", "..#...#.."],
    'G': [".+###+", "+#...#", "#.....", "#.....", "#..###", "#....#",
          "#....#", "+#...#", ".+###+"],
    'C': [".####.", "##..##", "##....", "##....", "##..##", ".####."],
    'N': ["##..##", "###.##", "######", "##.###", "##..##", "##..##"],
}


def ink(cv, x, y, rows, color, shadow=0.0, keyed_bg=None):
    """Draw a '#'/'+' glyph with an optional soft shadow one pixel down-right.
    Over magenta the blend uses keyed_bg(y) as the colour underneath."""
    dots = [(i, j, 1 if ch == '#' else .5) for j, row in enumerate(rows)
            for i, ch in enumerate(row) if ch != '.']
    for d, c, k in ((1, BLACK, shadow), (0, color, 1)):
        for i, j, t in (dots if k else ()):
            px, py = x + i + d, y + j + d
            if cv.inside(px, py):
                base = cv.get(px, py)
                if base == MAGENTA and keyed_bg:
                    base = keyed_bg(py)
                cv.set(px, py, lerp(base, c, t * k))


# --------------------------------------------------------------- the icon --
def icon_rgba(s):
    """The WG mark: an amber rounded tile holding a small white window.
    Returns a Canvas with straight (not premultiplied) alpha."""
    u = s / 16.0
    cv = Canvas(s, s, BLACK, 0)
    top, bot, edge = (255, 200, 90), (236, 122, 22), (172, 82, 8)
    for y in range(s):
        for x in range(s):
            acc, cov, n = [0.0, 0.0, 0.0], 0.0, 4
            for j in range(n):
                for i in range(n):
                    X, Y = (x + (i + .5) / n) / u, (y + (j + .5) / n) / u
                    if not in_round_rect(X, Y, 1, 1, 15, 15, 3.2):
                        continue
                    e = 1.0 / u
                    if not in_round_rect(X, Y, 1 + e, 1 + e, 15 - e, 15 - e, 3.2 - e):
                        c = edge
                    elif 3 <= X < 13 and 4 <= Y < 12 and (Y < 6 or X < 4 or X >= 12 or Y >= 11):
                        c = WHITE   # a little window: title bar and frame
                    elif 5 <= X < 8 and 7 <= Y < 8 or 5 <= X < 10 and 9 <= Y < 10:
                        c = (255, 236, 200) if s >= 32 else lerp(top, bot, (Y - 1) / 14)
                    else:
                        c = lerp(top, bot, (Y - 1) / 14)
                    for k in range(3):
                        acc[k] += c[k]
                    cov += 1
            if cov:
                cv.set(x, y, tuple(int(round(v / cov)) for v in acc), int(round(255 * cov / n / n)))
    return cv


def put_icon(cv, x0, y0, icon):
    for y in range(icon.h):
        for x in range(icon.w):
            cv.blend(x0 + x, y0 + y, icon.get(x, y), icon.get_alpha(x, y) / 255)


# ------------------------------------------------------------ title (3002) --
ACTIVE = dict(line=(24, 54, 112), hi=(172, 210, 248), gloss=(114, 168, 234),
              top=(78, 134, 216), bot=(64, 118, 202), low=(46, 94, 178),
              border=(60, 112, 196), glyph=WHITE, shadow=.38)
INACTIVE = dict(line=(98, 108, 124), hi=(222, 227, 235), gloss=(184, 193, 207),
                top=(158, 169, 186), bot=(146, 158, 176), low=(128, 140, 158),
                border=(146, 156, 172), glyph=(242, 244, 248), shadow=.22)


def band(th, y):
    """Colour of title-bar row y (0..28): outline, gloss, a body symmetric
    about row 14 (so rows 7 and 21 match, as the restore looks share a row),
    then a darker foot and the outline."""
    if y <= 0 or y >= 28:
        return th['line']
    if y == 1:
        return th['hi']
    if y <= 6:
        return lerp(th['gloss'], th['top'], (y - 2) / 5)
    if y <= 21:   # symmetric about row 14: a button row r sits on title row 7 + r
        return lerp(th['top'], th['bot'], 1 - abs(y - 14) / 7)
    return lerp(th['top'], th['low'], (y - 21) / 6)


def title_button(cv, th, x0, y0, glyph, hover, width, close=False, keyed=False):
    """A 15-row title button whose row r is shown at title row 7 + r."""
    bg = lambda r: band(th, 7 + r)
    for r in range(15):
        cv.fill(x0, y0 + r, width, 1, MAGENTA if keyed else bg(r))
    if hover:  # rounded plate over columns 1..27, rows 1..13
        for r in range(1, 14):
            for c in range(1, 28):
                b = bg(r)
                if close:
                    face, edge = lerp((248, 112, 94), (206, 50, 38), (r - 1) / 12), (150, 32, 22)
                else:
                    face, edge = lerp(b, WHITE, .28), lerp(b, WHITE, .62)
                on_edge = r in (1, 13) or c in (1, 27)
                col = edge if on_edge else face
                if r in (1, 13) and c in (1, 27):
                    col = lerp(b, edge, .45)
                cv.set(x0 + c, y0 + r, col)
    ink(cv, x0 + 10, y0 + 3, G[glyph], th['glyph'], th['shadow'],
        keyed_bg=lambda py: bg((py - y0) % 29))


def skin_3002():
    """Title bar: two 29-row bands (active, inactive) with ends, buttons
    (normal strip at x 7..92, hover strip at x 99..183), restore looks,
    borders, logo and window icon."""
    cv = Canvas(300, 58, PANEL)
    icon16 = icon_rgba(16)
    for y0, th in ((0, ACTIVE), (29, INACTIVE)):
        for y in range(29):
            cv.fill(0, y0 + y, 300, 1, band(th, y))
        for x in range(8):  # rounded top corners of the left end and right cap
            for y in range(8):
                d = math.hypot(7 - x, 7 - y)
                for bx in (x, 98 - x):
                    if d > 7.5:
                        cv.set(bx, y0 + y, PANEL)
                    elif d > 6.5:
                        cv.set(bx, y0 + y, th['line'])
                    elif d > 5.5 and y < 4:
                        cv.set(bx, y0 + y, th['hi'])
        cv.fill(0, y0 + 8, 1, 21, th['line'])
        cv.fill(98, y0 + 8, 1, 21, th['line'])
        for i, g in enumerate(('min', 'max', 'close')):
            title_button(cv, th, 7 + 28 * i, y0 + 7, g, False, 30)
            title_button(cv, th, 99 + 28 * i, y0 + 7, g, True, 29, close=(g == 'close'))
        # restore looks: minimize (magenta keyed) at x 225, maximize at x 255;
        # normal rows 0..14, hover rows 14..28 (row 14 is shared)
        title_button(cv, th, 225, y0, 'restore', False, 30, keyed=True)
        title_button(cv, th, 225, y0 + 14, 'restore', True, 30, keyed=True)
        title_button(cv, th, 255, y0, 'restore', False, 30)
        title_button(cv, th, 255, y0 + 14, 'restore', True, 29)
        # borders: (184,0,4,1) sides, (188,1,1,4) bottom, corners at (184,1), (188,1)
        D, B = th['line'], th['border']
        pal = {'D': D, 'B': B}
        cv.pattern(184, y0, ["DBBD"], pal)
        cv.pattern(184, y0 + 1, ["DBBD", "DBBB", "DBBB", "DDDD"], pal)
        cv.pattern(188, y0 + 1, ["DBBD", "BBBD", "BBBD", "DDDD"], pal)
        # logo (193,5,33,16): the mark and "WG"; its last column stays plain
        put_icon(cv, 193, y0 + 5, icon16)
        ink(cv, 193 + 16, y0 + 5 + 3, G['W'], th['glyph'], th['shadow'])
        ink(cv, 193 + 26, y0 + 5 + 3, G['G'], th['glyph'], th['shadow'])
        for y in range(5, 21):
            cv.set(225, y0 + y, band(th, y))
        # window icon (284,7,20,20): the 16-pixel mark (the picture ends at x 299)
        for y in range(7, 27):
            cv.set(284, y0 + y, band(th, y))
        put_icon(cv, 284, y0 + 9, icon16)
    return cv


# ---------------------------------------------------------- controls ------
def skin_3001():
    """Warning picture: a rounded yellow triangle with an exclamation mark."""
    cv = Canvas(45, 42, PANEL)
    A, Bv, Cv = (22.5, 4.0), (4.0, 36.5), (41.0, 36.5)

    def tri_dist(x, y, grow):
        def side(p, q):
            return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
        s = [side(A, Bv), side(Bv, Cv), side(Cv, A)]
        if all(v <= 0 for v in s) or all(v >= 0 for v in s):
            return True
        d = min(seg_dist(x, y, *A, *Bv), seg_dist(x, y, *Bv, *Cv), seg_dist(x, y, *Cv, *A))
        return d <= grow

    def sampler(x, y):
        if seg_dist(x, y, 22.5, 14, 22.5, 25.5) <= 2.1 or math.hypot(x - 22.5, y - 31.2) <= 2.3:
            return (58, 42, 14), 1
        if tri_dist(x, y, 1.4):
            return lerp((255, 240, 140), (248, 186, 24), (y - 3) / 34), 1
        if tri_dist(x, y, 2.6):
            return (186, 122, 10), 1
        if tri_dist(x - 1.0, y - 1.6, 2.6):
            return BLACK, .16
        return None
    cv.shade(0, 0, 45, 42, sampler)
    return cv


BTN = {  # outline, face top, face bottom, inner highlight
    'normal': ((150, 150, 150), (250, 250, 250), (220, 220, 222), (255, 255, 255)),
    'hover': ((104, 104, 108), (255, 255, 255), (240, 243, 247), (255, 255, 255)),
}


def button_face(cv, x0, state):
    """5 x 19 face: 2-pixel left edge, 1-pixel middle, 2-pixel right edge.
    Its three corner pixels per corner are the panel colour."""
    o, t, b, hi = BTN[state]
    cv.vgrad(x0, 1, 5, 17, t, b)
    cv.fill(x0, 1, 5, 1, hi)
    cv.fill(x0, 0, 5, 1, o)
    cv.fill(x0, 18, 5, 1, o)
    cv.fill(x0, 0, 1, 19, o)
    cv.fill(x0 + 4, 0, 1, 19, o)
    for dx, dy in ((0, 0), (1, 0), (0, 1), (3, 0), (4, 0), (4, 1),
                   (0, 17), (0, 18), (1, 18), (3, 18), (4, 18), (4, 17)):
        cv.set(x0 + dx, dy, PANEL)
    for dx, dy in ((1, 1), (3, 1), (1, 17), (3, 17)):
        cv.set(x0 + dx, dy, o)


def skin_3003():
    """Push button: normal face x 0..4, hover face x 5..9 (rows 0..18);
    9 x 9 corner marks at (0,19) normal and (0,28) hover."""
    cv = Canvas(10, 37, PANEL)
    button_face(cv, 0, 'normal')
    button_face(cv, 5, 'hover')
    for y0, state, ink_c in ((19, 'normal', (58, 108, 190)), (28, 'hover', (30, 128, 236))):
        o, t, b, _ = BTN[state]
        for r in range(9):   # background = the face at button rows 9..17
            cv.fill(0, y0 + r, 9, 1, lerp(t, b, (9 + r - 1) / 16))
        cv.set(0, y0 + 8, o)
        for r in range(6):   # a small corner flag pointing into the corner
            for c in range(r + 1):
                cv.set(1 + c, y0 + 2 + r, ink_c)
            cv.blend(2 + r, y0 + 2 + r, ink_c, .45)
    return cv


def check_box(cv, x, y, disabled, vip):
    o = (200, 200, 200) if disabled else (112, 130, 156)
    if disabled:
        cv.fill(x + 1, y + 1, 10, 10, (242, 242, 242))
    else:
        cv.vgrad(x + 1, y + 1, 10, 10, (218, 223, 231), (255, 255, 255))
        cv.fill(x + 1, y + 1, 10, 1, (206, 212, 222))
    cv.round_outline(x, y, 12, 12, o, corner_bg=PANEL)
    if vip:
        yc = (236, 214, 140) if disabled else (250, 190, 0)
        cv.pattern(x + 1, y + 7, ["#...", "##..", "###.", "####"], {'#': yc})


def skin_3004():
    """Check box: four 17-row bands (normal, disabled, VIP, VIP disabled);
    empty box x 0..11 (face from row 3), ticked cell x 12..27, magenta key."""
    cv = Canvas(28, 68, MAGENTA)
    for band_i in range(4):
        y0, disabled, vip = band_i * 17, band_i in (1, 3), band_i >= 2
        check_box(cv, 0, y0 + 3, disabled, vip)
        check_box(cv, 12, y0 + 3, disabled, vip)
        core, edge = ((168, 168, 168), (138, 138, 138)) if disabled else \
            ((52, 170, 60), (20, 104, 30))
        for j in range(17):
            for i in range(16):
                px, py = i + .5, j + .5
                d = min(seg_dist(px, py, 3.2, 8.6, 6.2, 11.6), seg_dist(px, py, 6.2, 11.6, 14.2, 1.8))
                if d <= 1.0:
                    cv.set(12 + i, y0 + j, core)
                elif d <= 1.7:
                    cv.set(12 + i, y0 + j, edge)
    return cv


def skin_3005():
    """Combo arrow: a dark down-pointing triangle on the element background."""
    cv = Canvas(9, 6, ELEMENT)
    cv.pattern(0, 0, [".........", "+#######+", ".+#####+.", "..+###+..", "...+#+...", "....+...."],
               {'#': (72, 72, 72), '+': ((72, 72, 72), .45)})
    return cv


def skin_3006():
    """Add and delete icons: green disc with a plus, red disc with a cross."""
    cv = Canvas(36, 18, ELEMENT)
    for x0, top, bot, edge, rot in ((0, (132, 206, 98), (44, 146, 40), (30, 108, 30), 0),
                                    (18, (246, 118, 102), (204, 44, 34), (148, 26, 18), 45)):
        ca, sa = math.cos(math.radians(rot)), math.sin(math.radians(rot))

        def sampler(x, y, x0=x0, top=top, bot=bot, edge=edge, ca=ca, sa=sa):
            dx, dy = x - x0 - 9, y - 9
            r = math.hypot(dx, dy)
            if r > 8.2:
                return None
            u, v = dx * ca + dy * sa, -dx * sa + dy * ca
            if (abs(u) <= 1.2 and abs(v) <= 4.6) or (abs(v) <= 1.2 and abs(u) <= 4.6):
                return WHITE, 1
            return (edge, 1) if r > 7.2 else (lerp(top, bot, (y - 1) / 16), 1)
        cv.shade(x0, 0, 18, 18, sampler)
    return cv


def label_face(y):
    """Label bar row colour: light beige, brightest along the middle rows."""
    return lerp((234, 226, 196), (253, 251, 240), 1 - abs(y - 10.5) / 9.5)


def skin_3007():
    """Label bar (x 0..10: ends 0..4 and 6..10, middle 5) and two 10 x 10
    squares at x 11: green with C (rows 0..9), red with N (rows 10..19)."""
    cv = Canvas(21, 22, PANEL)
    for y in range(1, 21):
        cv.fill(0, y, 11, 1, label_face(y))
    cv.round_outline(0, 0, 11, 22, (200, 188, 148), corner_bg=PANEL)
    for y0, top, bot, edge, letter in ((0, (112, 200, 92), (48, 150, 44), (34, 114, 32), 'C'),
                                       (10, (240, 104, 88), (200, 44, 34), (146, 28, 20), 'N')):
        cv.vgrad(11, y0, 10, 10, top, bot)
        cv.round_outline(11, y0, 10, 10, edge)
        for cx, cy in ((11, 0), (20, 0), (11, 9), (20, 9)):  # corners over the bar
            cv.set(cx, y0 + cy, lerp(label_face(cy + 2), edge, .45))
        ink(cv, 13, y0 + 2, G[letter], WHITE)
    cv.fill(11, 20, 10, 2, PANEL)
    return cv


SCROLL_FACE = ((252, 252, 252), (230, 230, 232))


def scroll_parts(cv, x0, w, bg):
    """Up button rows 0..14, thumb grip rows 15..25 (row 17 plain body),
    down button rows 26..40, w columns wide from x0."""
    for y0, up in ((0, True), (26, False)):
        cv.vgrad(x0 + 1, y0 + 1, w - 2, 13, *SCROLL_FACE)
        cv.round_outline(x0, y0, w, 15, LINE_C8, corner_bg=bg)
        cx = x0 + (w - 8) // 2
        rows = ["...##...", "..####..", ".######.", "########"]
        cv.pattern(cx, y0 + 5, rows if up else rows[::-1], {'#': (96, 96, 100)})
    for y in range(15, 26):   # thumb body columns: outline, highlight, face, shade, outline
        cv.fill(x0, y, w, 1, (236, 236, 238))
        cv.set(x0, y, LINE_C8)
        cv.set(x0 + 1, y, WHITE)
        cv.set(x0 + w - 2, y, (222, 222, 226))
        cv.set(x0 + w - 1, y, LINE_C8)
    for y in (18, 20, 22):    # three grooves
        cv.fill(x0 + 4, y, w - 8, 1, (172, 172, 178))
        cv.fill(x0 + 4, y + 1, w - 8, 1, WHITE)


def skin_3008():
    """List: caption strip (column 0, rows 0..19) and a 15-wide scroll bar at x 2."""
    cv = Canvas(17, 47, ELEMENT)
    cv.set(0, 0, WHITE)
    cv.vgrad(0, 1, 1, 18, (250, 250, 250), (228, 228, 230))
    cv.set(0, 19, (220, 220, 222))
    scroll_parts(cv, 2, 15, ELEMENT)
    return cv


def gear_inside(x, y, cx, cy, teeth, rp, m, rot, shrink=0.0):
    r = math.hypot(x - cx, y - cy)
    root, tip = rp - 0.8 * m - shrink, rp + 0.8 * m - shrink
    if r <= root:
        return True
    if r > tip:
        return False
    p = ((math.atan2(y - cy, x - cx) - rot) * teeth / (2 * math.pi)) % 1.0
    p = min(p, 1 - p)  # distance in tooth pitches from the nearest tooth centre
    half = 0.31 + (0.19 - 0.31) * (r - root) / (tip - root)
    return p <= half - shrink * teeth / (2 * math.pi * max(r, 1))


def skin_3009():
    """Loop gear: three 83 x 77 frames of a dark and a light gear in mesh,
    each turned a third of a tooth further so the loop is seamless."""
    cv = Canvas(249, 77, PANEL)
    n1, n2, m = 12, 8, 3.6
    rp1, rp2 = m * n1 / 2, m * n2 / 2
    c1 = (31.0, 44.0)
    ang = math.radians(-40)
    c2 = (c1[0] + (rp1 + rp2) * math.cos(ang), c1[1] + (rp1 + rp2) * math.sin(ang))
    dark = dict(edge=(44, 52, 64), body=(82, 94, 112), ring=(66, 76, 92), hub=(128, 140, 158))
    light = dict(edge=(132, 140, 152), body=(214, 219, 226), ring=(190, 197, 207), hub=(240, 242, 246))
    for f in range(3):
        rot1 = ang + f * (2 * math.pi / n1) / 3
        rot2 = ang + math.pi + math.pi / n2 - f * (2 * math.pi / n2) / 3

        def sampler(x, y, rot1=rot1, rot2=rot2, ox=f * 83):
            x -= ox
            for (cx, cy), n, rp, rot, pal in ((c2, n2, rp2, rot2, light), (c1, n1, rp1, rot1, dark)):
                if not gear_inside(x, y, cx, cy, n, rp, m, rot):
                    continue
                r = math.hypot(x - cx, y - cy)
                if r < 3.2:
                    return None if r < 2.2 else (pal['edge'], 1)
                if not gear_inside(x, y, cx, cy, n, rp, m, rot, 1.1):
                    return pal['edge'], 1
                if r < rp * 0.34:
                    return pal['hub'], 1
                if r < rp * 0.62:   # recessed web with four round holes
                    a = math.atan2(y - cy, x - cx) - rot
                    near = min(abs(((a + k * math.pi / 2) + math.pi) % (2 * math.pi) - math.pi)
                               for k in range(4))
                    if near * rp * .48 < rp * .11 and abs(r - rp * .48) < rp * .11:
                        return lerp(pal['ring'], PANEL, .75), 1
                    return pal['ring'], 1
                return pal['body'], 1
            return None
        cv.shade(f * 83, 0, 83, 77, sampler, ss=3)
    return cv


def skin_3010():
    """Progress bar: frame x 0..4 rows 0..26; green rows 0..20 and red rows
    21..41 from x 5: fill column, 42-pixel shine, 3-pixel end cap."""
    cv = Canvas(51, 42, PANEL)
    o = (142, 152, 166)
    col = [o, (196, 200, 206), (222, 224, 228)] + [(247, 247, 247)] * 21 + \
          [(240, 240, 240), (250, 250, 250), o]
    for y, c in enumerate(col):
        cv.fill(0, y, 5, 1, c)
    cv.fill(0, 1, 1, 25, o)
    cv.fill(4, 1, 1, 25, o)
    cv.fill(1, 1, 1, 25, (196, 200, 206))
    cv.fill(3, 1, 1, 25, (244, 244, 244))
    for x, y in ((0, 0), (4, 0), (0, 26), (4, 26)):
        cv.set(x, y, lerp(PANEL, o, .45))
    for y0, hi, mid, lo, deep in ((0, (176, 240, 150), (92, 204, 70), (50, 160, 42), (36, 126, 30)),
                                  (21, (255, 170, 156), (232, 82, 64), (188, 40, 30), (150, 26, 20))):
        for r in range(21):
            if r < 10:
                c = lerp(hi, mid, r / 9)
            else:
                c = lerp(lo, deep, (r - 10) / 10)
            cv.fill(5, y0 + r, 1, 1, c)
            cv.fill(48, y0 + r, 3, 1, c)           # end cap: plain fill
            for i in range(42):                     # shine: a soft bright sweep
                t = math.sin(math.pi * (i + .5) / 42) ** 2 * (.6 if r < 10 else .3)
                cv.set(6 + i, y0 + r, lerp(c, WHITE, t))
    return cv


def skin_3011():
    """Stand browse: knob rows 0..8 and a 112-row track with a sunken groove
    under the knob centre, end stops and a centre mark."""
    cv = Canvas(17, 121, PANEL)
    cv.vgrad(1, 1, 15, 7, (252, 252, 252), (206, 212, 222))
    cv.round_outline(0, 0, 17, 9, (104, 116, 136), corner_bg=PANEL)
    cv.fill(1, 1, 15, 1, WHITE)
    cv.fill(4, 4, 9, 1, (104, 116, 136))
    cv.fill(4, 5, 9, 1, WHITE)
    t0 = 9  # track row 0; knob travel puts its centre on track rows 4..104
    cv.fill(5, t0 + 2, 1, 105, (132, 138, 150))
    cv.fill(6, t0 + 2, 1, 105, (184, 188, 196))
    cv.fill(7, t0 + 2, 1, 105, WHITE)
    cv.fill(2, t0, 9, 1, (104, 116, 136))          # end stops
    cv.fill(2, t0 + 1, 9, 1, (150, 160, 176))
    cv.fill(2, t0 + 107, 9, 2, (104, 116, 136))
    for dx in (1, 2, 3, 9, 10, 11):   # centre mark on track row 54
        cv.set(dx, t0 + 54, (90, 100, 120))
    return cv


def skin_3012():
    """Text-area and combo-list scroll bar, 14 columns used (x 0..13)."""
    cv = Canvas(15, 41, ELEMENT)
    scroll_parts(cv, 0, 14, ELEMENT)
    return cv


def shadow_alpha(x, y, inner, widths, peaks):
    """Alpha of a soft shadow around the inner rectangle (l, t, r, b inclusive):
    the innermost band pixel has the side's peak, the outermost 0, linear
    in between; corners are rounded."""
    def depth(v, lo, hi, wlo, whi, plo, phi):   # 0 innermost .. 1 outermost
        if v < lo:
            return (lo - v - 1) / (wlo - 1), plo
        return ((v - hi - 1) / (whi - 1), phi) if v > hi else (None, 0)
    (l, t, r, b), (wl, wt, wr, wb), (pl, pt, pr, pb) = inner, widths, peaks
    nx, px = depth(x, l, r, wl, wr, pl, pr)
    ny, py = depth(y, t, b, wt, wb, pt, pb)
    if nx is None and ny is None:
        return 0
    if ny is None:
        n, p = nx, px
    elif nx is None:
        n, p = ny, py
    else:
        n = math.hypot(nx, ny)
        p = (px + py) / 2 if nx + ny == 0 else (px * nx + py * ny) / (nx + ny)
    return int(round(p * max(0.0, 1 - n)))


def skin_3013():
    """Window shadow nine-patch: premultiplied black, alpha 52 three pixels in
    on the top and left, 130 five pixels in on the bottom and right, 0 inside."""
    cv = Canvas(17, 17, BLACK, 0)
    for y in range(17):
        for x in range(17):
            cv.set(x, y, BLACK, shadow_alpha(x, y, (3, 3, 11, 11), (3, 3, 5, 5), (52, 52, 130, 130)))
    return cv


def skin_3014():
    """Menu bar: column 0 light grey with a grey top line, column 1 the dark
    purple gradient behind the hot caption."""
    cv = Canvas(2, 25, WHITE)
    cv.set(0, 0, (160, 160, 164))
    cv.set(1, 0, (160, 160, 164))
    cv.set(0, 1, WHITE)
    cv.vgrad(0, 2, 1, 23, (246, 246, 246), (222, 222, 224))
    cv.set(1, 1, (150, 124, 194))
    cv.vgrad(1, 2, 1, 23, (118, 88, 166), (62, 34, 102))
    return cv


def skin_3015():
    """Submenu arrow: two 5 x 9 cells, normal on the menu background and
    highlighted on the menu highlight colour."""
    cv = Canvas(10, 9, ELEMENT)
    cv.fill(5, 0, 5, 9, MENU_HOT)
    rows = ["#+..", "##+.", "###+", "####", "###+", "##+.", "#+.."]
    cv.pattern(1, 1, rows, {'#': (80, 80, 84), '+': ((80, 80, 84), .5)})
    cv.pattern(6, 1, rows, {'#': (24, 24, 40), '+': ((24, 24, 40), .5)})
    return cv


def skin_3018():
    """Tip card: face columns 3..11, rows 3..22, white to (239,239,239) with
    softened corners, in a black shadow 3 pixels left/top and 5 right/bottom.
    Premultiplied alpha."""
    cv = Canvas(17, 28, BLACK, 0)
    ss = 4
    for y in range(28):
        for x in range(17):
            sh = shadow_alpha(x, y, (3, 3, 11, 22), (3, 3, 5, 5), (46, 46, 104, 104))
            cov = sum(in_round_rect(x + (i + .5) / ss, y + (j + .5) / ss, 3, 3, 12, 23, 2.8)
                      for j in range(ss) for i in range(ss)) / (ss * ss)
            if cov == 0:
                cv.set(x, y, BLACK, sh)
                continue
            f = lerp(WHITE, (239, 239, 239), (y - 3) / 19)
            a = cov * 255 + (1 - cov) * sh
            cv.set(x, y, tuple(int(round(v * cov)) for v in f), int(round(a)))
    return cv


SKINS = {3001: skin_3001, 3002: skin_3002, 3003: skin_3003, 3004: skin_3004,
         3005: skin_3005, 3006: skin_3006, 3007: skin_3007, 3008: skin_3008,
         3009: skin_3009, 3010: skin_3010, 3011: skin_3011, 3012: skin_3012,
         3013: skin_3013, 3014: skin_3014, 3015: skin_3015, 3018: skin_3018}


# ---------------------------------------------------------------- writers --
def bmp_bytes(cv, bpp):
    """Windows BMP: BITMAPINFOHEADER, BI_RGB, bottom-up rows padded to 4 bytes."""
    stride = (cv.w * bpp // 8 + 3) & ~3
    rows = []
    for y in range(cv.h - 1, -1, -1):     # bottom-up
        row = bytearray()
        for x in range(cv.w):
            r, g, b, a = cv.px[y * cv.w + x]
            row += bytes((b, g, r, a)) if bpp == 32 else bytes((b, g, r))
        rows.append(bytes(row) + b'\0' * (stride - len(row)))
    data = b''.join(rows)
    info = struct.pack('<IiiHHIIiiII', 40, cv.w, cv.h, 1, bpp, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    return head + info + data


def ico_bytes(images):
    """Icon file: one 32-bit BGRA image with an AND mask per size."""
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for cv in images:
        s = cv.w
        xor = b''.join(bytes((r[2], r[1], r[0], r[3]))   # BGRA, straight alpha, bottom-up
                       for y in range(s - 1, -1, -1) for r in cv.px[y * s:(y + 1) * s])
        mstride = ((s + 31) // 32) * 4
        mask = bytearray()
        for y in range(s - 1, -1, -1):
            row = bytearray(mstride)
            for x in range(s):
                if cv.px[y * s + x][3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        blob = struct.pack('<IiiHHIIiiII', 40, s, 2 * s, 1, 32, 0, len(xor) + len(mask),
                           0, 0, 0, 0) + xor + bytes(mask)
        entries += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return struct.pack('<HHH', 0, 1, len(images)) + entries + blobs


def png_bytes(w, h, rgb_rows):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + \
            struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)
    raw = b''.join(b'\0' + bytes(row) for row in rgb_rows)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def check(skins):
    """Self-check of sizes, depths and the pixels the controls rely on."""
    for sid, (w, h, bpp) in SIZES.items():
        cv = skins[sid]
        assert (cv.w, cv.h) == (w, h), (sid, cv.w, cv.h)
        assert bpp == 24 or all(p[c] <= p[3] for p in cv.px for c in range(3)), sid
    btn = skins[3003]
    for x0 in (0, 5):
        for dx, dy in ((0, 0), (1, 0), (0, 1), (4, 0), (3, 0), (4, 1), (0, 18), (4, 18)):
            assert btn.get(x0 + dx, dy) == PANEL, ('3003 corner', x0 + dx, dy)
    title = skins[3002]
    for y0, th in ((0, ACTIVE), (29, INACTIVE)):
        for y in range(29):   # the stretched middle column is the plain band
            assert title.get(6, y0 + y) == band(th, y)
        for x in (7, 35, 36, 63, 64, 99, 127, 155, 183):  # overlapping button columns
            assert all(title.get(x, y0 + y) == band(th, y) for y in range(7, 22)), x
        assert all(title.get(225, y0 + y) == band(th, y) for y in range(5, 21))  # logo edge
    sh = skins[3013]
    assert sh.get_alpha(2, 8) == 52 and sh.get_alpha(8, 2) == 52
    assert sh.get_alpha(12, 8) == 130 and sh.get_alpha(8, 12) == 130
    assert sh.get_alpha(0, 8) == 0 and sh.get_alpha(16, 8) == 0
    assert all(sh.get_alpha(x, y) == 0 for x in range(3, 12) for y in range(3, 12))
    chk = skins[3004]
    for b in range(4):
        assert chk.get(27, b * 17 + 16) == MAGENTA and MAGENTA not in \
            [chk.get(x, b * 17 + 3 + y) for x in range(12) for y in range(12)]
    assert skins[3002].get(225, 0) == MAGENTA   # minimize-restore look is keyed
    tip = skins[3018]
    assert tip.px[12 * 17 + 3][:4] == tip.px[12 * 17 + 8][:4] and tip.get_alpha(3, 12) == 255


# ---------------------------------------------------------------- preview --
DIGITS = ["111101101101111", "010110010010111", "111001111100111", "111001111001111",
          "101101111001001", "111100111001111", "111100111101111", "111001001010010",
          "111101111101111", "111101111001111"]


def flat(cv, kind):
    """Opaque RGB view of a skin: 24-bit as is, 32-bit over a checkerboard."""
    out = Canvas(cv.w, cv.h)
    for y in range(cv.h):
        for x in range(cv.w):
            r, g, b, a = cv.px[y * cv.w + x]
            bg = (204, 204, 204) if (x // 4 + y // 4) % 2 else (255, 255, 255)
            if kind == 24:
                out.set(x, y, (r, g, b))
            elif kind == 'premul':
                out.set(x, y, tuple(min(255, int(c + bg[i] * (1 - a / 255))) for i, c in enumerate((r, g, b))))
            else:
                out.set(x, y, lerp(bg, (r, g, b), a / 255))
    return out


def blit(dst, src, sx, sy, sw, sh, dx, dy, dw=None, dh=None, key=None, premul=False):
    """Nearest-neighbour StretchBlt / TransparentBlt / AlphaBlend stand-in."""
    dw, dh = dw or sw, dh or sh
    for j in range(dh):
        for i in range(dw):
            x, y = sx + i * sw // dw, sy + j * sh // dh
            if not src.inside(x, y) or not dst.inside(dx + i, dy + j):
                continue
            c = src.get(x, y)
            if key and c == key:
                continue
            if premul:
                a = src.get_alpha(x, y) / 255
                base = dst.get(dx + i, dy + j)
                c = tuple(min(255, int(c[k] + base[k] * (1 - a))) for k in range(3))
            dst.set(dx + i, dy + j, c)


def hslice(dst, src, sx, sy, left, right, h, dx, dy, w, dh=None):
    """Left edge, stretched one-pixel middle column, right edge."""
    dh = dh or h
    blit(dst, src, sx, sy, left, h, dx, dy, left, dh)
    blit(dst, src, sx + left, sy, 1, h, dx + left, dy, w - left - right, dh)
    blit(dst, src, sx + left + 1, sy, right, h, dx + w - right, dy, right, dh)


def title_mock(cv, a, X, Y, W, H, row, frame, extra=()):
    """Title bar (and, with a height, the borders) put together like the
    dialog's (frame=False) or the frame window's (frame=True) painter."""
    if frame:
        mid, pieces = W - 92, [(7, 0, 92, 29, W - 92, 0), (284, 7, 20, 20, 7, 7)]
    else:
        mid, pieces = W - 36, [(7, 7, 30, 15, W - 92, 7), (35, 7, 30, 15, W - 64, 7),
                               (63, 0, 36, 29, W - 36, 0), (193, 5, 33, 16, 7, 5)]
    blit(cv, a, 0, row, 6, 29, X, Y)
    blit(cv, a, 6, row, 1, 29, X + 6, Y, mid, 29)
    for sx, sy, sw, sh, dx, dy in pieces + list(extra):
        blit(cv, a, sx, sy + row, sw, sh, X + dx, Y + dy)
    if H:
        cv.fill(X + 4, Y + 29, W - 8, H - 33, PANEL)
        blit(cv, a, 184, row, 4, 1, X, Y + 29, 4, H - 33)
        blit(cv, a, 184, row, 4, 1, X + W - 4, Y + 29, 4, H - 33)
        blit(cv, a, 188, row + 1, 1, 4, X + 4, Y + H - 4, W - 8, 4)
        blit(cv, a, 184, row + 1, 4, 4, X, Y + H - 4)
        blit(cv, a, 188, row + 1, 4, 4, X + W - 4, Y + H - 4)


def nine(cv, src, X, Y, W, H, pieces):
    for sx, sy, sw, sh, dx, dy, dw, dh in pieces(W, H):
        blit(cv, src, sx, sy, sw, sh, X + dx, Y + dy, dw, dh, premul=True)


def mocks(s):
    """A few controls assembled from the same cuts the library uses."""
    cv = Canvas(640, 250, PANEL)
    # message box in an active dialog (close hovered) and two frame titles
    title_mock(cv, s[3002], 10, 10, 300, 140, 0, False, [(155, 7, 29, 15, 300 - 36, 7)])
    blit(cv, s[3001], 0, 0, 45, 42, 19, 49)
    blit(cv, s[3004], 12, 0, 16, 17, 74, 79, key=MAGENTA)
    blit(cv, s[3004], 0, 3, 12, 12, 144, 82)
    for i, x0 in enumerate((20, 94, 168)):
        hslice(cv, s[3003], 5 if i == 1 else 0, 0, 2, 2, 19, x0, 104, 72)
    blit(cv, s[3003], 0, 19, 9, 9, 21, 113)
    title_mock(cv, s[3002], 320, 10, 310, 0, 29, True, [(99, 7, 29, 15, 310 - 92, 7)])
    title_mock(cv, s[3002], 320, 45, 310, 0, 0, True, [(255, 14, 29, 15, 310 - 64, 7)])
    # progress bars: green 50 % with the shine mid-way, red 80 % at the end
    for y, r, pct, sx in ((90, 0, 50, 40), (122, 21, 80, 150)):
        hslice(cv, s[3010], 0, 0, 2, 2, 27, 320, y, 206)
        f = 200 * pct // 100
        blit(cv, s[3010], 5, r, 1, 21, 323, y + 3, f, 21)
        blit(cv, s[3010], 6, r, min(42, f + 3 - sx), 21, 320 + sx, y + 3)
    # label with its copy square, a 60 x 38 hover button, a hot menu-bar caption
    hslice(cv, s[3007], 0, 0, 5, 5, 22, 320, 160, 140)
    blit(cv, s[3007], 11, 0, 10, 10, 320 + 140 - 14, 162)
    hslice(cv, s[3003], 5, 0, 2, 2, 19, 480, 154, 60, 38)
    blit(cv, s[3014], 0, 0, 1, 25, 320, 200, 300, 25)
    blit(cv, s[3014], 1, 0, 1, 25, 380, 200, 50, 25)
    # tip card 96 x 44, window shadow around a 90 x 50 box, stand browse
    nine(cv, s[3018], 10, 170, 96, 44, lambda W, H: [
        (0, 0, 8, 13, 0, 0, 8, 13), (9, 0, 8, 13, W - 8, 0, 8, 13), (8, 0, 1, 13, 8, 0, W - 16, 13),
        (0, 12, 3, 1, 0, 13, 3, H - 28), (12, 12, 5, 1, W - 5, 13, 5, H - 28),
        (3, 12, 1, 1, 3, 13, W - 8, H - 28), (0, 13, 8, 15, 0, H - 15, 8, 15),
        (9, 13, 8, 15, W - 8, H - 15, 8, 15), (8, 13, 1, 15, 8, H - 15, W - 16, 15)])
    nine(cv, s[3013], 130, 170, 98, 58, lambda W, H: [
        (0, 0, 8, 8, 0, 0, 8, 8), (9, 0, 8, 8, W - 8, 0, 8, 8), (0, 9, 8, 8, 0, H - 8, 8, 8),
        (9, 9, 8, 8, W - 8, H - 8, 8, 8), (8, 0, 1, 3, 8, 0, W - 16, 3),
        (8, 12, 1, 5, 8, H - 5, W - 16, 5), (0, 8, 3, 1, 0, 8, 3, H - 16),
        (12, 8, 5, 1, W - 5, 8, 5, H - 16)])
    cv.fill(133, 173, 90, 50, ELEMENT)
    for x0, sk, sxx in ((250, 3008, 2), (272, 3012, 0)):   # scroll bars, thumb 30 high
        cv.fill(x0, 160, 15, 80, ELEMENT)
        blit(cv, s[sk], sxx, 17, 15, 1, x0, 185, 15, 30)
        blit(cv, s[sk], sxx, 15, 15, 11, x0, 194)
        cv.fill(x0, 185, 15, 1, LINE_C8)
        cv.fill(x0, 214, 15, 1, LINE_C8)
        blit(cv, s[sk], sxx, 0, 15, 15, x0, 160)
        blit(cv, s[sk], sxx, 26, 15, 15, x0, 225)
    return cv


PREVIEW_SCALE = {3002: 4, 3009: 4, 0: 2}


def preview(skins, icons, path, width=1320):
    """Contact sheet: every skin magnified (alpha ones on a checkerboard),
    the icon at its three sizes, then the assembled controls."""
    items = [(sid, flat(skins[sid], 'premul' if SIZES[sid][2] == 32 else 24)) for sid in SIZES]
    items += [(3017, flat(ic, 'icon')) for ic in icons]
    items.append((0, mocks(skins)))
    x, y, shelf, placed = 10, 10, 0, []
    for sid, cv in items:
        sc = PREVIEW_SCALE.get(sid, 5 if cv.h < 100 else 4)
        w, h = cv.w * sc, cv.h * sc + 14
        if x + w > width - 10:
            x, y, shelf = 10, y + shelf + 16, 0
        placed.append((sid, cv, sc, x, y))
        x, shelf = x + w + 20, max(shelf, h)
    H = y + shelf + 10
    sheet = Canvas(width, H, (58, 62, 70))
    for sid, cv, sc, x, y in placed:
        for k, ch in enumerate(str(sid) if sid else ''):
            bits = DIGITS[int(ch)]
            for j in range(5):
                for i in range(3):
                    if bits[j * 3 + i] == '1':
                        sheet.fill(x + k * 8 + i * 2, y + j * 2, 2, 2, (230, 230, 230))
        for yy in range(cv.h):
            for xx in range(cv.w):
                sheet.fill(x + xx * sc, y + 14 + yy * sc, sc, sc, cv.get(xx, yy))
    rows = [[v for x in range(width) for v in sheet.px[y * width + x][:3]] for y in range(H)]
    with open(path, 'wb') as f:
        f.write(png_bytes(width, H, rows))


def main(argv):
    args = [a for a in argv[1:] if a != '--preview']
    if len(args) != 1:
        sys.stderr.write('usage: make_skins.py [--preview] OUTDIR\n')
        return 2
    out = args[0]
    os.makedirs(out, exist_ok=True)
    skins = {sid: fn() for sid, fn in SKINS.items()}
    check(skins)
    for sid, cv in skins.items():
        data = bmp_bytes(cv, SIZES[sid][2])
        w, h, planes, bpp = struct.unpack('<iiHH', data[18:30])   # read the header back
        assert (w, h, bpp) == SIZES[sid] and planes == 1
        assert len(data) == 54 + h * ((w * bpp // 8 + 3) & ~3)
        with open(os.path.join(out, '%d.bmp' % sid), 'wb') as f:
            f.write(data)
    icons = [icon_rgba(s) for s in (16, 32, 48)]
    ico = ico_bytes(icons)
    assert struct.unpack('<HHH', ico[:6]) == (0, 1, 3)
    with open(os.path.join(out, '3017.ico'), 'wb') as f:
        f.write(ico)
    if '--preview' in argv:   # slow; only when a person wants to look
        preview(skins, icons, os.path.join(out, 'preview.png'))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
