#!/usr/bin/env python3
"""Writes the table of moon phase instants that pins the phase rule of the program.

The instants are computed here from the printed tables of Meeus' phase method (first-edition
mean phase and arguments, the three periodic series, W and the fourteen planetary terms), read
straight from a Markdown transcription of the book, so that the table owes nothing to the C++
code it checks.

    python3 tools/phasetable/phase_jde_table.py ../shared/reference/meeus-ch49-terms.md \
        > tests/moon/phase_jde_1800_2100.csv

One row per phase of every lunation whose new moon falls in 1800-2100: the program's lunation
number (0 is the new moon of 18 December 1922), the phase (0 new, 1 first quarter, 2 full,
3 last quarter) and the JDE.
"""

import math
import re
import sys

LUNATION_OF_MEEUS_K0 = 953  # the program's lunation of 6 January 2000
LUNATIONS_PER_CENTURY = 1236.85
FIRST_NEW_MOON_JDE = 2378496.5  # 1800-01-01 00:00
LAST_NEW_MOON_JDE = 2488434.5  # 2101-01-01 00:00
SYMBOLS = {"M\u2032": "mp", "M": "m", "F": "f", "\u03a9": "om"}


def sections(text):
    """Maps each '### ' heading's leading label ('2a', '3c', ...) to its table rows."""
    found = {}
    label = None
    for line in text.splitlines():
        if line.startswith("#"):
            heading = re.match(r"^###\s+(\w+)\.", line)
            label = heading.group(1) if heading else None
            if label:
                found[label] = []
        elif label and line.startswith("|") and not re.match(r"^\|[\s|:-]+\|$", line):
            found[label].append([cell.strip() for cell in line.strip("|").split("|")])
    return {key: rows[1:] for key, rows in found.items()}  # without the header row


def number(cell):
    return float(cell.replace("+", "")) if cell not in ("", "\u2014", "0") else 0.0


def argument(expression):
    """'2M\u2032 \u2212 2F' as multiples of each fundamental argument."""
    multiples = dict.fromkeys(SYMBOLS.values(), 0)
    sign = 1
    for token in expression.replace("\u2212", " - ").replace("+", " + ").split():
        if token in "+-":
            sign = 1 if token == "+" else -1
            continue
        match = re.match(r"^(\d*)(M\u2032|M|F|\u03a9)$", token)
        if not match:
            raise ValueError("unreadable argument: " + expression)
        multiples[SYMBOLS[match.group(2)]] += sign * int(match.group(1) or 1)
    return multiples


def e_power(cell):
    return {"\u2014": 0, "E": 1, "E\u00b2": 2}[cell]


def read_tables(text):
    table = sections(text)
    polynomials = {row[0]: [number(cell) for cell in row[1:6]] for row in table["2a"]}
    eccentricity = [number(cell) for cell in table["2c"][0][1:4]]
    series = {
        label: [(number(row[1]), argument(row[2]), e_power(row[3])) for row in table[label]]
        for label in ("3a", "3b", "3c")
    }
    w_terms = [(number(row[1]), row[2], row[3], row[4]) for row in table["3d"]]
    planetary = [[number(cell) for cell in row[1:5]] for row in table["3e"]]
    return polynomials, eccentricity, series, w_terms, planetary


def polynomial(coefficients, k, t):
    constant, per_k, t2, t3, t4 = coefficients
    return constant + per_k * k + t2 * t**2 + t3 * t**3 + t4 * t**4


def radians(degrees):
    return math.radians(math.fmod(degrees, 360.0))


def phase_jde(tables, lunation, phase):
    polynomials, eccentricity, series, w_terms, planetary = tables
    k = (lunation - LUNATION_OF_MEEUS_K0) + phase / 4.0
    t = k / LUNATIONS_PER_CENTURY
    e = eccentricity[0] + eccentricity[1] * t + eccentricity[2] * t**2
    angles = {
        symbol: radians(polynomial(polynomials[name], k, t))
        for name, symbol in SYMBOLS.items()
    }
    jde = polynomial(polynomials["JDE_mean"], k, t)

    def angle_of(multiples):
        return sum(multiples[symbol] * angles[symbol] for symbol in multiples)

    terms = series["3a" if phase == 0 else "3b" if phase == 2 else "3c"]
    jde += sum(c * e**power * math.sin(angle_of(m)) for c, m, power in terms)
    if phase in (1, 3):
        w = 0.0
        for coefficient, function, expression, factor in w_terms:
            value = 1.0 if function == "constant" else math.cos(angle_of(argument(expression)))
            w += coefficient * value * (e if factor == "E" else 1.0)
        jde += w if phase == 1 else -w
    for constant, rate, t2, coefficient in planetary:
        jde += coefficient * math.sin(radians(constant + rate * k + t2 * t**2))
    return jde


def main():
    with open(sys.argv[1], encoding="utf-8") as source:
        tables = read_tables(source.read())
    print("lunation,phase,jde")
    lunation = -1600
    while True:
        new_moon = phase_jde(tables, lunation, 0)
        if new_moon >= LAST_NEW_MOON_JDE:
            break
        if new_moon >= FIRST_NEW_MOON_JDE:
            for phase in range(4):
                print("%d,%d,%.9f" % (lunation, phase, phase_jde(tables, lunation, phase)))
        lunation += 1


if __name__ == "__main__":
    main()
