#!/usr/bin/env python3
"""Draws the program's icon: two fanned cards, a black spade and a red heart, as SVG."""

import math
from pathlib import Path

HEART = ("M 0 6 C -9 -2 -9 -10 -4.5 -10 C -2 -10 0 -8 0 -6 "
         "C 0 -8 2 -10 4.5 -10 C 9 -10 9 -2 0 6 Z")
SPADE = ("M 0 -10 C 2 -6 10 -2 8 3 C 6.5 6.5 2 5.5 1 3 L 2.5 9 L -2.5 9 L -1 3 "
         "C -2 5.5 -6.5 6.5 -8 3 C -10 -2 -2 -6 0 -10 Z")


def multiply(m, n):
    a, b, c, d, e, f = m
    g, h, i, j, k, l = n
    return (a * g + c * h, b * g + d * h, a * i + c * j, b * i + d * j,
            a * k + c * l + e, b * k + d * l + f)


def matrix(*steps):
    """One flat matrix per element: every SVG renderer agrees on those."""
    result = (1, 0, 0, 1, 0, 0)
    for step in steps:
        result = multiply(result, step)
    return "matrix(" + " ".join(f"{v:.4f}" for v in result) + ")"


def translate(x, y):
    return (1, 0, 0, 1, x, y)


def scale(k):
    return (k, 0, 0, k, 0, 0)


def rotate(degrees):
    r = math.radians(degrees)
    return (math.cos(r), math.sin(r), -math.sin(r), math.cos(r), 0, 0)


def card(angle, shift, suit, colour):
    place = (translate(64, 64), scale(0.88), rotate(angle), translate(shift, 0))
    return f"""  <rect x="-26" y="-38" width="52" height="76" rx="6" fill="#fdfbf4" stroke="#2b2b2b"
        stroke-width="2.5" transform="{matrix(*place)}"/>
  <path d="{suit}" fill="{colour}" transform="{matrix(*place, scale(2.1))}"/>
  <path d="{suit}" fill="{colour}" transform="{matrix(*place, translate(-16, -26), scale(0.7))}"/>"""


def main():
    svg = f"""<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <rect x="4" y="4" width="120" height="120" rx="22" fill="#1f7a3a"/>
{card(-14, -14, SPADE, "#1d1d1d")}
{card(12, 14, HEART, "#c8202e")}
</svg>
"""
    target = Path(__file__).resolve().parent.parent / "resources" / "desktop" / "tavolex.svg"
    target.write_text(svg)
    print(target)


if __name__ == "__main__":
    main()
