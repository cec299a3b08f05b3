"""Prints "width height mean distinct" for an 8-bit RGB or RGBA PNG, and with --pixel X Y the
pixel's "r g b". Only the standard library: the tests read what the game drew."""

import struct
import sys
import zlib


def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit(f"{path}: not a PNG")
    pos, idat, width, height, kind = 8, b"", 0, 0, 0
    while pos < len(data):
        length, tag = struct.unpack(">I4s", data[pos : pos + 8])
        body = data[pos + 8 : pos + 8 + length]
        if tag == b"IHDR":
            width, height, depth, kind, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or kind not in (2, 6) or interlace:
                raise SystemExit(f"{path}: unsupported PNG layout")
        elif tag == b"IDAT":
            idat += body
        pos += 12 + length
    channels = 3 if kind == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        filt, line = raw[start], bytearray(raw[start + 1 : start + 1 + stride])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = prev[i]
            c = prev[i - channels] if i >= channels else 0
            if filt == 1:
                line[i] = (line[i] + a) & 255
            elif filt == 2:
                line[i] = (line[i] + b) & 255
            elif filt == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif filt == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 255
        rows.append(line)
        prev = line
    return width, height, channels, rows


def main():
    width, height, channels, rows = read_png(sys.argv[1])
    if len(sys.argv) == 5 and sys.argv[2] == "--pixel":
        x, y = int(sys.argv[3]), int(sys.argv[4])
        r, g, b = rows[y][x * channels : x * channels + 3]
        print(r, g, b)
        return
    total, colours = 0, set()
    for line in rows:
        for x in range(0, width * channels, channels):
            r, g, b = line[x], line[x + 1], line[x + 2]
            total += r + g + b
            colours.add((r, g, b))
    print(width, height, round(total / (3 * width * height), 2), len(colours))


if __name__ == "__main__":
    main()
