#!/usr/bin/env python3
"""An independent check of the exact oscillator on a K-NET record.

Runs `tremblo-batch --oscillator exact --spectra-table` on a record and
takes the analysis window's acceleration from the waveform CSV of the same
run (three decimals, so the check carries that rounding), integrates the
damped oscillator over it taken as linear between samples with the
closed-form solution of each segment (a particular solution of the ramp
plus the free vibration that matches the state), reads the peaks every T/10
at the most, and compares SA, SV and SD with NAMEspectra.csv.

    devtools/exact_response_check.py BATCH RECORD.NS [--periods 14] [--damping 0.05]

Prints the largest relative difference per quantity; exits 1 when any
exceeds --tolerance (1e-4).
"""
import argparse
import csv
import json
import math
import os
import subprocess
import sys
import tempfile


def closed_form_peaks(ground, dt, period, h):
    """Peaks of |absolute acceleration|, |velocity| and |displacement|."""
    w = 2 * math.pi / period
    wd = w * math.sqrt(1 - h * h)
    m = max(1, math.ceil(10 * dt / period * (1 - 1e-6)))
    step = dt / m
    e = math.exp(-h * w * step)
    c, s = math.cos(wd * step), math.sin(wd * step)
    x = v = 0.0
    previous = 0.0
    peaks = [0.0, 0.0, 0.0]
    for sample in ground:
        for k in range(1, m + 1):
            g0 = previous + (sample - previous) * (k - 1) / m
            g1 = sample if k == m else previous + (sample - previous) * k / m
            a, b = g0, (g1 - g0) / step  # g = a + b tau over the sub-step
            xp0 = -a / w**2 + 2 * h * b / w**3
            vp = -b / w**2
            A = x - xp0
            B = (v - vp + h * w * A) / wd
            xp1 = -(a + b * step) / w**2 + 2 * h * b / w**3
            x = xp1 + e * (A * c + B * s)
            v = vp + e * ((-h * w * A + wd * B) * c + (-h * w * B - wd * A) * s)
            peaks[0] = max(peaks[0], abs(2 * h * w * v + w * w * x))
            peaks[1] = max(peaks[1], abs(v))
            peaks[2] = max(peaks[2], abs(x))
        previous = sample
    return peaks


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("batch")
    parser.add_argument("record")
    parser.add_argument("--periods", type=int, default=14)
    parser.add_argument("--damping", type=float, default=0.05)
    parser.add_argument("--tolerance", type=float, default=1e-4)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as out:
        info = subprocess.run([args.batch, "--oscillator", "exact", "--spectra-table", "--info", "--out", out,
                               "--quantity", "acc", args.record], capture_output=True, text=True, check=True)
        record = json.loads(info.stdout.splitlines()[0])
        base = os.path.join(out, record["output_name"])
        # The waveform CSV holds the analysis window's acceleration as the
        # spectra integrate it, to 3 decimals; the spectra are compared on
        # these samples, so allow for that rounding through the tolerance.
        # The table's first line names the oscillator ("# oscillator: exact ...").
        table = list(csv.DictReader(line for line in open(base + "spectra.csv", newline="")
                                    if not line.startswith("#")))
        rows = list(csv.reader(open(base + ".csv", encoding="shift_jis", errors="replace")))
    dt = record["dt"]
    data = [r for r in rows if r and all(_is_number(v) for v in r)]
    worst = {"SA": 0.0, "SV": 0.0, "SD": 0.0}
    for c, label in enumerate(entry["label"] for entry in record["components"]):
        ground = [float(r[c]) for r in data]
        periods = sorted({float(r["Period"]) for r in table})[: args.periods]
        for period in periods:
            row = next(r for r in table if r["Component"] == label and abs(float(r["Damping"]) - args.damping) < 1e-6
                       and float(r["Period"]) == period)
            mine = closed_form_peaks(ground, dt, period, args.damping)
            for q, name in enumerate(("SA", "SV", "SD")):
                difference = abs(float(row[name]) / mine[q] - 1)
                worst[name] = max(worst[name], difference)
    for name, value in worst.items():
        print(f"{name}: largest relative difference {value:.2e} over {args.periods} shortest periods, "
              f"{len(record['components'])} components, damping {args.damping}")
    return 0 if max(worst.values()) <= args.tolerance else 1


def _is_number(text):
    try:
        float(text)
        return True
    except ValueError:
        return False


if __name__ == "__main__":
    sys.exit(main())
