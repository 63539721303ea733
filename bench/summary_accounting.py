#!/usr/bin/env python3
"""Checks a `tremblo-batch --summary` table against the manifest
make_mixed_folder wrote (RECORD<TAB>FORMAT<TAB>NAME a file): one row per
record, and every file accounted for, either named by a row or one of the
other files of a row's record. Prints the counts, the rows per format, the
failed rows (first message of each format) and the files left over.

    bench/summary_accounting.py MANIFEST SUMMARY.csv
Exits 1 when the counts do not match."""
import collections
import csv
import os
import sys


def main(manifest_path, summary_path):
    record_of, format_of, files_of = {}, {}, collections.defaultdict(list)
    with open(manifest_path, encoding="utf-8") as manifest:
        for line in manifest:
            record, fmt, name = line.rstrip("\n").split("\t")
            record_of[name] = record
            format_of[record] = fmt
            files_of[record].append(name)
    with open(summary_path, encoding="utf-8", newline="") as table:
        rows = list(csv.DictReader(table))

    seen = collections.Counter()
    per_format = collections.Counter()
    failed = collections.defaultdict(list)
    foreign = []
    wrong_format = collections.Counter()
    for row in rows:
        name = os.path.basename(row["file"])
        record = record_of.get(name)
        if record is None:
            foreign.append(name)
            continue
        seen[record] += 1
        per_format[format_of[record]] += 1
        if row["format"] != format_of[record]:
            wrong_format[(format_of[record], row["format"])] += 1
        if row.get("error"):
            failed[format_of[record]].append((name, row["error"]))

    accounted = set()
    for record in seen:
        accounted.update(files_of[record])
    duplicates = sum(count - 1 for count in seen.values())
    others = len(accounted) - len(seen)
    missing_records = [r for r in files_of if r not in seen]
    files = len(record_of)
    print(f"  records {len(files_of)}, files {files}, rows {len(rows)}"
          f" ({sum(len(v) for v in failed.values())} with an error)")
    print(f"  rows + other files of their records = {len(seen)} + {others} = {len(seen) + others}"
          f" of {files} files; records without a row {len(missing_records)}; second rows of a record {duplicates};"
          f" rows naming no file written {len(foreign)}")
    print("  rows per format: " + ", ".join(f"{fmt} {count}" for fmt, count in sorted(per_format.items())))
    for (wanted, given), count in sorted(wrong_format.items()):
        print(f"  format {given} for {count} {wanted} records")
    for fmt, errors in sorted(failed.items()):
        name, message = errors[0]
        print(f"  failed {fmt}: {len(errors)} rows, e.g. {name}: {message}")
    if missing_records:
        by_format = collections.Counter(format_of[r] for r in missing_records)
        print("  records without a row per format: " + ", ".join(f"{f} {c}" for f, c in sorted(by_format.items())))
        print(f"  e.g. record {missing_records[0]}: {' '.join(files_of[missing_records[0]])}")
    ok = len(rows) == len(files_of) and len(seen) + others == files and not duplicates and not foreign
    print("  accounting: " + ("ok" if ok else "MISMATCH"))
    return 0 if ok else 1


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
