#!/usr/bin/env python3
"""The Python module's response spectra against the same work in C++, in one
run: PSA at the program's 200 periods, 5 %, exact oscillator, over N
synthetic records of 20,000 samples at 100 Hz (a wave packet with noise).

The records are written to a temporary file that build/bench/spectrum_list_bench
reads, so that both sides compute the same numbers (the sums of every PSA
value must be equal, or the run stops). Each side runs two ways, the best of
ROUNDS runs each, C++ and Python taking turns (the machine is shared):
  sequential          one record after the other, each over all cores (workers=0)
  records_over_cores  the records shared out over the cores, one core each
                      (Python: a ThreadPoolExecutor calling with workers=1; the
                      GIL is released while the oscillators run)
after an untimed warm-up on a few records on each side (the helper threads
started, each thread's exact coefficients kept), and the ratio Python/C++
compares the best way of each. The rate gives the
time of 8,000 records at that speed.

    cmake --build build --target tremblo_python spectrum_list_bench
    PYTHONPATH=build/python python3 bench/python_spectrum.py [N] [ROUNDS]
"""
import concurrent.futures
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time

import numpy as np

import tremblo

SAMPLES, DT, PERIODS, DAMPING = 20000, 0.01, 200, 0.05
EVENT_RECORDS = 8000
PROGRAM = pathlib.Path(__file__).resolve().parents[1] / "build" / "bench" / "spectrum_list_bench"


def synthetic_records(count):
    rng = np.random.default_rng(2024)
    t = np.arange(SAMPLES) * DT
    records = []
    for i in range(count):
        packet = np.exp(-((t - 60.0 - i % 7) / 15.0) ** 2) * np.sin(2 * np.pi * (1.0 + 0.1 * (i % 11)) * t) * 200
        records.append((packet + rng.standard_normal(SAMPLES) * 5).astype(np.float32))
    return records


def psa_sum(psa):
    """The float32 values added in double one after the other, as the C++ side adds them."""
    total = 0.0
    for value in psa.tolist():
        total += value
    return total


def record_psa_sum(acc, workers):
    return psa_sum(tremblo.response_spectrum(acc, DT, damping=(DAMPING,), method="exact", workers=workers).PSA[0])


def sequential(records):
    return sum_in_order(record_psa_sum(acc, 0) for acc in records)


def records_over_cores(records, pool):
    return sum_in_order(pool.map(lambda acc: record_psa_sum(acc, 1), records))


def sum_in_order(sums):
    total = 0.0
    for s in sums:
        total += s
    return total


def timed(run):
    start = time.perf_counter()
    result = run()
    return time.perf_counter() - start, result


def cpp_run(path, count):
    """(sequential s, records over cores s, PSA sum) of one run of spectrum_list_bench."""
    out = subprocess.run([str(PROGRAM), str(path), str(count), str(SAMPLES), str(DT), "1"],
                         check=True, capture_output=True, text=True).stdout
    fields = dict(re.findall(r"(\w+)=(\S+)", out))
    return float(fields["sequential_s"]), float(fields["records_over_cores_s"]), float(fields["psa_sum"])


def best_of_rounds(records, rounds, pool):
    """The best time of each of the four ways, the rounds taking turns (C++,
    then Python) so that a busy moment of the machine hits both; and the
    PSA sums of each."""
    best = {"cpp_sequential": float("inf"), "cpp_records_over_cores": float("inf"),
            "python_sequential": float("inf"), "python_records_over_cores": float("inf")}
    sums = set()
    with tempfile.TemporaryDirectory() as folder:
        path = pathlib.Path(folder) / "records.f32"
        np.concatenate(records).astype(np.float32).tofile(path)
        for _ in range(rounds):
            cpp_sequential, cpp_shared, cpp_sum = cpp_run(path, len(records))
            py_sequential, sequential_sum = timed(lambda: sequential(records))
            py_shared, shared_sum = timed(lambda: records_over_cores(records, pool))
            sums |= {cpp_sum, sequential_sum, shared_sum}
            for name, seconds in (("cpp_sequential", cpp_sequential), ("cpp_records_over_cores", cpp_shared),
                                  ("python_sequential", py_sequential), ("python_records_over_cores", py_shared)):
                best[name] = min(best[name], seconds)
    return best, sums


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 40
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    if not PROGRAM.exists():
        sys.exit(f"{PROGRAM} is not built: cmake --build build --target spectrum_list_bench")
    records = synthetic_records(count)
    cores = os.cpu_count() or 1
    with concurrent.futures.ThreadPoolExecutor(max_workers=cores) as pool:
        # A few records first, untimed, both ways, as the C++ side does.
        warm_up = records[:4 * cores]
        sequential(warm_up)
        records_over_cores(warm_up, pool)
        best, sums = best_of_rounds(records, rounds, pool)
    if len(sums) != 1:
        sys.exit(f"the PSA sums differ between the ways and sides: {sorted(sums)}")
    print(f"python_spectrum records={count} samples={SAMPLES} periods={PERIODS} damping={DAMPING} method=exact "
          f"cores={cores} rounds={rounds} psa_sum={sums.pop()!r} (equal on both sides)")
    print(" ".join(f"{name}_s={seconds:.4g}" for name, seconds in best.items()))
    for way in ("sequential", "records_over_cores"):
        print(f"ratio_{way}={best['python_' + way] / best['cpp_' + way]:.3f}")
    best_py = min(best["python_sequential"], best["python_records_over_cores"])
    best_cpp = min(best["cpp_sequential"], best["cpp_records_over_cores"])
    rate = count / best_py
    print(f"ratio_python_to_cpp={best_py / best_cpp:.3f} (best way of each) records_per_s={rate:.4g} "
          f"seconds_for_{EVENT_RECORDS}={EVENT_RECORDS / rate:.3g}")

if __name__ == "__main__":
    main()
