"""Finds the fighter and its shots in a screenshot of the game. The four options trail the
fighter symmetrically and are the only mint-green pods on screen, so their centre gives the
fighter's x (biased towards the field when some stand outside it). The fighter's own shots are
pairs of straight vertical green lines 20 apart. Prints "x y pairs": that centre and how many
such pairs of lines stand above it."""

import sys

from png_stats import read_png


def main():
    width, height, channels, rows = read_png(sys.argv[1])

    def pixel(x, y):
        i = x * channels
        return rows[y][i], rows[y][i + 1], rows[y][i + 2]

    pods = []
    for y in range(380, height):
        for x in range(width):
            r, g, b = pixel(x, y)
            if g >= 200 and 100 <= r <= 170 and 160 <= b <= 230 and g - r >= 60:
                pods.append((x, y))
    if len(pods) < 60:
        sys.exit(1)
    cx = sum(x for x, _ in pods) / len(pods)
    cy = sum(y for _, y in pods) / len(pods)
    # Columns holding a straight green run of 20 pixels or more: shot lines are 40 long, and the
    # sight frame drawn over them may cut one.
    runs = {}
    for x in range(width):
        run = best = 0
        for y in range(0, int(cy) - 40):
            r, g, b = pixel(x, y)
            run = run + 1 if g > 200 and g - r > 100 and g - b > 100 else 0
            best = max(best, run)
        if best >= 20:
            runs[x] = best
    pairs = sum(1 for x in runs if any(x + d in runs for d in (19, 20, 21)))
    print(round(cx), round(cy), pairs)


if __name__ == "__main__":
    main()
