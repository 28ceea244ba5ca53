"""The maker's three step illustrations, 508 x 380, drawn as one set: the same pastel
backdrop, confetti, outline colour and palette. Step 1 welcomes (bunting, a banner and a
calculator), step 2 stands for the time prefix (an alarm clock and a calendar), step 3 for
the photo (a framed picture and a camera)."""

import math
import random

from canvas import DEJAVU_BOLD_FONT, Canvas, bezier, rotate_points, star_points, vertical_gradient

WIDTH, HEIGHT = 508, 380
SCALE = 3
INK = (64, 42, 52, 255)
WHITE = (255, 255, 255, 255)
PALETTE = {
    "red":    (240, 76, 90, 255),
    "orange": (255, 150, 50, 255),
    "yellow": (255, 206, 60, 255),
    "green":  (110, 200, 110, 255),
    "blue":   (80, 170, 240, 255),
    "purple": (160, 110, 230, 255),
    "pink":   (255, 130, 170, 255),
}
CONFETTI = ["red", "orange", "yellow", "green", "blue", "purple", "pink"]


def _backdrop(seed):
    sky = vertical_gradient((WIDTH, HEIGHT), [(0.0, (214, 238, 255)), (0.7, (255, 246, 232)),
                                              (1.0, (255, 232, 214))])
    canvas = Canvas(WIDTH, HEIGHT, SCALE, sky)
    # A soft ground the objects stand on.
    canvas.ellipse((-60, 300, WIDTH + 60, 470), fill=(255, 220, 190, 255))
    rng = random.Random(seed)
    for _ in range(46):
        x, y = rng.uniform(0, WIDTH), rng.uniform(0, HEIGHT)
        colour = PALETTE[rng.choice(CONFETTI)]
        kind = rng.random()
        if kind < 0.4:
            canvas.circle((x, y), rng.uniform(2.5, 4.5), fill=colour)
        elif kind < 0.8:
            w, h = rng.uniform(4, 7), rng.uniform(8, 12)
            box = [(x - w, y - h / 2), (x + w, y - h / 2), (x + w, y + h / 2), (x - w, y + h / 2)]
            canvas.polygon(rotate_points(box, (x, y), rng.uniform(0, 180)), fill=colour)
        else:
            canvas.polygon(star_points((x, y), 7, 3), fill=colour)
    return canvas


