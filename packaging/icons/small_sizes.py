#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
"""Draws the icon's small sizes (16, 22, 24 and 32 pixels) pixel by pixel.

Scaled down from tavolix.svg, the tilted cards, the gradients and the thin
percent sign melt into a grey blur below 48 pixels. These sizes keep the
idea (an ace of spades and a card with a red percent sign on the green of a
card table) with upright cards, one-pixel edges and glyphs drawn on the
pixel grid. Each size is written as SIZExSIZE/tavolix.svg, whose card shapes
are whole pixels; render.sh turns it into the PNG beside it.
  python3 small_sizes.py
"""
import os

FELT, FELT_EDGE = "#238049", "#0f4727"
INK = {"w": "#ffffff", "o": "#1d2a23", "k": "#1d1d1d", "r": "#c62828"}

SPADE_5 = """
..k..
.kkk.
kkkkk
kkkkk
..k..
.kkk.
"""
SPADE_7 = """
...k...
..kkk..
.kkkkk.
kkkkkkk
kkkkkkk
...k...
..kkk..
"""
SPADE_9 = """
....k....
...kkk...
..kkkkk..
.kkkkkkk.
kkkkkkkkk
kkkkkkkkk
kkkkkkkkk
.kk.k.kk.
....k....
...kkk...
"""
ACE = """
.k.
k.k
kkk
k.k
k.k
"""
PERCENT_5 = """
rr..r
rr.r.
..r..
.r.rr
r..rr
"""
PERCENT_6 = """
rr...r
rr..r.
...r..
..r...
.r..rr
r...rr
"""
PERCENT_10 = """
.rr.....rr
rrrr...rr.
rrrr..rr..
.rr..rr...
....rr....
...rr..rr.
..rr..rrrr
.rr...rrrr
rr.....rr.
"""


class Icon:
    """A square of pixels, '.' where the felt shows through."""

    def __init__(self, size, radius):
        self.size, self.radius = size, radius
        self.pixels = [["."] * size for _ in range(size)]

    def fill(self, x0, y0, x1, y1, ink):
        for y in range(y0, y1 + 1):
            self.pixels[y][x0:x1 + 1] = [ink] * (x1 - x0 + 1)

    def card(self, x0, y0, x1, y1, rounded):
        self.fill(x0, y0, x1, y1, "w")
        if rounded:
            for x, y in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
                self.pixels[y][x] = "."

    def stamp(self, x0, y0, glyph):
        for dy, row in enumerate(glyph.strip("\n").split("\n")):
            for dx, ink in enumerate(row):
                if ink != ".":
                    self.pixels[y0 + dy][x0 + dx] = ink

    def shifted(self, size, radius, by):
        """The same drawing on a larger square, moved by `by` pixels."""
        bigger = Icon(size, radius)
        for y, row in enumerate(self.pixels):
            bigger.pixels[y + by][by:by + len(row)] = row
        return bigger

    def svg(self):
        size = self.size
        lines = [
            '<?xml version="1.0" encoding="UTF-8"?>',
            f"<!-- Tavolix at {size} pixels, drawn by small_sizes.py: an ace of spades and a card with a"
            " percent sign, upright and on whole pixels. -->",
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">',
            f'  <rect x="0.5" y="0.5" width="{size - 1}" height="{size - 1}" rx="{self.radius}"'
            f' fill="{FELT}" stroke="{FELT_EDGE}"/>',
            '  <g shape-rendering="crispEdges">',
        ]
        for ink, colour in INK.items():
            boxes = self.boxes(ink)
            if boxes:
                path = "".join(f"M{x} {y}h{w}v{h}h-{w}z" for x, y, w, h in boxes)
                lines.append(f'    <path fill="{colour}" d="{path}"/>')
        return "\n".join(lines + ["  </g>", "</svg>", ""])

    def boxes(self, ink):
        """The pixels of one ink as rectangles: runs along a row, stacked
        while the rows below repeat the same run."""
        open_boxes, done = {}, []
        for y, row in enumerate(self.pixels + [["."] * self.size]):
            runs, x = set(), 0
            while x < self.size:
                if row[x] == ink:
                    start = x
                    while x < self.size and row[x] == ink:
                        x += 1
                    runs.add((start, x - start))
                else:
                    x += 1
            for run in list(open_boxes):
                if run not in runs:
                    top = open_boxes.pop(run)
                    done.append((run[0], top, run[1], y - top))
            for run in runs:
                open_boxes.setdefault(run, y)
        return sorted(done, key=lambda box: (box[1], box[0]))


def sixteen():
    icon = Icon(16, 2.5)
    icon.card(1, 2, 7, 11, rounded=False)
    icon.stamp(2, 4, SPADE_5)
    icon.card(8, 4, 14, 13, rounded=False)
    icon.fill(8, 4, 8, 13, "o")
    icon.stamp(10, 7, PERCENT_5)
    return icon


def twenty_two():
    icon = Icon(22, 3.5)
    icon.card(2, 2, 11, 16, rounded=True)
    icon.stamp(3, 3, ACE)
    icon.stamp(3, 9, SPADE_7)
    icon.card(11, 5, 19, 19, rounded=True)
    icon.fill(11, 5, 11, 19, "o")
    icon.stamp(13, 10, PERCENT_6)
    return icon


def thirty_two():
    icon = Icon(32, 5.5)
    icon.card(3, 4, 17, 25, rounded=True)
    icon.stamp(5, 6, ACE)
    icon.stamp(5, 12, SPADE_9)
    icon.card(16, 8, 29, 28, rounded=True)
    icon.fill(16, 8, 16, 28, "o")
    icon.stamp(18, 14, PERCENT_10)
    return icon


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    small = twenty_two()
    # 24 pixels is the 22-pixel drawing with a pixel more of felt around it,
    # as desktops expect of the two panel sizes.
    for icon in (sixteen(), small, small.shifted(24, 4, 1), thirty_two()):
        folder = os.path.join(here, f"{icon.size}x{icon.size}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "tavolix.svg"), "w", encoding="utf-8") as out:
            out.write(icon.svg())
        print(f"{icon.size}x{icon.size}/tavolix.svg")


if __name__ == "__main__":
    main()
