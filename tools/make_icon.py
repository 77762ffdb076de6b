#!/usr/bin/env python3
"""Draws the application icon: desktop/icons/hicolor/scalable/apps/vocadrill.svg and a PNG of
every usual size beside it (desktop/icons/hicolor/NxN/apps/vocadrill.png).

Two flash cards on a blue tile; the front card shows a question line, an answer line and a
green tick. The SVG and the PNGs are drawn from the same shapes, so they always agree. Only the
Python standard library is needed:

    python3 tools/make_icon.py
"""

import math
import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent / "desktop/icons/hicolor"
SIZES = [16, 22, 24, 32, 48, 64, 128, 256, 512]

# Shapes in a unit square, drawn in order. Colours are (red, green, blue, alpha).
TILE = {"kind": "rect", "center": (0.5, 0.5), "half": (0.46, 0.46), "radius": 0.1, "angle": 0}
GRADIENT = ((0x3A, 0x7B, 0xE0), (0x1B, 0x4A, 0x9E))
SHAPES = [
    {"kind": "rect", "center": (0.47, 0.50), "half": (0.27, 0.33), "radius": 0.04,
     "angle": -12, "color": (0x0E, 0x2E, 0x66, 0.35)},
    {"kind": "rect", "center": (0.44, 0.47), "half": (0.27, 0.33), "radius": 0.04,
     "angle": -12, "color": (0xC9, 0xDC, 0xF7, 1.0)},
    {"kind": "rect", "center": (0.56, 0.54), "half": (0.27, 0.33), "radius": 0.04,
     "angle": 6, "color": (0x0E, 0x2E, 0x66, 0.35)},
    {"kind": "rect", "center": (0.53, 0.51), "half": (0.27, 0.33), "radius": 0.04,
     "angle": 6, "color": (0xFF, 0xFF, 0xFF, 1.0)},
    {"kind": "line", "from": (0.40, 0.32), "to": (0.66, 0.35), "width": 0.05,
     "color": (0x1B, 0x4A, 0x9E, 1.0)},
    {"kind": "line", "from": (0.38, 0.46), "to": (0.58, 0.48), "width": 0.035,
     "color": (0x9A, 0xA8, 0xBD, 1.0)},
    {"kind": "circle", "center": (0.60, 0.68), "radius": 0.12, "color": (0x2E, 0xA0, 0x4F, 1.0)},
    {"kind": "line", "from": (0.545, 0.685), "to": (0.585, 0.725), "width": 0.03,
     "color": (0xFF, 0xFF, 0xFF, 1.0)},
    {"kind": "line", "from": (0.585, 0.725), "to": (0.66, 0.635), "width": 0.03,
     "color": (0xFF, 0xFF, 0xFF, 1.0)},
]


def rotate(x, y, degrees):
    a = math.radians(degrees)
    return x * math.cos(a) - y * math.sin(a), x * math.sin(a) + y * math.cos(a)


def distance(shape, x, y):
    """Signed distance from (x, y) to the shape's edge, negative inside, in unit lengths."""
    if shape["kind"] == "rect":
        cx, cy = shape["center"]
        px, py = rotate(x - cx, y - cy, -shape["angle"])
        hx, hy = shape["half"]
        r = shape["radius"]
        qx, qy = abs(px) - hx + r, abs(py) - hy + r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    if shape["kind"] == "circle":
        cx, cy = shape["center"]
        return math.hypot(x - cx, y - cy) - shape["radius"]
    (ax, ay), (bx, by) = shape["from"], shape["to"]
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy) - shape["width"] / 2


def coverage(shape, x, y, pixel):
    return max(0.0, min(1.0, 0.5 - distance(shape, x, y) / pixel))


def render(size):
    pixel = 1.0 / size
    rows = []
    for j in range(size):
        row = bytearray()
        for i in range(size):
            x, y = (i + 0.5) * pixel, (j + 0.5) * pixel
            tile = coverage(TILE, x, y, pixel)
            if tile == 0:
                row += b"\0\0\0\0"
                continue
            color = [a + (b - a) * y for a, b in zip(*GRADIENT)]
            for shape in SHAPES:
                alpha = coverage(shape, x, y, pixel) * shape["color"][3]
                if alpha:
                    color = [c + (s - c) * alpha for c, s in zip(color, shape["color"][:3])]
            row += bytes(round(c) for c in color) + bytes([round(255 * tile)])
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    pixels = zlib.compress(b"".join(b"\0" + row for row in rows), 9)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", pixels)
            + chunk(b"IEND", b""))


def svg():
    def fill(color):
        return f'fill="#{color[0]:02x}{color[1]:02x}{color[2]:02x}" fill-opacity="{color[3]}"'

    def element(shape):
        s = 512
        if shape["kind"] == "rect":
            (cx, cy), (hx, hy) = shape["center"], shape["half"]
            return (f'<rect x="{(cx - hx) * s:g}" y="{(cy - hy) * s:g}" width="{2 * hx * s:g}" '
                    f'height="{2 * hy * s:g}" rx="{shape["radius"] * s:g}" '
                    f'transform="rotate({shape["angle"]} {cx * s:g} {cy * s:g})" '
                    f'{fill(shape["color"])}/>')
        if shape["kind"] == "circle":
            (cx, cy) = shape["center"]
            return (f'<circle cx="{cx * s:g}" cy="{cy * s:g}" r="{shape["radius"] * s:g}" '
                    f'{fill(shape["color"])}/>')
        (ax, ay), (bx, by) = shape["from"], shape["to"]
        c = shape["color"]
        return (f'<line x1="{ax * s:g}" y1="{ay * s:g}" x2="{bx * s:g}" y2="{by * s:g}" '
                f'stroke="#{c[0]:02x}{c[1]:02x}{c[2]:02x}" stroke-opacity="{c[3]}" '
                f'stroke-width="{shape["width"] * s:g}" stroke-linecap="round"/>')

    top, bottom = ("#" + "".join(f"{c:02x}" for c in end) for end in GRADIENT)
    tile = dict(TILE, color=(0, 0, 0, 1))
    body = "\n  ".join(element(shape) for shape in SHAPES)
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="0 0 512 512">
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="512" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="{top}"/>
      <stop offset="1" stop-color="{bottom}"/>
    </linearGradient>
  </defs>
  {element(tile).replace('fill="#000000" fill-opacity="1"', 'fill="url(#tile)"')}
  {body}
</svg>
"""


def main():
    scalable = ROOT / "scalable/apps/vocadrill.svg"
    scalable.parent.mkdir(parents=True, exist_ok=True)
    scalable.write_text(svg(), encoding="utf-8")
    for size in SIZES:
        path = ROOT / f"{size}x{size}/apps/vocadrill.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(png(size, render(size)))


if __name__ == "__main__":
    main()
