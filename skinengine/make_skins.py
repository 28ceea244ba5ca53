#!/usr/bin/env python3
"""Builds the 33 skin blocks from skins.tsv (see FORMAT.md for the block layout).

The table gives each skin's base colours; this script derives the rest (borders, frames,
the button fills of every state) so the table stays short enough to read, and writes
    --inc FILE      a C++ fragment with one byte array per skin, for skin_blocks.cpp
    --bin-dir DIR   one file per skin, skinNN.bin (seeds for the reader's fuzz target)
"""
import argparse
import os
import struct
import sys

MAGIC = b"ZSKN"
VERSION_MAJOR, VERSION_MINOR = 1, 0
TAG_NAME, TAG_COLOURS, TAG_SHAPE = 1, 2, 3
ROLES = ["face", "text", "field", "field_text", "border", "focus", "frame", "frame_highlight",
         "caption", "button_top", "button_bottom", "button_text", "hot_top", "hot_bottom",
         "pressed_top", "pressed_bottom", "button_border"]
FRAME_STYLES = {"line": 0, "etched": 1, "rounded": 2}
MAX_RADIUS = 12
SKIN_COUNT = 33
WHITE, BLACK = (255, 255, 255), (0, 0, 0)


def parse_colour(text):
    if len(text) != 7 or text[0] != "#":
        raise ValueError(f"colour {text!r} is not #RRGGBB")
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def mix(a, b, amount):
    return tuple(round(x + (y - x) * amount) for x, y in zip(a, b))


def luminance(colour):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def is_dark(colour):
    return luminance(colour) < 0.18


# Fill of a button's top and bottom edge for each fill kind: how far toward white (top) and
# toward black (bottom) the base colour moves. Dark buttons need less to show the same sheen.
BUTTON_FILLS = {
    "flat": ((0.0, 0.0), (0.0, 0.0)),
    "soft": ((0.45, 0.06), (0.10, 0.12)),
    "glossy": ((0.75, 0.12), (0.18, 0.22)),
}


def derive(row):
    face, text = parse_colour(row["face"]), parse_colour(row["text"])
    field, field_text = parse_colour(row["field"]), parse_colour(row["field_text"])
    accent, button = parse_colour(row["accent"]), parse_colour(row["button"])
    button_text = parse_colour(row["button_text"])
    dark = is_dark(face)
    (light_top, light_bottom), (dark_top, dark_bottom) = BUTTON_FILLS[row["buttons"]]
    top_amount, bottom_amount = (dark_top, dark_bottom) if is_dark(button) else (light_top, light_bottom)
    top, bottom = mix(button, WHITE, top_amount), mix(button, BLACK, bottom_amount)
    # The hot fill leans toward the accent, as far as the caption stays easy to read.
    tint = 0.22
    while tint > 0 and min(contrast(button_text, mix(c, accent, tint)) for c in (top, bottom)) < 4.6:
        tint -= 0.02
    hot_top, hot_bottom = mix(top, accent, tint), mix(bottom, accent, tint)
    press_base = mix(button, accent, 0.30) if dark else mix(button, BLACK, 0.14)
    pressed_top, pressed_bottom = mix(press_base, BLACK, 0.10), press_base
    return {
        "face": face,
        "text": text,
        "field": field,
        "field_text": field_text,
        "border": mix(face, field_text, 0.45),
        "focus": accent,
        "frame": mix(face, text, 0.35),
        "frame_highlight": mix(face, BLACK, 0.35) if dark else mix(face, WHITE, 0.75),
        "caption": accent if contrast(accent, face) >= 4.5 else text,
        "button_top": top,
        "button_bottom": bottom,
        "button_text": button_text,
        "hot_top": hot_top,
        "hot_bottom": hot_bottom,
        "pressed_top": pressed_top,
        "pressed_bottom": pressed_bottom,
        "button_border": mix(button, button_text, 0.45),
    }


def record(tag, payload):
    return struct.pack("<BH", tag, len(payload)) + payload


def encode(row):
    colours = derive(row)
    name = row["name"].encode("gbk")
    radius = int(row["radius"])
    if not 0 < len(name) <= 32 or not 0 <= radius <= MAX_RADIUS:
        raise ValueError(f"skin {row['number']}: name or radius out of range")
    entries = b"".join(struct.pack("<4B", i, *colours[role]) for i, role in enumerate(ROLES))
    frame = FRAME_STYLES[row["frame"]]
    body = (record(TAG_NAME, name) +
            record(TAG_COLOURS, bytes([len(ROLES)]) + entries) +
            record(TAG_SHAPE, bytes([frame, radius, radius if frame == FRAME_STYLES["rounded"] else 0])))
    total = 8 + len(body)
    return MAGIC + struct.pack("<BBH", VERSION_MAJOR, VERSION_MINOR, total) + body


def read_table(path):
    rows = []
    header = None
    with open(path, encoding="utf-8") as table:
        for line in table:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            cells = line.split("\t")
            if header is None:
                header = cells
                continue
            if len(cells) != len(header):
                raise ValueError(f"row {cells[0]!r} has {len(cells)} cells, not {len(header)}")
            rows.append(dict(zip(header, cells)))
    numbers = [int(row["number"]) for row in rows]
    if numbers != list(range(1, SKIN_COUNT + 1)):
        raise ValueError(f"skins must be numbered 1 to {SKIN_COUNT} in order")
    return rows


def write_inc(path, blocks):
    lines = ["// Generated by make_skins.py from skins.tsv: do not edit.", ""]
    for number, block in enumerate(blocks, 1):
        lines.append(f"static const std::uint8_t kSkin{number}[] = {{")
        for start in range(0, len(block), 16):
            lines.append("    " + ", ".join(f"0x{b:02X}" for b in block[start:start + 16]) + ",")
        lines.append("};")
    lines.append("static const common::ByteView kSkinBlocks[] = {")
    lines.extend(f"    {{kSkin{n}, sizeof kSkin{n}}}," for n in range(1, len(blocks) + 1))
    lines.append("};")
    text = "\n".join(lines) + "\n"
    # Unchanged output keeps its timestamp, so nothing downstream rebuilds for nothing.
    if os.path.exists(path) and open(path, encoding="utf-8").read() == text:
        return
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("table")
    parser.add_argument("--inc")
    parser.add_argument("--bin-dir")
    args = parser.parse_args()
    try:
        blocks = [encode(row) for row in read_table(args.table)]
    except (ValueError, KeyError) as error:
        sys.exit(f"{args.table}: {error}")
    if len(set(blocks)) != len(blocks):
        sys.exit(f"{args.table}: two skins give the same block")
    if args.inc:
        write_inc(args.inc, blocks)
    if args.bin_dir:
        os.makedirs(args.bin_dir, exist_ok=True)
        for number, block in enumerate(blocks, 1):
            with open(os.path.join(args.bin_dir, f"skin{number:02d}.bin"), "wb") as out:
                out.write(block)


if __name__ == "__main__":
    main()
