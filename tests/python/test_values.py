# What the module hands back: records read from files and archives, the
# shapes and types of the results, and values checked against their
# definitions computed here with numpy.
import gzip
import io
import math
import tarfile

import numpy as np
import pytest

from conftest import KNET_NS

DT = 0.01


def sine(frequency, seconds=20.0, amplitude=100.0, dt=DT):
    t = np.arange(int(round(seconds / dt))) * dt
    return (amplitude * np.sin(2 * np.pi * frequency * t)).astype(np.float32)


def test_record_read_from_its_file(knet):
    assert knet.acc.dtype == np.float32 and knet.acc.flags.c_contiguous
    assert knet.acc.shape == (3, knet.header["sample_count"])
    assert knet.components == ["NS", "EW", "UD"]
    assert knet.dt == pytest.approx(1.0 / knet.sampling_frequency)
    assert knet.station_code == knet.header["station_code"] == "AIC001"
    assert np.all(np.isfinite(knet.acc)) and np.abs(knet.acc).max() > 0
    # DC removed, as the batch loads K-NET records.
    assert abs(float(knet.acc[0].mean())) < 1e-2 * float(np.abs(knet.acc[0]).max())


def tar_bytes(members, mode="w"):
    buffer = io.BytesIO()
    with tarfile.open(fileobj=buffer, mode=mode) as tar:
        for name, data in members:
            info = tarfile.TarInfo(name)
            info.size = len(data)
            tar.addfile(info, io.BytesIO(data))
    return buffer.getvalue()


def knet_members():
    return [(KNET_NS.with_suffix(s).name, KNET_NS.with_suffix(s).read_bytes()) for s in (".NS", ".EW", ".UD")]


@pytest.mark.parametrize("layout", ["plain", "nested"])
def test_record_read_from_an_archive_equals_the_file(tremblo, knet, tmp_path, layout):
    members = knet_members()
    if layout == "plain":
        (tmp_path / "event.tar").write_bytes(tar_bytes(members))
        name = str(tmp_path / "event.tar") + ":" + members[0][0]
    else:
        inner = tar_bytes(members, "w:gz")
        (tmp_path / "event.tar").write_bytes(tar_bytes([("x.knt.tar.gz", inner)]))
        name = str(tmp_path / "event.tar") + ":x.knt.tar.gz:" + members[0][0]
    record = tremblo.read_record(name)
    np.testing.assert_array_equal(record.acc, knet.acc)
    assert record.file == name
    # The archive alone when it holds one record.
    np.testing.assert_array_equal(tremblo.read_record(str(tmp_path / "event.tar")).acc, knet.acc)


def test_gzip_file_equals_the_file(tremblo, knet, tmp_path):
    for name, data in knet_members():
        (tmp_path / (name + ".gz")).write_bytes(gzip.compress(data))
    record = tremblo.read_record(str(tmp_path / (KNET_NS.name + ".gz")))
    np.testing.assert_array_equal(record.acc, knet.acc)


def test_missing_member_names_the_record(tremblo, tmp_path):
    (tmp_path / "event.tar").write_bytes(tar_bytes(knet_members()))
    with pytest.raises(OSError, match="NOPE.NS"):
        tremblo.read_record(str(tmp_path / "event.tar") + ":NOPE.NS")


@pytest.mark.parametrize("acc,shape", [
    (sine(2.0), (2, 200)),
    (np.vstack([sine(2.0), sine(3.0)]), (2, 2, 200)),
    (sine(2.0).astype(np.float64), (2, 200)),
    (list(sine(2.0)[:500]), (2, 200)),
    (np.asfortranarray(np.vstack([sine(2.0), sine(3.0)])), (2, 2, 200)),
    ((sine(2.0) * 10).astype(np.int32), (2, 200)),
])
def test_spectrum_shapes_and_types(tremblo, acc, shape):
    result = tremblo.response_spectrum(acc, DT, damping=(0.02, 0.05))
    for q in ("SA", "SV", "SD", "PSA", "PSV"):
        assert getattr(result, q).shape == shape and getattr(result, q).dtype == np.float32
    assert result.periods.shape == (200,)
    assert result.periods[0] == np.float32(0.05) and result.periods[-1] < 10.0
    assert np.all(np.diff(result.periods) > 0)


def test_converted_input_gives_the_values_of_float32(tremblo):
    acc = sine(1.5) + sine(4.0, amplitude=30.0)
    single = tremblo.response_spectrum(acc, DT)
    double = tremblo.response_spectrum(acc.astype(np.float64), DT)
    strided = tremblo.response_spectrum(np.repeat(acc, 2)[::2], DT)
    np.testing.assert_array_equal(single.SA, double.SA)
    np.testing.assert_array_equal(single.SA, strided.SA)


@pytest.mark.parametrize("method", ["newmark", "exact"])
def test_pseudo_values_follow_from_sd(tremblo, method):
    result = tremblo.response_spectrum(sine(1.0), DT, method=method)
    omega = 2 * np.pi / result.periods.astype(np.float64)
    np.testing.assert_allclose(result.PSA[0], omega ** 2 * result.SD[0], rtol=1e-6)
    np.testing.assert_allclose(result.PSV[0], omega * result.SD[0], rtol=1e-6)


def steady_state_sd(amplitude, frequency, period, damping):
    """Steady-state displacement amplitude of the oscillator under a sine (cm)."""
    omega_n, omega = 2 * np.pi / period, 2 * np.pi * frequency
    return amplitude / math.sqrt((omega_n ** 2 - omega ** 2) ** 2 + (2 * damping * omega_n * omega) ** 2)


