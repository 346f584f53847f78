"""The showcase skins, in the Default's dark glass: Slim, a bar that unrolls
into SlimExpanded while hovered or when its chevron is clicked, and Tower, a
column with vertical rating and volume. Together with Default they use every
group and key a skin can have.

Drawn with the shapes and paint of make_skins.py, handed in as `kit`.
"""
import os

BAR_HEIGHT = 40
EXPANDED_HEIGHT = 108
WIDTH = 266
# Shared by Slim and SlimExpanded, so the top row stays put while the bar unrolls.
ROW_BUTTONS = {"PreviousButton": (8, 8, 24, 24), "PausePlayButton": (34, 8, 24, 24), "NextButton": (60, 8, 24, 24)}
LCD = (90, 6, 142, 28)
CHEVRON = (238, 8, 20, 24)
LCD_BLUE = "#5fb6ff"


def images_folder(folder):
    images = os.path.join(folder, "images")
    os.makedirs(images, exist_ok=True)
    return images


def glass_panel(kit, canvas, height, radius=12):
    """The Default's panel: shadow, dark gradient, a sheen on the upper part, a lit rim."""
    width = canvas.width
    panel = kit.rounded_rect(1, 1, width - 2, height - 2, radius)
    sheen_bottom = min(46, height * 0.45)
    kit.fill(canvas, kit.rounded_rect(1, 2, width - 2, height - 2, radius), kit.rgb("#000000", 0.35), soft=2.5)
    kit.fill(canvas, panel, kit.vertical(kit.rgb("#343c4d", 0.97), kit.rgb("#0c0f15", 0.97), 0, height))
    kit.fill(canvas, kit.intersect(panel, kit.circle(width / 2, sheen_bottom - 1800, 1800)),
             kit.vertical(kit.rgb("#ffffff", 0.13), kit.rgb("#ffffff", 0.02), 0, sheen_bottom), (0, 0, width, sheen_bottom + 2))
    kit.fill(canvas, kit.ring(panel, 1.0), kit.vertical(kit.rgb("#7d8aa3", 0.85), kit.rgb("#1c212b", 0.85), 0, height))


def lcd(kit, canvas, rect, glow=16):
    x, y, w, h = rect
    kit.fill(canvas, kit.rounded_rect(x - 1, y - 1, w + 2, h + 2, 7),
             kit.vertical(kit.rgb("#000000", 0.6), kit.rgb("#ffffff", 0.10), y, y + h), (x - 2, y - 2, x + w + 2, y + h + 2))
    kit.fill(canvas, kit.rounded_rect(x, y, w, h, 6), kit.vertical(kit.rgb("#0c141d"), kit.rgb("#070a0f"), y, y + h),
             (x, y, x + w, y + h))
    kit.fill(canvas, kit.intersect(kit.rounded_rect(x, y, w, h, 6), lambda px, py: py - (y + glow)),
             kit.vertical(kit.rgb(LCD_BLUE, 0.10), kit.rgb(LCD_BLUE, 0.0), y, y + glow), (x, y, x + w, y + glow + 1))


def groove(kit, canvas, x, y, w, h):
    shape = kit.rounded_rect(x, y, w, h, h / 2)
    kit.fill(canvas, shape, kit.rgb("#020407"), (x, y, x + w, y + h))
    kit.fill(canvas, kit.ring(shape, 0.8), kit.vertical(kit.rgb("#000000", 0.6), kit.rgb("#ffffff", 0.12), y, y + h),
             (x - 1, y - 1, x + w + 1, y + h + 1))


