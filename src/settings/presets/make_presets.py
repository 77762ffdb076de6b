#!/usr/bin/env python3
"""Draws the six preset background tiles rec01.png .. rec06.png beside this script.

Every tile wraps at its edges: the noise lattices and the sine patterns repeat with the
tile's own width and height, and the grid lines divide both sides. The random source has a
fixed seed, so running the script again gives the same files:

    python3 src/settings/presets/make_presets.py
"""

import math
import os
import random
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def fade(t):
    return t * t * t * (t * (t * 6 - 15) + 10)


def value_noise(width, height, cells_x, cells_y, rng):
    """Smooth noise in 0..1 whose lattice of cells_x by cells_y values wraps at the edges."""
    lattice = [[rng.random() for _ in range(cells_x)] for _ in range(cells_y)]
    xs = []
    for x in range(width):
        f = x * cells_x / width
        i = int(f)
        xs.append((i % cells_x, (i + 1) % cells_x, fade(f - i)))
    out = []
    for y in range(height):
        f = y * cells_y / height
        i = int(f)
        ty = fade(f - i)
        row0 = lattice[i % cells_y]
        row1 = lattice[(i + 1) % cells_y]
        for x0, x1, tx in xs:
            a = row0[x0] + (row0[x1] - row0[x0]) * tx
            b = row1[x0] + (row1[x1] - row1[x0]) * tx
            out.append(a + (b - a) * ty)
    return out


def fractal_noise(width, height, base_cells, octaves, rng, gain=0.5):
    """Octaves of wrapping value noise, each with twice the cells of the one before; 0..1."""
    total = [0.0] * (width * height)
    amplitude, norm = 1.0, 0.0
    aspect = height / width
    for octave in range(octaves):
        cells_x = base_cells << octave
        cells_y = max(1, round(cells_x * aspect))
        layer = value_noise(width, height, cells_x, cells_y, rng)
        for i, v in enumerate(layer):
            total[i] += v * amplitude
        norm += amplitude
        amplitude *= gain
    return [v / norm for v in total]


def shade(height_map, width, height, strength):
    """Light from the upper left on a wrapping height map: 0 is flat, signed otherwise."""
    out = []
    for y in range(height):
        up = ((y - 1) % height) * width
        down = ((y + 1) % height) * width
        row = y * width
        for x in range(width):
            left = height_map[row + (x - 1) % width]
            right = height_map[row + (x + 1) % width]
            dx = right - left
            dy = height_map[down + x] - height_map[up + x]
            out.append(-(dx + dy) * strength)
    return out


def clamp(v):
    return max(0, min(255, int(round(v))))


def write_png(name, width, height, pixels):
    """Writes 8-bit RGB pixels (a list of (r, g, b), row by row) as a PNG file."""
    raw = bytearray()
    stride = width * 3
    flat = bytearray()
    for r, g, b in pixels:
        flat += bytes((clamp(r), clamp(g), clamp(b)))
    previous = bytearray(stride)
    for y in range(height):
        line = flat[y * stride:(y + 1) * stride]
        # The "up" filter: noise rows are alike, so their differences pack better.
        raw.append(2)
        raw += bytes((line[i] - previous[i]) & 0xFF for i in range(stride))
        previous = line

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
           chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(png)


def plaster(size, rng):
    """Rough plaster as a grey level around 0, one value per pixel."""
    bumps = fractal_noise(size, size, 16, 5, rng, gain=0.6)
    grain = value_noise(size, size, size // 2, size // 2, rng)
    clouds = fractal_noise(size, size, 2, 3, rng)
    light = shade(bumps, size, size, 120.0)
    return [light[i] + (grain[i] - 0.5) * 5 + (clouds[i] - 0.5) * 8 for i in range(size * size)]


def tinted(levels, base):
    return [(base[0] + v, base[1] + v, base[2] + v) for v in levels]


def marble(size, rng, base, vein, phase):
    """Marble: wrapping sine bands bent by turbulence into veins over soft clouds; a strong
    set of veins runs one way and a faint one across it."""
    turbulence = fractal_noise(size, size, 3, 5, rng)
    cross = fractal_noise(size, size, 2, 5, rng)
    clouds = fractal_noise(size, size, 4, 3, rng)
    pixels = []
    for y in range(size):
        for x in range(size):
            i = y * size + x
            main_angle = 2 * math.pi * (x + 2 * y) / size + 6.0 * turbulence[i] + phase
            cross_angle = 2 * math.pi * (2 * x - y) / size + 6.0 * cross[i]
            strength = (0.7 * (1.0 - abs(math.sin(main_angle))) ** 5 +
                        0.3 * (1.0 - abs(math.sin(cross_angle))) ** 9)
            cloud = (clouds[i] - 0.5) * 12
            pixels.append(tuple(base[c] + cloud + (vein[c] - base[c]) * strength
                                for c in range(3)))
    return pixels


def navy(size, rng):
    """Dark navy cloth: a fine diagonal twill over slow light and dark patches."""
    clouds = fractal_noise(size, size, 4, 4, rng)
    grain = value_noise(size, size, size // 2, size // 2, rng)
    pixels = []
    for y in range(size):
        for x in range(size):
            i = y * size + x
            twill = math.sin(2 * math.pi * 32 * (x + y) / size)
            v = (clouds[i] - 0.5) * 14 + twill * 3 + (grain[i] - 0.5) * 6
            pixels.append((20 + v * 0.6, 30 + v * 0.8, 68 + v))
    return pixels


def grid_paper(width, height, columns, rows, rng):
    """Off-white paper with light blue lines; the columns and rows fill the tile exactly."""
    fibres = fractal_noise(width, height, 8, 4, rng)
    paper = (250, 250, 246)
    ink = (160, 196, 228)
    line_width = 1.2

    def coverage(pos, step):
        # How much of the pixel [pos, pos + 1] a line of line_width centred on a multiple
        # of step covers.
        nearest = round((pos + 0.5) / step) * step
        left = max(pos, nearest - line_width / 2)
        right = min(pos + 1, nearest + line_width / 2)
        return max(0.0, right - left)

    step_x = width / columns
    step_y = height / rows
    pixels = []
    for y in range(height):
        cover_y = coverage(y, step_y)
        for x in range(width):
            cover = min(1.0, max(coverage(x, step_x), cover_y)) * 0.8
            v = (fibres[y * width + x] - 0.5) * 8
            pixels.append(tuple(paper[c] + v + (ink[c] - paper[c]) * cover for c in range(3)))
    return pixels


def main():
    rng = random.Random(20240601)
    levels = plaster(512, rng)
    write_png("rec01.png", 512, 512, tinted(levels, (243, 243, 241)))
    write_png("rec02.png", 512, 512, tinted(levels, (228, 236, 247)))
    write_png("rec03.png", 132, 132,
              marble(132, rng, (244, 244, 242), (184, 186, 190), 0.0))
    write_png("rec04.png", 132, 132,
              marble(132, rng, (214, 229, 244), (158, 184, 214), 1.3))
    write_png("rec05.png", 256, 256, navy(256, rng))
    write_png("rec06.png", 248, 264, grid_paper(248, 264, 16, 17, rng))


if __name__ == "__main__":
    main()
