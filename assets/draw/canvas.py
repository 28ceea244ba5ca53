"""A supersampled drawing surface: shapes are given in final-picture pixels and drawn
`scale` times larger, then the picture is shrunk with LANCZOS, so edges come out smooth
and bold shapes stay readable even in a 37 x 32 picture."""

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

WQY_FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
DEJAVU_BOLD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def vertical_gradient(size, stops):
    """An RGB image of `size` whose colour runs through `stops`, a list of
    (fraction from the top, (r, g, b)) pairs in rising order."""
    width, height = size
    column = Image.new("RGB", (1, height))
    pixels = column.load()
    for y in range(height):
        t = y / max(1, height - 1)
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                k = 0.0 if t1 == t0 else (t - t0) / (t1 - t0)
                pixels[0, y] = tuple(round(a + (b - a) * k) for a, b in zip(c0, c1))
                break
    return column.resize(size, Image.NEAREST)


class Canvas:
    def __init__(self, width, height, scale, background=(255, 255, 255, 255)):
        self.width, self.height, self.scale = width, height, scale
        if isinstance(background, Image.Image):
            self.image = background.convert("RGBA").resize((width * scale, height * scale),
                                                           Image.BICUBIC)
        else:
            colour = tuple(background) + (255,) * (4 - len(background))
            self.image = Image.new("RGBA", (width * scale, height * scale), colour)
        self.draw = ImageDraw.Draw(self.image)

    # Coordinates and lengths in final pixels, scaled to the drawing surface.
    def _xy(self, points):
        return [(x * self.scale, y * self.scale) for x, y in points]

    def _box(self, box):
        x0, y0, x1, y1 = box
        return [x0 * self.scale, y0 * self.scale, x1 * self.scale, y1 * self.scale]

    def _w(self, width):
        return max(1, round(width * self.scale)) if width else 0

    def ellipse(self, box, fill=None, outline=None, width=0):
        self.draw.ellipse(self._box(box), fill=fill, outline=outline, width=self._w(width))

    def circle(self, centre, radius, fill=None, outline=None, width=0):
        cx, cy = centre
        self.ellipse((cx - radius, cy - radius, cx + radius, cy + radius), fill, outline, width)

    def rectangle(self, box, fill=None, outline=None, width=0, radius=0):
        if radius:
            self.draw.rounded_rectangle(self._box(box), radius=radius * self.scale, fill=fill,
                                        outline=outline, width=self._w(width))
        else:
            self.draw.rectangle(self._box(box), fill=fill, outline=outline, width=self._w(width))

    def polygon(self, points, fill=None, outline=None, width=0):
        self.draw.polygon(self._xy(points), fill=fill)
        if outline and width:
            self.line(list(points) + [points[0]], outline, width)

    def line(self, points, fill, width, round_caps=True):
        scaled = self._xy(points)
        self.draw.line(scaled, fill=fill, width=self._w(width), joint="curve")
        if round_caps:
            r = self._w(width) / 2
            for x, y in (scaled[0], scaled[-1]):
                self.draw.ellipse([x - r, y - r, x + r, y + r], fill=fill)

    def arc(self, box, start, end, fill, width):
        self.draw.arc(self._box(box), start, end, fill=fill, width=self._w(width))

    def chord(self, box, start, end, fill=None, outline=None, width=0):
        self.draw.chord(self._box(box), start, end, fill=fill, outline=outline,
                        width=self._w(width))

    def text(self, centre, text, size, fill, outline=None, outline_width=0, font=WQY_FONT):
        face = ImageFont.truetype(font, round(size * self.scale))
        self.draw.text(self._xy([centre])[0], text, font=face, fill=fill, anchor="mm",
                       stroke_width=self._w(outline_width), stroke_fill=outline)

    def star(self, centre, outer, inner, points=5, rotation=-90, **style):
        self.polygon(star_points(centre, outer, inner, points, rotation), **style)

    def layer(self):
        """A transparent canvas of the same size, for translucent shapes; hand it back to
        `composite`."""
        return Canvas(self.width, self.height, self.scale, (0, 0, 0, 0))

    def composite(self, layer, blur=0, clip=None):
        """Lays `layer` over the canvas, softened by `blur` pixels and, with `clip`, kept
        inside the shapes drawn on that other layer."""
        image = layer.image
        if blur:
            image = image.filter(ImageFilter.GaussianBlur(blur * self.scale))
        if clip:
            image = image.copy()
            image.putalpha(ImageChops.multiply(image.getchannel("A"), clip.image.getchannel("A")))
        self.image.alpha_composite(image)

    def glow(self, centre, radius, colour, strength):
        """A soft light of `colour` fading out from `centre` over `radius` pixels."""
        small = 64
        falloff = Image.new("L", (small, small), 0)
        pixels = falloff.load()
        for y in range(small):
            for x in range(small):
                d = math.hypot(x - small / 2 + 0.5, y - small / 2 + 0.5) / (small / 2)
                pixels[x, y] = round(255 * strength * max(0.0, 1.0 - d) ** 1.6)
        diameter = round(2 * radius * self.scale)
        mask = Image.new("L", self.image.size, 0)
        mask.paste(falloff.resize((diameter, diameter), Image.BILINEAR),
                   (round((centre[0] - radius) * self.scale),
                    round((centre[1] - radius) * self.scale)))
        light = Image.new("RGBA", self.image.size, tuple(colour[:3]) + (0,))
        light.putalpha(mask)
        self.image.alpha_composite(light)

    def finish(self):
        """The picture at its final size, RGBA."""
        return self.image.resize((self.width, self.height), Image.LANCZOS)


def star_points(centre, outer, inner, points=5, rotation=-90):
    cx, cy = centre
    result = []
    for i in range(points * 2):
        radius = outer if i % 2 == 0 else inner
        angle = math.radians(rotation + i * 180 / points)
        result.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return result


def rotate_points(points, centre, degrees):
    cx, cy = centre
    a = math.radians(degrees)
    cos, sin = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * cos - (y - cy) * sin, cy + (x - cx) * sin + (y - cy) * cos)
            for x, y in points]


def add_grain(image, amount, seed):
    """Adds fine, even film grain, which keeps large soft areas from banding in JPEG."""
    rng = random.Random(seed)
    noise = Image.new("L", image.size)
    noise.putdata([max(0, min(255, round(128 + rng.gauss(0, amount))))
                   for _ in range(image.width * image.height)])
    grain = Image.merge("RGB", (noise, noise, noise))
    return ImageChops.add(image.convert("RGB"), grain, offset=-128)


def bezier(p0, p1, p2, p3, steps=24):
    """Points along a cubic Bezier curve, both ends included."""
    points = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        points.append(tuple(u ** 3 * a + 3 * u * u * t * b + 3 * u * t * t * c + t ** 3 * d
                            for a, b, c, d in zip(p0, p1, p2, p3)))
    return points
