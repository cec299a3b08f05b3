"""Reads a gryvel-sim dump of every step on standard input and checks the lap's story: every
enemy that came down into the lasers' range (y >= -160) was destroyed, with exactly one "hit"
each, and the clock ends back at 0. Prints the counts and the SHA-256 of the dump."""

import hashlib
import json
import sys


def field(line, name, end):
    """The JSON text of one top-level field, cut out without parsing the whole line."""
    start = line.index(f'"{name}":') + len(name) + 3
    return line[start:line.index(end, start)]


def main():
    digest = hashlib.sha256()
    steps = hits = spawned = destroyed = left_unhit = 0
    alive = [0] * 48
    in_range = [False] * 48
    clock = None
    for raw in sys.stdin.buffer:
        digest.update(raw)
        line = raw.decode()
        steps += 1
        sounds = json.loads(field(line, "sounds", "]") + "]")
        hits += sounds.count("hit")
        clock = float(field(line, "stageClock", ","))
        rows = json.loads(field(line, "enemies", "]]") + "]]")
        for slot, (now, x, y, *_rest) in enumerate(rows):
            if now and not alive[slot]:
                spawned += 1
                in_range[slot] = False
            if now and y >= -160:
                in_range[slot] = True
            if alive[slot] and not now:
                if in_range[slot]:
                    destroyed += 1
                else:
                    left_unhit += 1
            alive[slot] = now
    print(f"steps {steps}, enemies spawned {spawned}, came into range and freed {destroyed}, "
          f"freed out of range {left_unhit}, hit sounds {hits}, final clock {clock:g}")
    print("sha256", digest.hexdigest())
    assert steps == 14300, steps
    assert clock == 0, clock
    assert spawned > 100, spawned
    assert destroyed == hits, (destroyed, hits)
    assert left_unhit == 0, left_unhit


if __name__ == "__main__":
    main()
