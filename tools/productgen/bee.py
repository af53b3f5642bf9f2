"""bee.wav: the looping test tone of the virtual 7.1 page, a buzzing bee.

Two seconds of 16-bit mono PCM at 44.1 kHz: a 220 Hz sawtooth-like tone with a light vibrato and
a wing-beat tremolo. Every component repeats a whole number of times in the file, so the loop has
no click at the seam.
"""

import io
import math
import struct
import wave

RATE = 44100
SECONDS = 2


def samples():
    n = RATE * SECONDS
    out = []
    for i in range(n):
        t = i / RATE
        # Vibrato of 5 Hz around 220 Hz; the phase is the integral of the frequency.
        phase = 2 * math.pi * (220.0 * t - (3.0 / (2 * math.pi * 5.0)) * math.cos(2 * math.pi * 5.0 * t))
        tone = sum(math.sin(k * phase) / k for k in range(1, 7)) * 0.55
        tremolo = 0.75 + 0.25 * math.sin(2 * math.pi * 25.0 * t)
        out.append(int(round(max(-1.0, min(1.0, tone * tremolo * 0.6)) * 32767)))
    return out


def wav_bytes():
    buffer = io.BytesIO()
    with wave.open(buffer, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack("<%dh" % (RATE * SECONDS), *samples()))
    return buffer.getvalue()
