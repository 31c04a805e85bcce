#!/usr/bin/env python3
"""Real input on a real screen: drives the gallery through the X server as a
person would (xdotool moves the pointer, clicks and presses keys) and after
each step checks what a person would see: the X server's screen against the
gallery's own rendering of its windows, and the gallery's state (titles,
summary line, clipboard, window rectangles), both written by the gallery's
probe (demo/gallery_probe.h) on request.

It grows with later work: a tip seen on the screen, text typed with real key
events.

    drive_gallery.py GALLERY_EXE WORKDIR

It runs only on the virtual display of tools/with-display (WG_IN_DISPLAY),
and exits 77 (skipped) elsewhere rather than take a person's mouse.

Every wait polls up to a deadline, so a window that never appears fails the
step with a message instead of hanging; on a screen mismatch the expected and
the actual pictures are left in WORKDIR.
"""
import ctypes
import ctypes.util
import os
import shutil
import struct
import subprocess
import sys
import time
import zlib

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tools')
DEADLINE = 10.0   # seconds a step may take to show; the gallery answers in ~0.1 s


class Failure(Exception):
    pass


class XImage(ctypes.Structure):
    _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int),
                ('format', ctypes.c_int), ('data', ctypes.c_void_p), ('byte_order', ctypes.c_int),
                ('bitmap_unit', ctypes.c_int), ('bitmap_bit_order', ctypes.c_int),
                ('bitmap_pad', ctypes.c_int), ('depth', ctypes.c_int),
                ('bytes_per_line', ctypes.c_int), ('bits_per_pixel', ctypes.c_int)]


class Screen:
    """The root window's pixels straight from XGetImage. Not `xwd -root`:
    Wine's windows use their own colormap, which sends xwd down its
    multi-visual path, and that path shows a lower window over an upper one
    (docs/wine.md)."""

    def __init__(self):
        x = ctypes.CDLL(ctypes.util.find_library('X11') or 'libX11.so.6')
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XFree.argtypes = [ctypes.c_void_p]
        for f in ('XDisplayWidth', 'XDisplayHeight'):
            getattr(x, f).argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x = x
        self.dpy = x.XOpenDisplay(None)
        if not self.dpy:
            raise Failure('no X display (run under tools/with-display)')
        self.w, self.h = x.XDisplayWidth(self.dpy, 0), x.XDisplayHeight(self.dpy, 0)

    def grab(self):
        """(bytes per line, BGRX bytes) of the whole screen."""
        p = self.x.XGetImage(self.dpy, self.x.XDefaultRootWindow(self.dpy), 0, 0, self.w, self.h,
                             0xffffffff, 2)   # ZPixmap
        img = p.contents
        if img.bits_per_pixel != 32:
            raise Failure('screen is %d bits per pixel, expected 32' % img.bits_per_pixel)
        data = ctypes.string_at(img.data, img.bytes_per_line * img.height)
        bpl = img.bytes_per_line
        self.x.XFree(img.data)
        self.x.XFree(p)
        return bpl, data


class Window:
    def __init__(self, rect, title, pixels):
        self.rect, self.title, self.pixels = rect, title, pixels   # pixels: BGRA, A=0 outside region


class State:
    def __init__(self, folder):
        self.windows, self.elements, self.summary, self.clipboard = [], {}, '', ''
        for line in open(os.path.join(folder, 'state.txt'), 'rb').read().decode('gbk').splitlines():
            kind, _, rest = line.partition(' ')
            if kind == 'window':
                f = rest.split(' ', 5)
                rect = tuple(int(v) for v in f[1:5])
                bmp = open(os.path.join(folder, 'window%s.bmp' % f[0]), 'rb').read()
                self.windows.append(Window(rect, f[5] if len(f) > 5 else '', bmp[54:]))
            elif kind == 'element':
                f = rest.split(' ')
                self.elements[f[0]] = tuple(int(v) for v in f[1:5])
            elif kind == 'summary':
                self.summary = rest
            elif kind == 'clipboard':
                self.clipboard = rest

    def window(self, prefix):
        return next((w for w in self.windows if w.title.startswith(prefix)), None)

    def center(self, name):
        l, t, r, b = self.elements[name]
        return (l + r) // 2, (t + b) // 2


