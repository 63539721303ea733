# The module's values against the batch's files for the same samples: the
# spectra table (every float written exactly, %.9g) and the RotD file.
import csv
import pathlib
import subprocess

import numpy as np
import pytest

from conftest import KNET_NS

SPAN_SECONDS = 50  # --start 0 --span 50: the first 50 s of the record


def run_batch(program, out, *options):
    out.mkdir()
    subprocess.run([program, "--lang", "en", "--start", "0", "--span", str(SPAN_SECONDS), "--out", str(out),
                    *options, str(KNET_NS)], check=True, capture_output=True)


def data_lines(path):
    return [line for line in path.read_text().splitlines() if line and not line.startswith("#")]


def spectra_table(path):
    rows = list(csv.DictReader(data_lines(path)))
    assert rows, path
    return rows


@pytest.mark.parametrize("method", ["newmark", "exact"])
def test_spectra_equal_the_batch_table(tremblo, knet, batch_program, tmp_path, method):
    run_batch(batch_program, tmp_path / "out", "--spectra-table", "--oscillator", method)
    (table,) = (tmp_path / "out").glob("*spectra.csv")
    rows = spectra_table(table)
    window = int(round(SPAN_SECONDS / knet.dt))
    dampings = sorted({float(r["Damping"]) for r in rows})
    result = tremblo.response_spectrum(knet.acc[:, :window], knet.dt, damping=dampings, method=method)
    assert result.SA.shape == (3, len(dampings), 200)
    periods = np.array([float(r["Period"]) for r in rows[:200]], dtype=np.float32)
    np.testing.assert_array_equal(result.periods, periods)
    for row in rows:
        c = knet.components.index(row["Component"])
        k = dampings.index(float(row["Damping"]))
        j = int(np.searchsorted(periods, np.float32(row["Period"])))
        for q in ("SA", "SV", "SD", "PSA", "PSV"):
            assert getattr(result, q)[c, k, j] == np.float32(row[q]), (row, q)


def rotd_blocks(path):
    """RotD50 and RotD100 at 5 % of SA, SV, SD from NAMErotd.csv, period x value."""
    blocks, current, columns = [], None, None
    for line in data_lines(path):
        cells = [c.strip() for c in line.split(",")]
        if cells[0] == "Period":
            columns, current = cells, []
            blocks.append(current)
        elif columns and len(cells) == len(columns):
            try:
                values = [float(c) for c in cells]
            except ValueError:
                continue
            current.append(dict(zip(columns, values)))
    return blocks


def test_rotd_equals_the_batch_file(tremblo, knet, batch_program, tmp_path):
    run_batch(batch_program, tmp_path / "out", "--rotd", "--oscillator", "exact")
    (path,) = (tmp_path / "out").glob("*rotd.csv")
    blocks = rotd_blocks(path)
    assert len(blocks) == 3
    window = int(round(SPAN_SECONDS / knet.dt))
    result = tremblo.rotd(knet.acc[0, :window], knet.acc[1, :window], knet.dt, method="exact")
    for q, block in zip(("SA", "SV", "SD"), blocks):
        assert len(block) == 200
        got = getattr(result, q)
        for j, row in enumerate(block):
            # Written with two decimals ("%10.2f").
            assert abs(got[0, j] - row["RotD50 0.05"]) <= 0.0051, (q, j)
            assert abs(got[1, j] - row["RotD100 0.05"]) <= 0.0051, (q, j)
