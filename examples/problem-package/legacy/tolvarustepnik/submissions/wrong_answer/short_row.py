# Case 1 with its first row one label short (check code 159).
import sys

lines = sys.stdin.read().split("\n")
w, h, d = map(int, lines[3].split()[1:4])
rows = [" ".join(str(min(r * w + c, d - 1)) for c in range(w)) for r in range(h)]
rows[0] = rows[0].rsplit(" ", 1)[0] if w > 1 else ""
print("\n".join(["000000", "Tolvarustepnik", "1"] + rows))
