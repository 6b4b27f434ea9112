#!/usr/bin/env python3
"""Writes data/ula.dat: the saturation pressure of water vapour at every whole degree from -24 to
+30 degC, in hPa rounded to two decimals, as 55 little-endian doubles with no header.

The pressures follow EN ISO 13788 (annex E): over ice below 0 degC, over water from 0 degC up.
Run from the repository root: python3 tools/generuj_ula.py [data/ula.dat]
"""
import math
import struct
import sys
from decimal import ROUND_HALF_UP, Decimal


def cisnienie_pa(t):
    if t < 0:
        return 610.5 * math.exp(21.875 * t / (265.5 + t))
    return 610.5 * math.exp(17.269 * t / (237.3 + t))


def tablica_hpa():
    # Rounded half up on the decimal value, as a table printed to two decimals would be.
    return [float(Decimal(repr(cisnienie_pa(t) / 100)).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP))
            for t in range(-24, 31)]


def main():
    cel = sys.argv[1] if len(sys.argv) > 1 else "data/ula.dat"
    wartosci = tablica_hpa()
    assert len(wartosci) == 55
    assert wartosci[20 + 24] == 23.37 and wartosci[-5 + 24] == 4.01, "formula check failed"
    with open(cel, "wb") as f:
        f.write(struct.pack("<55d", *wartosci))
    print(f"{cel}: {len(wartosci)} wpisów, od {wartosci[0]} hPa (-24 °C) do {wartosci[-1]} hPa (+30 °C)")


if __name__ == "__main__":
    main()
