"""Reads a gryvel-sim dump of every step on standard input and checks the lap's story: every
enemy that came down into the lasers' range (y >= -160) was destroyed, with exactly one "hit"
each, and the clock ends back at 0. Every tenth step is also read whole: every number finite,
every live element inside the bounds its table culls it at. Prints the counts and the SHA-256.
Usage: lap_summary.py lockon|shothit. Under the shot-hit rules only the shots destroy enemies,
so the lock-on story is not asked for; the run must still destroy some."""

import hashlib
import json
import sys


def field(line, name, end):
    """The JSON text of one top-level field, cut out without parsing the whole line."""
    start = line.index(f'"{name}":') + len(name) + 3
    return line[start:line.index(end, start)]


def check_bounds(step):
    """Live elements must lie inside the bounds that their passes cull or retire them at."""
    frame = step["frame"]

    def inside(what, x, y, left, top, right, bottom):
        assert left < x < right and top < y < bottom, (frame, what, x, y)

    px, py = step["player"]
    assert 24 <= px <= 576 and 400 <= py <= 696, (frame, "player", px, py)
    for pool, index, active, x, y in step["shots"]:
        assert active < 1 or y >= -32, (frame, "shot", pool, index, y)
    for alive, x, y, *_ in step["enemies"]:
        assert not alive or y < 1168, (frame, "enemy", y)
    for frames_left, *_ in step["explosions"]:
        assert 0 <= frames_left <= 6, (frame, "explosion", frames_left)
    for name, box in (("enemyLasers", (-100, -100, 700, 868)),
                      ("lockOnLasers", (-800, -100, 1400, 1168)),
                      ("optionLasers", (-800, -100, 1400, 1168))):
        for slot, active, tick, *_rest, points in step[name]:
            for n, (x, y, state, *_p) in enumerate(points):
                if state == 1:
                    left, top, right, bottom = box
                    assert left <= x <= right and top <= y <= bottom, (frame, name, slot, n, x, y)
    for slot, ring, k, x, y in step["ringVolleys"]:
        inside("ring pellet", x, y, -400, -400, 1000, 1168)
    for slot, emit_index, elements in step["sweepStreams"]:
        assert 0 <= emit_index <= 35, (frame, "emitIndex", slot, emit_index)
        for side, k, x, y in elements:
            assert k != 0, (frame, "sweep element 0 emitted", slot)
            inside("sweep pellet", x, y, -400, -400, 1000, 1168)
    for slot, x, y in step["boltVolleys"]:
        assert y < 1168, (frame, "bolt volley", slot, y)
    for slot, member, k, x, y in step["boltFans"]:
        assert (y < 1168) if member < 6 else (y > -400), (frame, "fan bolt", slot, member, y)
    for slot, j, active, x, y, vx, vy, age in step["bursts"]:
        if active:
            inside("particle", x, y, -100, -100, 700, 868)


def main():
    rules = sys.argv[1]
    digest = hashlib.sha256()
    steps = hits = spawned = destroyed = left_unhit = 0
    alive = [0] * 48
    in_range = [False] * 48
    clock = None
    for raw in sys.stdin.buffer:
        digest.update(raw)
        line = raw.decode()
        steps += 1
        if steps % 10 == 0:
            check_bounds(json.loads(line))
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
    if rules == "lockon":
        assert destroyed == hits, (destroyed, hits)
        assert left_unhit == 0, left_unhit
    else:
        assert hits > 50, hits


if __name__ == "__main__":
    main()
