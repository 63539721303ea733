# measures(): the batch's --measures values for the same samples (its
# summary writes each float in its shortest form, so the float32 values
# must be equal), the rotated peaks against their definition computed here,
# and the waveform window the rotated PGV and PGD are taken over.
import csv
import subprocess

import numpy as np
import pytest

from conftest import SOURCE_DIR

SAMPLES = {
    "knet": SOURCE_DIR / "samples" / "knet" / "AIC0012411051012.NS",
    "hiroshima": SOURCE_DIR / "samples" / "hiroshima" / "HFD01_241105.ns",
    "cdpc": SOURCE_DIR / "samples" / "cdpc" / "CDPC_SYNTH.ns",
}
HORIZONTAL = ["si_horizontal", "pga_rotd50", "pga_rotd100", "pgv_rotd50", "pgv_rotd100", "pgd_rotd50", "pgd_rotd100"]
# The summary's column (cN_NAME) of each component value of the module.
COMPONENT = {"arias": "arias_intensity", "d5_75": "d5_75", "d5_95": "d5_95", "cav": "cav", "cav5": "cav5",
             "cavstd": "cav_std", "bracketed": "bracketed_duration", "housner_si": "housner_si", "si": "si"}

# (sample, the batch's options, the module's arguments for the same window)
WINDOWS = [
    ("knet", [], {}),
    ("knet", ["--start", "0", "--span", "100"], {"start": 0, "span": 100}),
    ("knet", ["--start", "1500", "--span", "25"], {"start": np.int32(1500), "span": 25.0}),
    ("knet", ["--start", "5990", "--span", "5"], {"start": 5990, "span": 5}),
    ("knet", ["--bracket-threshold", "0.2"], {"bracket_threshold_g": 0.2}),
    ("hiroshima", [], {}),
    ("cdpc", ["--span", "250"], {"span": 250}),
]


def summary_row(program, sample, options, tmp_path):
    summary = tmp_path / "summary.csv"
    subprocess.run([program, "--lang", "en", "--measures", "--summary", str(summary), "--out", str(tmp_path / "out"),
                    *options, str(sample)], check=True, capture_output=True)
    rows = list(csv.DictReader(line for line in summary.read_text().splitlines() if not line.startswith("#")))
    assert len(rows) == 1, rows
    return rows[0]


def as_written(value):
    """A value as the summary compares it: float32, None for an empty cell."""
    return None if value in (None, "") else np.float32(value)


@pytest.mark.parametrize("name,options,arguments", WINDOWS)
def test_measures_equal_the_batch_summary(tremblo, batch_program, tmp_path, name, options, arguments):
    record = tremblo.read_record(str(SAMPLES[name]))
    row = summary_row(batch_program, SAMPLES[name], options, tmp_path)
    result = tremblo.measures(record.acc, record.dt, **arguments)
    assert result["pga_rotd50"] is not None, result["horizontal_problem"]
    ours = dict(result, si_horizontal=result["horizontal_si"])
    for column in HORIZONTAL:
        assert as_written(ours[column]) == as_written(row[column]), column
    for c, component in enumerate(result["components"]):
        for column, key in COMPONENT.items():
            assert as_written(component[key]) == as_written(row[f"c{c + 1}_{column}"]), (c, column)


def rotated_peaks_by_definition(ns, ew):
    """RotD50 and RotD100 of max |cos(a) ns + sin(a) ew| over a = 0 .. 179 degrees, in double."""
    angles = np.radians(np.arange(180))
    peaks = np.abs(np.outer(np.cos(angles), ns) + np.outer(np.sin(angles), ew)).max(axis=1)
    ordered = np.sort(peaks)
    return (ordered[89] + ordered[90]) / 2, ordered[-1]


def test_rotated_pga_follows_its_definition(tremblo, knet):
    result = tremblo.measures(knet.acc, knet.dt)
    rotd50, rotd100 = rotated_peaks_by_definition(knet.acc[0].astype(np.float64), knet.acc[1].astype(np.float64))
    assert result["pga_rotd50"] == pytest.approx(rotd50, rel=1e-6)
    assert result["pga_rotd100"] == pytest.approx(rotd100, rel=1e-6)


# (NS, EW) of a circle, a line along NS and a line at 45 degrees: RotD50
# and RotD100 known by hand.
T = np.arange(2000) * 0.01
SHAPES = [
    ("circle", 100 * np.cos(2 * np.pi * T), 100 * np.sin(2 * np.pi * T), 100.0, 100.0),
    ("north-south line", 100 * np.sin(2 * np.pi * T), 0 * T, 100 * np.cos(np.radians(45)), 100.0),
    ("diagonal line", 100 * np.sin(2 * np.pi * T), 100 * np.sin(2 * np.pi * T), 100 * np.sqrt(2) * np.cos(np.radians(45)),
     100 * np.sqrt(2)),
]


@pytest.mark.parametrize("name,ns,ew,rotd50,rotd100", SHAPES, ids=[s[0] for s in SHAPES])
def test_rotated_pga_of_known_shapes(tremblo, name, ns, ew, rotd50, rotd100):
    acc = np.stack([ns, ew]).astype(np.float32)
    result = tremblo.measures(acc, 0.01)
    assert result["pga_rotd100"] == pytest.approx(rotd100, rel=1e-3)
    assert result["pga_rotd50"] == pytest.approx(rotd50, rel=2e-2)


def test_the_window_moves_pgv_and_pgd_only(tremblo, knet):
    whole = tremblo.measures(knet.acc, knet.dt, start=0, span=100)
    late = tremblo.measures(knet.acc, knet.dt, start=4000, span=10)
    assert (whole["window_start"], whole["window_length"]) == (0, knet.acc.shape[1])
    assert (late["window_start"], late["window_length"]) == (4000, int(10 / knet.dt))
    for key in ("pga_rotd50", "pga_rotd100", "horizontal_si"):
        assert late[key] == whole[key], key
    assert late["pgv_rotd100"] < whole["pgv_rotd100"]
    assert late["components"] == whole["components"]


def test_one_component_has_no_horizontal_values(tremblo, knet):
    result = tremblo.measures(knet.acc[2:], knet.dt)
    for column in ["horizontal_si"] + HORIZONTAL[1:]:
        assert result[column] is None, column
    assert result["horizontal_problem"]