def composed(screen_w, screen_h, bpl, data, windows):
    """The screen as the gallery drew it: its windows bottom to top over
    what the X server shows elsewhere (BGRX, the X padding byte kept)."""
    exp = bytearray(data)
    for win in reversed(windows):
        l, t, r, b = win.rect
        ww = r - l
        x0, x1 = max(l, 0), min(r, screen_w)
        for y in range(max(t, 0), min(b, screen_h)):
            src = win.pixels[((y - t) * ww + x0 - l) * 4:((y - t) * ww + x1 - l) * 4]
            dst = y * bpl + x0 * 4
            if src[3::4].count(255) == x1 - x0:
                for k in range(3):
                    exp[dst + k:dst + (x1 - x0) * 4:4] = src[k::4]
            else:
                for i in range(x1 - x0):
                    if src[i * 4 + 3] == 255:
                        exp[dst + i * 4:dst + i * 4 + 3] = src[i * 4:i * 4 + 3]
    # A layered window (alpha 1: a shadow, blended by the system) is not
    # checked except where the window it surrounds lies: Wine stacks it on
    # the X server over windows that Win32 lists above it.
    for lay in windows:
        if lay.pixels[3:4] != b'\x01':
            continue
        l, t, r, b = lay.rect
        inner = [w.rect for w in windows if w is not lay and l <= w.rect[0] and t <= w.rect[1]
                 and w.rect[2] <= r and w.rect[3] <= b]
        for y in range(max(t, 0), min(b, screen_h)):
            for x in range(max(l, 0), min(r, screen_w)):
                if not any(il <= x < ir and it <= y < ib for il, it, ir, ib in inner):
                    exp[y * bpl + x * 4:y * bpl + x * 4 + 3] = data[y * bpl + x * 4:y * bpl + x * 4 + 3]
    return bytes(exp)


def write_png(path, bpl, data, box):
    l, t, r, b = box
    rows = bytearray()
    for y in range(t, b):
        row = data[y * bpl + l * 4:y * bpl + r * 4]
        rgb = bytearray((r - l) * 3)
        for k in range(3):
            rgb[k::3] = row[2 - k::4]
        rows += b'\0' + rgb

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', r - l, b - t, 8, 2, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(bytes(rows))) + chunk(b'IEND', b''))


