"""Counts the pixels of the stage's actors in a screenshot: green lock-on lasers, the sight
frame, enemy bodies and burst debris. Prints "lasers sight enemies debris"."""

import sys

from png_stats import read_png


def main():
    width, height, channels, rows = read_png(sys.argv[1])
    lasers = sight = enemies = debris = 0
    for line in rows:
        for i in range(0, width * channels, channels):
            r, g, b = line[i], line[i + 1], line[i + 2]
            if 140 <= g <= 200 and r < 60 and b < 60:
                lasers += 1
            elif g >= 180 and 40 <= r <= 110 and 60 <= b <= 140:
                sight += 1
            elif (b > 120 and b > g + 40 and 90 <= r <= 230) or (r > 190 and g < 100 and b < 90):
                enemies += 1
            elif abs(r - 138) < 14 and abs(g - 128) < 14 and abs(b - 112) < 14:
                debris += 1
    print(lasers, sight, enemies, debris)


if __name__ == "__main__":
    main()
