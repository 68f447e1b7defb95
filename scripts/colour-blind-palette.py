#!/usr/bin/env python3
"""Prints how far apart the colour-blind map's colours stay for colour-blind
eyes: the CIEDE2000 difference of every pair of kinds of cell, after the
Machado, Oliveira and Fernandes (2009) simulation of protanopia,
deuteranopia and tritanopia at severity 1.0 (applied to linear sRGB).
Fails (status 1) when a pair is closer than 20.

    colour-blind-palette.py [view/ColourBlindMap.cpp]
    colour-blind-palette.py --search    # looks for a palette by random search
"""

import itertools
import math
import os
import random
import re
import sys

SIMULATIONS = {
    "protanopia": ((0.152286, 1.052583, -0.204868), (0.114503, 0.786281, 0.099216),
                   (-0.003882, -0.048116, 1.051998)),
    "deuteranopia": ((0.367322, 0.860646, -0.227968), (0.280085, 0.672501, 0.047413),
                     (-0.011820, 0.042940, 0.968881)),
    "tritanopia": ((1.255528, -0.076749, -0.178779), (-0.078411, 0.930809, 0.147602),
                   (0.004733, 0.691367, 0.303900)),
}
LEAST = 20.0


def to_linear(c):
    c /= 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def simulate(rgb, matrix):
    lin = [to_linear(c) for c in rgb]
    return [min(1.0, max(0.0, sum(m * v for m, v in zip(row, lin)))) for row in matrix]


def lab(lin):
    r, g, b = lin
    x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047
    y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b
    z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883

    def f(t):
        return t ** (1 / 3) if t > 216 / 24389 else (24389 / 27 * t + 16) / 116

    return 116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))


def ciede2000(lab1, lab2):
    L1, a1, b1 = lab1
    L2, a2, b2 = lab2
    C1, C2 = math.hypot(a1, b1), math.hypot(a2, b2)
    Cm = (C1 + C2) / 2
    G = 0.5 * (1 - math.sqrt(Cm ** 7 / (Cm ** 7 + 25 ** 7)))
    a1p, a2p = (1 + G) * a1, (1 + G) * a2
    C1p, C2p = math.hypot(a1p, b1), math.hypot(a2p, b2)
    h1p = math.degrees(math.atan2(b1, a1p)) % 360
    h2p = math.degrees(math.atan2(b2, a2p)) % 360
    dLp, dCp = L2 - L1, C2p - C1p
    if C1p * C2p == 0:
        dhp = 0
    elif abs(h2p - h1p) <= 180:
        dhp = h2p - h1p
    elif h2p - h1p > 180:
        dhp = h2p - h1p - 360
    else:
        dhp = h2p - h1p + 360
    dHp = 2 * math.sqrt(C1p * C2p) * math.sin(math.radians(dhp / 2))
    Lpm, Cpm = (L1 + L2) / 2, (C1p + C2p) / 2
    if C1p * C2p == 0:
        hpm = h1p + h2p
    elif abs(h1p - h2p) <= 180:
        hpm = (h1p + h2p) / 2
    elif h1p + h2p < 360:
        hpm = (h1p + h2p + 360) / 2
    else:
        hpm = (h1p + h2p - 360) / 2
    T = (1 - 0.17 * math.cos(math.radians(hpm - 30)) + 0.24 * math.cos(math.radians(2 * hpm))
         + 0.32 * math.cos(math.radians(3 * hpm + 6)) - 0.20 * math.cos(math.radians(4 * hpm - 63)))
    dtheta = 30 * math.exp(-(((hpm - 275) / 25) ** 2))
    Rc = 2 * math.sqrt(Cpm ** 7 / (Cpm ** 7 + 25 ** 7))
    Sl = 1 + 0.015 * (Lpm - 50) ** 2 / math.sqrt(20 + (Lpm - 50) ** 2)
    Sc = 1 + 0.045 * Cpm
    Sh = 1 + 0.015 * Cpm * T
    Rt = -math.sin(math.radians(2 * dtheta)) * Rc
    return math.sqrt((dLp / Sl) ** 2 + (dCp / Sc) ** 2 + (dHp / Sh) ** 2 + Rt * (dCp / Sc) * (dHp / Sh))


def differences(palette, matrix):
    labs = {name: lab(simulate(rgb, matrix)) for name, rgb in palette}
    return {(a, b): ciede2000(labs[a], labs[b]) for (a, _), (b, _) in itertools.combinations(palette, 2)}


def read_palette(path):
    text = open(path, encoding="utf-8").read()
    entries = re.findall(r'\{"([a-z ]+)",\s*0x([0-9a-fA-F]{6})\}', text)
    return [(name, tuple(int(hexa[i:i + 2], 16) for i in (0, 2, 4))) for name, hexa in entries]


def search(names, fixed, rounds=200000):
    rng = random.Random(24)
    best, best_score = None, -1

    def score(p):
        return min(min(differences(p, m).values()) for m in SIMULATIONS.values())

    for _ in range(rounds // 100):
        p = [(n, fixed.get(n) or tuple(rng.randrange(0, 256, 17) for _ in range(3))) for n in names]
        s = score(p)
        for _ in range(100):
            i = rng.randrange(len(p))
            if p[i][0] in fixed:
                continue
            q = list(p)
            q[i] = (q[i][0], tuple(min(255, max(0, c + rng.choice((-34, -17, 17, 34)))) for c in q[i][1]))
            t = score(q)
            if t >= s:
                p, s = q, t
        if s > best_score:
            best, best_score = p, s
            print("%.1f" % s, ["#%02x%02x%02x" % c for _, c in p], flush=True)
    return best


def main():
    if len(sys.argv) > 1 and sys.argv[1] == "--search":
        names = ["road", "wall", "entrance", "exit", "door", "item", "enemy", "player"]
        search(names, {})
        return 0
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "view", "ColourBlindMap.cpp")
    palette = read_palette(path)
    if len(palette) < 2:
        print("no palette found in", path)
        return 1
    names = [n for n, _ in palette]
    width = max(len(n) for n in names)
    worst = {}
    for simulation, matrix in SIMULATIONS.items():
        d = differences(palette, matrix)
        print("%s (Machado 2009, severity 1.0): CIEDE2000 between kinds of cell" % simulation)
        print(" " * width + "".join("%11s" % n for n in names))
        for a in names:
            row = []
            for b in names:
                row.append("%11s" % "-" if a == b else "%11.1f" % d.get((a, b), d.get((b, a))))
            print(a.rjust(width) + "".join(row))
        pair = min(d, key=d.get)
        worst[simulation] = (d[pair], pair)
        print("least: %.1f (%s and %s)\n" % (d[pair], pair[0], pair[1]))
    failed = [s for s, (v, _) in worst.items() if v < LEAST]
    for s, (v, pair) in worst.items():
        print("%s minimum %.1f %s" % (s, v, "ok" if v >= LEAST else "BELOW %g" % LEAST))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
