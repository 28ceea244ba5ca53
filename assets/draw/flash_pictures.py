"""The five small pictures that flash beside a team's score: an angel, fireworks, red lips,
a swirl lollipop and a yellow rubber duck. Each is a few bold, outlined shapes on a plain
light background so that it still reads at 40 pixels wide."""

import math

from canvas import Canvas, bezier, star_points, vertical_gradient

SCALE = 8
INK = (50, 30, 30, 255)
WHITE = (255, 255, 255, 255)


def angel():
    canvas = Canvas(39, 33, SCALE, (232, 244, 255))
    # Wings first, so the robe overlaps their roots.
    for side in (-1, 1):
        root = 19.5 + side * 3
        tip_x = 19.5 + side * 17.5
        wing = (bezier((root, 17), (root + side * 6, 6), (tip_x, 6), (tip_x, 12))
                + bezier((tip_x, 12), (tip_x, 19), (root + side * 9, 26), (root, 25)))
        canvas.polygon(wing, fill=WHITE, outline=INK, width=1.3)
        for row in (0, 1):
            y = 13.5 + row * 4.5
            feather = bezier((19.5 + side * 8, y), (19.5 + side * 10, y - 1.6),
                             (19.5 + side * 12.5, y - 1.6), (19.5 + side * 14.5, y - 0.4))
            canvas.line(feather, (140, 165, 205, 255), 1.0)
    robe = bezier((15.5, 20), (13, 25), (12, 29), (11.5, 32)) + bezier(
        (27.5, 32), (27, 29), (26, 25), (23.5, 20))
    canvas.polygon(robe, fill=(255, 240, 160, 255), outline=INK, width=1.3)
    # Head with golden hair, a cheerful face and a halo floating above it.
    canvas.circle((19.5, 14.5), 6.4, fill=(255, 214, 170, 255), outline=INK, width=1.3)
    canvas.chord((13.6, 8.2, 25.4, 17), 180, 360, fill=(250, 196, 60, 255))
    canvas.circle((17.2, 14.4), 0.95, fill=INK)
    canvas.circle((21.8, 14.4), 0.95, fill=INK)
    canvas.chord((17.4, 15.2, 21.6, 19), 0, 180, fill=(210, 50, 70, 255))
    canvas.circle((15.5, 16.6), 1.1, fill=(255, 140, 150, 200))
    canvas.circle((23.5, 16.6), 1.1, fill=(255, 140, 150, 200))
    canvas.ellipse((11, 0.4, 28, 7.4), outline=INK, width=2.4)
    canvas.ellipse((11.6, 1.0, 27.4, 6.8), outline=(255, 204, 0, 255), width=1.3)
    return canvas.finish()


BURSTS = [
    # centre       radius  rays  colour               core colour
    ((11.0, 11.0), 9.5,    12,   (255, 70, 90, 255),  (255, 220, 120, 255)),
    ((28.5,  9.5), 8.0,    10,   (255, 220, 50, 255), (255, 255, 210, 255)),
    ((25.0, 24.5), 7.5,    10,   (70, 230, 200, 255), (220, 255, 255, 255)),
]


def fireworks():
    sky = vertical_gradient((39, 33), [(0.0, (12, 14, 50)), (1.0, (44, 26, 92))])
    canvas = Canvas(39, 33, SCALE, sky)
    glow = canvas.layer()
    for centre, radius, _, colour, _ in BURSTS:
        glow.circle(centre, radius * 0.9, fill=colour[:3] + (90,))
    canvas.composite(glow, blur=2.5)
    for centre, radius, rays, colour, core in BURSTS:
        cx, cy = centre
        for i in range(rays):
            a = 2 * math.pi * i / rays
            inner = (cx + radius * 0.3 * math.cos(a), cy + radius * 0.3 * math.sin(a))
            outer = (cx + radius * 0.82 * math.cos(a), cy + radius * 0.82 * math.sin(a))
            canvas.line([inner, outer], colour, 1.3)
            tip = (cx + radius * math.cos(a), cy + radius * math.sin(a))
            canvas.circle(tip, 0.9, fill=core)
        canvas.circle(centre, 1.6, fill=core)
    # A rising rocket trail and a few twinkles in the dark.
    canvas.line([(8, 32), (10, 26), (11.5, 22)], (255, 190, 120, 200), 0.8)
    for x, y in ((35, 26), (4, 26), (19, 3), (36, 19)):
        canvas.polygon(star_points((x, y), 1.9, 0.5, 4), fill=(255, 255, 255, 230))
    return canvas.finish()


