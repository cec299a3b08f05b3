"""Makes the broken files of the fault matrix from good ones. Standard library only.
Usage: broken_files.py KIND OUT [SOURCE] [ARG]
  truncate OUT SOURCE N     the first N bytes of SOURCE
  corrupt-chunk OUT SOURCE  SOURCE with one byte of its first IDAT flipped (its CRC now wrong)
  huge-header OUT W H       a PNG whose header claims W x H, with a tiny image body
  random OUT N              N random bytes (fixed seed)
  wav OUT                   a short 16-bit mono WAV tone
"""

import math
import random
import struct
import sys
import wave
import zlib


def chunk(tag, body):
    return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))


def main():
    kind, out = sys.argv[1], sys.argv[2]
    if kind == "truncate":
        data = open(sys.argv[3], "rb").read()[: int(sys.argv[4])]
    elif kind == "corrupt-chunk":
        data = bytearray(open(sys.argv[3], "rb").read())
        at = data.index(b"IDAT") + 4 + 100
        data[at] ^= 0xFF
        data = bytes(data)
    elif kind == "huge-header":
        width, height = int(sys.argv[3]), int(sys.argv[4])
        data = (
            b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(b"\x00" * 64))
            + chunk(b"IEND", b"")
        )
    elif kind == "random":
        data = random.Random(1234).randbytes(int(sys.argv[3]))
    elif kind == "wav":
        with wave.open(out, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(22050)
            w.writeframes(
                b"".join(
                    struct.pack("<h", int(8000 * math.sin(i * 2 * math.pi * 440 / 22050)))
                    for i in range(4410)
                )
            )
        return
    else:
        raise SystemExit(f"unknown kind {kind}")
    open(out, "wb").write(data)


main()