def glass_button(kit, canvas, cx, cy, radius):
    """The Default's glass button at any radius."""
    body = kit.circle(cx, cy, radius)
    box = (cx - radius - 3, cy - radius - 2, cx + radius + 3, cy + radius + 4)
    kit.fill(canvas, kit.circle(cx, cy + 1, radius + 0.5), kit.rgb("#000000", 0.45), box)
    kit.fill(canvas, body, kit.vertical(kit.rgb("#434d60"), kit.rgb("#161a22"), cy - radius, cy + radius), box)
    kit.fill(canvas, kit.intersect(body, kit.circle(cx, cy - radius * 0.9, radius * 1.05)),
             kit.vertical(kit.rgb("#ffffff", 0.22), kit.rgb("#ffffff", 0.02), cy - radius, cy), box)
    kit.fill(canvas, kit.ring(body, 1.0),
             kit.vertical(kit.rgb("#8391a8", 0.9), kit.rgb("#0b0d12", 0.9), cy - radius, cy + radius), box)


def button_with_glyph(kit, canvas, rect, shape_of, radius=None):
    x, y, w, h = rect
    cx, cy = x + w / 2, y + h / 2
    glass_button(kit, canvas, cx, cy, radius or min(w, h) / 2 - 1)
    kit.fill(canvas, shape_of(cx, cy), kit.GLYPH, (cx - 12, cy - 12, cx + 12, cy + 12))


def pause_image(kit, images, rect, radius=None):
    """Play glyph over the play/pause button while the player is not playing."""
    _, _, w, h = rect
    radius = radius or min(w, h) / 2 - 1
    image = kit.Canvas(w, h)
    kit.fill(image, kit.circle(w / 2, h / 2, radius + 0.5), kit.vertical(kit.rgb("#434d60"), kit.rgb("#161a22"), 0, h))
    glass_button(kit, image, w / 2, h / 2, radius)
    kit.fill(image, kit.play_glyph(w / 2 + 0.5, h / 2), kit.GLYPH)
    image.save(os.path.join(images, "pause.png"))


def chevron(kit, up):
    def shape(cx, cy):
        tip, wing = (cy - 3, cy + 2.5) if up else (cy + 3, cy - 2.5)
        return kit.union(kit.segment(cx - 5, wing, cx, tip, 1.2), kit.segment(cx, tip, cx + 5, wing, 1.2))
    return shape


def window_glyph(kit):
    return lambda cx, cy: kit.union(kit.ring(kit.rounded_rect(cx - 4.5, cy - 3.5, 9, 7, 1), 1.1),
                                    kit.rounded_rect(cx - 4.5, cy - 3.5, 9, 2.2, 0.6))


def player_glyph(kit):
    return lambda cx, cy: kit.union(kit.ring(kit.rounded_rect(cx - 3.5, cy - 5, 7, 10, 1.5), 1.0),
                                    kit.ring(kit.circle(cx, cy + 1.8, 1.7), 0.9), kit.rounded_rect(cx - 2, cy - 3.6, 4, 2.2, 0.4))


def power_glyph(kit):
    def shape(cx, cy):
        gap = lambda px, py: 1.8 - abs(px - cx) if py < cy else -10.0
        arc = kit.intersect(kit.ring(kit.circle(cx, cy + 0.5, 4.2), 1.2), gap)
        return kit.union(arc, kit.segment(cx, cy - 5, cx, cy - 0.5, 0.65))
    return shape


def star_strip(kit, images, name, width, height, vertical_column):
    """Five stars in a row (or a column), filled and empty."""
    for suffix, paint in (("_filled", kit.vertical(kit.rgb("#ffe07a"), kit.rgb("#f29a1d"), 0, height)),
                          ("_unfilled", kit.rgb("#344052"))):
        strip = kit.Canvas(width, height)
        step = (height if vertical_column else width) / 5
        for i in range(5):
            centre = step * (i + 0.5)
            cx, cy = (width / 2, centre) if vertical_column else (centre, height / 2 + 0.4)
            kit.fill(strip, kit.star(cx, cy, step * 0.49, step * 0.21), paint)
        strip.save(os.path.join(images, name + suffix + ".png"))


def text_keys(kit, face, color, size, style, align):
    return dict(Facename=face, **kit.color_keys(color), Size=size, Style=style, HAlignment=align)


