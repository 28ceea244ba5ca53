#!/usr/bin/python3
"""Draws all of the programs' artwork into assets/ (the folder above this script).

Rerun from anywhere with:   /usr/bin/python3 assets/draw/draw_assets.py [--preview DIR]
Needs Pillow (python3-pil) and the fonts-wqy-microhei and fonts-dejavu fonts. The output
is deterministic, so a rerun with the same Pillow rewrites the same bytes. --preview also
writes PNG copies, 1:1 and enlarged, to DIR for looking at the pictures."""

import argparse
import os
import sys

# The drawing modules sit beside this script; leave no bytecode caches in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import default_photo  # noqa: E402
import flash_pictures  # noqa: E402
import icons  # noqa: E402
import step_illustrations  # noqa: E402
from PIL import Image  # noqa: E402
from picture_files import enlarged, write_icon, write_jpeg  # noqa: E402

ASSETS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# file name               drawing                            size        JPEG quality
PICTURES = [
    ("calculator_icon.ico", icons.calculator_icon,               (48, 48),   None),
    ("maker_icon.ico",      icons.maker_icon,                    (48, 48),   None),
    ("default_photo.jpg",   default_photo.default_photo,         (520, 674), 88),
    ("flash_angel.jpg",     flash_pictures.angel,                (39, 33),   95),
    ("flash_fireworks.jpg", flash_pictures.fireworks,            (39, 33),   95),
    ("flash_lips.jpg",      flash_pictures.lips,                 (39, 27),   95),
    ("flash_lollipop.jpg",  flash_pictures.lollipop,             (40, 36),   95),
    ("flash_duck.jpg",      flash_pictures.duck,                 (37, 32),   95),
    ("step1_welcome.jpg",   step_illustrations.step1_welcome,    (508, 380), 90),
    ("step2_clock.jpg",     step_illustrations.step2_clock,      (508, 380), 90),
    ("step3_photo.jpg",     step_illustrations.step3_photo,      (508, 380), 90),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged PNG copies here")
    args = parser.parse_args()
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)

    for name, draw, size, quality in PICTURES:
        image = draw()
        if image.size != size:
            sys.exit(f"{name}: drawn at {image.size}, must be {size}")
        path = os.path.join(ASSETS, name)
        written = write_icon(path, image) if quality is None else write_jpeg(path, image,
                                                                             quality)
        print(f"{name:22} {size[0]:4} x {size[1]:<4} {written:7} bytes")
        if args.preview:
            # Read the written file back, so the preview shows what the programs will show.
            image = Image.open(path).convert("RGBA")
            factor = max(1, 400 // max(size))
            stem = os.path.splitext(name)[0]
            enlarged(image, factor).save(os.path.join(args.preview, f"{stem}_x{factor}.png"))
            image.save(os.path.join(args.preview, f"{stem}.png"))


if __name__ == "__main__":
    main()
