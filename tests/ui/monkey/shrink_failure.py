#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
"""Shrinks a failing monkey run to a short sequence of its events that still fails.

usage: shrink_failure.py path/to/window_monkey SEED EVENTS [TEXT]

Runs the monkey again with WUMPEL_MONKEY_ONLY set to ever smaller subsets of
the events 0..EVENTS-1 (delta debugging) and keeps a subset while the run
still fails with TEXT in its report ("signal 11" by default). The events keep
what the seed made them; only the ones left out are not performed. Prints the
shortest subset found, traced, to turn into a regression test by hand.
"""
import os
import subprocess
import sys


def ranges(indices):
    parts = []
    start = previous = None
    for index in indices:
        if start is None:
            start = previous = index
        elif index == previous + 1:
            previous = index
        else:
            parts.append(f"{start}-{previous}")
            start = previous = index
    if start is not None:
        parts.append(f"{start}-{previous}")
    return ",".join(parts)


def run(monkey, seed, events, indices, trace=False):
    env = dict(os.environ, WUMPEL_MONKEY_SEED=str(seed), WUMPEL_MONKEY_EVENTS=str(events),
               WUMPEL_MONKEY_ONLY=ranges(indices), WUMPEL_MONKEY_TRACE="1" if trace else "0")
    result = subprocess.run([monkey], env=env, capture_output=True, text=True, timeout=900)
    return result.stdout + result.stderr


def fails(monkey, seed, events, indices, text, tries=2):
    # A killed clipboard owner makes some runs a race; a subset counts as
    # failing if any of a few tries fails.
    return any(text in run(monkey, seed, events, indices) for _ in range(tries))


def shrink(monkey, seed, events, text):
    current = list(range(events))
    chunks = 2
    while len(current) >= 2:
        size = max(1, len(current) // chunks)
        pieces = [current[i:i + size] for i in range(0, len(current), size)]
        reduced = False
        for piece in pieces:
            rest = [index for index in current if index not in set(piece)]
            if rest and fails(monkey, seed, events, rest, text):
                current = rest
                chunks = max(chunks - 1, 2)
                reduced = True
                print(f"{len(current)} events still fail", file=sys.stderr)
                break
        if not reduced:
            if chunks >= len(current):
                break
            chunks = min(len(current), chunks * 2)
    return current


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    monkey, seed, events = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    text = sys.argv[4] if len(sys.argv) == 5 else "signal 11"
    if not fails(monkey, seed, events, list(range(events)), text):
        sys.exit("the full run does not fail with " + repr(text))
    kept = shrink(monkey, seed, events, text)
    print(f"WUMPEL_MONKEY_SEED={seed} WUMPEL_MONKEY_EVENTS={events} "
          f"WUMPEL_MONKEY_ONLY={ranges(kept)}")
    print(run(monkey, seed, events, kept, trace=True))


if __name__ == "__main__":
    main()