# --- Slim and SlimExpanded --------------------------------------------------

def slim_top_row(kit, canvas, expand_glyph):
    for name, rect in ROW_BUTTONS.items():
        shape = {"PreviousButton": kit.previous_glyph, "PausePlayButton": kit.pause_glyph,
                 "NextButton": kit.next_glyph}[name]
        button_with_glyph(kit, canvas, rect, shape, 11)
    lcd(kit, canvas, LCD)
    x, y, w, h = CHEVRON
    kit.fill(canvas, kit.rounded_rect(x, y, w, h, 6), kit.vertical(kit.rgb("#2a3140"), kit.rgb("#12161d"), y, y + h))
    kit.fill(canvas, kit.ring(kit.rounded_rect(x, y, w, h, 6), 1.0),
             kit.vertical(kit.rgb("#8391a8", 0.8), kit.rgb("#0b0d12", 0.8), y, y + h))
    kit.fill(canvas, chevron(kit, up=not expand_glyph)(x + w / 2, y + h / 2), kit.rgb(LCD_BLUE), (x, y, x + w, y + h))


def unrolled(kit, expanded, height):
    """The expanded picture cut to a panel of the given height, with the panel's rim."""
    frame = kit.Canvas(WIDTH, EXPANDED_HEIGHT)
    panel = kit.rounded_rect(1, 1, WIDTH - 2, height - 2, 12)
    kit.fill(frame, kit.rounded_rect(1, 2, WIDTH - 2, height - 2, 12), kit.rgb("#000000", 0.35), soft=2.5)
    for y in range(min(EXPANDED_HEIGHT, height + 1)):
        for x in range(WIDTH):
            coverage = max(0.0, min(1.0, 0.5 - panel(x + 0.5, y + 0.5)))
            if coverage > 0.0:
                frame.blend(x, y, expanded.pixels[y][x], coverage)
    kit.fill(frame, kit.ring(panel, 1.0), kit.vertical(kit.rgb("#7d8aa3", 0.85), kit.rgb("#1c212b", 0.85), 0, height))
    return frame


