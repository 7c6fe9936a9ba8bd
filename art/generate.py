#!/usr/bin/env python3
"""Draws the fourteen angel pictures and the program icon as SVG.

Every picture is built from the same parts (background, glow, wings, robe, arms, head, halo) but each angel
row chooses its own wing shape, pose, hair, halo, background motif, emblem and colours, so that each figure is
known at a glance at 75 x 112. The drawing grid is 150 x 224 (twice the picture size) so half-pixel details keep whole
numbers. Run it to rewrite art/angels/*.svg and art/icon/seraphel.svg; render.sh runs it first.
"""

from __future__ import annotations

import math
from dataclasses import dataclass, field
from pathlib import Path
from typing import Callable

WIDTH, HEIGHT = 150, 224
OUTLINE = "#2a2414"  # dark olive brown: ties every line to the window colour
SKY_LINE = "#80ffff"  # the window's light cyan, kept for small accents (sparkles, sound, the icon's robe)

Point = tuple[float, float]


# ---------------------------------------------------------------- colours and numbers


def _rgb(colour: str) -> tuple[int, int, int]:
    colour = colour.lstrip("#")
    return int(colour[0:2], 16), int(colour[2:4], 16), int(colour[4:6], 16)


def mix(a: str, b: str, t: float) -> str:
    ra, rb = _rgb(a), _rgb(b)
    return "#" + "".join(f"{round(x + (y - x) * t):02x}" for x, y in zip(ra, rb))


def darker(colour: str, t: float) -> str:
    return mix(colour, "#000000", t)


def lighter(colour: str, t: float) -> str:
    return mix(colour, "#ffffff", t)


def num(value: float) -> str:
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def pt(p: Point) -> str:
    return f"{num(p[0])},{num(p[1])}"


def lerp(a: Point, b: Point, t: float) -> Point:
    return a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t


def quad_at(p0: Point, c: Point, p1: Point, t: float) -> Point:
    u = 1 - t
    return (u * u * p0[0] + 2 * u * t * c[0] + t * t * p1[0], u * u * p0[1] + 2 * u * t * c[1] + t * t * p1[1])


def polar(centre: Point, radius: float, degrees: float) -> Point:
    a = math.radians(degrees)
    return centre[0] + radius * math.cos(a), centre[1] + radius * math.sin(a)


def mirror(p: Point, cx: float) -> Point:
    return 2 * cx - p[0], p[1]


# ---------------------------------------------------------------- the document


class Drawing:
    """One SVG document: gradients go to <defs> under ids unique to the document."""

    def __init__(self, width: int, height: int, title: str):
        self.width, self.height, self.title = width, height, title
        self.defs: list[str] = []
        self.body: list[str] = []

    def add(self, *parts: str) -> None:
        self.body.extend(p for p in parts if p)

    def _stops(self, stops: list[tuple[float, str, float]]) -> str:
        return "".join(
            f'<stop offset="{num(o)}" stop-color="{c}"' + (f' stop-opacity="{num(a)}"' if a < 1 else "") + "/>"
            for o, c, a in stops
        )

    def linear(self, stops: list[tuple[float, str, float]], x1=0.0, y1=0.0, x2=0.0, y2=1.0) -> str:
        gid = f"g{len(self.defs)}"
        self.defs.append(
            f'<linearGradient id="{gid}" x1="{num(x1)}" y1="{num(y1)}" x2="{num(x2)}" y2="{num(y2)}">'
            f"{self._stops(stops)}</linearGradient>"
        )
        return f"url(#{gid})"

    def radial(self, stops: list[tuple[float, str, float]], centre: Point, radius: float) -> str:
        gid = f"g{len(self.defs)}"
        self.defs.append(
            f'<radialGradient id="{gid}" gradientUnits="userSpaceOnUse" cx="{num(centre[0])}" cy="{num(centre[1])}"'
            f' r="{num(radius)}">{self._stops(stops)}</radialGradient>'
        )
        return f"url(#{gid})"

    def text(self) -> str:
        defs = f"<defs>{''.join(self.defs)}</defs>\n" if self.defs else ""
        return (
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.width}" height="{self.height}"'
            f' viewBox="0 0 {self.width} {self.height}">\n<title>{self.title}</title>\n{defs}'
            + "\n".join(self.body)
            + "\n</svg>\n"
        )


def path(d: str, fill: str = "none", stroke: str = OUTLINE, width: float = 1.2, extra: str = "") -> str:
    stroke_part = f' stroke="{stroke}" stroke-width="{num(width)}" stroke-linejoin="round" stroke-linecap="round"'
    return (
        f'<path d="{d}" fill="{fill}"'
        + (stroke_part if stroke != "none" else "")
        + (f" {extra}" if extra else "")
        + "/>"
    )


def circle(c: Point, r: float, fill: str, stroke: str = "none", width: float = 1.2, extra: str = "") -> str:
    stroke_part = f' stroke="{stroke}" stroke-width="{num(width)}"' if stroke != "none" else ""
    return f'<circle cx="{num(c[0])}" cy="{num(c[1])}" r="{num(r)}" fill="{fill}"{stroke_part}' + (
        f" {extra}/>" if extra else "/>"
    )


def ellipse(
    c: Point, rx: float, ry: float, fill: str, stroke: str = "none", width: float = 1.2, extra: str = ""
) -> str:
    stroke_part = f' stroke="{stroke}" stroke-width="{num(width)}"' if stroke != "none" else ""
    return f'<ellipse cx="{num(c[0])}" cy="{num(c[1])}" rx="{num(rx)}" ry="{num(ry)}" fill="{fill}"{stroke_part}' + (
        f" {extra}/>" if extra else "/>"
    )


def rect(
    x: float,
    y: float,
    w: float,
    h: float,
    fill: str,
    stroke: str = "none",
    width: float = 1.2,
    rx: float = 0,
    extra: str = "",
) -> str:
    stroke_part = f' stroke="{stroke}" stroke-width="{num(width)}"' if stroke != "none" else ""
    corner = f' rx="{num(rx)}"' if rx else ""
    return f'<rect x="{num(x)}" y="{num(y)}" width="{num(w)}" height="{num(h)}"{corner} fill="{fill}"{stroke_part}' + (
        f" {extra}/>" if extra else "/>"
    )


def group(parts: list[str], transform: str = "", extra: str = "") -> str:
    attrs = (f' transform="{transform}"' if transform else "") + (f" {extra}" if extra else "")
    return f"<g{attrs}>" + "".join(parts) + "</g>"


def star_path(c: Point, outer: float, inner: float, points: int, turn: float = -90) -> str:
    corners = [polar(c, outer if i % 2 == 0 else inner, turn + i * 180 / points) for i in range(points * 2)]
    return "M" + " L".join(pt(p) for p in corners) + " Z"


def sparkle_path(c: Point, r: float) -> str:
    """A four-pointed twinkle with curved sides, the usual 'magic' star."""
    x, y = c
    k = r * 0.18
    return (
        f"M{pt((x, y - r))} Q{pt((x + k, y - k))} {pt((x + r, y))} Q{pt((x + k, y + k))} {pt((x, y + r))}"
        f" Q{pt((x - k, y + k))} {pt((x - r, y))} Q{pt((x - k, y - k))} {pt((x, y - r))} Z"
    )


def crescent_path(outer: Point, r1: float, inner: Point, r2: float) -> str:
    """The part of the outer disc that the inner disc does not cover."""
    dx, dy = inner[0] - outer[0], inner[1] - outer[1]
    d = math.hypot(dx, dy)
    along = (d * d + r1 * r1 - r2 * r2) / (2 * d)
    across = math.sqrt(r1 * r1 - along * along)
    mx, my = outer[0] + dx * along / d, outer[1] + dy * along / d
    p1 = (mx + dy * across / d, my - dx * across / d)
    p2 = (mx - dy * across / d, my + dx * across / d)
    return f"M{pt(p1)} A{num(r1)},{num(r1)} 0 1 0 {pt(p2)} A{num(r2)},{num(r2)} 0 0 1 {pt(p1)} Z"


def smooth_path(points: list[Point], closed: bool = False) -> str:
    """Catmull-Rom through the points, written as cubic Beziers."""
    pts = points + points[:3] if closed else [points[0]] + points + [points[-1]]
    d = f"M{pt(pts[1])}"
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += f" C{pt(c1)} {pt(c2)} {pt(p2)}"
    return d + (" Z" if closed else "")


