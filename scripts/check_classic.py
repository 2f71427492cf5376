#!/usr/bin/env python3
"""Checks a file of classic puzzles on its own, apart from the creating code.

Reads every record of FILE and checks the layout (the top row and left column
hold no white cell; every white cell lies in an across and a down run of 2 to 9
cells headed by a clue cell carrying that clue; no clue without a run; white
cells connected; every row and column below and right of the clue row and
column holds a white cell; 55-75 % white cells there; the symmetry asked for),
a stored solution (distinct digits per run adding up to the clues), and,
through vextor-cli, one solution (`solutions`) and the word (`rate`).

    check_classic.py FILE [--symmetry half-turn|mirror|none]
                          [--difficulty easy|medium|hard|expert] [--cli PATH]
                          [--template]

Prints one line per faulty record and a summary; exit 0 when all pass.
"""
import argparse
import subprocess
import sys
from collections import deque

WORDS = ("easy", "medium", "hard", "expert")


def read_records(path):
    with open(path, encoding="latin-1") as f:
        lines = [ln.rstrip("\r\n") for ln in f]
    records, i = [], 0
    while i < len(lines):
        if not lines[i].startswith("#"):
            i += 1
            continue
        number = int(lines[i][1:])
        title = lines[i + 1]
        rows, cols = (int(x) for x in lines[i + 2].split(","))
        body = lines[i + 3:i + 3 + rows]
        records.append((number, title, rows, cols, body))
        i += 3 + rows
    return records


def parse_grid(rows, cols, body):
    """Cells as ('X',) black, ('C', across, down) clue, ('W', digit or 0)."""
    cells, solution = [], []
    for line in body:
        layout, _, sol = line.partition("|")
        for tok in layout.split():
            if tok == "X":
                cells.append(("X",))
            elif "," in tok:
                a, d = tok.split(",")
                cells.append(("C", int(a), int(d)))
            else:
                # A count of white cells may go on over the row's end.
                cells.extend([("W", 0)] * int(tok))
        solution.extend(sol.split())
    if len(cells) != rows * cols:
        raise ValueError("the rows do not cover %d x %d cells" % (rows, cols))
    if solution:
        if len(solution) != len(cells):
            raise ValueError("the solution does not match the layout")
        cells = [("W", int(s)) if c[0] == "W" else c for c, s in zip(cells, solution)]
    return [cells[r * cols:(r + 1) * cols] for r in range(rows)]


def partner(rows, cols, sym, r, c):
    # Rows and columns from 0; row 0 and column 0 are the clue row and column.
    if sym == "half-turn":
        return rows - r, cols - c
    if sym == "mirror":
        return r, cols - c
    return r, c