def make_slim(kit, folder):
    images = images_folder(folder)
    display = LCD
    info, counter, progress = (6, 2, 96, 16), (100, 3, 38, 14), (6, 18, 122, 9)
    knob = 9

    bg = kit.Canvas(WIDTH, BAR_HEIGHT)
    glass_panel(kit, bg, BAR_HEIGHT)
    slim_top_row(kit, bg, expand_glyph=True)
    x, y = display[0] + progress[0], display[1] + progress[1]
    groove(kit, bg, x, y + 3, progress[2] + knob, 3)
    bg.save(os.path.join(images, "bg.png"))
    pause_image(kit, images, ROW_BUTTONS["PausePlayButton"], 11)

    # A lit bead at the playing position.
    bead = kit.Canvas(knob, knob)
    kit.fill(bead, kit.circle(knob / 2, knob / 2, knob / 2 - 0.3), kit.rgb(LCD_BLUE, 0.25))
    kit.fill(bead, kit.circle(knob / 2, knob / 2, 2.6), kit.vertical(kit.rgb("#d8f3ff"), kit.rgb("#3f9bff"), 2, 7))
    bead.save(os.path.join(images, "knob.png"))

    # Unrolling into SlimExpanded, at the expanded size; played backwards on the way back.
    expanded = draw_slim_expanded(kit)
    for k, height in enumerate((57, 74, 91), start=1):
        unrolled(kit, expanded, height).save(os.path.join(images, "unroll_%d.png" % k))
    # The chevron's click, at the bar's own size: the chevron lights, then the whole bar.
    bar = kit.rounded_rect(1, 1, WIDTH - 2, BAR_HEIGHT - 2, 12)
    for k, (lit, paint) in enumerate(((kit.rounded_rect(*CHEVRON, 6), kit.rgb(LCD_BLUE, 0.35)),
                                      (bar, kit.rgb(LCD_BLUE, 0.16))), start=1):
        flash = kit.Canvas(WIDTH, BAR_HEIGHT)
        flash.pixels = [row[:] for row in bg.pixels]
        kit.fill(flash, lit, paint)
        flash.save(os.path.join(images, "flash_%d.png" % k))

    kit.write_ini(folder, {
        "Info": {"Name": "Slim", "Author": "Quillbracket",
                 "Info": "A slim bar that unrolls while you point at its display; the chevron keeps it open."},
        "Bg": {"Width": WIDTH, "Height": BAR_HEIGHT},
        "Font": text_keys(kit, "Arial", "#e6ecf5", 12, 1, 0),
        "CounterFont": text_keys(kit, "Arial", "#8fb0cc", 10, 0, 2),
        "DisplayPane": kit.rect_keys(*display),
        "InfoPane": kit.rect_keys(*info),
        "CounterPane": kit.rect_keys(*counter),
        "ProgressBar": kit.rect_keys(*progress),
        "Knob": {"Width": knob, "Height": knob, "UseBitmap": 1, "StretchKnob": 0},
        **{name: kit.rect_keys(*rect) for name, rect in ROW_BUTTONS.items()},
        "ChangeSkinHotSpots": {"Count": 2},
        # Clicking the chevron keeps the expanded skin until its own chevron is clicked.
        "ChangeSkinHotSpot-1": dict(kit.rect_keys(*CHEVRON), Type="click", NewSkinName="SlimExpanded",
                                    EasyAnimationFramesCount=2, EasyAnimationFrame1="flash_1.png",
                                    EasyAnimationFrame2="flash_2.png", UseCurrentSkinSizeForAnimation=1),
        # Pointing at the display unrolls the bar; leaving the widget rolls it back up.
        "ChangeSkinHotSpot-2": dict(kit.rect_keys(*display), Type="hover", NewSkinName="SlimExpanded",
                                    NewLeft=0, NewTop=0, NewWidth=WIDTH, NewHeight=EXPANDED_HEIGHT,
                                    MouseOutSkinName="Slim", EasyAnimationFramesCount=3,
                                    EasyAnimationFrame1="unroll_1.png", EasyAnimationFrame2="unroll_2.png",
                                    EasyAnimationFrame3="unroll_3.png"),
    })


# SlimExpanded, skin space.
EXP_DISPLAY = (74, 6, 158, 94)
EXP_ART = (10, 44, 56, 56)
EXP_LCD2 = (74, 44, 152, 56)
EXP_SMALL = {"ToggleITunesWindowButton": (232, 44, 20, 18), "UpdateIPodButton": (232, 63, 20, 18),
             "QuitButton": (232, 82, 20, 18)}


def to_display(rect):
    x, y, w, h = rect
    return (x - EXP_DISPLAY[0], y - EXP_DISPLAY[1], w, h)


def draw_slim_expanded(kit):
    bg = kit.Canvas(WIDTH, EXPANDED_HEIGHT)
    glass_panel(kit, bg, EXPANDED_HEIGHT)
    slim_top_row(kit, bg, expand_glyph=False)
    lx, ly = LCD[0], LCD[1]
    groove(kit, bg, lx + 6, ly + 20, 130, 4)
    lcd(kit, bg, EXP_LCD2, glow=14)

    x, y, w, h = EXP_ART
    kit.fill(bg, kit.rounded_rect(x - 1, y - 1, w + 2, h + 2, 7), kit.rgb("#000000", 0.5))
    kit.fill(bg, kit.rounded_rect(x, y, w, h, 6), kit.vertical(kit.rgb("#1b212b"), kit.rgb("#0a0d12"), y, y + h), (x, y, x + w, y + h))
    glyphs = {"ToggleITunesWindowButton": window_glyph(kit), "UpdateIPodButton": player_glyph(kit),
              "QuitButton": power_glyph(kit)}
    for name, rect in EXP_SMALL.items():
        button_with_glyph(kit, bg, rect, glyphs[name], 8)
    return bg


