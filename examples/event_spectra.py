#!/usr/bin/env python3
"""PSA RotD50 at 5 % (exact oscillator) of every record of an earthquake,
drawn on log-log axes against the period: one thin grey line per record and
their geometric mean in bold, saved as a PNG.

    PYTHONPATH=build/python python3 examples/event_spectra.py EVENT.tar -o event_spectra.png
    python3 /usr/share/doc/python3-tremblo/examples/event_spectra.py RECORDS/ -o spectra.png

EVENT is what tremblo-batch reads: an archive as NIED delivers an
earthquake, a folder of record files, or one record. Records without two
horizontal components are left out, as are those that cannot be read (a
warning names each).
"""
import argparse
import concurrent.futures
import os
import sys

import numpy as np

import tremblo

DAMPING = 0.05
WIDTH_INCHES, HEIGHT_INCHES, DPI = 8.0, 6.0, 100  # an 800 x 600 picture


def arguments(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("event", help="an event archive, a folder of records or one record")
    parser.add_argument("-o", "--output", default="event_spectra.png", help="the PNG to write (event_spectra.png)")
    parser.add_argument("--format", default="auto", help="the record format, as tremblo-batch's --format (auto)")
    return parser.parse_args(argv)


def rotd50_psa(record):
    """PSA RotD50 of the two horizontal components, or None for a record without them."""
    if record.acc.shape[0] < 2:
        return None
    # One core per record: the pool shares the records out over the cores.
    result = tremblo.rotd(record.acc[0], record.acc[1], record.dt, damping=DAMPING, percentiles=(50,),
                          method="exact", workers=1)
    return result.periods, result.PSA[0]


def event_spectra(records):
    """The periods and the records' spectra (records x periods), computed on every core."""
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 1) as pool:
        results = [r for r in pool.map(rotd50_psa, records) if r is not None]
    if not results:
        return None, None
    return results[0][0], np.array([psa for _, psa in results], dtype=np.float64)


def geometric_mean(spectra):
    return np.exp(np.mean(np.log(np.maximum(spectra, np.finfo(np.float32).tiny)), axis=0))


def event_title(record, count):
    h = record.header
    where = f"{h['epicenter_lat']:.2f}N {h['epicenter_lon']:.2f}E, {h['depth_km']} km"
    event = f"{h['origin_date']} {h['origin_time']} M{h['magnitude']:.1f} ({where})".strip()
    return f"{event}\nPSA RotD50, h = {DAMPING:.0%}, exact: {count} records"


def draw(periods, spectra, title, output):
    import matplotlib
    if not os.environ.get("MPLBACKEND"):
        matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    figure, axes = plt.subplots(figsize=(WIDTH_INCHES, HEIGHT_INCHES), dpi=DPI)
    for psa in spectra:
        axes.loglog(periods, psa, color="0.6", linewidth=0.5)
    axes.loglog(periods, geometric_mean(spectra), color="black", linewidth=2.5, label="geometric mean")
    axes.plot([], [], color="0.6", linewidth=0.5, label=f"records ({len(spectra)})")
    axes.set_xlabel("Period (s)")
    axes.set_ylabel("PSA RotD50 (gal)")
    axes.set_xlim(periods.min(), periods.max())
    axes.grid(True, which="both", linewidth=0.3, color="0.85")
    axes.legend(loc="lower left")
    axes.set_title(title, fontsize=10)
    figure.tight_layout()
    figure.savefig(output, dpi=DPI)
    plt.close(figure)


def main(argv=None):
    args = arguments(sys.argv[1:] if argv is None else argv)
    records = tremblo.read_records(args.event, format=args.format, skip_unreadable=True)
    periods, spectra = event_spectra(records)
    if spectra is None:
        print(f"{args.event}: no record with two horizontal components", file=sys.stderr)
        return 1
    horizontal = [r for r in records if r.acc.shape[0] >= 2]
    draw(periods, spectra, event_title(horizontal[0], len(spectra)), args.output)
    print(f"{args.output}: {len(spectra)} records of {args.event}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
