#!/usr/bin/env python3
"""Draws the bundled skins: every image and the skin.ini of each skin folder.

    python3 tools/make_skins.py            # all skins, into skins/
    python3 tools/make_skins.py Default    # only the skins named

Standard library only. Shapes are signed distance fields, so every edge is
anti-aliased; each skin is one function that draws its images and writes its
skin.ini from the same layout numbers. Add a skin by adding a function to SKINS.
"""
import math
import os
import struct
import sys
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "skins")


# --- Canvas and PNG -------------------------------------------------------

class Canvas:
    """Straight-alpha RGBA pixels as floats in 0..1."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def blend(self, x, y, color, coverage):
        r, g, b, a = color
        a *= coverage
        if a <= 0.0:
            return
        dr, dg, db, da = self.pixels[y][x]
        out = a + da * (1.0 - a)
        if out <= 0.0:
            return
        mix = lambda s, d: (s * a + d * da * (1.0 - a)) / out
        self.pixels[y][x] = (mix(r, dr), mix(g, dg), mix(b, db), out)

    def save(self, path):
        rows = bytearray()
        for row in self.pixels:
            rows.append(0)
            for r, g, b, a in row:
                rows.extend(round(max(0.0, min(1.0, c)) * 255) for c in (r, g, b, a))
        chunk = lambda kind, data: (struct.pack(">I", len(data)) + kind + data
                                    + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                      + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def fill(canvas, shape, paint, bounds=None, soft=1.0):
    """Paints where the shape's distance is negative; paint is a colour or f(x, y)."""
    x0, y0, x1, y1 = bounds or (0, 0, canvas.width, canvas.height)
    for y in range(max(0, int(y0) - 2), min(canvas.height, int(math.ceil(y1)) + 2)):
        for x in range(max(0, int(x0) - 2), min(canvas.width, int(math.ceil(x1)) + 2)):
            px, py = x + 0.5, y + 0.5
            coverage = max(0.0, min(1.0, 0.5 - shape(px, py) / soft))
            if coverage > 0.0:
                canvas.blend(x, y, paint(px, py) if callable(paint) else paint, coverage)


# --- Shapes (signed distance: negative inside) ----------------------------

def rounded_rect(x, y, w, h, r):
    cx, cy, hx, hy = x + w / 2, y + h / 2, w / 2 - r, h / 2 - r

    def distance(px, py):
        qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return distance


def circle(cx, cy, r):
    return lambda px, py: math.hypot(px - cx, py - cy) - r


def segment(ax, ay, bx, by, half_width):
    def distance(px, py):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(px - ax - t * dx, py - ay - t * dy) - half_width
    return distance


def polygon(points):
    edges = list(zip(points, points[1:] + points[:1]))

    def distance(px, py):
        nearest, inside = float("inf"), False
        for (ax, ay), (bx, by) in edges:
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
            nearest = min(nearest, math.hypot(px - ax - t * dx, py - ay - t * dy))
            if (ay > py) != (by > py) and px < ax + (py - ay) * dx / (by - ay):
                inside = not inside
        return -nearest if inside else nearest
    return distance


def ring(shape, width):
    """The outline of a shape, centred on its edge."""
    return lambda px, py: abs(shape(px, py)) - width / 2


def intersect(*shapes):
    return lambda px, py: max(s(px, py) for s in shapes)


def union(*shapes):
    return lambda px, py: min(s(px, py) for s in shapes)


def star(cx, cy, outer, inner):
    return polygon([(cx + (outer if i % 2 == 0 else inner) * math.sin(i * math.pi / 5),
                     cy - (outer if i % 2 == 0 else inner) * math.cos(i * math.pi / 5)) for i in range(10)])


# --- Paint ----------------------------------------------------------------

def rgb(hex_text, alpha=1.0):
    value = int(hex_text.lstrip("#"), 16)
    return ((value >> 16 & 255) / 255, (value >> 8 & 255) / 255, (value & 255) / 255, alpha)


def vertical(top, bottom, y0, y1):
    def paint(px, py):
        t = max(0.0, min(1.0, (py - y0) / (y1 - y0)))
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return paint


