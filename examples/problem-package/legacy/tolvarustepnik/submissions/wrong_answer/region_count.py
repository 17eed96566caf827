# Every cell of every case labelled 1: one region where d > 1 are asked for (check code 141).
import sys

lines = sys.stdin.read().split("\n")
out = ["000000", "Tolvarustepnik"]
at = 2
for _ in range(int(lines[1].split()[0])):
    number, w, h, d = map(int, lines[at + 1].split()[:4])
    at += 2 + h
    out.append(str(number))
    out += [" ".join(["1"] * w)] * h
print("\n".join(out))