def _calculator(canvas, box):
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    canvas.rectangle(box, fill=PALETTE["orange"], outline=INK, width=5, radius=w * 0.14)
    canvas.rectangle((x0 + 10, y0 + 8, x1 - 10, y0 + 28), fill=(255, 196, 130, 255), radius=8)
    screen = (x0 + w * 0.13, y0 + h * 0.1, x1 - w * 0.13, y0 + h * 0.3)
    canvas.rectangle(screen, fill=(214, 250, 214, 255), outline=INK, width=4, radius=8)
    canvas.text(((screen[0] + screen[2]) / 2 + 12, (screen[1] + screen[3]) / 2), "520",
                h * 0.16, (40, 90, 60, 255), font=DEJAVU_BOLD_FONT)
    keys = ["red", "blue", "green", "yellow", "pink", "blue", "green", "yellow", "red"]
    pitch_x, pitch_y = w * 0.74 / 3, (h * 0.56) / 3
    for i, name in enumerate(keys):
        cx = x0 + w * 0.13 + pitch_x * (i % 3 + 0.5)
        cy = y0 + h * 0.38 + pitch_y * (i // 3 + 0.5)
        r = min(pitch_x, pitch_y) * 0.38
        canvas.circle((cx, cy), r, fill=PALETTE[name], outline=INK, width=4)
        canvas.circle((cx - r * 0.3, cy - r * 0.35), r * 0.3, fill=(255, 255, 255, 140))


def step1_welcome():
    canvas = _backdrop(seed=1)
    # Bunting across the top.
    rope = bezier((-10, 26), (150, 86), (358, 86), (518, 26), 40)
    canvas.line(rope, INK, 3)
    flags = ["red", "yellow", "blue", "green", "pink", "orange", "purple", "yellow", "red"]
    for i, name in enumerate(flags):
        a, b = rope[3 + i * 4], rope[5 + i * 4]
        tip = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2 + 34)
        canvas.polygon([a, b, tip], fill=PALETTE[name], outline=INK, width=3)
    # Balloons on the right, tied together below the banner.
    knot = (440, 350)
    for (x, y), name in (((418, 226), "pink"), ((468, 252), "blue"), ((392, 276), "yellow")):
        string = bezier((x, y + 34), (x - 6, y + 60), (knot[0] + 8, knot[1] - 30), knot)
        canvas.line(string, INK, 2)
        canvas.ellipse((x - 26, y - 32, x + 26, y + 32), fill=PALETTE[name], outline=INK, width=4)
        canvas.polygon([(x, y + 30), (x - 6, y + 40), (x + 6, y + 40)], fill=PALETTE[name],
                       outline=INK, width=3)
        canvas.ellipse((x - 15, y - 22, x - 4, y - 6), fill=(255, 255, 255, 150))
    # The welcome banner, a ribbon with folded ends.
    for side in (-1, 1):
        end_x = 254 + side * 170
        inner = 254 + side * 130
        canvas.polygon([(inner, 126), (end_x, 126), (end_x - side * 24, 156), (end_x, 186),
                        (inner, 186)], fill=(200, 50, 66, 255), outline=INK, width=4)
    canvas.rectangle((104, 106, 404, 172), fill=PALETTE["red"], outline=INK, width=5, radius=10)
    canvas.text((254, 138), "欢迎使用", 44, WHITE, outline=INK, outline_width=2.5)
    # Below the banner: a calculator, a present and a star.
    _calculator(canvas, (70, 190, 180, 340))
    _gift_box(canvas, (214, 246, 314, 334))
    canvas.polygon(star_points((340, 224), 16, 7.5), fill=PALETTE["yellow"], outline=INK,
                   width=3)
    return canvas.finish()


def _gift_box(canvas, box):
    x0, y0, x1, y1 = box
    cx = (x0 + x1) / 2
    # Bow loops on the lid.
    for side in (-1, 1):
        loop = bezier((cx, y0 + 2), (cx + side * 44, y0 - 40), (cx + side * 52, y0 + 4),
                      (cx, y0 + 2))
        canvas.polygon(loop, fill=PALETTE["yellow"], outline=INK, width=4)
    canvas.rectangle((x0 + 6, y0 + 22, x1 - 6, y1), fill=PALETTE["purple"], outline=INK, width=5,
                     radius=6)
    canvas.rectangle((x0, y0, x1, y0 + 28), fill=(186, 140, 250, 255), outline=INK, width=5,
                     radius=6)
    canvas.rectangle((cx - 11, y0 + 2.5, cx + 11, y1 - 2.5), fill=PALETTE["yellow"])
    canvas.line([(cx - 11, y0 + 2), (cx - 11, y1 - 2)], INK, 3)
    canvas.line([(cx + 11, y0 + 2), (cx + 11, y1 - 2)], INK, 3)
    canvas.line([(x0 + 6, y0 + 28), (x1 - 6, y0 + 28)], INK, 4)
    canvas.circle((cx, y0 + 2), 9, fill=PALETTE["orange"], outline=INK, width=4)