def layout_faults(g, rows, cols, sym, template=False):
    white = lambda r, c: 0 <= r < rows and 0 <= c < cols and g[r][c][0] == "W"
    faults = []
    if any(white(0, c) for c in range(cols)) or any(white(r, 0) for r in range(rows)):
        faults.append("white cell in the clue row or column")
    heads = set()
    for r in range(rows):
        for c in range(cols):
            if not white(r, c):
                continue
            for dr, dc, k in ((0, 1, 1), (1, 0, 2)):
                a, b = (r, c)
                while white(a - dr, b - dc):
                    a, b = a - dr, b - dc
                n = 0
                while white(a + n * dr, b + n * dc):
                    n += 1
                hr, hc = a - dr, b - dc
                if not (2 <= n <= 9):
                    faults.append("r%dc%d run of %d" % (r + 1, c + 1, n))
                if hr < 0 or hc < 0 or g[hr][hc][0] != "C" or g[hr][hc][k] <= 0:
                    faults.append("r%dc%d run without a clue" % (r + 1, c + 1))
                else:
                    heads.add((hr, hc, k))
    for r in range(rows):
        for c in range(cols):
            if g[r][c][0] == "C":
                for k in (1, 2):
                    if g[r][c][k] != 0 and (r, c, k) not in heads:
                        faults.append("r%dc%d clue without a run" % (r + 1, c + 1))
    whites = [(r, c) for r in range(rows) for c in range(cols) if white(r, c)]
    if whites:
        seen, todo = {whites[0]}, deque([whites[0]])
        while todo:
            r, c = todo.popleft()
            for nr, nc in ((r - 1, c), (r + 1, c), (r, c - 1), (r, c + 1)):
                if white(nr, nc) and (nr, nc) not in seen:
                    seen.add((nr, nc))
                    todo.append((nr, nc))
        if len(seen) != len(whites):
            faults.append("white cells not connected")
    else:
        faults.append("no white cells")
    if template:  # a drawn template keeps only the run rules and connection
        return faults
    for r in range(1, rows):
        if not any(white(r, c) for c in range(1, cols)):
            faults.append("row %d without white cells" % (r + 1))
    for c in range(1, cols):
        if not any(white(r, c) for r in range(1, rows)):
            faults.append("column %d without white cells" % (c + 1))
    share = len(whites) / float((rows - 1) * (cols - 1))
    if not (0.55 <= share <= 0.75):
        faults.append("white share %.2f" % share)
    for r in range(1, rows):
        for c in range(1, cols):
            pr, pc = partner(rows, cols, sym, r, c)
            if white(r, c) != white(pr, pc):
                faults.append("not %s symmetric at r%dc%d" % (sym, r + 1, c + 1))
                return faults
    return faults


def solution_faults(g, rows, cols):
    faults = []
    for r in range(rows):
        for c in range(cols):
            cell = g[r][c]
            if cell[0] != "C":
                continue
            for dr, dc, k in ((0, 1, 1), (1, 0, 2)):
                if cell[k] == 0:
                    continue
                digits, a, b = [], r + dr, c + dc
                while a < rows and b < cols and g[a][b][0] == "W":
                    digits.append(g[a][b][1])
                    a, b = a + dr, b + dc
                if 0 in digits:
                    return []  # no solution stored
                if len(set(digits)) != len(digits) or sum(digits) != cell[k]:
                    faults.append("r%dc%d clue %d against %s" % (r + 1, c + 1, cell[k], digits))
    return faults


def cli_lines(cli, command, path):
    out = subprocess.run([cli, command, path, "all"], capture_output=True, text=True, check=True)
    result = {}
    for line in out.stdout.splitlines():
        parts = line.split("\t")
        result[int(parts[0].lstrip("#"))] = parts[1:]
    return result


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("file")
    ap.add_argument("--symmetry", default="half-turn", choices=("half-turn", "mirror", "none"))
    ap.add_argument("--difficulty", choices=WORDS)
    ap.add_argument("--cli", default="build/bin/vextor-cli")
    ap.add_argument("--template", action="store_true",
                    help="made from a template: no symmetry, line or white-share checks")
    args = ap.parse_args()
    records = read_records(args.file)
    counts = cli_lines(args.cli, "solutions", args.file)
    rates = cli_lines(args.cli, "rate", args.file)
    bad = 0
    words = {}
    for number, title, rows, cols, body in records:
        try:
            g = parse_grid(rows, cols, body)
            faults = layout_faults(g, rows, cols, args.symmetry, args.template) + solution_faults(g, rows, cols)
        except ValueError as e:
            faults = [str(e)]
        count = counts.get(number, ["missing"])[0]
        if count != "1":
            faults.append("solutions: %s" % count)
        word = rates.get(number, ["missing"])[0]
        words[word] = words.get(word, 0) + 1
        if word not in WORDS or (args.difficulty and word != args.difficulty):
            faults.append("rated %s" % word)
        if faults:
            bad += 1
            print("#%d %s: %s" % (number, title, "; ".join(faults)))
    summary = ", ".join("%s %d" % (w, n) for w, n in sorted(words.items()))
    print("%d records, %d faulty (%s)" % (len(records), bad, summary))
    return 0 if bad == 0 and records else 1


if __name__ == "__main__":
    sys.exit(main())
