# A valid answer to every case, far from the best: the first d - 1 cells in reading order are a
# region each, and all the other cells (a connected rest of the grid) one region.
import sys


def cases(lines):
    at = 2
    for _ in range(int(lines[1].split()[0])):
        number, w, h, d = map(int, lines[at + 1].split()[:4])
        at += 2 + h
        yield number, w, h, d


out = ["000000", "Tolvarustepnik"]
for number, w, h, d in cases(sys.stdin.read().split("\n")):
    out.append(str(number))
    out += [" ".join(str(min(r * w + c, d - 1)) for c in range(w)) for r in range(h)]
print("\n".join(out))
