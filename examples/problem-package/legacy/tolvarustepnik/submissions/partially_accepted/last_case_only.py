# A valid answer to the task's last case alone (as first_cells.py makes it); the other cases
# earn nothing.
import sys

lines = sys.stdin.read().split("\n")
at = 2
for _ in range(int(lines[1].split()[0])):
    number, w, h, d = map(int, lines[at + 1].split()[:4])
    at += 2 + h
out = ["000000", "Tolvarustepnik", str(number)]
out += [" ".join(str(min(r * w + c, d - 1)) for c in range(w)) for r in range(h)]
print("\n".join(out))
