#!/usr/bin/env python3
"""Damages NIED-style deliveries byte by byte and checks that the batch never
reports a record with wrong values as processed.

For each compression of the archives inside (gz, zst, bz2, xz) it builds a
small delivery with bench/make_delivery.sh, takes the batch's summary of the
whole delivery as the reference, then runs the batch on copies damaged at
random places (one byte XOR-ed, or 64 bytes XOR-ed with random bytes). A row
without an error must equal the reference row of the same file; any other is
a record with wrong values reported OK. Prints the counts and exits 1 when
there is any such row.

    devtools/archive_fuzz.py --batch build/bin/tremblo-batch --flips 1000 --seed 1
"""
import argparse
import csv
import os
import random
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def summary_rows(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def run_batch(batch, delivery, summary, data):
    if os.path.exists(summary):
        os.remove(summary)
    result = subprocess.run([batch, "--jobs", "1", "--data", data, "--summary", summary, delivery],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=120)
    return result.returncode, summary_rows(summary) if os.path.exists(summary) else None


def damage(bytes_, rng):
    damaged = bytearray(bytes_)
    at = rng.randrange(len(damaged))
    if rng.random() < 0.5:
        damaged[at] ^= rng.randrange(1, 256)
        return damaged, f"byte {at}"
    for i in range(at, min(at + 64, len(damaged))):
        damaged[i] ^= rng.randrange(1, 256)
    return damaged, f"64 bytes at {at}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--batch", default=os.path.join(ROOT, "build", "bin", "tremblo-batch"))
    parser.add_argument("--flips", type=int, default=1000, help="damaged runs in all, shared by the compressions")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--records", type=int, default=12)
    parser.add_argument("--compressions", default="gz,zst,bz2,xz")
    args = parser.parse_args()

    rng = random.Random(args.seed)
    data = os.path.join(ROOT, "data", "DATA")
    compressions = args.compressions.split(",")
    totals = {"runs": 0, "rows_ok": 0, "rows_failed": 0, "wrong_ok": 0, "crashes": 0}
    with tempfile.TemporaryDirectory() as work:
        for index, compression in enumerate(compressions):
            delivery = os.path.join(work, f"whole-{compression}.tar")
            subprocess.run([os.path.join(ROOT, "bench", "make_delivery.sh"), delivery, str(args.records), compression],
                           check=True, stdout=subprocess.DEVNULL)
            status, reference = run_batch(args.batch, delivery, os.path.join(work, "reference.csv"), data)
            if status != 0 or not reference or any(row["error"] for row in reference):
                sys.exit(f"the whole {compression} delivery does not process cleanly (exit {status})")
            renamed = [{**row, "file": row["file"].replace("whole-", "damaged-")} for row in reference]
            expected = {row["file"]: row for row in renamed}
            whole = open(delivery, "rb").read()
            flips = args.flips // len(compressions) + (1 if index < args.flips % len(compressions) else 0)
            wrong_here = 0
            for _ in range(flips):
                damaged, where = damage(whole, rng)
                target = os.path.join(work, f"damaged-{compression}.tar")
                with open(target, "wb") as f:
                    f.write(damaged)
                status, rows = run_batch(args.batch, target, os.path.join(work, "damaged.csv"), data)
                totals["runs"] += 1
                if status not in (0, 1) or rows is None:
                    totals["crashes"] += 1
                    print(f"{compression}: {where}: exit status {status}", file=sys.stderr)
                    continue
                for row in rows:
                    if row["error"]:
                        totals["rows_failed"] += 1
                        continue
                    totals["rows_ok"] += 1
                    if expected.get(row["file"]) != row:
                        wrong_here += 1
                        print(f"{compression}: {where}: {row['file']} reported OK with other values", file=sys.stderr)
            totals["wrong_ok"] += wrong_here
            print(f"{compression}: {flips} damaged runs, {wrong_here} records with wrong values reported OK")
    print(f"all: {totals['runs']} damaged runs, {totals['rows_ok']} rows OK, {totals['rows_failed']} rows failed, "
          f"{totals['wrong_ok']} records with wrong values reported OK, {totals['crashes']} runs ending otherwise")
    sys.exit(1 if totals["wrong_ok"] or totals["crashes"] else 0)


if __name__ == "__main__":
    main()
