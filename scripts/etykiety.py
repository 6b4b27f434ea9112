#!/usr/bin/env python3
"""Every test of a build directory (default build/) has a label from the fixed set and a time limit.

Run after the build: python3 scripts/etykiety.py [build]. Lists the tests that lack either and fails.
"""
import json
import os
import subprocess
import sys

ETYKIETY = {"core", "files", "catalogue", "cli", "window", "report"}


def main() -> int:
    katalog = sys.argv[1] if len(sys.argv) > 1 else "build"
    wynik = subprocess.run(["ctest", "--show-only=json-v1"], cwd=katalog, capture_output=True,
                           text=True, check=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    testy = json.loads(wynik.stdout)["tests"]
    braki = []
    for test in testy:
        wlasnosci = {w["name"]: w["value"] for w in test.get("properties", [])}
        etykiety = set(wlasnosci.get("LABELS", []))
        if not etykiety or not etykiety <= ETYKIETY:
            braki.append(f"{test['name']}: etykiety {sorted(etykiety)} (dozwolone: {sorted(ETYKIETY)})")
        if not wlasnosci.get("TIMEOUT"):
            braki.append(f"{test['name']}: brak TIMEOUT")
    if not testy:
        braki.append("żadnego testu")
    for b in braki:
        print(b, file=sys.stderr)
    if braki:
        return 1
    print(f"Etykiety i limity czasu: {len(testy)} testów w porządku.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
