# read_records over an event as NIED delivers one (bench/make_delivery.sh
# makes it from the sample record), a folder and a file, and the example
# examples/event_spectra.py drawing the event's spectra into a PNG.
import os
import shutil
import struct
import subprocess
import sys
import warnings

import numpy as np
import pytest

from conftest import KNET_NS, SOURCE_DIR

EVENT_RECORDS = 6  # 4 K-NET stations and a KiK-net station's two series
EXAMPLE = SOURCE_DIR / "examples" / "event_spectra.py"
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


@pytest.fixture(scope="session")
def event(tmp_path_factory):
    if not shutil.which("bash") or not shutil.which("gzip"):
        pytest.skip("bench/make_delivery.sh needs bash and gzip")
    path = tmp_path_factory.mktemp("event") / "event.tar"
    subprocess.run(["bash", str(SOURCE_DIR / "bench" / "make_delivery.sh"), str(path), str(EVENT_RECORDS)],
                   check=True, capture_output=True)
    return path


def test_every_record_of_the_event_is_read(tremblo, event):
    records = tremblo.read_records(str(event))
    assert len(records) == EVENT_RECORDS
    stations = [r.station_code for r in records]
    assert stations == ["KN0001", "KN0002", "KN0003", "KN0004", "KK0001", "KK0001"]
    assert [r.file.rsplit(".", 1)[-1] for r in records] == ["EW", "EW", "EW", "EW", "EW1", "EW2"]
    # Each name reads the same record again on its own.
    for record in records:
        again = tremblo.read_record(record.file)
        np.testing.assert_array_equal(again.acc, record.acc)
        assert again.header == record.header


def test_a_folder_is_searched_and_unreadable_records_skipped(tremblo, tmp_path):
    nested = tmp_path / "a" / "b"
    nested.mkdir(parents=True)
    for component in ("NS", "EW", "UD"):
        shutil.copy(KNET_NS.with_suffix("." + component), nested)
    (tmp_path / "CUT0012411051012.NS").write_bytes(KNET_NS.read_bytes()[:300])
    with pytest.raises(OSError) as raised:
        tremblo.read_records(str(tmp_path))
    assert "CUT0012411051012" in str(raised.value)
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        records = tremblo.read_records(str(tmp_path), skip_unreadable=True)
    assert [r.station_code for r in records] == ["AIC001"]
    assert len(caught) == 1 and issubclass(caught[0].category, RuntimeWarning)
    assert "CUT0012411051012" in str(caught[0].message)


def png_size(path):
    data = path.read_bytes()
    assert data[:8] == PNG_SIGNATURE, path
    assert data[12:16] == b"IHDR"
    return struct.unpack(">II", data[16:24])


INPUTS = [("event archive", lambda event: event, EVENT_RECORDS),
          ("folder", lambda event: KNET_NS.parent, 1),
          ("one record", lambda event: KNET_NS, 1)]


@pytest.mark.parametrize("name,where,count", INPUTS, ids=[i[0] for i in INPUTS])
def test_the_example_draws_the_spectra(event, tmp_path, name, where, count):
    pytest.importorskip("matplotlib", reason="the example draws with matplotlib (python3-matplotlib)")
    picture = tmp_path / "spectra.png"
    environment = dict(os.environ, MPLBACKEND="Agg", PYTHONPATH=os.pathsep.join(sys.path))
    done = subprocess.run([sys.executable, str(EXAMPLE), str(where(event)), "-o", str(picture)],
                          env=environment, capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    assert f"{count} records" in done.stdout
    assert png_size(picture) == (800, 600)


def test_the_example_refuses_an_input_without_horizontal_records(tmp_path):
    pytest.importorskip("matplotlib", reason="the example draws with matplotlib (python3-matplotlib)")
    single = tmp_path / "AIC0012411051012.UD"
    shutil.copy(KNET_NS.with_suffix(".UD"), single)
    environment = dict(os.environ, MPLBACKEND="Agg", PYTHONPATH=os.pathsep.join(sys.path))
    done = subprocess.run([sys.executable, str(EXAMPLE), str(single), "-o", str(tmp_path / "x.png")], env=environment,
                          capture_output=True, text=True)
    assert done.returncode == 1
    assert "no record with two horizontal components" in done.stderr
    assert not (tmp_path / "x.png").exists()
