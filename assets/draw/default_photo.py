"""The calculator's default photo, 520 x 674: a stylised, smiling cartoon person on a soft
pastel background with floating bokeh lights, a placeholder until the user's own photo."""

import random

from canvas import Canvas, add_grain, bezier, star_points, vertical_gradient

WIDTH, HEIGHT = 520, 674
SCALE = 2
INK = (70, 44, 44, 255)
SKIN = (255, 216, 184, 255)
HAIR = (92, 58, 44, 255)
# Film grain strength: keeps the soft gradients from banding and gives the JPEG the
# weight of a real photo (about 90 KB).
GRAIN = 5


def _background():
    sky = vertical_gradient((WIDTH, HEIGHT), [(0.0, (255, 214, 196)), (0.55, (250, 196, 214)),
                                              (1.0, (196, 186, 246))])
    canvas = Canvas(WIDTH, HEIGHT, SCALE, sky)
    canvas.glow((260, 250), 330, (255, 250, 235), 0.85)
    rng = random.Random(520)
    bokeh = canvas.layer()
    for _ in range(34):
        x, y = rng.uniform(0, WIDTH), rng.uniform(0, HEIGHT * 0.8)
        r = rng.uniform(10, 38)
        colour = rng.choice([(255, 255, 255), (255, 236, 170), (255, 200, 220), (210, 220, 255)])
        bokeh.circle((x, y), r, fill=colour + (rng.randint(50, 110),))
    canvas.composite(bokeh, blur=3)
    return canvas


def _person(canvas):
    cx = WIDTH / 2
    # Shoulders and a soft sweater with a round collar.
    torso = (bezier((40, HEIGHT + 10), (44, 560), (120, 500), (200, 488))
             + bezier((320, 488), (400, 500), (476, 560), (480, HEIGHT + 10)))
    canvas.polygon(torso, fill=(72, 176, 170, 255), outline=INK, width=5)
    canvas.rectangle((cx - 42, 400, cx + 42, 500), fill=SKIN, outline=INK, width=5)
    canvas.polygon(bezier((cx - 64, 486), (cx - 40, 530), (cx + 40, 530), (cx + 64, 486))
                   + [(cx + 80, 488), (cx + 64, 520)] + bezier(
                       (cx + 64, 520), (cx + 30, 560), (cx - 30, 560), (cx - 64, 520))
                   + [(cx - 80, 488)], fill=(250, 250, 245, 255), outline=INK, width=4)
    # Hair behind the head: a rounded bob.
    canvas.polygon(bezier((cx - 150, 430), (cx - 190, 250), (cx - 120, 130), (cx, 128))
                   + bezier((cx, 128), (cx + 120, 130), (cx + 190, 250), (cx + 150, 430))
                   + bezier((cx + 150, 430), (cx + 100, 450), (cx - 100, 450), (cx - 150, 430)),
                   fill=HAIR, outline=INK, width=5)
    # Ears, then the face over their inner halves.
    for side in (-1, 1):
        ear = cx + side * 106
        canvas.ellipse((ear - 18, 280, ear + 18, 330), fill=SKIN, outline=INK, width=4)
    canvas.ellipse((cx - 108, 170, cx + 108, 430), fill=SKIN, outline=INK, width=5)
    # Fringe over the forehead, swept to one side; only its lower edge is outlined, the
    # rest merges with the hair behind.
    fringe_edge = (bezier((cx + 110, 280), (cx + 70, 220), (cx + 20, 215), (cx - 10, 200))
                   + bezier((cx - 10, 200), (cx - 50, 240), (cx - 90, 250), (cx - 112, 280)))
    canvas.polygon(bezier((cx - 112, 280), (cx - 120, 160), (cx - 30, 140), (cx + 20, 160))
                   + bezier((cx + 20, 160), (cx + 90, 150), (cx + 126, 210), (cx + 110, 280))
                   + fringe_edge, fill=HAIR)
    canvas.line(fringe_edge, INK, 5)
    # Happy closed eyes, rosy cheeks, a small nose and a wide smile.
    for side in (-1, 1):
        ex = cx + side * 44
        canvas.arc((ex - 22, 290, ex + 22, 320), 200, 340, INK, 6)
        glow = canvas.layer()
        glow.ellipse((ex + side * 10 - 26, 330, ex + side * 10 + 26, 360),
                     fill=(255, 120, 140, 120))
        canvas.composite(glow, blur=4)
    canvas.chord((cx - 52, 318, cx + 52, 398), 10, 170, fill=(200, 60, 80, 255), outline=INK,
                 width=5)
    canvas.chord((cx - 30, 360, cx + 30, 396), 30, 150, fill=(255, 140, 150, 255))
    canvas.arc((cx - 8, 320, cx + 8, 344), 40, 140, (200, 140, 120, 255), 4)


def default_photo():
    canvas = _background()
    _person(canvas)
    sparkles = canvas.layer()
    for x, y, r in ((80, 120, 14), (440, 170, 18), (420, 430, 10), (100, 380, 11)):
        sparkles.polygon(star_points((x, y), r, r * 0.3, 4), fill=(255, 255, 255, 220))
    canvas.composite(sparkles)
    return add_grain(canvas.finish(), GRAIN, seed=674)
