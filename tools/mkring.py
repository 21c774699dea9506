#!/usr/bin/env python3
"""Writes ShortRing.wav, the overtime alarm: two bell strikes, about 1.2 s."""
import math, struct, sys, wave

RATE = 22050

def strike(freq, length, start, samples):
    for i in range(int(length * RATE)):
        t = i / RATE
        env = math.exp(-4.0 * t)
        v = env * (0.6 * math.sin(2 * math.pi * freq * t)
                   + 0.25 * math.sin(2 * math.pi * 2.76 * freq * t)
                   + 0.15 * math.sin(2 * math.pi * 5.4 * freq * t))
        j = start + i
        if j < len(samples):
            samples[j] += v

def main(path):
    samples = [0.0] * int(1.2 * RATE)
    strike(880, 0.9, 0, samples)
    strike(660, 0.9, int(0.35 * RATE), samples)
    peak = max(abs(s) for s in samples) or 1
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(s / peak * 26000)) for s in samples))

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "ShortRing.wav")
