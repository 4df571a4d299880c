#!/usr/bin/env python3
"""Draws the application icon, a traffic light with its green lamp lit: as
16-colour PNG images of 16x16 and 32x32 pixels, and a Windows .ico holding
both as classic 4-bit bitmaps, which every Windows version reads; for
modern launchers, as smooth PNG images of 48 to 256 pixels and as SVG; for
the web page, as 16-colour PNG images of 192 and 512 pixels, and one of 512
with room around it for launchers that cut icons to a shape (maskable).
Standard library only; run it again after changing the drawing:

    python3 scripts/make_icons.py form/icons
"""
import struct
import sys
import zlib
from pathlib import Path

# Sixteen colours; index 0 is transparent.
PALETTE = [
    (0, 0, 0), (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (64, 64, 64), (0, 255, 255),
    (255, 255, 255),
]
TRANSPARENT, BLACK, DARK_RED, DARK_YELLOW, DARK_GREY = 0, 1, 2, 4, 13
GREEN, WHITE = 11, 15

# The drawing on a 32-unit square: a housing and three lamps, top to bottom.
HOUSING = (8.5, 0.5, 23.5, 31.5, 3.0)  # left, top, right, bottom, corner radius
LAMPS = [((16, 6.5), DARK_RED), ((16, 16), DARK_YELLOW), ((16, 25.5), GREEN)]
LAMP_RADIUS = 4.2
RIM = 1.0


def in_rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def colour_at(x, y):
    left, top, right, bottom, radius = HOUSING
    if not in_rounded_rect(x, y, left, top, right, bottom, radius):
        return TRANSPARENT
    for (cx, cy), lamp in LAMPS:
        distance = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
        if distance <= LAMP_RADIUS:
            # A glint on the lit lamp.
            if lamp == GREEN and (x - cx + 1.5) ** 2 + (y - cy + 1.5) ** 2 <= 1.2:
                return WHITE
            return lamp
        if distance <= LAMP_RADIUS + RIM:
            return BLACK
    if not in_rounded_rect(x, y, left + RIM, top + RIM, right - RIM, bottom - RIM, radius - RIM):
        return BLACK
    return DARK_GREY


def draw(size):
    scale = 32 / size
    return [[colour_at((col + 0.5) * scale, (row + 0.5) * scale) for col in range(size)] for row in range(size)]


def draw_maskable(size):
    """For launchers that cut icons to a shape of their own: white to the
    edges, the drawing within the middle three fifths, which every shape
    keeps."""
    scale = 32 / (0.6 * size)
    margin = 0.2 * size
    return [[colour_at((col - margin + 0.5) * scale, (row - margin + 0.5) * scale) or WHITE for col in range(size)]
            for row in range(size)]


def draw_smooth(size, samples=4):
    """RGBA rows, each pixel the average of samples x samples points, so
    that edges are smooth at launcher sizes."""
    scale = 32 / size
    rows = []
    for row in range(size):
        line = bytearray()
        for col in range(size):
            points = [colour_at((col + (i + 0.5) / samples) * scale, (row + (j + 0.5) / samples) * scale)
                      for i in range(samples) for j in range(samples)]
            opaque = [PALETTE[p] for p in points if p != TRANSPARENT]
            alpha = round(255 * len(opaque) / len(points))
            rgb = [round(sum(c[k] for c in opaque) / len(opaque)) if opaque else 0 for k in range(3)]
            line += bytes(rgb + [alpha])
        rows.append(bytes(line))
    return rows


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_rgba(rows):
    size = len(rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(b"".join(b"\0" + row for row in rows), 9))
            + chunk(b"IEND", b""))


def svg():
    """The same drawing as vectors: each outline is a stroke of the rim's
    width centred on the middle of the rim."""
    left, top, right, bottom, radius = HOUSING
    inset = RIM / 2

    def hex_colour(index):
        return "#%02x%02x%02x" % PALETTE[index]

    shapes = [f'<rect x="{left + inset}" y="{top + inset}" width="{right - left - RIM}" height="{bottom - top - RIM}" '
              f'rx="{radius - inset}" fill="{hex_colour(DARK_GREY)}" stroke="{hex_colour(BLACK)}" stroke-width="{RIM}"/>']
    for (cx, cy), lamp in LAMPS:
        shapes.append(f'<circle cx="{cx}" cy="{cy}" r="{LAMP_RADIUS + inset}" fill="{hex_colour(lamp)}" '
                      f'stroke="{hex_colour(BLACK)}" stroke-width="{RIM}"/>')
        if lamp == GREEN:
            shapes.append(f'<circle cx="{cx - 1.5}" cy="{cy - 1.5}" r="{1.2 ** 0.5:.3f}" fill="{hex_colour(WHITE)}"/>')
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
            + "".join(f"  {shape}\n" for shape in shapes) + "</svg>\n")


def png(pixels):
    size = len(pixels)

    rows = b"".join(b"\0" + bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2)) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"tRNS", b"\0")
            + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


def dib(pixels):
    """A 4-bit device-independent bitmap as an icon holds it: the header with
    twice the height, the palette, the colours bottom-up, then the mask."""
    size = len(pixels)

    def padded(row):
        return row + b"\0" * (-len(row) % 4)

    colours = b"".join(padded(bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2))) for row in reversed(pixels))
    mask = b"".join(padded(bytes(sum((row[i + bit] == TRANSPARENT) << (7 - bit) for bit in range(8))
                                 for i in range(0, size, 8))) for row in reversed(pixels))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, len(colours) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    return header + palette + colours + mask


def ico(images):
    """An icon group of bitmaps, largest first."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset + len(data))
        data += image
    return header + entries + data


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "form/icons")
    images = []
    for size in (32, 16):
        pixels = draw(size)
        folder = out / f"{size}x{size}"
        folder.mkdir(parents=True, exist_ok=True)
        (folder / "calculador-fechas.png").write_bytes(png(pixels))
        images.append((size, dib(pixels)))
    (out / "calculador-fechas.ico").write_bytes(ico(images))
    for size in (48, 64, 128, 256):
        folder = out / f"{size}x{size}"
        folder.mkdir(parents=True, exist_ok=True)
        (folder / "calculador-fechas.png").write_bytes(png_rgba(draw_smooth(size)))
    # For the web page: few bytes to download, so in the 16 colours too.
    (out / "web").mkdir(exist_ok=True)
    for size in (192, 512):
        (out / "web" / f"{size}.png").write_bytes(png(draw(size)))
    (out / "web" / "maskable-512.png").write_bytes(png(draw_maskable(512)))
    (out / "scalable").mkdir(exist_ok=True)
    (out / "scalable" / "calculador-fechas.svg").write_text(svg())


if __name__ == "__main__":
    main()