def tapered_stroke(centre_line: list[Point], widths: list[float]) -> str:
    """A filled band along a poly-line whose width changes point by point (horns, stalks)."""
    left, right = [], []
    for i, p in enumerate(centre_line):
        a = centre_line[max(i - 1, 0)]
        b = centre_line[min(i + 1, len(centre_line) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        length = math.hypot(dx, dy) or 1
        nx, ny = -dy / length, dx / length
        w = widths[i] / 2
        left.append((p[0] + nx * w, p[1] + ny * w))
        right.append((p[0] - nx * w, p[1] - ny * w))
    outline = left + right[::-1]
    return "M" + " L".join(pt(p) for p in outline) + " Z"


# ---------------------------------------------------------------- the angel's parts


@dataclass(frozen=True)
class Palette:
    bg_in: str  # background near the figure
    bg_out: str  # background at the edges
    glow: str  # light around the figure
    robe: str
    wing: str
    hair: str
    halo: str = "#ffd75e"
    skin: str = "#f2c9a0"
    mantle: str = ""  # cloak behind the robe, none when empty
    accent: str = "#e0b040"  # belt, trims


@dataclass(frozen=True)
class Wing:
    """The wing on the picture's left; the right one is its mirror image across the body."""

    tip: Point
    lead: Point  # control point of the upper (leading) edge
    trail: Point  # control point of the feathered (trailing) edge
    base: Point  # where the trailing edge meets the body
    feathers: int = 6
    depth: float = 5.0
    pointed: bool = False
    root: Point = (67, 90)


@dataclass(frozen=True)
class Arm:
    shoulder: Point
    elbow: Point
    hand: Point
    open_hand: bool = False


@dataclass(frozen=True)
class Robe:
    hem_left: float = 30  # half width of the hem on each side
    hem_right: float = 30
    sway: float = 0  # the hem drifts this far sideways, as if in a breeze
    hem_y: float = 204
    belt: str = "belt"  # belt, sash (diagonal) or none
    feet: bool = False
    armour: bool = False


@dataclass(frozen=True)
class Head:
    hair: str = "long"  # long, flowing, curls, short
    tilt: float = 0  # degrees, turning around the neck
    look: Point = (0, 0)  # where the eyes glance
    eyes: str = "open"  # open or closed


@dataclass(frozen=True)
class Angel:
    index: int
    key: str
    palette: Palette
    wing: Wing
    arms: tuple[Arm, Arm]
    motif: Callable[[Drawing, Palette], list[str]]
    emblem: Callable[[Drawing, Palette], tuple[list[str], list[str]]]  # parts behind and in front of the arms
    halo: str = "ring"  # ring, disc, rays or none
    robe: Robe = field(default_factory=Robe)
    head: Head = field(default_factory=Head)
    cx: float = 75
    head_y: float = 60

    @property
    def slug(self) -> str:
        return self.key.removeprefix("st. ").lower()


def background(dw: Drawing, pal: Palette, centre: Point) -> list[str]:
    fill = dw.radial([(0, pal.bg_in, 1), (0.55, mix(pal.bg_in, pal.bg_out, 0.55), 1), (1, pal.bg_out, 1)], centre, 150)
    return [rect(0, 0, WIDTH, HEIGHT, fill)]


def vignette_and_frame(dw: Drawing, pal: Palette) -> list[str]:
    shade = dw.radial([(0, "#28220f", 0), (0.62, "#28220f", 0), (1, "#28220f", 0.6)], (75, 112), 140)
    return [
        rect(0, 0, WIDTH, HEIGHT, shade),
        rect(1, 1, WIDTH - 2, HEIGHT - 2, "none", "#1e1a0b", 2),
        rect(3, 3, WIDTH - 6, HEIGHT - 6, "none", pal.halo, 2, extra='stroke-opacity="0.35"'),
    ]


def glow(dw: Drawing, pal: Palette, centre: Point, radius: float = 70) -> list[str]:
    fill = dw.radial([(0, pal.glow, 0.75), (0.5, pal.glow, 0.3), (1, pal.glow, 0)], centre, radius)
    return [circle(centre, radius, fill)]


def _wing_layer(root: Point, tip: Point, lead: Point, trail: Point, base: Point, n: int, depth: float, pointed: bool):
    """Outline of one feather row: a smooth leading edge and a scalloped trailing edge."""
    edge = [quad_at(tip, trail, base, i / n) for i in range(n + 1)]
    cx = (root[0] + tip[0] + base[0] + lead[0]) / 4
    cy = (root[1] + tip[1] + base[1] + lead[1]) / 4
    d = f"M{pt(root)} Q{pt(lead)} {pt(tip)}"
    for a, b in zip(edge, edge[1:]):
        mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
        dx, dy = b[0] - a[0], b[1] - a[1]
        length = math.hypot(dx, dy) or 1
        nx, ny = -dy / length, dx / length
        if nx * (mx - cx) + ny * (my - cy) < 0:
            nx, ny = -nx, -ny
        if pointed:
            tip_pt = (mx + nx * depth * 2.2 - dx * 0.25, my + ny * depth * 2.2 - dy * 0.25)
            near = (a[0] + nx * depth, a[1] + ny * depth)
            back = (mx + nx * depth * 0.4, my + ny * depth * 0.4)
            d += f" Q{pt(near)} {pt(tip_pt)} Q{pt(back)} {pt(b)}"
        else:
            k = depth * 1.33
            d += f" C{pt((a[0] + nx * k, a[1] + ny * k))} {pt((b[0] + nx * k, b[1] + ny * k))} {pt(b)}"
    inner = ((base[0] + root[0]) / 2 + 5, (base[1] + root[1]) / 2)
    d += f" Q{pt(inner)} {pt(root)} Z"
    return d, edge


def wing_parts(dw: Drawing, w: Wing, colour: str) -> list[str]:
    """Three feather rows (long flight feathers, secondaries, small coverts), darkest at the tips."""
    rows = ((1.0, 1.0, 0, darker(colour, 0.18)), (0.68, 0.72, 1, colour), (0.4, 0.42, 2, lighter(colour, 0.45)))
    parts = []
    for reach, drop, fewer, fill in rows:
        tip = lerp(w.root, w.tip, reach)
        lead = lerp(w.root, w.lead, reach)
        trail = lerp(w.root, w.trail, reach)
        base = lerp(w.root, w.base, drop)
        n = max(w.feathers - fewer, 3)
        d, edge = _wing_layer(w.root, tip, lead, trail, base, n, w.depth * (0.55 + 0.45 * reach), w.pointed)
        parts.append(path(d, fill, width=1.1))
        shafts = " ".join(f"M{pt(p)} L{pt(lerp(p, w.root, 0.3))}" for p in edge[1:-1])
        parts.append(path(shafts, stroke=darker(fill, 0.3), width=0.8, extra='stroke-opacity="0.8"'))
    return parts


def wings(dw: Drawing, a: Angel) -> list[str]:
    one = wing_parts(dw, a.wing, a.palette.wing)
    return [group(one), group(one, f"matrix(-1 0 0 1 {num(2 * a.cx)} 0)")]


def robe_outline(a: Angel, spread: float = 0, drop: float = 0) -> str:
    """The gown from the neck to a wavy hem; spread and drop grow it into the cloak behind."""
    r, cx = a.robe, a.cx
    top = a.head_y + 14
    sh_y = top + 10
    waist_y = top + 42
    hem_y = r.hem_y - drop
    left = (cx - r.hem_left - spread + r.sway, hem_y)
    right = (cx + r.hem_right + spread + r.sway, hem_y)
    d = f"M{pt((cx - 6, top))} Q{pt((cx - 14 - spread, top + 1))} {pt((cx - 16 - spread, sh_y))}"
    d += f" Q{pt((cx - 15 - spread, waist_y - 12))} {pt((cx - 12 - spread, waist_y))}"
    d += f" C{pt((cx - 14 - spread, waist_y + 40))} {pt((left[0] + 2, hem_y - 30))} {pt(left)}"
    waves = 4
    for i in range(waves):
        x0 = left[0] + (right[0] - left[0]) * i / waves
        x1 = left[0] + (right[0] - left[0]) * (i + 1) / waves
        d += f" Q{pt(((x0 + x1) / 2, hem_y + (5 if i % 2 == 0 else -3)))} {pt((x1, hem_y))}"
    d += f" C{pt((right[0] - 2, hem_y - 30))} {pt((cx + 14 + spread, waist_y + 40))} {pt((cx + 12 + spread, waist_y))}"
    d += f" Q{pt((cx + 15 + spread, waist_y - 12))} {pt((cx + 16 + spread, sh_y))}"
    d += f" Q{pt((cx + 14 + spread, top + 1))} {pt((cx + 6, top))} Z"
    return d


def mantle(dw: Drawing, a: Angel) -> list[str]:
    if not a.palette.mantle:
        return []
    m = a.palette.mantle
    fill = dw.linear([(0, darker(m, 0.25), 1), (0.5, m, 1), (1, darker(m, 0.35), 1)], x2=1, y2=0)
    return [path(robe_outline(a, spread=7, drop=8), fill, width=1.2)]


def robe(dw: Drawing, a: Angel) -> list[str]:
    pal, r, cx = a.palette, a.robe, a.cx
    fill = dw.linear(
        [
            (0, darker(pal.robe, 0.3), 1),
            (0.35, pal.robe, 1),
            (0.5, lighter(pal.robe, 0.2), 1),
            (0.68, pal.robe, 1),
            (1, darker(pal.robe, 0.35), 1),
        ],
        x2=1,
        y2=0,
    )
    waist_y = a.head_y + 56
    parts = []
    if r.feet:
        for dx in (-8, 8):
            parts.append(ellipse((cx + r.sway + dx, r.hem_y + 3), 5, 3, a.palette.skin, OUTLINE, 1))
    parts.append(path(robe_outline(a), fill, width=1.3))
    folds = " ".join(
        f"M{pt((cx + dx * 0.3, waist_y + 10))} Q{pt((cx + dx * 0.8 + r.sway * 0.4, waist_y + 50))}"
        f" {pt((cx + dx + r.sway, r.hem_y - 4))}"
        for dx in (-17, -5, 8, 19)
    )
    parts.append(path(folds, stroke=darker(pal.robe, 0.35), width=1.1, extra='stroke-opacity="0.7"'))
    neck = a.head_y + 14
    parts.append(
        path(
            f"M{pt((cx - 6, neck))} L{pt((cx, neck + 9))} L{pt((cx + 6, neck))}",
            stroke=darker(pal.robe, 0.4),
            width=1.2,
        )
    )
    if r.armour:
        plate = dw.linear([(0, lighter(pal.accent, 0.35), 1), (1, darker(pal.accent, 0.3), 1)], x2=1, y2=1)
        parts.append(
            path(
                f"M{pt((cx - 15, neck + 9))} Q{pt((cx, neck + 4))} {pt((cx + 15, neck + 9))}"
                f" L{pt((cx + 12, waist_y + 2))} Q{pt((cx, waist_y + 8))} {pt((cx - 12, waist_y + 2))} Z",
                plate,
                width=1.2,
            )
        )
        parts.append(path(f"M{pt((cx, neck + 8))} L{pt((cx, waist_y + 4))}", stroke=darker(pal.accent, 0.4), width=1))
    if r.belt == "belt":
        parts.append(
            path(
                f"M{pt((cx - 13, waist_y - 2))} Q{pt((cx, waist_y + 2))} {pt((cx + 13, waist_y - 2))}"
                f" L{pt((cx + 13, waist_y + 3))} Q{pt((cx, waist_y + 7))} {pt((cx - 13, waist_y + 3))} Z",
                pal.accent,
                width=1,
            )
        )
    elif r.belt == "sash":
        parts.append(
            path(
                f"M{pt((cx - 15, neck + 10))} L{pt((cx - 10, neck + 6))} L{pt((cx + 14, waist_y + 2))}"
                f" L{pt((cx + 11, waist_y + 8))} Z",
                pal.accent,
                width=1,
            )
        )
    return parts


def arm_parts(a: Angel, arm: Arm) -> list[str]:
    sleeve = a.palette.mantle or a.palette.robe
    d = f"M{pt(arm.shoulder)} Q{pt(arm.elbow)} {pt(arm.hand)}"
    hand = (
        ellipse(arm.hand, 3.6, 4.8, a.palette.skin, OUTLINE, 1)
        if arm.open_hand
        else circle(arm.hand, 3.7, a.palette.skin, OUTLINE, 1)
    )
    return [
        path(d, stroke=OUTLINE, width=10.5),
        path(d, stroke=sleeve, width=8.2),
        path(d, stroke=lighter(sleeve, 0.25), width=2.2, extra='stroke-opacity="0.55"'),
        hand,
    ]


HAIR_BACK = {
    "long": "M-13,-3 C-17,-19 17,-19 13,-3 C15,6 16,14 18,21 Q14,18 10,22 Q5,19 0,23 Q-5,19 -10,22 Q-14,18 -18,21"
    " C-16,14 -15,6 -13,-3 Z",
    "flowing": "M-13,-3 C-16,-19 16,-21 14,-4 C20,2 26,6 33,7 Q28,11 24,11 Q29,15 31,21 Q24,19 18,18 Q12,21 6,19"
    " Q-2,22 -8,19 Q-14,19 -16,13 C-15,6 -14,2 -13,-3 Z",
    "curls": "",
    "short": "M-13,0 C-15,-17 15,-17 13,0 Q13,6 10,9 L-10,9 Q-13,6 -13,0 Z",
}
HAIR_STRANDS = {  # lines on the hair behind the head, and on the fringe
    "long": ("M-14,4 Q-15,12 -13,19 M14,4 Q15,12 13,19", "M1,-12 Q-4,-9 -9,-4 M1,-12 Q5,-9 9,-4"),
    "flowing": (
        "M13,0 Q20,6 28,9 M12,8 Q18,13 26,18 M-14,4 Q-15,10 -13,16",
        "M-2,-12 Q5,-10 10,-5 M-2,-12 Q-7,-9 -10,-4",
    ),
    "curls": ("", ""),
    "short": ("", "M-4,-12 Q-8,-9 -10,-4 M2,-13 Q7,-10 10,-5"),
}
HAIR_FRONT = {
    "long": "M-12.8,-1 C-13,-15 13,-15 12.8,-1 Q8,-9 1,-8 Q-6,-9 -12.8,-1 Z",
    "flowing": "M-12.8,-1 C-13,-15 13,-16 13.5,-1 Q10,-7 4,-9 Q-4,-10 -12.8,-1 Z",
    "curls": "M-13,0 C-14,-16 14,-16 13,0 Q11,-5 8,-5 Q6,-9 2,-7 Q-1,-10 -4,-7 Q-8,-9 -9,-5 Q-12,-5 -13,0 Z",
    "short": "M-13,-1 C-13,-16 13,-16 13,-1 Q7,-10 -1,-8 Q-8,-7 -13,-1 Z",
}


def _head_turn(a: Angel) -> str:
    return f"translate({num(a.cx)} {num(a.head_y)}) rotate({num(a.head.tilt)} 0 14)"


def hair_back(a: Angel) -> list[str]:
    """Hair behind the head, drawn before the robe so long hair falls behind the shoulders."""
    pal, h = a.palette, a.head
    local = []
    if HAIR_BACK[h.hair]:
        local.append(path(HAIR_BACK[h.hair], pal.hair, width=1.1))
    strands_back = HAIR_STRANDS[h.hair][0]
    if strands_back:
        local.append(path(strands_back, stroke=darker(pal.hair, 0.3), width=1))
    if h.hair == "curls":
        local += [circle(polar((0, 0), 12, ang), 4.6, pal.hair, OUTLINE, 1.1) for ang in range(150, 400, 30)]
    return [group(local, _head_turn(a))]


def head(dw: Drawing, a: Angel) -> list[str]:
    pal, h = a.palette, a.head
    hx, hy = a.cx, a.head_y
    parts = [
        path(
            f"M{pt((hx - 4, hy + 8))} L{pt((hx - 4, hy + 16))} L{pt((hx + 4, hy + 16))} L{pt((hx + 4, hy + 8))} Z",
            pal.skin,
            width=1,
        )
    ]
    local = []
    strands_front = HAIR_STRANDS[h.hair][1]
    skin = dw.radial([(0, lighter(pal.skin, 0.25), 1), (1, pal.skin, 1)], (hx - 3, hy - 3), 14)
    local.append(circle((0, 0), 12.5, skin, OUTLINE, 1.2))
    lx, ly = h.look
    if h.eyes == "open":
        local += [ellipse((x + lx, 1.5 + ly), 1.3, 1.7, "#3a2a1a") for x in (-4.4, 4.4)]
    else:
        local.append(
            path(
                " ".join(
                    f"M{num(x - 1.6)},{num(2 + ly)} Q{num(x)},{num(3.6 + ly)} {num(x + 1.6)},{num(2 + ly)}"
                    for x in (-4.4, 4.4)
                ),
                stroke="#3a2a1a",
                width=1.1,
            )
        )
    local += [circle((x, 5), 2.2, "#e88a8a", extra='fill-opacity="0.45"') for x in (-7, 7)]
    local.append(
        path(f"M{num(-2 + lx * 0.5)},7.3 Q{num(lx * 0.5)},8.8 {num(2 + lx * 0.5)},7.3", stroke="#9a4a3a", width=1)
    )
    local.append(path(HAIR_FRONT[h.hair], pal.hair, width=1.1))
    if strands_front:
        local.append(path(strands_front, stroke=darker(pal.hair, 0.3), width=0.9))
    local.append(path("M-8,-9 Q-3,-12 2,-11", stroke=lighter(pal.hair, 0.45), width=1.3, extra='stroke-opacity="0.7"'))
    parts.append(group(local, _head_turn(a)))
    return parts


def halo_parts(dw: Drawing, a: Angel) -> tuple[list[str], list[str]]:
    """Halo pieces behind the head and in front of it (a ring's near half crosses the hair)."""
    pal, hx, hy = a.palette, a.cx, a.head_y
    turn = _head_turn(a) + f" translate({num(-hx)} {num(-hy)})"
    if a.halo == "ring":
        c = (hx, hy - 15)
        stroke = dw.linear([(0, lighter(pal.halo, 0.5), 1), (1, darker(pal.halo, 0.15), 1)])
        back = f"M{pt((c[0] - 14, c[1]))} A14,4.5 0 0 1 {pt((c[0] + 14, c[1]))}"
        front = f"M{pt((c[0] - 14, c[1]))} A14,4.5 0 0 0 {pt((c[0] + 14, c[1]))}"
        glow_fill = dw.radial([(0, pal.halo, 0.55), (1, pal.halo, 0)], c, 22)
        return (
            [
                group(
                    [
                        ellipse(c, 22, 10, glow_fill),
                        path(back, stroke=OUTLINE, width=4.6),
                        path(back, stroke=stroke, width=3),
                    ],
                    turn,
                )
            ],
            [group([path(front, stroke=OUTLINE, width=4.6), path(front, stroke=stroke, width=3)], turn)],
        )
    if a.halo in ("disc", "rays"):
        c = (hx, hy - 2)
        fill = dw.radial([(0, lighter(pal.halo, 0.6), 0.95), (0.75, pal.halo, 0.75), (1, pal.halo, 0.9)], c, 21)
        parts = []
        if a.halo == "rays":
            parts.append(
                path(
                    star_path(c, 31, 20, 12),
                    pal.halo,
                    stroke=darker(pal.halo, 0.3),
                    width=1,
                    extra='fill-opacity="0.7"',
                )
            )
        parts.append(circle(c, 20, fill, darker(pal.halo, 0.25), 1.4))
        return [group(parts, turn)], []
    return [], []


def figure(dw: Drawing, a: Angel) -> str:
    behind, front = a.emblem(dw, a.palette)
    halo_back, halo_front = halo_parts(dw, a)
    parts = background(dw, a.palette, (a.cx, 100))
    parts += a.motif(dw, a.palette)
    parts += glow(dw, a.palette, (a.cx, 96))
    parts += wings(dw, a)
    parts += halo_back
    parts += hair_back(a)
    parts += mantle(dw, a)
    parts += robe(dw, a)
    parts += head(dw, a)
    parts += halo_front
    parts += behind
    for arm in a.arms:
        parts += arm_parts(a, arm)
    parts += front
    parts += vignette_and_frame(dw, a.palette)
    dw.add(*parts)
    return dw.text()


# ---------------------------------------------------------------- background motifs


def _scatter(seed: int, count: int, box=(8, 8, 142, 216)) -> list[Point]:
    """Repeatable pseudo-random spots, so regenerated pictures stay byte-identical."""
    x0, y0, x1, y1 = box
    out, s = [], seed
    for _ in range(count):
        s = (s * 1103515245 + 12345) % 2**31
        u = s / 2**31
        s = (s * 1103515245 + 12345) % 2**31
        v = s / 2**31
        out.append((x0 + (x1 - x0) * u, y0 + (y1 - y0) * v))
    return out


def hills(colours: list[str], base: float, height: float, seed: int) -> list[str]:
    parts = []
    for i, colour in enumerate(colours):
        y = base + i * 12
        pts = [(-5, y), (40, y - height + (seed * 7 + i * 13) % 11), (90, y - 4), (155, y - height * 0.7)]
        parts.append(path(smooth_path(pts) + " L155,230 L-5,230 Z", colour, stroke="none"))
    return parts


def night_stars(seed: int, count: int, colour: str = "#fff6d8", box=(8, 8, 142, 150)) -> list[str]:
    return [
        circle(p, 0.9 + (i % 3) * 0.45, colour, extra=f'fill-opacity="{num(0.5 + (i % 4) * 0.12)}"')
        for i, p in enumerate(_scatter(seed, count, box))
    ]


def motif_dusk(dw: Drawing, pal: Palette) -> list[str]:
    return night_stars(11, 22) + hills(["#3d2c52", "#2a1e38"], 178, 22, 1)


def motif_twin_night(dw: Drawing, pal: Palette) -> list[str]:
    return night_stars(5, 34, box=(8, 8, 142, 214)) + [
        path(sparkle_path(p, 3.5), SKY_LINE, stroke="none", extra='fill-opacity="0.5"')
        for p in ((20, 150), (132, 120), (24, 196))
    ]


def _blossom(c: Point, r: float, petal: str, heart: str) -> list[str]:
    return [circle(polar(c, r, 72 * i - 90), r * 0.75, petal, OUTLINE, 0.6) for i in range(5)] + [
        circle(c, r * 0.5, heart)
    ]


def motif_blossoms(dw: Drawing, pal: Palette) -> list[str]:
    parts = hills(["#3f6a2c", "#2f5520"], 190, 14, 3)
    for i, p in enumerate(_scatter(21, 10, (10, 10, 140, 200))):
        parts += _blossom(p, 2.2, "#ffe6ee" if i % 2 else "#f7b9cc", "#e0708f")
    return parts


def _petal(c: Point, turn: float, colour: str, size: float = 1.0) -> str:
    return ellipse(
        (0, 0), 2.4 * size, 4.2 * size, colour, OUTLINE, 0.6, f'transform="translate({pt(c)}) rotate({num(turn)})"'
    )


def motif_petals(dw: Drawing, pal: Palette) -> list[str]:
    return [
        _petal(p, i * 47, "#d83a52" if i % 3 else "#f06a7a", 0.9)
        for i, p in enumerate(_scatter(7, 14, (8, 8, 142, 214)))
    ]


def _leaf(c: Point, turn: float, colour: str) -> str:
    d = "M0,-7 Q4,-5 5,-1 L3,0 Q5,3 0,7 Q-5,3 -3,0 L-5,-1 Q-4,-5 0,-7 Z M0,7 L0,10"
    return path(
        d, colour, stroke=darker(colour, 0.45), width=0.8, extra=f'transform="translate({pt(c)}) rotate({num(turn)})"'
    )


def motif_leaves(dw: Drawing, pal: Palette) -> list[str]:
    colours = ["#e07a2a", "#c8402a", "#e8b23a", "#b0602a"]
    return [_leaf(p, i * 53 - 40, colours[i % 4]) for i, p in enumerate(_scatter(31, 13, (8, 8, 142, 214)))]


def _cloud(c: Point, scale: float, colour: str, opacity: float) -> str:
    x, y = c
    s = scale
    d = (
        f"M{pt((x - 22 * s, y))} Q{pt((x - 24 * s, y - 10 * s))} {pt((x - 12 * s, y - 9 * s))}"
        f" Q{pt((x - 8 * s, y - 20 * s))} {pt((x + 4 * s, y - 14 * s))}"
        f" Q{pt((x + 14 * s, y - 20 * s))} {pt((x + 18 * s, y - 8 * s))}"
        f" Q{pt((x + 26 * s, y - 6 * s))} {pt((x + 22 * s, y))} Z"
    )
    return path(d, colour, stroke="none", extra=f'fill-opacity="{num(opacity)}"')


def motif_clouds(dw: Drawing, pal: Palette) -> list[str]:
    return [
        _cloud((24, 56), 0.9, "#dfe9f7", 0.35),
        _cloud((128, 120), 1.0, "#dfe9f7", 0.3),
        _cloud((30, 212), 1.6, "#eef4fb", 0.55),
        _cloud((120, 218), 1.8, "#eef4fb", 0.6),
    ]


def motif_fields(dw: Drawing, pal: Palette) -> list[str]:
    sun = dw.radial([(0, "#fff0b0", 0.9), (1, "#ffd070", 0)], (118, 158), 30)
    parts = [circle((118, 158), 30, sun)]
    parts += hills(["#9a6a24", "#7a4e18", "#5e3a12"], 170, 16, 2)
    rows = " ".join(
        f"M{num(x)},230 Q{num(75 + (x - 75) * 0.5)},205 {num(75 + (x - 75) * 0.2)},186" for x in range(-60, 220, 28)
    )
    parts.append(path(rows, stroke="#c8963a", width=1.2, extra='stroke-opacity="0.6"'))
    return parts


def _snowflake(c: Point, r: float) -> str:
    d = " ".join(f"M{pt(polar(c, r, a))} L{pt(polar(c, r, a + 180))}" for a in (0, 60, 120))
    return path(d, stroke="#e8f2ff", width=1.1, extra='stroke-opacity="0.75"')


def motif_snow(dw: Drawing, pal: Palette) -> list[str]:
    spots = _scatter(17, 16, (8, 8, 142, 214))
    return [_snowflake(p, 2.5 + (i % 3)) for i, p in enumerate(spots)] + hills(["#c8d6ea", "#a9bbd6"], 202, 8, 4)


def motif_storm(dw: Drawing, pal: Palette) -> list[str]:
    beams = dw.linear([(0, "#ffe7a0", 0.55), (1, "#ffe7a0", 0)], x1=1, y1=0, x2=0, y2=1)
    parts = [path(f"M150,0 L{num(x)},224 L{num(x + 18)},224 Z", beams, stroke="none") for x in (-40, 10, 60)]
    parts += [_cloud((22, 30), 1.2, "#2c3038", 0.9), _cloud((130, 48), 1.0, "#2c3038", 0.85)]
    parts += [_cloud((30, 214), 1.7, "#3a3f48", 0.9), _cloud((124, 218), 1.8, "#3a3f48", 0.9)]
    return parts


def _sprig(start: Point, end: Point, bud: str) -> list[str]:
    mid = ((start[0] + end[0]) / 2 + 4, (start[1] + end[1]) / 2)
    parts = [path(f"M{pt(start)} Q{pt(mid)} {pt(end)}", stroke="#5a3c1c", width=1.6)]
    for t in (0.45, 0.7):
        p = quad_at(start, mid, end, t)
        parts.append(ellipse(p, 1.8, 3, "#8fd05a", OUTLINE, 0.6, f'transform="rotate(35 {pt(p)})"'))
    parts.append(ellipse(end, 2.2, 3.4, bud, OUTLINE, 0.7))
    return parts


def motif_buds(dw: Drawing, pal: Palette) -> list[str]:
    parts = hills(["#5b6a22", "#46541a"], 194, 12, 5)
    for x, h in ((16, 150), (34, 176), (118, 168), (136, 144)):
        parts += _sprig((x, 230), (x + 6, h), "#f2a0b8")
    return parts


def motif_waves(dw: Drawing, pal: Palette) -> list[str]:
    parts = []
    for i, y in enumerate((176, 190, 204)):
        shift = i * 9
        d = f"M{num(-10 - shift)},{num(y)}" + " q9,-7 18,0 t18,0" * 5 + " L160,230 L-10,230 Z"
        parts.append(path(d, mix("#3a8ab0", "#123a5a", i * 0.4), stroke="#bfefff", width=1.1))
    for i, p in enumerate(_scatter(9, 7, (12, 20, 138, 160))):
        parts.append(circle(p, 1.6 + i % 3, "none", "#bfefff", 0.8, 'stroke-opacity="0.6"'))
    return parts


def motif_road(dw: Drawing, pal: Palette) -> list[str]:
    dawn = dw.linear([(0, "#f3b27a", 0.0), (0.55, "#f3b27a", 0.55), (1, "#ffd9a0", 0.8)])
    parts = [rect(0, 120, WIDTH, 60, dawn)]
    parts += hills(["#6a4a5a", "#4a3040"], 172, 14, 6)
    parts.append(path("M58,230 Q70,200 74,176 L78,176 Q86,200 110,230 Z", "#c9a27a", stroke="#3a2418", width=1))
    return parts


def motif_lantern_dark(dw: Drawing, pal: Palette) -> list[str]:
    beams = dw.radial([(0, "#ffd27a", 0.5), (1, "#ffd27a", 0)], (114, 136), 120)
    return [
        path(f"M114,136 L{pt(polar((114, 136), 160, a))} L{pt(polar((114, 136), 160, a + 9))} Z", beams, stroke="none")
        for a in range(0, 360, 30)
    ] + night_stars(13, 10, "#ffe0a0")


def motif_sunburst(dw: Drawing, pal: Palette) -> list[str]:
    beams = dw.radial([(0, "#ffe27a", 0.7), (1, "#ffc040", 0)], (75, 29), 220)
    return [
        path(f"M75,29 L{pt(polar((75, 29), 260, a))} L{pt(polar((75, 29), 260, a + 8))} Z", beams, stroke="none")
        for a in range(-4, 360, 20)
    ]


# ---------------------------------------------------------------- emblems


def emblem_bow(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    wood = "#8a5a22"
    parts = [
        path("M10,-40 Q6,-44 2,-43 M10,40 Q6,44 2,43", stroke=wood, width=3),
        path("M10,-40 Q-16,0 10,40", stroke=OUTLINE, width=5.4),
        path("M10,-40 Q-16,0 10,40", stroke=wood, width=3.6),
        path("M9,-38 Q-14,0 9,38", stroke="#d8a860", width=1, extra='stroke-opacity="0.8"'),
        path("M10,-40 L28,0 L10,40", stroke="#f4ecd0", width=0.9),
        path("M30,0 L-22,0", stroke=OUTLINE, width=3.2),
        path("M30,0 L-22,0", stroke="#e8d4a0", width=1.8),
        path("M-30,0 L-20,-5 L-22,0 L-20,5 Z", "#dfe6ee", width=1),
        path("M22,0 L30,-5 L33,-5 L26,0 L33,5 L30,5 Z", "#d8404a", width=0.8),
    ]
    return [group(parts, "translate(34 98) rotate(16)")], []


def emblem_scroll(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    paper = dw.linear([(0, "#fff4d6", 1), (1, "#e2c98e", 1)])
    parts = [
        path("M56,113 Q66,110 75,113 Q84,116 94,113 L94,133 Q84,136 75,133 Q66,130 56,133 Z", paper, width=1.1),
        path(
            " ".join(f"M60,{y} Q66,{y - 1.5} {x},{y}" for y, x in ((118.5, 88), (122.5, 84), (126.5, 89), (130, 78))),
            stroke="#8a6a3a",
            width=1.1,
        ),
    ]
    for x in (54, 96):
        parts.append(rect(x - 3, 110, 6, 26, "#e8d4a0", OUTLINE, 1.1, rx=3))
        parts += [circle((x, y), 2.2, pal.halo, OUTLINE, 0.8) for y in (109, 137)]
    stars = []
    for c in ((53, 22), (97, 22)):
        shine = dw.radial([(0, "#fff8d0", 0.9), (1, "#fff8d0", 0)], c, 14)
        stars += [
            circle(c, 14, shine),
            path(sparkle_path(c, 10), "#fff6c0", stroke=darker(pal.halo, 0.3), width=0.9),
            circle(c, 2.2, "#ffffff"),
        ]
    return stars + parts, []


def emblem_branch(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    start, ctrl, end = (38, 162), (72, 124), (114, 62)
    parts = [
        path(f"M{pt(start)} Q{pt(ctrl)} {pt(end)}", stroke=OUTLINE, width=4.6),
        path(f"M{pt(start)} Q{pt(ctrl)} {pt(end)}", stroke="#7a5028", width=3),
    ]
    twigs = [(0.72, (126, 84)), (0.82, (96, 56)), (0.18, (34, 142))]
    for t, tip in twigs:
        p = quad_at(start, ctrl, end, t)
        parts.append(path(f"M{pt(p)} L{pt(tip)}", stroke="#7a5028", width=2))
    for c, turn in (((108, 82), 40), ((118, 74), -30), ((92, 70), 20), ((48, 140), -50)):
        parts.append(ellipse((0, 0), 2.4, 5, "#6cbf4a", OUTLINE, 0.7, f'transform="translate({pt(c)}) rotate({turn})"'))
    for c, r in (((114, 62), 3.6), ((126, 84), 3.2), ((96, 56), 3.2), ((104, 72), 2.8), ((34, 142), 2.6)):
        parts += _blossom(c, r, "#fff2f6", "#e0507a")
    return [], parts


def emblem_rose(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    front = [
        path("M80,104 Q84,114 82,126", stroke="#3f7a2a", width=2),
        ellipse((0, 0), 2.4, 5, "#5aa83a", OUTLINE, 0.7, 'transform="translate(86 114) rotate(50)"'),
        circle((79, 98), 6.8, "#c8203a", OUTLINE, 1.1),
        path("M79,95 Q83,96 82,100 Q79,103 76,100 Q75,96 79,95 M73,97 Q74,92 79,92", stroke="#7a0a1e", width=1),
    ]
    petals = [
        _petal(c, t, "#e0304a", 1.0)
        for c, t in (((28, 34), 30), ((18, 50), -20), ((40, 22), 70), ((12, 32), 10), ((30, 14), -40))
    ]
    sparks = [path(sparkle_path(c, 3), "#ffe6ea", stroke="none") for c in ((22, 40), (34, 28))]
    return petals + sparks, front


def emblem_chalice(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    gold = dw.linear([(0, "#fff0a8", 1), (0.5, "#e0b040", 1), (1, "#9a6a18", 1)], x2=1, y2=0)
    shine = dw.radial([(0, "#fff6c8", 0.9), (1, "#fff6c8", 0)], (75, 90), 15)
    parts = [
        circle((75, 90), 15, shine),
        path("M62,92 L88,92 Q88,108 75,110 Q62,108 62,92 Z", gold, width=1.2),
        ellipse((75, 92), 13, 3.2, "#7a1a2a", OUTLINE, 1.1),
        rect(73, 110, 4, 10, gold, OUTLINE, 1),
        circle((75, 114), 2.6, "#e0b040", OUTLINE, 0.9),
        path("M65,125 Q75,116 85,125 Z", gold, width=1.1),
        path(sparkle_path((75, 84), 4.5), "#fffbe8", stroke="none"),
    ]
    return parts, []


def emblem_trumpet(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    brass = dw.linear([(0, "#fff2a0", 1), (1, "#c8901e", 1)])
    horn = [
        rect(0, -1.8, 40, 3.6, brass, OUTLINE, 1),
        path("M40,-1.8 Q48,-3 53,-10 L53,10 Q48,3 40,1.8 Z", brass, width=1.1),
        ellipse((53, 0), 2.4, 10, "#f8d870", OUTLINE, 1.1),
        circle((24, 0), 2.6, "#f0c040", OUTLINE, 0.9),
        path("M-3,-2.5 L1,-2.5 L1,2.5 L-3,2.5 Z", "#c8901e", width=0.8),
    ]
    sound = [
        path(f"M{num(r)},-{num(r * 0.2)} Q{num(r + 7)},0 {num(r)},{num(r * 0.2)}", stroke=SKY_LINE, width=1.6)
        for r in (55, 60, 65)
    ]
    return [group(horn + sound, "translate(81 67) rotate(-32)")], []


def emblem_wheat(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    tie = (52, 118)
    stalks, ears = [], []
    for k in range(-4, 5):
        top = (50 + k * 5.2, 72 + k * k * 1.1)
        bottom = (52 + k * 1.6, 156)
        stalks.append(f"M{pt(bottom)} Q{pt((tie[0] + k * 0.4, tie[1]))} {pt(top)}")
        turn = math.degrees(math.atan2(top[0] - tie[0], tie[1] - top[1]))
        ears.append(
            group(
                [
                    ellipse((0, -7), 3.4, 9, "#f0c24a", OUTLINE, 0.9),
                    path(
                        "M-2.4,-10 L0,-8 L2.4,-10 M-2.6,-5 L0,-3 L2.6,-5 M-2.2,0 L0,2 L2.2,0",
                        stroke="#a07020",
                        width=0.8,
                    ),
                ],
                f"translate({pt(top)}) rotate({num(turn)})",
            )
        )
    parts = [path(" ".join(stalks), stroke=OUTLINE, width=2.6), path(" ".join(stalks), stroke="#d8a83a", width=1.4)]
    parts += ears
    parts.append(path("M45,115 Q52,119 59,115 L59,121 Q52,125 45,121 Z", "#c0302a", width=1))
    return parts, []


def emblem_moon(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    shine = dw.radial([(0, "#f4f6ff", 0.8), (1, "#f4f6ff", 0)], (40, 28), 26)
    moon = dw.linear([(0, "#fffbe6", 1), (1, "#d8dcf0", 1)])
    parts = [
        circle((40, 30), 26, shine),
        path(crescent_path((40, 28), 14, (47, 23), 12), moon, width=1.2),
        path(star_path((62, 10), 6, 2.2, 4, -90), "#fffbe0", width=0.8),
        path(star_path((16, 12), 4, 1.5, 4, -90), "#fffbe0", width=0.7),
    ]
    return parts, []


def emblem_sword_shield(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    steel = dw.linear([(0, "#ffffff", 1), (1, "#9aa6b8", 1)], x2=1, y2=0)
    sword = [
        path("M0,-8 L-3,-14 L-3,-43 L0,-50 L3,-43 L3,-14 Z", steel, width=1.1),
        path("M0,-12 L0,-45", stroke="#7a8698", width=0.8),
        path("M-9,-9 Q0,-12 9,-9 L9,-7 Q0,-9 -9,-7 Z", "#e0b040", width=1),
        rect(-1.8, -8, 3.6, 10, "#6a3a1a", OUTLINE, 0.9),
        circle((0, 4), 2.4, "#e0b040", OUTLINE, 0.9),
    ]
    face = dw.radial([(0, "#5a82c0", 1), (1, "#1e3a70", 1)], (46, 118), 22)
    shield = [
        circle((50, 124), 21, face, OUTLINE, 1.3),
        circle((50, 124), 19.5, "none", "#e0b040", 2.6),
        path("M50,110 L50,138 M38,122 L62,122", stroke=OUTLINE, width=5.2),
        path("M50,110 L50,138 M38,122 L62,122", stroke="#f0c850", width=3.4),
        circle((50, 122), 2.6, "#fff0a0", OUTLINE, 0.8),
    ]
    return [group(sword, "translate(112 60) rotate(10)")], shield


def emblem_horn(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    # A ram's horn curling inwards from its open mouth, which faces up and holds the flame.
    steps = 32
    centre_line = [polar((110, 88), 15 - 11 * i / steps, 180 - 460 * i / steps) for i in range(steps + 1)]
    widths = [10.5 - 9 * i / steps for i in range(steps + 1)]
    ivory = dw.linear([(0, "#fff6dc", 1), (1, "#c8aa78", 1)], x2=1, y2=1)
    flame_glow = dw.radial([(0, "#ffd060", 0.8), (1, "#ff8020", 0)], (95, 70), 24)
    parts = [circle((95, 70), 24, flame_glow), path(tapered_stroke(centre_line, widths), ivory, width=1.2)]
    ribs = []
    for i in range(2, steps - 4, 3):
        a, b = centre_line[i - 1], centre_line[i + 1]
        p, w = centre_line[i], widths[i] / 2
        dx, dy = b[0] - a[0], b[1] - a[1]
        length = math.hypot(dx, dy)
        nx, ny = -dy / length * w, dx / length * w
        ribs.append(f"M{pt((p[0] + nx, p[1] + ny))} L{pt((p[0] - nx, p[1] - ny))}")
    parts.append(path(" ".join(ribs), stroke="#9a7a4a", width=0.8))
    parts += [
        path("M95,52 C87,64 87,74 90,82 Q95,88 100,82 C104,74 101,64 95,52 Z", "#ff7a1a", width=1.1),
        path("M95,64 C91,72 91,78 93,82 Q95,85 97,82 C99,78 98,72 95,64 Z", "#ffe680", stroke="none"),
        ellipse((95, 88), 5.2, 2, "#5a3a1a", OUTLINE, 0.8),
    ]
    parts += _sprig((50, 126), (30, 152), "#f2a0b8")
    return parts, []


def emblem_shell(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    hinge = (75, 130)
    pearly = dw.radial([(0, "#fff4ee", 1), (1, "#f0b8b0", 1)], (75, 116), 22)
    rim = "".join(f" Q{pt(polar(hinge, 23, a - 9))} {pt(polar(hinge, 20, a))}" for a in range(198, 343, 18))
    upper = f"M{pt(hinge)} L{pt(polar(hinge, 20, 180))}{rim} L{pt(hinge)} Z"
    ribs = " ".join(f"M{pt(hinge)} L{pt(polar(hinge, 19, a))}" for a in range(198, 343, 18))
    pearl = dw.radial([(0, "#ffffff", 1), (1, "#d8dcf0", 1)], (73, 121), 6)
    pearl_shine = dw.radial([(0, "#ffffff", 0.9), (1, "#ffffff", 0)], (75, 123), 16)
    front = [
        path(upper, pearly, width=1.1),
        path(ribs, stroke="#c88a80", width=0.8),
        circle((75, 123), 16, pearl_shine),
        circle((75, 123), 5.5, pearl, OUTLINE, 1),
        path("M55,126 Q75,142 95,126 Q75,133 55,126 Z", "#f4c8c0", width=1.1),
        path(sparkle_path((81, 117), 3.5), "#ffffff", stroke="none"),
    ]
    return [], front


def emblem_staff_fish(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    staff = [
        path("M40,26 L40,206", stroke=OUTLINE, width=5),
        path("M40,26 L40,206", stroke="#8a5a2a", width=3.4),
        circle((40, 24), 3.4, "#b07a3a", OUTLINE, 1),
        path("M40,38 Q46,40 48,46", stroke="#e8d4a0", width=1),
        circle((48, 50), 4, "#d8a050", OUTLINE, 1),
        circle((48, 58), 6, "#d8a050", OUTLINE, 1),
    ]
    scales = dw.linear([(0, "#d8e8f4", 1), (1, "#6a8aa8", 1)], x2=1, y2=0)
    fish = [
        path("M104,123 L98,116 L110,116 Z", "#8aa8c4", width=0.9),
        path("M104,121 Q114,136 104,156 Q94,136 104,121 Z", scales, width=1.1),
        circle((104, 150), 1.2, OUTLINE),
        path("M109,133 L114,137 L109,140 M99,133 L94,137 L99,140", stroke=OUTLINE, width=0.8),
    ]
    return staff + fish, []


def emblem_lantern(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    light = dw.radial([(0, "#fff3c0", 0.95), (0.4, "#ffd060", 0.5), (1, "#ffb040", 0)], (114, 136), 40)
    glass = dw.radial([(0, "#fffbe0", 1), (1, "#ffc040", 1)], (114, 137), 12)
    parts = [
        circle((114, 136), 40, light),
        path("M108,120 Q114,110 120,120", stroke="#3a2a1a", width=1.8),
        path("M105,126 L114,119 L123,126 Z", "#a07028", width=1.1),
        rect(106, 126, 16, 20, glass, OUTLINE, 1.2, rx=2),
        path("M114,130 C110,136 111,141 114,143 C117,141 118,136 114,130 Z", "#ff8a20", stroke="none"),
        path("M114,135 C112.5,138 113,141 114,142 C115,141 115.5,138 114,135 Z", "#fffbe0", stroke="none"),
        path("M110,126 L110,146 M118,126 L118,146", stroke="#a07028", width=1.2),
        rect(104, 146, 20, 3.5, "#a07028", OUTLINE, 1, rx=1),
    ]
    return parts, []


def emblem_sun(dw: Drawing, pal: Palette) -> tuple[list[str], list[str]]:
    c = (75, 29)
    corona = dw.radial([(0, "#fff6c0", 0.95), (1, "#ffb030", 0)], c, 34)
    face = dw.radial([(0, "#fff8d0", 1), (0.7, "#ffd040", 1), (1, "#f0a020", 1)], c, 14)
    return [
        circle(c, 34, corona),
        path(star_path(c, 21, 14, 12), "#ffc030", width=1.1),
        circle(c, 13.5, face, OUTLINE, 1.2),
    ], []


# ---------------------------------------------------------------- the fourteen angels

L_SHOULDER, R_SHOULDER = (61, 84), (89, 84)


def both_arms(elbow: Point, hand: Point, open_hand: bool = False) -> tuple[Arm, Arm]:
    """Arms held as mirror images of each other."""
    return (Arm(L_SHOULDER, elbow, hand, open_hand), Arm(R_SHOULDER, mirror(elbow, 75), mirror(hand, 75), open_hand))


ANGELS = [
    Angel(
        1,
        "st. Adnachiel",
        Palette("#6a5488", "#1e1628", "#b99ae0", "#5b3c8c", "#c8c0e0", "#3a2418", mantle="", accent="#d8b0f0"),
        Wing(tip=(11, 100), lead=(30, 56), trail=(21, 150), base=(54, 160), feathers=5, depth=5),
        (Arm(L_SHOULDER, (48, 90), (35, 99)), Arm(R_SHOULDER, (84, 104), (61, 106))),
        motif_dusk,
        emblem_bow,
        robe=Robe(hem_left=27, hem_right=31, sway=5, belt="sash"),
        head=Head("short", tilt=-6, look=(-1.2, 0)),
    ),
    Angel(
        2,
        "st. Ambriel",
        Palette("#2f6f78", "#0c2228", "#7fe6e0", "#2f9c9a", "#f4e6b8", "#c89a3a", accent="#f0d070"),
        Wing(tip=(16, 18), lead=(50, 38), trail=(4, 100), base=(46, 150), feathers=6, depth=5),
        both_arms((54, 106), (56, 122)),
        motif_twin_night,
        emblem_scroll,
        robe=Robe(belt="belt", feet=True),
        head=Head("curls", look=(0, 1)),
    ),
    Angel(
        3,
        "st. Asmodel",
        Palette("#6f8a45", "#1e2812", "#e8f0b0", "#d97a9a", "#fff4f4", "#b86a2a", accent="#fff0c0"),
        Wing(tip=(16, 72), lead=(34, 60), trail=(2, 150), base=(52, 176), feathers=5, depth=6),
        (Arm(L_SHOULDER, (50, 110), (66, 126)), Arm(R_SHOULDER, (100, 100), (86, 102))),
        motif_blossoms,
        emblem_branch,
        robe=Robe(sway=-4, belt="belt"),
        head=Head("long", tilt=5, eyes="closed"),
    ),
    Angel(
        4,
        "st. Barachiel",
        Palette("#7a3040", "#240c12", "#ffb0c0", "#f4efe6", "#f8d4dc", "#2a1a14", mantle="#a81e34", accent="#c8203a"),
        Wing(tip=(38, 8), lead=(62, 30), trail=(18, 80), base=(54, 176), feathers=6, depth=4.5),
        (Arm(L_SHOULDER, (44, 80), (38, 58), open_hand=True), Arm(R_SHOULDER, (98, 108), (82, 106))),
        motif_petals,
        emblem_rose,
        robe=Robe(belt="none", hem_left=28, hem_right=28),
        head=Head("long", tilt=-4, look=(-0.8, -0.5)),
    ),
    Angel(
        5,
        "st. Barbiel",
        Palette("#8a5a2a", "#24160a", "#ffc060", "#c0622a", "#d8a060", "#5a2a14", accent="#f0c050"),
        Wing(tip=(16, 62), lead=(40, 52), trail=(21, 132), base=(52, 156), feathers=6, depth=4, pointed=True),
        both_arms((52, 104), (63, 101)),
        motif_leaves,
        emblem_chalice,
        robe=Robe(belt="belt", sway=3),
        head=Head("curls", look=(0, 0.6)),
    ),
    Angel(
        6,
        "st. Gabriel",
        Palette("#5f86b5", "#16223a", "#e0f0ff", "#f6f4ee", "#ffffff", "#d8a848", mantle="#4a8ad0", accent="#f0c850"),
        Wing(tip=(12, 14), lead=(46, 28), trail=(6, 110), base=(46, 156), feathers=7, depth=5),
        (Arm(L_SHOULDER, (80, 102), (97, 58)), Arm(R_SHOULDER, (116, 82), (109, 51))),
        motif_clouds,
        emblem_trumpet,
        robe=Robe(sway=-6, hem_left=32, hem_right=26, belt="none"),
        head=Head("flowing", tilt=-12, look=(1, -0.6), eyes="closed"),
    ),
    Angel(
        7,
        "st. Hamiliel",
        Palette("#a87a3a", "#2e1e0c", "#ffe0a0", "#2d4fa0", "#f0f2fa", "#8a4a20", accent="#e0b040"),
        Wing(tip=(12, 56), lead=(41, 50), trail=(15, 124), base=(50, 150), feathers=6, depth=5),
        (Arm(L_SHOULDER, (48, 104), (50, 116)), Arm(R_SHOULDER, (92, 116), (58, 122))),
        motif_fields,
        emblem_wheat,
        robe=Robe(sway=4, belt="belt"),
        head=Head("short", tilt=6, look=(-0.6, 0.5)),
    ),
    Angel(
        8,
        "st. Hanael",
        Palette("#34487a", "#0a0f22", "#c8e0ff", "#b8cce6", "#e8f0ff", "#f4f4f8", halo="#e0e8ff", accent="#7a9ad0"),
        Wing(tip=(44, 10), lead=(64, 32), trail=(24, 86), base=(56, 180), feathers=6, depth=4),
        (Arm(L_SHOULDER, (44, 72), (40, 46)), Arm(R_SHOULDER, (96, 104), (82, 104))),
        motif_snow,
        emblem_moon,
        robe=Robe(belt="belt", hem_left=26, hem_right=26),
        head=Head("flowing", tilt=-5, look=(-1, -1)),
    ),
    Angel(
        9,
        "st. Michael",
        Palette("#4e5866", "#14171c", "#ffe9a0", "#dcd6c6", "#f0c24a", "#6a3a1a", mantle="#b02a2a", accent="#e0b040"),
        Wing(tip=(15, 11), lead=(48, 30), trail=(16, 84), base=(48, 138), feathers=7, depth=3.5, pointed=True),
        (Arm(L_SHOULDER, (50, 104), (52, 122)), Arm(R_SHOULDER, (108, 80), (112, 62))),
        motif_storm,
        emblem_sword_shield,
        robe=Robe(belt="none", armour=True, feet=True, hem_left=26, hem_right=26),
        head=Head("curls", look=(0.6, -0.4)),
    ),
    Angel(
        10,
        "st. Michidiel",
        Palette("#7a7c30", "#22220a", "#f0f090", "#7ab83a", "#f4eec8", "#b0501c", accent="#f08a30"),
        Wing(tip=(11, 76), lead=(36, 64), trail=(20, 134), base=(52, 156), feathers=5, depth=6),
        (Arm(L_SHOULDER, (52, 108), (50, 124)), Arm(R_SHOULDER, (104, 112), (111, 103))),
        motif_buds,
        emblem_horn,
        robe=Robe(sway=-3, belt="sash"),
        head=Head("short", tilt=4, look=(1.2, -0.4)),
    ),
    Angel(
        11,
        "st. Muriel",
        Palette("#2a6a8a", "#071a28", "#a8f0ff", "#bfe8e0", "#f4f0fa", "#c8843a", halo="#fff0f8", accent="#6ab8c8"),
        Wing(tip=(16, 70), lead=(30, 56), trail=(4, 140), base=(52, 168), feathers=5, depth=7),
        both_arms((52, 110), (57, 126)),
        motif_waves,
        emblem_shell,
        halo="disc",
        robe=Robe(belt="belt", hem_left=26, hem_right=26, hem_y=196),
        head=Head("long", tilt=7, look=(0, 1.5), eyes="closed"),
    ),
    Angel(
        12,
        "st. Raphael",
        Palette("#8a5a58", "#24141a", "#ffd8b0", "#6a9a6a", "#efe4d4", "#3a2414", mantle="#7a5232", accent="#d8b070"),
        Wing(tip=(18, 160), lead=(16, 78), trail=(32, 184), base=(56, 176), feathers=5, depth=5),
        (Arm(L_SHOULDER, (48, 100), (40, 104)), Arm(R_SHOULDER, (102, 102), (104, 118))),
        motif_road,
        emblem_staff_fish,
        robe=Robe(belt="sash", feet=True, hem_left=27, hem_right=27, hem_y=200),
        head=Head("short", tilt=-3, look=(0.6, 0.3)),
    ),
    Angel(
        13,
        "st. Uriel",
        Palette("#3a2814", "#0e0904", "#ffb040", "#3c3f96", "#ffb45a", "#1e1410", halo="#ffd040", accent="#f0b040"),
        Wing(tip=(14, 33), lead=(47, 72), trail=(29, 112), base=(52, 142), feathers=6, depth=3.5, pointed=True),
        (Arm(L_SHOULDER, (56, 108), (70, 100)), Arm(R_SHOULDER, (108, 98), (114, 113))),
        motif_lantern_dark,
        emblem_lantern,
        halo="rays",
        robe=Robe(belt="belt", sway=-4),
        head=Head("curls", tilt=5, look=(1.4, 0.8)),
    ),
    Angel(
        14,
        "st. Verchiel",
        Palette("#c86a28", "#4a1608", "#fff0a0", "#f4c430", "#ffa030", "#a0401a", accent="#e0501c"),
        Wing(tip=(12, 27), lead=(40, 36), trail=(10, 104), base=(46, 152), feathers=7, depth=5),
        both_arms((38, 70), (61, 38)),
        motif_sunburst,
        emblem_sun,
        halo="none",
        robe=Robe(belt="sash", hem_left=32, hem_right=32),
        head=Head("long", look=(0, -1.6)),
    ),
]


# ---------------------------------------------------------------- the icon


def icon() -> str:
    """Halo over two wings on a round olive badge: the badge keeps it readable on light and dark desktops.

    Few, thick shapes, so that a 16 pixel copy still shows a ring, two white wings and a figure."""
    dw = Drawing(256, 256, "Seraphel")
    ink = "#1e1a0b"
    badge = dw.linear([(0, "#857638", 1), (1, "#4a4120", 1)])
    halo = dw.linear([(0, "#fff2a0", 1), (1, "#f0b020", 1)])
    feather = dw.linear([(0, "#ffffff", 1), (1, "#d8f4f4", 1)])
    wing = (
        "M118,132 C100,96 62,76 10,74 C14,96 24,112 38,120 C28,124 22,130 18,140 C36,150 54,152 68,150"
        " C62,158 58,166 58,178 C86,180 106,166 118,148 Z"
    )
    dw.add(
        circle((128, 128), 122, badge, ink, 10),
        ellipse((128, 56), 54, 22, "none", ink, 36),
        ellipse((128, 56), 54, 22, "none", halo, 22),
        path(wing, feather, ink, 10),
        path(wing, feather, ink, 10, 'transform="matrix(-1 0 0 1 256 0)"'),
        path("M128,150 L166,230 Q128,244 90,230 Z", SKY_LINE, ink, 10),
        circle((128, 124), 26, "#fff2c0", ink, 10),
    )
    return dw.text()


def main() -> None:
    here = Path(__file__).resolve().parent
    out = here / "angels"
    out.mkdir(exist_ok=True)
    for angel in ANGELS:
        dw = Drawing(WIDTH, HEIGHT, angel.key)
        (out / f"{angel.index:02d}-{angel.slug}.svg").write_text(figure(dw, angel))
    (here / "icon").mkdir(exist_ok=True)
    (here / "icon" / "seraphel.svg").write_text(icon())


if __name__ == "__main__":
    main()