class Gallery:
    def __init__(self, exe, workdir):
        self.dir = os.path.join(workdir, 'probe')
        shutil.rmtree(self.dir, ignore_errors=True)
        os.makedirs(self.dir)
        self.workdir = workdir
        windir = 'Z:' + os.path.abspath(self.dir).replace('/', '\\')
        self.proc = subprocess.Popen([os.path.join(TOOLS, 'wine-run'), exe, '--probe', windir],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.screen = Screen()

    def state(self, deadline):
        request = os.path.join(self.dir, 'request')
        open(request, 'w').close()
        while os.path.exists(request):
            if self.proc.poll() is not None:
                raise Failure('the gallery ended (exit code %s)' % self.proc.returncode)
            if time.monotonic() > deadline:
                raise Failure('the gallery did not answer its probe within %.0f s' % DEADLINE)
            time.sleep(0.03)
        return State(self.dir)

    def settle(self, what, cond, only=None):
        """Polls until cond(state) holds and the screen shows the gallery's
        windows as it drew them (within the rectangles only(state) when
        given); returns that state."""
        deadline = time.monotonic() + DEADLINE
        while True:
            st = self.state(time.monotonic() + DEADLINE)   # a late answer still explains the failure
            bpl, data = self.screen.grab()
            ok = cond(st)
            exp = composed(self.screen.w, self.screen.h, bpl, data, st.windows) if ok else None
            if ok and (exp == data if only is None else all(
                    exp[y * bpl + max(l, 0) * 4:y * bpl + min(r, self.screen.w) * 4] ==
                    data[y * bpl + max(l, 0) * 4:y * bpl + min(r, self.screen.w) * 4]
                    for l, t, r, b in only(st) for y in range(max(t, 0), min(b, self.screen.h)))):
                return st
            if time.monotonic() > deadline:
                raise Failure(self.explain(what, st, ok, bpl, data))
            time.sleep(0.1)

    def explain(self, what, st, ok, bpl, data):
        titles = ['%r at %s' % (w.title, w.rect) for w in st.windows]
        if not ok:
            return 'no %s within %.0f s; windows (top first): %s; summary %r' % (
                what, DEADLINE, titles, st.summary)
        exp = composed(self.screen.w, self.screen.h, bpl, data, st.windows)
        bad = [(i % bpl // 4, i // bpl) for i in range(0, len(data), 4) if data[i:i + 3] != exp[i:i + 3]]
        box = (min(p[0] for p in bad), min(p[1] for p in bad),
               max(p[0] for p in bad) + 1, max(p[1] for p in bad) + 1)
        write_png(os.path.join(self.workdir, 'expected.png'), bpl, exp, box)
        write_png(os.path.join(self.workdir, 'screen.png'), bpl, data, box)
        stack = subprocess.run(['xwininfo', '-root', '-children'], capture_output=True, text=True,
                               timeout=DEADLINE).stdout
        xwins = [ln.strip()[:60] for ln in stack.splitlines() if '"' in ln and 'IME' not in ln]
        return ('%s: the screen differs from the gallery\'s windows in %d pixels within %s '
                '(expected.png, screen.png in %s); windows (top first): %s; X windows (top first): %s'
                % (what, len(bad), box, self.workdir, titles, xwins))

    def point_at(self, point):
        """Moves the pointer onto point as a hand does: arriving, then one
        pixel on, the gallery seeing each move before the next (its probe
        answers after pending input). An element that owns the mouse takes
        the first move into a neighbour and lets go; only the next one
        reaches the neighbour, and wineserver merges moves not yet read."""
        for dx in (1, 0):
            xdo('mousemove', point[0] + dx, point[1])
            self.state(time.monotonic() + DEADLINE)

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


def xdo(*args):
    subprocess.run(['xdotool'] + [str(a) for a in args], check=True, timeout=DEADLINE)


def click(g, point):
    g.point_at(point)
    xdo('click', 1)


def title_point(win, from_right):
    """A point in the title bar; from_right 21 is the close button's centre,
    49 the maximize button's (buttons are 28 pixels apart)."""
    l, t, r, b = win.rect
    return r - from_right, t + 14


def caption_point(win, left, right):
    """(x, y, left) of a menu-bar caption spanning left..right of the bar,
    which lies under the 29-pixel title bar and inside the 4-pixel border."""
    l, t, r, b = win.rect
    return l + 4 + (left + right) // 2, t + 29 + 12, l + 4 + left


def run(g):
    gallery = lambda st: st.window('WG Gallery')
    second = lambda st: st.window('Second dialog')
    title = lambda st: gallery(st).title if gallery(st) else None

    st = g.settle('gallery window', gallery)
    xdo('mousemove', 5, 5)
    st = g.settle('gallery without hover', gallery)
    bpl, before = g.screen.grab()
    btn = st.elements['normal']
    hover_crop = lambda data: b''.join(data[y * bpl + btn[0] * 4:y * bpl + btn[2] * 4]
                                       for y in range(btn[1], btn[3]))
    g.point_at(st.center('normal'))
    st = g.settle('hover look of "Normal"', lambda s: hover_crop(g.screen.grab()[1]) != hover_crop(before))
    yield 'hover'

    click(g, st.center('normal'))
    st = g.settle('title after pressing "Normal"', lambda s: title(s) == 'WG Gallery - pressed: Normal (code 5)')
    click(g, st.center('page.choices'))
    st = g.settle('page "Choices"', lambda s: True)
    click(g, st.center('large'))
    click(g, st.center('bold'))
    st = g.settle('summary after ticking "Large" and "Bold"',
                  lambda s: s.summary.startswith('Size Large, bold on, VIP off'))
    click(g, st.center('onpress'))
    click(g, st.center('onrelease'))
    st = g.settle('both link clicks', lambda s: s.summary.endswith('links 1 / 1'))
    yield 'buttons, radio, check, label buttons'

    l, t, r, b = st.elements['choices']
    square = (r - 14 + 4, t + 2 + 5)   # the 10 x 10 copy square at (W - 14, 2) of the bar
    click(g, square)
    st = g.settle('copied label text', lambda s: s.clipboard == '\u9009\u62e9 Choices - point at a bar, '
                                                      'click its C square to copy')
    yield 'copy square'

    # The "Pages" menu of the menu bar: dropped by a click, switched to
    # "Help" and back by moving across the bar, a row clicked.
    pages, helps = caption_point(gallery(st), 10, 45), caption_point(gallery(st), 55, 83)
    dropped = lambda s, caption: (s.windows and s.windows[0].title == '' and
                                  s.windows[0].rect[:2] == (caption[2] + 10, caption[1] + 8))
    click(g, pages[:2])
    st = g.settle('"Pages" menu down', lambda s: dropped(s, pages))
    g.point_at(helps[:2])
    st = g.settle('"Help" menu down instead', lambda s: dropped(s, helps) and not dropped(s, pages))
    g.point_at(pages[:2])
    st = g.settle('"Pages" menu down again', lambda s: dropped(s, pages))
    l, t, r, b = st.windows[0].rect
    click(g, ((l + r) // 2, t + 5 + 18 * 2 + 9))   # the third row, "Windows" (rows of 18 from y 5)
    st = g.settle('page "Windows" from the menu', lambda s: not dropped(s, pages) and 'modal' in s.elements
                  and 'bar.button' in s.elements and 'normal' not in s.elements)
    yield 'page chosen in the menu bar'

    click(g, st.center('bar.button'))
    st = g.settle('title after the dialog bar\'s button',
                  lambda s: title(s) == 'WG Gallery - the dialog bar\'s button was pressed')
    yield 'dialog bar'

    for n, close in ((1, 'mouse'), (2, 'Escape')):
        click(g, st.center('modal'))
        st = g.settle('modal second dialog on top',
                      lambda s: s.windows and s.windows[0].title == 'Second dialog (modal)')
        if n == 1:
            click(g, st.center('modal.retitle'))
            st = g.settle('retitled second dialog',
                          lambda s: second(s) and second(s).title == 'Second dialog, title changed 1 times')
            click(g, title_point(second(st), 21))
        else:
            xdo('key', 'Escape')
        st = g.settle('modal dialog closed by %s' % close, lambda s: not second(s) and title(s) ==
                      'WG Gallery - event 1002 #%d: a modal dialog returned' % n)
        yield 'modal dialog closed by %s' % close

    for name, key, result in (('box.one', 'Return', 0), ('box.three', 'Escape', 5)):
        click(g, st.center(name))
        st = g.settle('message box on top', lambda s: s.windows and s.windows[0].title == 'Message box')
        if name == 'box.three':   # tick the box: client (62, 45), under a 29-pixel title and 4-pixel border
            l, t, r, b = st.windows[0].rect
            click(g, (l + 4 + 62, t + 29 + 45))
            st = g.settle('ticked box on the screen', lambda s: True)
        xdo('key', key)
        st = g.settle('message box closed by %s' % key,
                      lambda s: title(s) == 'WG Gallery - message box returned %d' % result)
        yield 'message box closed by %s' % key

    click(g, st.center('modeless'))
    st = g.settle('modeless second dialog on top',
                  lambda s: s.windows and s.windows[0].title == 'Second dialog (modeless)')
    click(g, st.center('modeless.close'))
    st = g.settle('modeless dialog closed', lambda s: not second(s))
    yield 'modeless dialog'

    # A real right-click opens the menu; hovering its "Recent" row opens the
    # submenu beside it; a click on a row closes both. The menus are
    # untitled windows of the gallery, on top; only the topmost is compared
    # with the screen: Wine shows a layered window's colours opaque, and a
    # submenu's shadow above its parent menu on the X server while Win32
    # keeps the parent above it.
    def menus(s):   # untitled windows but the shadows (3 pixels out, 5 at right and bottom)
        u = [w.rect for w in s.windows if w.title == '']
        return [r for r in u if (r[0] + 3, r[1] + 3, r[2] - 5, r[3] - 5) not in u]
    click(g, st.center('page.menus'))
    st = g.settle('page "Menus"', lambda s: True)
    g.point_at(st.center('menupad'))
    xdo('click', 3)
    topmost = lambda s: menus(s)[:1]
    st = g.settle('menu on the screen', lambda s: len(menus(s)) == 1, topmost)
    l, t, r, b = menus(st)[0]
    g.point_at((l + 30, t + 4 * 18 + 11))
    st = g.settle('submenu beside the menu', lambda s: len(menus(s)) == 2 and menus(s)[1] == (l, t, r, b), topmost)
    sub = next(m for m in menus(st) if m != (l, t, r, b))
    click(g, (sub[0] + 30, sub[1] + 11))
    st = g.settle('menus closed by a click on a row', lambda s: not menus(s))
    yield 'menu and submenu by a real right-click and hover'

    start = gallery(st).rect
    x, y = title_point(gallery(st), 200)
    g.point_at((x, y))
    for action in (('mousedown', 1), ('mousemove', x + 40, y + 20), ('mousemove', x + 100, y + 60)):
        xdo(*action)
        g.state(time.monotonic() + DEADLINE)   # the move loop answers too
    xdo('mouseup', 1)
    moved = (start[0] + 100, start[1] + 60, start[2] + 100, start[3] + 60)
    st = g.settle('gallery dragged to %s' % (moved,), lambda s: gallery(s).rect == moved)
    yield 'drag by the title bar'

    click(g, title_point(gallery(st), 49))
    full = (-4, -4, g.screen.w + 4, g.screen.h + 4)
    st = g.settle('maximized gallery at %s' % (full,), lambda s: gallery(s).rect == full)
    click(g, title_point(gallery(st), 49))
    st = g.settle('restored gallery at %s' % (moved,), lambda s: gallery(s).rect == moved)
    yield 'maximize and restore'

    click(g, title_point(gallery(st), 21))
    try:
        code = g.proc.wait(DEADLINE)
    except subprocess.TimeoutExpired:
        raise Failure('the gallery did not end within %.0f s of its close button' % DEADLINE)
    if code != 0:
        raise Failure('the gallery ended with exit code %d' % code)
    yield 'gallery closed by its close button'


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    if not os.environ.get('WG_IN_DISPLAY'):
        print('skipped: needs the virtual display of tools/with-display')
        return 77
    os.makedirs(argv[2], exist_ok=True)
    t0 = time.monotonic()
    g = Gallery(argv[1], argv[2])
    step = 'start'
    try:
        for step in run(g):
            print('ok %5.1f s  %s' % (time.monotonic() - t0, step), flush=True)
    except Failure as e:
        print('FAIL after "%s": %s' % (step, e), flush=True)
        return 1
    finally:
        g.close()
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
