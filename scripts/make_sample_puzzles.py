#!/usr/bin/env python3
"""Makes resources/puzzles.vxt with vextor-cli itself: puzzles with exactly
one solution (create --unique) from 6 x 6 to 15 x 15, with solutions, two of
different difficulty per size where the seeds tried give them (the words
least used so far first, to cover the range), titled with size and
difficulty ("10 x 10 medium").

Sizes 7 x 7 to 10 x 10 are random layouts; 6 x 6 and 11 x 11 up compile the
layouts made here (random layouts stop at 10 x 10 and rarely fit 6 x 6): one known cell in every k cells of
each row and column along slanted lines, row 1 and column 1 known, and a
white cell alone in a row or column made known.

    scripts/make_sample_puzzles.py [build/bin/vextor-cli] [resources/puzzles.vxt]
"""
import os
import subprocess
import sys
import tempfile


def layout(n, a, b, k):
    known = [[r == 0 or c == 0 or (a * r + b * c) % k == 0 for c in range(n)] for r in range(n)]
    changed = True
    while changed:  # a white cell alone between known cells in a row or column becomes known
        changed = False
        for r in range(n):
            for c in range(n):
                if known[r][c]:
                    continue
                left = c > 0 and not known[r][c - 1]
                right = c < n - 1 and not known[r][c + 1]
                up = r > 0 and not known[r - 1][c]
                down = r < n - 1 and not known[r + 1][c]
                if not (left or right) or not (up or down):
                    known[r][c] = True
                    changed = True
    return known


def record(num, n, known):
    lines = [f"#{num}", f"{n} x {n} layout", f" {n}, {n}"]
    for r in range(n):
        out, whites = [], 0
        for c in range(n):
            if not known[r][c]:
                whites += 1
                continue
            if whites:
                out.append(str(whites))
                whites = 0
            across = c + 2 < n and not known[r][c + 1] and not known[r][c + 2]
            down = r + 2 < n and not known[r + 1][c] and not known[r + 2][c]
            out.append(f"{1 if across else 0},{1 if down else 0}" if across or down else "X")
        if whites:
            out.append(str(whites))
        lines.append(" ".join(out))
    return "\r\n".join(lines) + "\r\n"


SHAPES = {6: (1, 4, 5), 11: (1, 2, 5), 12: (2, 1, 5), 13: (1, 3, 5), 14: (3, 1, 5), 15: (1, 2, 5)}
SEEDS = range(1, 13)


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else "build/bin/vextor-cli"
    out = sys.argv[2] if len(sys.argv) > 2 else "resources/puzzles.vxt"
    tmp = tempfile.mkdtemp()
    layouts = os.path.join(tmp, "layouts.vxt")
    with open(layouts, "w", newline="") as f:
        f.write("".join(record(i + 1, n, layout(n, *SHAPES[n])) for i, n in enumerate(sorted(SHAPES))))

    def create(target, n, seed):
        order = sorted(SHAPES)
        source = (["--template", f"{layouts}:{order.index(n) + 1}"] if n in SHAPES
                  else ["--size", f"{n}x{n}"])
        subprocess.run([cli, "create", target, "--count", "1", "--unique", "--solution",
                        "--seed", str(seed)] + source, check=True, capture_output=True)

    chosen = []  # (size, seed, word)
    shown = {}  # word -> puzzles chosen with it so far
    for n in range(6, 16):
        first = {}  # word -> the first seed giving it
        for seed in SEEDS:
            trial = os.path.join(tmp, "trial.vxt")
            if os.path.exists(trial):
                os.remove(trial)
            create(trial, n, seed)
            rating = subprocess.run([cli, "rate", trial, "1"], check=True, capture_output=True,
                                    text=True).stdout.split("\t")
            first.setdefault(rating[1], seed)
        # The two words of this size least shown so far, across the range.
        for word in sorted(first, key=lambda w: (shown.get(w, 0), first[w]))[:2]:
            chosen.append((n, first[word], word))
            shown[word] = shown.get(word, 0) + 1
    if os.path.exists(out):
        os.remove(out)
    for n, seed, _ in chosen:
        create(out, n, seed)
    # The titles: size and difficulty.
    with open(out, newline="") as f:
        lines = f.read().split("\r\n")
    record_no = 0
    for i, line in enumerate(lines):
        if line.startswith("#") and line[1:].isdigit():
            n, _, word = chosen[record_no]
            lines[i + 1] = f"{n} x {n} {word}"
            record_no += 1
    with open(out, "w", newline="") as f:
        f.write("\r\n".join(lines))


main()
