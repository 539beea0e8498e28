#!/usr/bin/env python3
"""find_sounds.py - finds known sounds in a recording of the program's mix.

  find_sounds.py RECORDING.wav NAME=REFERENCE[@RATE][:FROM-TO] ...

Both the recording and each reference are turned into mono 11025 Hz by sox
(a reference played at RATE is sped up the same way the game plays it), then
into loudness envelopes of 5 ms. Each reference's envelope is slid along the
recording's between FROM and TO seconds; the best place is where the shapes
agree most (Pearson correlation). Prints one line per sound:

  NAME at SECONDS match CORRELATION gain GAIN

Stretches quieter than 2% of the reference's loudest point count as silence
and never match. GAIN is the least-squares factor from the reference's envelope to the
recording's there: how loud it was played against its file at full volume.
Exit status 1 when a sound is not found at all (correlation below 0.5).
"""
import array
import math
import subprocess
import sys
import tempfile

RATE = 11025
STEP = 55  # samples per envelope point: 5 ms


def decode(path, speed=None):
    with tempfile.NamedTemporaryFile(suffix=".raw") as raw:
        cmd = ["sox", path, "-r", str(RATE), "-c", "1", "-b", "16", "-e", "signed-integer",
               "-t", "raw", raw.name]
        if speed and speed != 1.0:
            cmd += ["speed", str(speed)]
        subprocess.run(cmd, check=True, stderr=subprocess.DEVNULL)
        samples = array.array("h")
        with open(raw.name, "rb") as f:
            samples.frombytes(f.read())
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def envelope(samples):
    out = []
    for i in range(0, len(samples) - STEP + 1, STEP):
        chunk = samples[i:i + STEP]
        out.append(math.sqrt(sum(v * v for v in chunk) / STEP) / 32768.0)
    return out


def trimmed(env):
    """The reference without its leading and trailing near-silence."""
    peak = max(env) if env else 0
    idx = [i for i, v in enumerate(env) if v > peak * 0.05]
    return env[idx[0]:idx[-1] + 1] if idx else env


def best_match(rec, ref, lo, hi):
    n = len(ref)
    mr = sum(ref) / n
    dr = [v - mr for v in ref]
    sr = math.sqrt(sum(v * v for v in dr)) or 1e-12
    floor = max(ref) * 0.02  # quieter than this is silence, whatever its shape
    best = (-2.0, lo, 0.0)
    for start in range(max(0, lo), min(hi, len(rec) - n) + 1):
        seg = rec[start:start + n]
        if max(seg) < floor:
            continue
        ms = sum(seg) / n
        num = sum(a * (b - ms) for a, b in zip(dr, seg))
        ss = math.sqrt(sum((b - ms) ** 2 for b in seg)) or 1e-12
        c = num / (sr * ss)
        if c > best[0]:
            gain = sum(a * b for a, b in zip(ref, seg)) / (sum(a * a for a in ref) or 1e-12)
            best = (c, start, gain)
    return best


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    rec = envelope(decode(argv[1]))
    per_second = RATE / STEP
    missing = False
    for argument in argv[2:]:
        name, rest = argument.split("=", 1)
        window = None
        if ":" in rest:
            rest, window = rest.rsplit(":", 1)
        speed = None
        if "@" in rest:
            rest, speed = rest.rsplit("@", 1)
            speed = float(speed)
        ref = trimmed(envelope(decode(rest, speed)))
        lo, hi = 0, len(rec)
        if window:
            a, b = window.split("-")
            lo, hi = int(float(a) * per_second), int(float(b) * per_second)
        corr, start, gain = best_match(rec, ref, lo, hi)
        print(f"{name} at {start / per_second:.2f} match {corr:.2f} gain {gain:.3f}")
        missing = missing or corr < 0.5
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