def _alarm_clock(canvas, centre, radius):
    cx, cy = centre
    for side in (-1, 1):
        foot = math.radians(90 + side * 40)
        fx, fy = cx + radius * math.cos(foot), cy + radius * math.sin(foot)
        canvas.line([(fx, fy), (fx + side * 16, fy + 22)], INK, 8)
        # A bell: a dome leaning outwards on top of the clock, with a little knob.
        lean = -90 + side * 40
        a = math.radians(lean)
        base = (cx + (radius - 4) * math.cos(a), cy + (radius - 4) * math.sin(a))
        dome = [(base[0] + 36 * math.cos(math.radians(lean + t)),
                 base[1] + 36 * math.sin(math.radians(lean + t))) for t in range(-90, 91, 6)]
        canvas.polygon(dome, fill=PALETTE["yellow"], outline=INK, width=4)
        knob = (base[0] + 40 * math.cos(a), base[1] + 40 * math.sin(a))
        canvas.circle(knob, 6, fill=PALETTE["yellow"], outline=INK, width=3)
    canvas.rectangle((cx - 8, cy - radius - 22, cx + 8, cy - radius + 4), fill=INK, radius=3)
    canvas.circle(centre, radius, fill=PALETTE["red"], outline=INK, width=5)
    canvas.circle(centre, radius * 0.8, fill=WHITE, outline=INK, width=4)
    for hour in range(12):
        a = math.radians(hour * 30)
        outer = radius * 0.72
        inner = radius * (0.58 if hour % 3 == 0 else 0.64)
        canvas.line([(cx + inner * math.sin(a), cy - inner * math.cos(a)),
                     (cx + outer * math.sin(a), cy - outer * math.cos(a))], INK,
                    6 if hour % 3 == 0 else 3)
    # Hands at ten past ten, the friendliest time a clock can show.
    for angle, length, width in ((-60, 0.38, 9), (60, 0.55, 6)):
        a = math.radians(angle)
        canvas.line([centre, (cx + radius * length * math.sin(a),
                              cy - radius * length * math.cos(a))], INK, width)
    canvas.line([centre, (cx, cy + radius * 0.52)], PALETTE["red"], 3)
    canvas.circle(centre, 8, fill=PALETTE["yellow"], outline=INK, width=3)


def _calendar(canvas, box):
    x0, y0, x1, y1 = box
    canvas.rectangle((x0 + 8, y0 + 10, x1 + 8, y1 + 10), fill=(230, 190, 170, 255), radius=14)
    canvas.rectangle(box, fill=WHITE, outline=INK, width=5, radius=14)
    canvas.rectangle((x0, y0, x1, y0 + 52), fill=PALETTE["blue"], outline=INK, width=5,
                     radius=14)
    canvas.rectangle((x0 + 2.5, y0 + 30, x1 - 2.5, y0 + 50), fill=PALETTE["blue"])
    canvas.line([(x0, y0 + 52), (x1, y0 + 52)], INK, 5, round_caps=False)
    for k in range(4):
        rx = x0 + (x1 - x0) * (k + 1) / 5
        canvas.rectangle((rx - 5, y0 - 16, rx + 5, y0 + 16), fill=(220, 220, 230, 255),
                         outline=INK, width=3, radius=5)
    cols, rows = 5, 4
    cell_w, cell_h = (x1 - x0 - 30) / cols, (y1 - y0 - 82) / rows
    for row in range(rows):
        for col in range(cols):
            cx = x0 + 15 + cell_w * (col + 0.5)
            cy = y0 + 68 + cell_h * (row + 0.5)
            day = row * cols + col + 1
            if day == 14:
                canvas.circle((cx, cy), min(cell_w, cell_h) * 0.46, fill=PALETTE["pink"],
                              outline=INK, width=3)
                canvas.polygon(_heart((cx, cy), 9), fill=WHITE)
            else:
                canvas.rectangle((cx - 9, cy - 6, cx + 9, cy + 6), fill=(200, 214, 236, 255),
                                 radius=3)


def _heart(centre, size):
    cx, cy = centre
    return (bezier((cx, cy + size), (cx - size * 2, cy - size * 0.2), (cx - size * 0.9,
                                                                       cy - size * 1.6),
                   (cx, cy - size * 0.5))
            + bezier((cx, cy - size * 0.5), (cx + size * 0.9, cy - size * 1.6),
                     (cx + size * 2, cy - size * 0.2), (cx, cy + size)))


