"""Writes finished pictures: JPEG files, and icon files holding one 48 x 48 image with
32 bits per pixel in the classic BMP form (BITMAPINFOHEADER, bottom-up BGRA rows, then the
AND mask), which every Windows version loads. Pillow's own ICO writer stores PNG entries
instead, so the icon is packed here by hand."""

import struct
from io import BytesIO

from PIL import Image

ICON_SIDE = 48
ICON_FILE_SIZE = 9662  # 6 header + 16 directory + 40 info header + pixels + mask


def jpeg_bytes_of(image, quality):
    out = BytesIO()
    image.convert("RGB").save(out, "JPEG", quality=quality, optimize=True, subsampling=0)
    return out.getvalue()


def write_jpeg(path, image, quality=90):
    data = jpeg_bytes_of(image, quality)
    with open(path, "wb") as file:
        file.write(data)
    return len(data)


def icon_bytes_of(image):
    if image.size != (ICON_SIDE, ICON_SIDE):
        raise ValueError("an icon image must be 48 x 48")
    rgba = image.convert("RGBA")
    pixels = rgba.load()
    rows = range(ICON_SIDE - 1, -1, -1)  # BMP rows run bottom-up

    colour = bytearray()
    for y in rows:
        for x in range(ICON_SIDE):
            r, g, b, a = pixels[x, y]
            colour += bytes((b, g, r, a))

    # One bit per pixel, set where the pixel is transparent; rows padded to 32 bits.
    mask_row_bytes = (ICON_SIDE + 31) // 32 * 4
    mask = bytearray()
    for y in rows:
        row = bytearray(mask_row_bytes)
        for x in range(ICON_SIDE):
            if pixels[x, y][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row

    image_size = 40 + len(colour) + len(mask)
    header = struct.pack("<HHH", 0, 1, 1)  # reserved, type 1 = icon, one image
    directory = struct.pack("<BBBBHHII", ICON_SIDE, ICON_SIDE, 0, 0, 1, 32, image_size, 6 + 16)
    # The info header's height counts the colour rows and the mask rows together.
    info = struct.pack("<IiiHHIIiiII", 40, ICON_SIDE, 2 * ICON_SIDE, 1, 32, 0,
                       len(colour) + len(mask), 0, 0, 0, 0)
    data = header + directory + info + bytes(colour) + bytes(mask)
    assert len(data) == ICON_FILE_SIZE
    return data


def write_icon(path, image):
    data = icon_bytes_of(image)
    with open(path, "wb") as file:
        file.write(data)
    return len(data)


def enlarged(image, factor):
    """A blocky enlargement for looking at small pictures pixel by pixel."""
    return image.resize((image.width * factor, image.height * factor), Image.NEAREST)
