"""An independent model of the fighter, its options and the five shot pools, driven by a key
script, checked against gryvel-sim's dump frame by frame.
Usage: fighter_model.py KEY_SCRIPT DUMP_JSONL"""

import json
import sys

LEFT, UP, RIGHT, DOWN, SPACE = 37, 38, 39, 40, 32
CODES = {"left": LEFT, "up": UP, "right": RIGHT, "down": DOWN, "space": SPACE}
OFFSETS = [(-50, 50), (50, 50), (-100, 100), (100, 100)]


def main():
    events = {}
    for line in open(sys.argv[1]):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        frame, action, key = line.split()
        events.setdefault(int(frame), []).append((action, CODES[key]))
    held, latched = set(), set()
    x, y = 300, 520
    options = [(x + dx, y + dy) for dx, dy in OFFSETS]
    pools = [[[0, 0, 0] for _ in range(100)] for _ in range(5)]
    checked = 0
    for dump in map(json.loads, open(sys.argv[2])):
        frame = dump["frame"]
        for action, code in events.get(frame, []):
            if action == "down":
                held.add(code)
            else:
                held.discard(code)
                latched.discard(code)
        x += 8 * ((RIGHT in held) - (LEFT in held))
        y += 8 * ((DOWN in held) - (UP in held))
        x, y = min(max(x, 24), 576), min(max(y, 400), 696)
        if SPACE in held and SPACE not in latched:
            latched.add(SPACE)
            starts = [(x, y - 18)] + [(ox, oy - 6) for ox, oy in options]
            for pool, (sx, sy) in zip(pools, starts):
                free = next((r for r in pool if r[0] < 1), None)
                if free is not None:
                    free[:] = [1, sx, sy]
        for pool in pools:
            for record in pool:
                if record[0] >= 1:
                    record[2] -= 16
                    if record[2] < -32:
                        record[0] = 0
        options = [(x + dx, y + dy) for dx, dy in OFFSETS]
        shots = [[p, i, r[0], r[1], r[2]] for p, pool in enumerate(pools)
                 for i, r in enumerate(pool) if r[0] != 0]
        assert dump["player"] == [x, y], (frame, dump["player"], [x, y])
        assert dump["options"] == [list(o) for o in options], (frame, dump["options"])
        assert dump["shots"] == shots, (frame, dump["shots"], shots)
        checked += 1
    print(f"ok: fighter, options and shots match the model over {checked} steps")


if __name__ == "__main__":
    main()