def horizontal(left, right, x0, x1):
    def paint(px, py):
        t = max(0.0, min(1.0, (px - x0) / (x1 - x0)))
        return tuple(a + (b - a) * t for a, b in zip(left, right))
    return paint


# --- Skin files -----------------------------------------------------------

def rect_keys(left, top, width, height):
    return {"Left": left, "Top": top, "Width": width, "Height": height}


def write_ini(folder, groups):
    lines = []
    for group, keys in groups.items():
        lines.append("[%s]" % group)
        lines.extend("%s=%s" % (key, value) for key, value in keys.items())
        lines.append("")
    with open(os.path.join(folder, "skin.ini"), "w", newline="\r\n") as out:
        out.write("\n".join(lines))


def color_keys(hex_text, alpha=255):
    r, g, b, _ = (round(c * 255) for c in rgb(hex_text))
    return {"ColorA": alpha, "ColorR": r, "ColorG": g, "ColorB": b}


# --- Default: dark glass panel, album art at the left, an LCD and a button row

GLYPH = rgb("#e4ebf5")


def glass_button(canvas, cx, cy, radius):
    body = circle(cx, cy, radius)
    fill(canvas, circle(cx, cy + 1, radius + 0.5), rgb("#000000", 0.45), (cx - 14, cy - 13, cx + 14, cy + 15))
    fill(canvas, body, vertical(rgb("#434d60"), rgb("#161a22"), cy - radius, cy + radius),
         (cx - radius, cy - radius, cx + radius, cy + radius))
    fill(canvas, intersect(body, circle(cx, cy - radius * 0.9, radius * 1.05)),
         vertical(rgb("#ffffff", 0.22), rgb("#ffffff", 0.02), cy - radius, cy),
         (cx - radius, cy - radius, cx + radius, cy))
    fill(canvas, ring(body, 1.0), vertical(rgb("#8391a8", 0.9), rgb("#0b0d12", 0.9), cy - radius, cy + radius),
         (cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1))


def glyph(canvas, shape, cx, cy):
    fill(canvas, shape, GLYPH, (cx - 12, cy - 12, cx + 12, cy + 12))


def play_glyph(cx, cy):
    return polygon([(cx - 3, cy - 5.5), (cx + 5.5, cy), (cx - 3, cy + 5.5)])


def pause_glyph(cx, cy):
    return union(rounded_rect(cx - 4.5, cy - 5, 3.2, 10, 0.8), rounded_rect(cx + 1.3, cy - 5, 3.2, 10, 0.8))


def previous_glyph(cx, cy):
    return union(rounded_rect(cx - 5.5, cy - 5, 2.2, 10, 0.6), polygon([(cx + 5, cy - 5), (cx - 2.5, cy), (cx + 5, cy + 5)]))


def next_glyph(cx, cy):
    return union(rounded_rect(cx + 3.3, cy - 5, 2.2, 10, 0.6), polygon([(cx - 5, cy - 5), (cx + 2.5, cy), (cx - 5, cy + 5)]))


def stop_glyph(cx, cy):
    return rounded_rect(cx - 4.5, cy - 4.5, 9, 9, 1.2)


def mute_glyph(cx, cy):
    speaker = polygon([(cx - 6, cy - 2.2), (cx - 3.5, cy - 2.2), (cx, cy - 5.5), (cx, cy + 5.5),
                       (cx - 3.5, cy + 2.2), (cx - 6, cy + 2.2)])
    right = lambda px, py: cx + 1.5 - px
    waves = union(intersect(ring(circle(cx, cy, 3.6), 1.3), right), intersect(ring(circle(cx, cy, 6.4), 1.3), right))
    return union(speaker, waves)


def eject_glyph(cx, cy):
    return union(polygon([(cx, cy - 5.5), (cx + 5.5, cy + 0.5), (cx - 5.5, cy + 0.5)]),
                 rounded_rect(cx - 5.5, cy + 2.5, 11, 2.4, 0.6))


