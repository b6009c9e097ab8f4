#!/usr/bin/env python3
"""Turns the icon's text pixel map into a .ico file.

    make_icon.py PIXELMAP OUTPUT.ico

The map holds legend lines "X = N name" (character X is entry N of the
standard 16-colour palette), a line "pixels:", then one row of characters per
pixel row, top row first. '.' is transparent. The result is one 32 x 32 image,
4 bits per pixel, with a 1-bit AND mask.
"""
import struct
import sys

SIZE = 32
TRANSPARENT = "."

# The standard 16-colour palette, as Windows orders it.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def fail(path, line_no, message):
    sys.exit(f"{path}:{line_no}: {message}")


def read_map(path):
    legend = {}
    rows = []
    in_pixels = False
    with open(path, encoding="ascii") as f:
        for line_no, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not in_pixels:
                text = line.split("#", 1)[0].strip()
                if not text:
                    continue
                if text == "pixels:":
                    in_pixels = True
                    continue
                parts = text.split()
                if len(parts) < 3 or parts[1] != "=" or len(parts[0]) != 1:
                    fail(path, line_no, "expected a legend line 'X = index name'")
                char, index = parts[0], int(parts[2])
                if char == TRANSPARENT or not 0 <= index < len(PALETTE):
                    fail(path, line_no, f"bad legend entry {text!r}")
                legend[char] = index
            else:
                if len(line) != SIZE:
                    fail(path, line_no, f"row has {len(line)} pixels, not {SIZE}")
                for char in line:
                    if char != TRANSPARENT and char not in legend:
                        fail(path, line_no, f"character {char!r} is not in the legend")
                rows.append(line)
    if len(rows) != SIZE:
        sys.exit(f"{path}: {len(rows)} pixel rows, not {SIZE}")
    return legend, rows


def icon_bytes(legend, rows):
    colour_rows = []
    mask_rows = []
    # Bitmaps are stored bottom row first.
    for row in reversed(rows):
        # Transparent pixels are black in the colour image and set in the mask.
        indices = [legend.get(char, 0) for char in row]
        colour_rows.append(bytes((indices[x] << 4) | indices[x + 1] for x in range(0, SIZE, 2)))
        bits = 0
        for char in row:
            bits = (bits << 1) | (char == TRANSPARENT)
        mask_rows.append(bits.to_bytes(SIZE // 8, "big"))  # 32 bits: rows already DWORD-aligned
    colour = b"".join(colour_rows)
    mask = b"".join(mask_rows)

    # The height counts the colour image and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(colour) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + colour + mask

    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), len(directory) + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_icon.py PIXELMAP OUTPUT.ico")
    legend, rows = read_map(sys.argv[1])
    data = icon_bytes(legend, rows)
    with open(sys.argv[2], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
