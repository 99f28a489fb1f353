#!/usr/bin/env python3
"""Regenerates every drawing into a temporary folder and compares the files
byte for byte with assets/pictures/, so the committed SVGs stay exactly what
tools/pictures/generate.py writes.

Usage: pictures_regenerate.py SOURCE_DIR

Fails naming each drawing that differs, that the generator no longer writes,
or that it writes but assets/pictures/ lacks.
"""

import os
import subprocess
import sys
import tempfile


def svg_names(folder):
    return {name for name in os.listdir(folder) if name.endswith(".svg")}


def same_bytes(a, b):
    with open(a, "rb") as left, open(b, "rb") as right:
        return left.read() == right.read()


def compare(committed, made):
    """Lines naming every difference between the two folders' SVG files."""
    old, new = svg_names(committed), svg_names(made)
    problems = [f"differs: {name}" for name in sorted(old & new)
                if not same_bytes(os.path.join(committed, name), os.path.join(made, name))]
    problems += [f"not generated: {name}" for name in sorted(old - new)]
    problems += [f"generated but not in assets/pictures: {name}" for name in sorted(new - old)]
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    root = argv[1]
    try:
        import fontTools  # noqa: F401  (only checked for here; the generator uses it)
    except ImportError:
        print(f"{sys.executable} lacks fontTools: install Debian's python3-fonttools")
        return 1
    committed = os.path.join(root, "assets", "pictures")
    with tempfile.TemporaryDirectory() as made:
        run = subprocess.run([sys.executable, "-B", os.path.join(root, "tools", "pictures", "generate.py"), made],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print("The generator failed (it needs python3-fonttools, fonts-dejavu-core and fonts-dejavu-extra):")
            print(run.stdout + run.stderr)
            return 1
        problems = compare(committed, made)
    for line in problems:
        print(line)
    if problems:
        print(f"{len(problems)} drawing(s) do not match; regenerate with tools/pictures/generate.py")
        return 1
    print(f"all {len(svg_names(committed))} drawings regenerate byte for byte")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