def make_default(folder):
    width, height = 266, 108
    art = (12, 14, 80, 80)
    display = (100, 10, 156, 60)
    # Display space, relative to the display pane.
    info, album, progress, counter = (6, 3, 144, 18), (6, 21, 144, 14), (6, 40, 100, 6), (110, 35, 40, 14)
    rating, sound = (6, 48, 50, 10), (114, 49, 36, 8)
    buttons = {name: (102 + 26 * i, 76, 24, 24) for i, name in
               enumerate(["PreviousButton", "PausePlayButton", "StopButton", "NextButton", "MuteButton", "OpenButton"])}
    images = os.path.join(folder, "images")
    os.makedirs(images, exist_ok=True)

    bg = Canvas(width, height)
    panel = rounded_rect(1, 1, width - 2, height - 2, 12)
    fill(bg, rounded_rect(1, 2, width - 2, height - 2, 12), rgb("#000000", 0.35), soft=2.5)
    fill(bg, panel, vertical(rgb("#343c4d", 0.97), rgb("#0c0f15", 0.97), 0, height))
    fill(bg, intersect(panel, circle(width / 2, -400, 446)), vertical(rgb("#ffffff", 0.13), rgb("#ffffff", 0.02), 0, 46),
         (0, 0, width, 48))
    fill(bg, ring(panel, 1.0), vertical(rgb("#7d8aa3", 0.85), rgb("#1c212b", 0.85), 0, height))

    x, y, w, h = art
    fill(bg, rounded_rect(x - 1, y - 1, w + 2, h + 2, 7), rgb("#000000", 0.5))
    fill(bg, rounded_rect(x, y, w, h, 6), vertical(rgb("#1b212b"), rgb("#0a0d12"), y, y + h), (x, y, x + w, y + h))
    note_x, note_y = x + w / 2, y + h / 2
    fill(bg, union(circle(note_x - 6, note_y + 10, 6.5), segment(note_x - 0.5, note_y + 10, note_x - 0.5, note_y - 16, 1.6),
                   segment(note_x - 0.5, note_y - 15, note_x + 9, note_y - 9, 1.8)), rgb("#3a4558"), (x, y, x + w, y + h))

    x, y, w, h = display
    fill(bg, rounded_rect(x - 1, y - 1, w + 2, h + 2, 7), vertical(rgb("#000000", 0.6), rgb("#ffffff", 0.10), y, y + h))
    fill(bg, rounded_rect(x, y, w, h, 6), vertical(rgb("#0c141d"), rgb("#070a0f"), y, y + h), (x, y, x + w, y + h))
    fill(bg, intersect(rounded_rect(x, y, w, h, 6), lambda px, py: py - (y + 16)),
         vertical(rgb("#5fb6ff", 0.10), rgb("#5fb6ff", 0.0), y, y + 16), (x, y, x + w, y + 17))
    px, py, pw, ph = progress
    groove = (x + px, y + py + 1, pw, 4)
    fill(bg, rounded_rect(*groove, 2), rgb("#020407"), (groove[0], groove[1], groove[0] + pw, groove[1] + 4))
    fill(bg, ring(rounded_rect(*groove, 2), 0.8), vertical(rgb("#000000", 0.6), rgb("#ffffff", 0.12), groove[1], groove[1] + 4),
         (groove[0] - 1, groove[1] - 1, groove[0] + pw + 1, groove[1] + 5))

    for name, (bx, by, bw, bh) in buttons.items():
        cx, cy = bx + bw / 2, by + bh / 2
        glass_button(bg, cx, cy, 11)
        shape = {"PreviousButton": previous_glyph, "PausePlayButton": pause_glyph, "StopButton": stop_glyph,
                 "NextButton": next_glyph, "MuteButton": mute_glyph, "OpenButton": eject_glyph}[name]
        glyph(bg, shape(cx, cy), cx, cy)
    bg.save(os.path.join(images, "bg.png"))

    # Shown over the play/pause button while the player is not playing.
    bx, by, bw, bh = buttons["PausePlayButton"]
    pause = Canvas(bw, bh)
    fill(pause, circle(bw / 2, bh / 2, 11.5), vertical(rgb("#434d60"), rgb("#161a22"), 0, bh))
    glass_button(pause, bw / 2, bh / 2, 11)
    glyph(pause, play_glyph(bw / 2 + 0.5, bh / 2), bw / 2, bh / 2)
    pause.save(os.path.join(images, "pause.png"))

    _, _, rw, rh = rating
    for name, paint in (("rating_filled", vertical(rgb("#ffe07a"), rgb("#f29a1d"), 0, rh)), ("rating_unfilled", rgb("#344052"))):
        strip = Canvas(rw, rh)
        for i in range(5):
            fill(strip, star(5 + 10 * i, rh / 2 + 0.4, 4.9, 2.1), paint)
        strip.save(os.path.join(images, name + ".png"))

    _, _, sw, sh = sound
    for name, paint in (("sound_filled", horizontal(rgb("#4fd1ff"), rgb("#2f7dff"), 0, sw)), ("sound_unfilled", rgb("#273140"))):
        strip = Canvas(sw, sh)
        for i in range(7):
            bar_height = 2.5 + i * (sh - 2.5) / 6
            fill(strip, rounded_rect(i * 5.2 + 0.5, sh - bar_height, 4, bar_height, 0.8), paint)
        strip.save(os.path.join(images, name + ".png"))

    # Glass over the artwork; its corners repeat the panel so the art looks rounded.
    x, y, w, h = art
    overlay = Canvas(w, h)
    frame = rounded_rect(0, 0, w, h, 6)
    for oy in range(h):
        for ox in range(w):
            outside = max(0.0, min(1.0, 0.5 + frame(ox + 0.5, oy + 0.5)))
            if outside > 0.0:
                overlay.blend(ox, oy, bg.pixels[y + oy][x + ox], outside)
    fill(overlay, intersect(frame, circle(w * 0.2, -w * 0.55, w * 1.05)), vertical(rgb("#ffffff", 0.28), rgb("#ffffff", 0.04), 0, h * 0.5))
    fill(overlay, ring(rounded_rect(0.5, 0.5, w - 1, h - 1, 6), 1.0), vertical(rgb("#ffffff", 0.35), rgb("#ffffff", 0.08), 0, h))
    overlay.save(os.path.join(images, "overlay.png"))

    text_keys = lambda color, size, style, align: dict(Facename="Arial", **color_keys(color), Size=size, Style=style,
                                                        HAlignment=align)
    write_ini(folder, {
        "Info": {"Name": "Default", "Author": "Quillbracket", "Info": "Dark glass, album art and an LCD."},
        "Bg": {"Width": width, "Height": height},
        "Font": text_keys("#e6ecf5", 13, 1, 0),
        "CounterFont": text_keys("#8fb0cc", 11, 0, 2),
        "DisplayPane": rect_keys(*display),
        "InfoPane": rect_keys(*info),
        "CounterPane": rect_keys(*counter),
        "ProgressBar": rect_keys(*progress),
        # A drawn bar: a scaled bitmap knob costs more than the rest of a tick.
        "Knob": {"Width": pw, "Height": 4, "UseBitmap": 0, "StretchKnob": 1},
        "InnerKnob": color_keys("#3f9bff"),
        "OuterKnob": color_keys("#bfe3ff"),
        "RatingPane": dict(rect_keys(*rating), Direction=0),
        "SoundPane": dict(rect_keys(*sound), Direction=0, UseKnob=0),
        **{name: rect_keys(*rect) for name, rect in buttons.items()},
        "AlbumArt": dict(rect_keys(*art), Show=1, DrawOverlay=1, DrawOverlayActualSize=0, Alpha=255),
        "ExtraInfos": {"Count": 1},
        "ExtraInfo-1": dict(rect_keys(*album), Type="album", **text_keys("#7f9ab5", 11, 0, 0)),
    })


SKINS = {"Default": make_default}
import showcase_skins  # noqa: E402  the further skins, drawn with this module's kit
SKINS.update(showcase_skins.skins(sys.modules[__name__]))


def main(names):
    for name in names or SKINS:
        folder = os.path.join(ROOT, name)
        os.makedirs(folder, exist_ok=True)
        SKINS[name](folder)
        print("wrote", os.path.normpath(folder))


if __name__ == "__main__":
    main(sys.argv[1:])