def lips():
    canvas = Canvas(39, 27, SCALE, (255, 238, 242))
    left, right, mid = (3, 13.5), (36, 13.5), 19.5
    upper = (bezier(left, (8, 9), (11, 4.2), (15, 4.4))
             + bezier((15, 4.4), (17.3, 4.5), (18.6, 6.6), (mid, 7.2))
             + bezier((mid, 7.2), (20.4, 6.6), (21.7, 4.5), (24, 4.4))
             + bezier((24, 4.4), (28, 4.2), (31, 9), right))
    mouth = bezier(right, (28, 15.5), (24, 14.2), (mid, 15)) + bezier(
        (mid, 15), (15, 14.2), (11, 15.5), left)
    lower = bezier(right, (30, 24.5), (9, 24.5), left)
    red, dark = (222, 22, 58, 255), (120, 0, 24, 255)
    canvas.polygon(lower + mouth[::-1], fill=red)
    canvas.polygon(upper + mouth, fill=(200, 14, 48, 255))
    canvas.line(upper + lower[::-1][1:], dark, 1.4)
    canvas.line(mouth, dark, 1.3)
    # Shine on the lower lip.
    canvas.ellipse((13, 17.2, 21, 19.8), fill=(255, 170, 185, 230))
    canvas.ellipse((23, 17.6, 25.6, 19.4), fill=(255, 200, 210, 230))
    return canvas.finish()


def lollipop():
    canvas = Canvas(40, 36, SCALE, (255, 246, 226))
    centre, radius = (17, 14), 12.6
    # Stick, drawn first so the candy covers its top.
    canvas.line([centre, (32, 34)], INK, 4.0)
    canvas.line([centre, (32, 34)], (250, 250, 250, 255), 2.2)
    canvas.circle(centre, radius + 0.8, fill=INK)
    canvas.circle(centre, radius - 0.5, fill=WHITE)
    # The swirl: an Archimedean spiral from the centre to the rim.
    spiral = []
    turns = 2.6
    for i in range(0, 241):
        t = i / 240
        a = t * turns * 2 * math.pi
        r = (radius - 2.2) * t
        spiral.append((centre[0] + r * math.cos(a), centre[1] + r * math.sin(a)))
    canvas.line(spiral, (236, 30, 90, 255), 2.8)
    canvas.circle((12.5, 9.2), 1.8, fill=(255, 255, 255, 180))
    # A ribbon bow where the stick meets the candy.
    knot = (26.2, 24.6)
    blue = (60, 150, 240, 255)
    for wing in ([(-4.4, -2.4), (-3.6, 2.8)], [(2.8, -3.8), (4.4, 1.8)]):
        points = [knot] + [(knot[0] + dx, knot[1] + dy) for dx, dy in wing]
        canvas.polygon(points, fill=blue, outline=INK, width=0.9)
    canvas.circle(knot, 1.3, fill=blue, outline=INK, width=0.8)
    return canvas.finish()


def duck():
    canvas = Canvas(37, 32, SCALE, (226, 243, 255))
    yellow, orange = (255, 214, 20, 255), (255, 128, 20, 255)
    for x in (3, 12, 21, 30):
        canvas.arc((x - 3, 27.5, x + 3, 31.5), 200, 340, (90, 160, 230, 255), 1.0)
    # Beak and head first: the body in front hides the bottom of the head.
    canvas.polygon(bezier((6.5, 12.4), (2.5, 12), (1.2, 14.6), (2.2, 15.6))
                   + bezier((2.2, 15.6), (4, 17), (7, 16.6), (9, 15.6)),
                   fill=orange, outline=INK, width=1.1)
    canvas.circle((12.5, 10.5), 7, fill=yellow, outline=INK, width=1.3)
    canvas.circle((11, 8.8), 1.5, fill=INK)
    canvas.circle((11.5, 8.3), 0.55, fill=WHITE)
    canvas.circle((9.6, 12.4), 1.0, fill=(255, 150, 120, 200))
    # Body with a perky tail on the right.
    body = (bezier((6, 19), (5, 30), (30, 31), (33, 21))
            + bezier((33, 21), (35, 17), (35.5, 14), (34.5, 11.5))
            + bezier((34.5, 11.5), (30, 15), (25, 16), (18, 16))
            + bezier((18, 16), (12, 16), (7, 16), (6, 19)))
    canvas.polygon(body, fill=yellow, outline=INK, width=1.3)
    canvas.line(bezier((7.5, 17.6), (9, 16.4), (12, 16.8), (13.6, 17.8)), yellow, 2.0)
    wing = (bezier((16, 19.5), (16, 25), (24, 26.5), (29, 22))
            + bezier((29, 22), (27, 19), (21, 18), (16, 19.5)))
    canvas.polygon(wing, fill=(250, 186, 0, 255), outline=INK, width=1.0)
    return canvas.finish()