def make_slim_expanded(kit, folder):
    images = images_folder(folder)
    info, progress = (22, 2, 130, 16), (22, 21, 130, 3)
    album, kind = to_display((80, 46, 140, 14)), to_display((128, 82, 94, 12))
    rating, counter, sound = to_display((80, 65, 50, 10)), to_display((174, 62, 48, 14)), to_display((80, 84, 36, 8))

    bg = draw_slim_expanded(kit)
    bg.save(os.path.join(images, "bg.png"))
    pause_image(kit, images, ROW_BUTTONS["PausePlayButton"], 11)
    star_strip(kit, images, "rating", rating[2], rating[3], vertical_column=False)

    # Volume wedge growing leftwards, filled from the right edge.
    sw, sh = sound[2], sound[3]
    for name, paint in (("sound_filled", kit.horizontal(kit.rgb("#2f7dff"), kit.rgb("#4fd1ff"), 0, sw)),
                        ("sound_unfilled", kit.rgb("#273140"))):
        strip = kit.Canvas(sw, sh)
        for i in range(7):
            bar_height = 2.5 + (6 - i) * (sh - 2.5) / 6
            kit.fill(strip, kit.rounded_rect(i * 5.2 + 0.5, sh - bar_height, 4, bar_height, 0.8), paint)
        strip.save(os.path.join(images, name + ".png"))

    # Glass over the artwork, stretched to the art area; its corners repeat the panel.
    x, y, w, h = EXP_ART
    overlay = kit.Canvas(w, h)
    frame = kit.rounded_rect(0, 0, w, h, 6)
    for oy in range(h):
        for ox in range(w):
            outside = max(0.0, min(1.0, 0.5 + frame(ox + 0.5, oy + 0.5)))
            if outside > 0.0:
                overlay.blend(ox, oy, bg.pixels[y + oy][x + ox], outside)
    kit.fill(overlay, kit.intersect(frame, kit.circle(w * 0.2, -w * 0.55, w * 1.05)),
             kit.vertical(kit.rgb("#ffffff", 0.28), kit.rgb("#ffffff", 0.04), 0, h * 0.5))
    kit.fill(overlay, kit.ring(kit.rounded_rect(0.5, 0.5, w - 1, h - 1, 6), 1.0),
             kit.vertical(kit.rgb("#ffffff", 0.35), kit.rgb("#ffffff", 0.08), 0, h))
    overlay.save(os.path.join(images, "overlay.png"))

    kit.write_ini(folder, {
        "Info": {"Name": "SlimExpanded", "Author": "Quillbracket", "Info": "Slim, unrolled: art, rating, volume and more."},
        "Bg": {"Width": WIDTH, "Height": EXPANDED_HEIGHT},
        "Font": text_keys(kit, "Arial", "#e6ecf5", 12, 1, 0),
        "CounterFont": text_keys(kit, "Arial", "#8fb0cc", 11, 0, 2),
        "DisplayPane": kit.rect_keys(*EXP_DISPLAY),
        "InfoPane": kit.rect_keys(*info),
        "CounterPane": kit.rect_keys(*counter),
        "ProgressBar": kit.rect_keys(progress[0], progress[1] - 1, progress[2], progress[3] + 2),
        "Knob": {"Width": 6, "Height": progress[3], "UseBitmap": 0, "StretchKnob": 1},
        "InnerKnob": kit.color_keys("#3f9bff"),
        "OuterKnob": kit.color_keys("#7cc4ff"),
        "RatingPane": dict(kit.rect_keys(*rating), Direction=0),
        "SoundPane": dict(kit.rect_keys(*sound), Direction=1, UseKnob=0),
        **{name: kit.rect_keys(*rect) for name, rect in ROW_BUTTONS.items()},
        **{name: kit.rect_keys(*rect) for name, rect in EXP_SMALL.items()},
        "AlbumArt": dict(kit.rect_keys(*EXP_ART), Show=1, DrawOverlay=1, DrawOverlayActualSize=0, Alpha=255),
        "ExtraInfos": {"Count": 2},
        "ExtraInfo-1": dict(kit.rect_keys(*album), Type="album", **text_keys(kit, "Arial", "#7f9ab5", 11, 0, 0)),
        "ExtraInfo-2": dict(kit.rect_keys(*kind), Type="kind", **text_keys(kit, "Arial", "#6f8296", 10, 0, 2)),
        "ChangeSkinHotSpots": {"Count": 1},
        "ChangeSkinHotSpot-1": dict(kit.rect_keys(*CHEVRON), Type="click", NewSkinName="Slim"),
    })