@pytest.mark.parametrize("method,tolerance", [("exact", 0.002), ("newmark", 0.01)])
@pytest.mark.parametrize("period", [0.2, 0.5, 2.0])
def test_oscillator_reaches_the_steady_state_of_a_long_sine(tremblo, period, method, tolerance):
    # A sine brought in smoothly over 30 s leaves almost no free vibration:
    # the peak is the steady-state amplitude.
    frequency, damping = 1.3, 0.2
    t = np.arange(12000) * DT
    envelope = np.where(t < 30, 0.5 * (1 - np.cos(np.pi * t / 30)), 1.0)
    acc = (100 * envelope * np.sin(2 * np.pi * frequency * t)).astype(np.float32)
    result = tremblo.response_spectrum(acc, DT, periods=[period], damping=[damping], method=method)
    expected = steady_state_sd(100.0, frequency, period, damping)
    assert result.SD[0, 0] == pytest.approx(expected, rel=tolerance)


def test_very_stiff_oscillator_follows_the_ground(tremblo):
    acc = sine(1.0) + sine(3.0, amplitude=50.0)
    result = tremblo.response_spectrum(acc, DT, periods=[0.005], damping=[0.05], method="exact")
    assert result.SA[0, 0] == pytest.approx(np.abs(acc).max(), rel=0.01)


def test_rotd_of_one_direction(tremblo):
    # Motion along 30 degrees only: RotD100 is the motion's own spectrum.
    along = sine(2.0) + sine(0.7, amplitude=40.0)
    angle = np.radians(30.0)
    ns, ew = (along * np.cos(angle)).astype(np.float32), (along * np.sin(angle)).astype(np.float32)
    periods = [0.3, 1.0]
    result = tremblo.rotd(ns, ew, DT, periods=periods, method="exact")
    own = tremblo.response_spectrum(along, DT, periods=periods, method="exact")
    assert result.SA.shape == (2, 2) and result.azimuth_peaks.shape == (3, 2, 180)
    np.testing.assert_allclose(result.SA[1], own.SA[0], rtol=2e-3)
    assert np.all(result.SA[0] < result.SA[1])
    np.testing.assert_array_equal(tremblo.rotd(ns, ew, DT, periods=periods, percentiles=[100]).SA[0],
                                  tremblo.rotd(ns, ew, DT, periods=periods).SA[1])


def test_fourier_amplitude_of_a_sine(tremblo):
    n, dt, k = 4096, 0.01, 300
    acc = (50.0 * np.sin(2 * np.pi * k * np.arange(n) / n)).astype(np.float32)
    freq, amplitude = tremblo.fourier_amplitude(acc, dt)
    assert freq.shape == amplitude.shape == (n // 2 + 1,)
    assert freq[1] == pytest.approx(1.0 / (n * dt))
    assert int(np.argmax(amplitude)) == k
    assert amplitude[k] == pytest.approx(dt * 50.0 * n / 2, rel=1e-4)
    rows = tremblo.fourier_amplitude(np.vstack([acc, acc]), dt)[1]
    assert rows.shape == (2, n // 2 + 1)
    np.testing.assert_array_equal(rows[1], amplitude)


def test_konno_ohmachi_keeps_a_flat_spectrum_and_the_shape(tremblo):
    flat = np.full(1025, 3.0)
    np.testing.assert_allclose(tremblo.konno_ohmachi(0.05, flat), flat, rtol=1e-9)
    spectra = np.vstack([flat, np.linspace(1, 2, 1025)])
    out = tremblo.konno_ohmachi(np.arange(1025) * 0.05, spectra, b=20)
    assert out.shape == spectra.shape and out[1, 0] == spectra[1, 0]
    assert np.all(np.diff(out[1, 1:]) >= -1e-12)  # a rising spectrum stays rising


def test_jma_intensity_reported_and_class(tremblo, knet):
    value = tremblo.jma_intensity(knet.acc, knet.dt)
    assert value["reported"] == math.trunc(round(value["raw"], 2) * 10) / 10
    assert value["class"] in {"0", "1", "2", "3", "4", "5弱", "5強", "6弱", "6強", "7"}
    # Ten times the motion raises I by 2 log10(10) = 2.
    assert tremblo.jma_intensity(knet.acc * 10, knet.dt)["raw"] == pytest.approx(value["raw"] + 2, abs=1e-3)


def test_measures_against_their_definitions(tremblo, knet):
    result = tremblo.measures(knet.acc, knet.dt)
    assert len(result["components"]) == 3 and result["horizontal_si"] is not None
    acc = knet.acc.astype(np.float64)
    for c, m in enumerate(result["components"]):
        arias = math.pi / (2 * 9.80665) * np.sum((acc[c] / 100) ** 2) * knet.dt
        assert m["arias_intensity"] == pytest.approx(arias, rel=2e-2)
        assert m["cav"] == pytest.approx(np.sum(np.abs(acc[c])) * knet.dt, rel=2e-2)
        assert m["t5"] < m["t75"] < m["t95"]
    ns, ew = result["components"][:2]
    assert result["horizontal_si"] >= max(ns["si"], ew["si"]) - 1e-9
    one = tremblo.measures(knet.acc[2:], knet.dt)
    assert one["horizontal_si"] is None and one["components"][0] == result["components"][2]
