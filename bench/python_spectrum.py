#!/usr/bin/env python3
"""Rate of the Python module's response spectra: PSA at the program's 200
periods, 5 %, exact oscillator, over N synthetic records of 20,000 samples at
100 Hz (a wave packet with noise), the best of three runs (the machine is
shared). When build/bench/oscillator_bench is there, its exact time on its own
record (3 components x 5 ratios x 200 periods x 70,000 samples) is scaled to
the same number of oscillator steps and the ratio printed.

    cmake --build build --target tremblo_python oscillator_bench
    PYTHONPATH=build/python python3 bench/python_spectrum.py [N]
"""
import pathlib
import re
import subprocess
import sys
import time

import numpy as np

import tremblo

SAMPLES, DT, PERIODS = 20000, 0.01, 200


def synthetic_records(count):
    rng = np.random.default_rng(2024)
    t = np.arange(SAMPLES) * DT
    records = []
    for i in range(count):
        packet = np.exp(-((t - 60.0 - i % 7) / 15.0) ** 2) * np.sin(2 * np.pi * (1.0 + 0.1 * (i % 11)) * t) * 200
        records.append((packet + rng.standard_normal(SAMPLES) * 5).astype(np.float32))
    return records


def best_seconds(records, runs=3):
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        for acc in records:
            tremblo.response_spectrum(acc, DT, damping=(0.05,), method="exact").PSA
        best = min(best, time.perf_counter() - start)
    return best


def cpp_exact_seconds_per_step():
    program = pathlib.Path(__file__).resolve().parents[1] / "build" / "bench" / "oscillator_bench"
    if not program.exists():
        return None
    out = subprocess.run([str(program)], check=True, capture_output=True, text=True).stdout
    match = re.search(r"exact_s=([0-9.eE+-]+)", out)
    return float(match.group(1)) / (3 * 5 * 200 * 70000) if match else None


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 20
    records = synthetic_records(count)
    seconds = best_seconds(records)
    print(f"python_spectrum records={count} samples={SAMPLES} periods={PERIODS} damping=0.05 method=exact "
          f"seconds={seconds:.3g} records_per_s={count / seconds:.3g}")
    per_step = cpp_exact_seconds_per_step()
    if per_step is None:
        print("no build/bench/oscillator_bench: no ratio to the C++ benchmark")
        return
    cpp = per_step * count * PERIODS * SAMPLES
    print(f"cpp_same_work_s={cpp:.3g} (oscillator_bench's exact time scaled to the oscillator steps) "
          f"ratio_python_to_cpp={seconds / cpp:.2f}")


if __name__ == "__main__":
    main()