# --- Tower ----------------------------------------------------------------------

def make_tower(kit, folder):
    width, height = 110, 300
    art = (10, 10, 90, 90)
    artwork = (6, 6, 78, 78)  # album-art space: inside the slide frame
    display = (6, 106, 98, 152)
    info, album, genre = (2, 2, 94, 17), (2, 20, 94, 14), (2, 34, 94, 12)
    counter, progress = (2, 49, 94, 20), (8, 73, 82, 5)
    rating, sound, length = (8, 86, 12, 60), (78, 86, 12, 52), (24, 110, 50, 14)
    buttons = {"PreviousButton": (8, 264, 26, 26), "PausePlayButton": (42, 264, 26, 26), "NextButton": (76, 264, 26, 26)}
    sound_knob = (12, 8)
    images = images_folder(folder)

    bg = kit.Canvas(width, height)
    glass_panel(kit, bg, height, radius=14)
    x, y, w, h = art
    kit.fill(bg, kit.rounded_rect(x, y, w, h, 4), kit.vertical(kit.rgb("#1b212b"), kit.rgb("#0a0d12"), y, y + h), (x, y, x + w, y + h))
    lcd(kit, bg, display, glow=20)
    dx, dy = display[0], display[1]
    groove(kit, bg, dx + progress[0], dy + progress[1], progress[2], progress[3])
    # Volume track: a slot for the knob, thin at the quiet top and wide at the loud bottom.
    sx, sy = dx + sound[0] + sound_knob[0] / 2, dy + sound[1] + sound_knob[1] / 2
    kit.fill(bg, kit.polygon([(sx - 0.8, sy), (sx + 0.8, sy), (sx + 2.5, sy + sound[3]), (sx - 2.5, sy + sound[3])]),
             kit.vertical(kit.rgb("#1a2230"), kit.rgb("#2f7dff", 0.55), sy, sy + sound[3]))
    for name, rect in buttons.items():
        shape = {"PreviousButton": kit.previous_glyph, "PausePlayButton": kit.pause_glyph, "NextButton": kit.next_glyph}[name]
        button_with_glyph(kit, bg, rect, shape, 12)
    bg.save(os.path.join(images, "bg.png"))
    pause_image(kit, images, buttons["PausePlayButton"], 12)

    star_strip(kit, images, "rating", rating[2], rating[3], vertical_column=True)

    knob = kit.Canvas(sound_knob[0], sound_knob[1])
    kw, kh = sound_knob
    kit.fill(knob, kit.rounded_rect(0.5, 0.5, kw - 1, kh - 1, 3), kit.vertical(kit.rgb("#d8f3ff"), kit.rgb("#3f9bff"), 0, kh))
    kit.fill(knob, kit.ring(kit.rounded_rect(0.5, 0.5, kw - 1, kh - 1, 3), 0.8), kit.rgb("#0b1a2e", 0.8))
    knob.save(os.path.join(images, "sound_knob.png"))

    # Revealed from the left up to the playing position.
    _, _, pw, ph = progress
    bar = kit.Canvas(pw, ph)
    kit.fill(bar, kit.rounded_rect(0, 0, pw, ph, ph / 2), kit.horizontal(kit.rgb("#ff9a3c"), kit.rgb("#ffe07a"), 0, pw))
    kit.fill(bar, kit.rounded_rect(0, 0, pw, ph / 2, ph / 4), kit.rgb("#ffffff", 0.3))
    bar.save(os.path.join(images, "knob.png"))

    # A slide frame drawn at its own size over the half-transparent artwork.
    _, _, w, h = art
    ax, ay, aw, ah = artwork
    overlay = kit.Canvas(w, h)
    mount = kit.intersect(kit.rounded_rect(0, 0, w, h, 4), lambda px, py: -kit.rounded_rect(ax, ay, aw, ah, 2)(px, py))
    kit.fill(overlay, mount, kit.vertical(kit.rgb("#e9edf2"), kit.rgb("#b7c0cc"), 0, h))
    kit.fill(overlay, kit.ring(kit.rounded_rect(ax, ay, aw, ah, 2), 1.0), kit.rgb("#000000", 0.35))
    kit.fill(overlay, kit.ring(kit.rounded_rect(0.5, 0.5, w - 1, h - 1, 4), 1.0), kit.rgb("#ffffff", 0.6))
    kit.fill(overlay, kit.intersect(kit.rounded_rect(ax, ay, aw, ah, 2), kit.circle(aw * 0.15, -ah * 0.6, ah * 1.05)),
             kit.vertical(kit.rgb("#ffffff", 0.22), kit.rgb("#ffffff", 0.02), ay, ay + ah * 0.5))
    overlay.save(os.path.join(images, "overlay.png"))

    kit.write_ini(folder, {
        "Info": {"Name": "Tower", "Author": "Quillbracket",
                 "Info": "A column: art in a slide frame, stars rising from below, a volume slider."},
        "Bg": {"Width": width, "Height": height},
        "Font": text_keys(kit, "Arial", "#e6ecf5", 11, 1, 1),
        "CounterFont": text_keys(kit, "Courier New", "#7cd4ff", 16, 1, 1),
        "DisplayPane": kit.rect_keys(*display),
        "InfoPane": kit.rect_keys(*info),
        "CounterPane": kit.rect_keys(*counter),
        "ProgressBar": kit.rect_keys(*progress),
        "Knob": {"Width": pw, "Height": ph, "UseBitmap": 1, "StretchKnob": 1},
        "RatingPane": dict(kit.rect_keys(*rating), Direction=3),
        "SoundPane": dict(kit.rect_keys(*sound), Direction=2, UseKnob=1),
        **{name: kit.rect_keys(*rect) for name, rect in buttons.items()},
        "AlbumArt": dict(kit.rect_keys(*art), ArtWorkLeft=artwork[0], ArtWorkTop=artwork[1], ArtWorkWidth=artwork[2],
                         ArtWorkHeight=artwork[3], Show=1, DrawOverlay=1, DrawOverlayActualSize=1, Alpha=215),
        "ExtraInfos": {"Count": 3},
        "ExtraInfo-1": dict(kit.rect_keys(*album), Type="album", **text_keys(kit, "Georgia", "#a9bfd6", 11, 2, 1)),
        "ExtraInfo-2": dict(kit.rect_keys(*genre), Type="genre", **text_keys(kit, "Arial", "#f2b45a", 9, 1, 1)),
        "ExtraInfo-3": dict(kit.rect_keys(*length), Type="length", **text_keys(kit, "Arial", "#6f8296", 10, 0, 1)),
    })


def skins(kit):
    """The skins of this module by folder name, each a function of the folder."""
    return {name: (lambda folder, make=make: make(kit, folder)) for name, make in
            (("Slim", make_slim), ("SlimExpanded", make_slim_expanded), ("Tower", make_tower))}
