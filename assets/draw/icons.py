"""The two 48 x 48 program icons: the calculator (a bright score calculator with a star)
and the maker (a calculator being conjured up by a magic wand)."""

from canvas import Canvas, rotate_points, star_points

SIDE = 48
SCALE = 8

INK = (60, 36, 28, 255)
GOLD = (255, 204, 40, 255)

# Button colours of the calculator keypad, one list per row.
KEYPAD = [
    [(255, 112, 150, 255), (90, 186, 255, 255), (120, 214, 90, 255)],
    [(255, 190, 60, 255), (255, 112, 150, 255), (90, 186, 255, 255)],
    [(120, 214, 90, 255), (255, 190, 60, 255), (240, 70, 70, 255)],
]


def _calculator(canvas, box, body, body_light, screen_mark):
    """A chunky calculator filling `box`: body, screen and a 3 x 3 keypad."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    canvas.rectangle(box, fill=INK, radius=w * 0.2)
    canvas.rectangle((x0 + 1.6, y0 + 1.6, x1 - 1.6, y1 - 1.6), fill=body, radius=w * 0.17)
    canvas.rectangle((x0 + 3.2, y0 + 2.4, x1 - 3.2, y0 + h * 0.2), fill=body_light,
                     radius=w * 0.1)
    screen = (x0 + w * 0.16, y0 + h * 0.12, x1 - w * 0.16, y0 + h * 0.36)
    canvas.rectangle(screen, fill=INK, radius=2.2)
    canvas.rectangle((screen[0] + 1.3, screen[1] + 1.3, screen[2] - 1.3, screen[3] - 1.3),
                     fill=(214, 250, 214, 255), radius=1.4)
    screen_mark(canvas, screen)
    keys_top = y0 + h * 0.44
    pitch_x = (w * 0.68) / 3
    pitch_y = (y1 - h * 0.07 - keys_top) / 3
    radius = min(pitch_x, pitch_y) * 0.42
    for row, colours in enumerate(KEYPAD):
        for column, colour in enumerate(colours):
            cx = x0 + w * 0.16 + pitch_x * (column + 0.5)
            cy = keys_top + pitch_y * (row + 0.5)
            canvas.circle((cx, cy), radius + 1.1, fill=INK)
            canvas.circle((cx, cy), radius, fill=colour)
            canvas.circle((cx - radius * 0.3, cy - radius * 0.35), radius * 0.32,
                          fill=(255, 255, 255, 150))


def _plus_and_heart(canvas, screen):
    x0, y0, x1, y1 = screen
    cy = (y0 + y1) / 2
    red = (230, 40, 60, 255)
    # A bold plus for adding points...
    px = x0 + (x1 - x0) * 0.3
    canvas.line([(px - 3.2, cy), (px + 3.2, cy)], red, 2.2)
    canvas.line([(px, cy - 3.2), (px, cy + 3.2)], red, 2.2)
    # ...and a heart for the friendly side of the score.
    hx = x0 + (x1 - x0) * 0.7
    canvas.circle((hx - 1.6, cy - 1.0), 1.9, fill=red)
    canvas.circle((hx + 1.6, cy - 1.0), 1.9, fill=red)
    canvas.polygon([(hx - 3.4, cy - 0.4), (hx + 3.4, cy - 0.4), (hx, cy + 3.6)], fill=red)


def _sparkle(canvas, centre, size, colour):
    canvas.polygon(star_points(centre, size, size * 0.28, 4, -90), fill=colour)


def calculator_icon():
    canvas = Canvas(SIDE, SIDE, SCALE, (0, 0, 0, 0))
    _calculator(canvas, (6, 4, 40, 46), (255, 140, 40, 255), (255, 186, 110, 255),
                _plus_and_heart)
    canvas.star((38.5, 9.5), 9.5, 4.2, fill=INK)
    canvas.star((38.5, 9.5), 7.6, 3.2, fill=GOLD)
    canvas.circle((36.6, 8.2), 1.2, fill=(255, 255, 220, 255))
    return canvas.finish()


def _equals(canvas, screen):
    x0, y0, x1, y1 = screen
    cy = (y0 + y1) / 2
    blue = (40, 80, 200, 255)
    canvas.line([(x0 + 4, cy - 1.7), (x1 - 4, cy - 1.7)], blue, 1.8)
    canvas.line([(x0 + 4, cy + 1.7), (x1 - 4, cy + 1.7)], blue, 1.8)


def maker_icon():
    canvas = Canvas(SIDE, SIDE, SCALE, (0, 0, 0, 0))
    _calculator(canvas, (3, 13, 31, 46), (150, 100, 235, 255), (195, 165, 255, 255), _equals)
    # The wand: a dark stick with white tips, from the lower right to the star.
    stick = [(44, 42), (30.5, 17)]
    canvas.line(stick, INK, 5.2)
    canvas.line(stick, (70, 60, 90, 255), 3.0)
    canvas.line([(44, 42), (41.4, 37.2)], (255, 255, 255, 255), 3.0)
    tip = (29, 13.5)
    canvas.polygon(rotate_points(star_points(tip, 11, 4.8), tip, 12), fill=INK)
    canvas.polygon(rotate_points(star_points(tip, 9, 3.8), tip, 12), fill=GOLD)
    canvas.circle((27.6, 12), 1.4, fill=(255, 255, 225, 255))
    _sparkle(canvas, (42, 7), 4.6, INK)
    _sparkle(canvas, (42, 7), 3.2, (90, 210, 255, 255))
    _sparkle(canvas, (9, 6), 4.2, INK)
    _sparkle(canvas, (9, 6), 2.9, (255, 120, 170, 255))
    return canvas.finish()