def step2_clock():
    canvas = _backdrop(seed=2)
    _calendar(canvas, (280, 90, 450, 300))
    _alarm_clock(canvas, (160, 196), 100)
    return canvas.finish()


def _framed_picture(canvas, centre, width, height, tilt):
    cx, cy = centre

    def box(dx, dy):
        return rotate_points([(cx - dx, cy - dy), (cx + dx, cy - dy), (cx + dx, cy + dy),
                              (cx - dx, cy + dy)], centre, tilt)

    canvas.polygon(box(width / 2, height / 2), fill=(214, 150, 80, 255), outline=INK, width=5)
    canvas.polygon(box(width / 2 - 16, height / 2 - 16), fill=(150, 210, 250, 255),
                   outline=INK, width=4)
    # Inside the frame: sun, two hills and a cloud, kept in the frame by drawing on a
    # layer and cutting it to the inner rectangle.
    scene = canvas.layer()
    sx, sy = width / 2 - 18, height / 2 - 18
    scene.circle((cx + sx * 0.45, cy - sy * 0.4), 22, fill=PALETTE["yellow"])
    scene.ellipse((cx - sx * 1.6, cy + sy * 0.1, cx + sx * 0.5, cy + sy * 2.4),
                  fill=PALETTE["green"])
    scene.ellipse((cx - sx * 0.2, cy + sy * 0.3, cx + sx * 1.9, cy + sy * 2.2),
                  fill=(80, 170, 90, 255))
    for dx, dy, r in ((-0.5, -0.5, 16), (-0.32, -0.56, 20), (-0.14, -0.5, 15)):
        scene.circle((cx + sx * dx, cy + sy * dy), r, fill=WHITE)
    cut = canvas.layer()
    cut.polygon(box(sx, sy), fill=WHITE)
    canvas.composite(scene, clip=cut)
    canvas.polygon(box(sx, sy), outline=INK, width=4)


def _camera(canvas, box):
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    canvas.rectangle((x0 + w * 0.14, y0 - 20, x0 + w * 0.42, y0 + 12), fill=(90, 90, 110, 255),
                     outline=INK, width=4, radius=6)
    canvas.rectangle(box, fill=(120, 120, 140, 255), outline=INK, width=5, radius=18)
    canvas.rectangle((x0 + 4, y0 + h * 0.3, x1 - 4, y0 + h * 0.72), fill=PALETTE["purple"])
    canvas.rectangle((x1 - 46, y0 + 12, x1 - 16, y0 + 30), fill=(255, 250, 210, 255),
                     outline=INK, width=3, radius=4)
    canvas.circle((x0 + 26, y0 + 22), 8, fill=PALETTE["red"], outline=INK, width=3)
    lens = ((x0 + x1) / 2, (y0 + y1) / 2 + 4)
    canvas.circle(lens, h * 0.4, fill=(70, 70, 90, 255), outline=INK, width=5)
    canvas.circle(lens, h * 0.29, fill=(40, 60, 110, 255), outline=INK, width=4)
    canvas.circle(lens, h * 0.16, fill=(90, 140, 220, 255))
    canvas.circle((lens[0] - h * 0.1, lens[1] - h * 0.1), h * 0.07, fill=(255, 255, 255, 220))


def step3_photo():
    canvas = _backdrop(seed=3)
    _framed_picture(canvas, (200, 165), 250, 200, -6)
    _camera(canvas, (300, 220, 460, 330))
    for (x, y), r in (((470, 180), 16), ((300, 70), 12)):
        canvas.polygon(star_points((x, y), r, r * 0.3, 4), fill=PALETTE["yellow"], outline=INK,
                       width=2)
    return canvas.finish()
