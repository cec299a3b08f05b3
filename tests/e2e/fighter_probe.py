"""Finds the fighter and the shots in a screenshot of the game. Prints "x y shots": the centre of
the fighter's light body pixels and the count of bright green shot pixels above it."""

import sys

from png_stats import read_png


def main():
    width, height, channels, rows = read_png(sys.argv[1])

    def pixel(x, y):
        i = x * channels
        return rows[y][i], rows[y][i + 1], rows[y][i + 2]

    # The fighter's body is pale blue-white, in the fighter's band of the field.
    body = [(x, y) for y in range(380, 720) for x in range(width)
            if all(c > 190 for c in pixel(x, y)) and pixel(x, y)[2] > 215]
    # Stars are single pixels: the fighter is the largest cluster of body pixels by column.
    columns = {}
    for x, y in body:
        columns.setdefault(x // 25, []).append((x, y))
    if not columns:
        sys.exit(1)
    cluster = max(columns.values(), key=len)
    if len(cluster) < 100:
        sys.exit(1)
    cx = sum(x for x, _ in cluster) / len(cluster)
    cy = sum(y for _, y in cluster) / len(cluster)
    shots = sum(1 for y in range(0, int(cy)) for x in range(max(0, int(cx) - 120), min(width, int(cx) + 120))
                if pixel(x, y)[1] > 200 and pixel(x, y)[0] < 120 and pixel(x, y)[2] < 120)
    print(round(cx), round(cy), shots)


if __name__ == "__main__":
    main()
