# Every bad argument is refused with an exception naming it, never a crash.
import numpy as np
import pytest

GOOD = np.sin(np.arange(2000, dtype=np.float32) * 0.05) * 100
GOOD3 = np.vstack([GOOD, GOOD * 0.5, GOOD * 0.2])
NAN = GOOD.copy()
NAN[7] = np.nan
INF3 = GOOD3.copy()
INF3[2, 100] = np.inf

CASES = [
    # function, positional arguments, keyword arguments, the argument named
    ("response_spectrum", (np.zeros(0, np.float32), 0.01), {}, "acc"),
    ("response_spectrum", (np.zeros((2, 0), np.float32), 0.01), {}, "acc"),
    ("response_spectrum", (np.zeros((4, 100), np.float32), 0.01), {}, "acc"),
    ("response_spectrum", (np.zeros((1, 2, 3), np.float32), 0.01), {}, "acc"),
    ("response_spectrum", (NAN, 0.01), {}, "acc"),
    ("response_spectrum", (GOOD.astype(np.complex64), 0.01), {}, "acc"),
    ("response_spectrum", (np.array(["a", "b"]), 0.01), {}, "acc"),
    ("response_spectrum", (GOOD > 0, 0.01), {}, "acc"),
    ("response_spectrum", ("not samples", 0.01), {}, "acc"),
    ("response_spectrum", (GOOD, 0.0), {}, "dt"),
    ("response_spectrum", (GOOD, -0.01), {}, "dt"),
    ("response_spectrum", (GOOD, float("nan")), {}, "dt"),
    ("response_spectrum", (GOOD, float("inf")), {}, "dt"),
    ("response_spectrum", (GOOD, 2.0), {}, "dt"),
    ("response_spectrum", (GOOD, 0.01), {"periods": [1.0, 0.0]}, "periods"),
    ("response_spectrum", (GOOD, 0.01), {"periods": [-1.0]}, "periods"),
    ("response_spectrum", (GOOD, 0.01), {"periods": []}, "periods"),
    ("response_spectrum", (GOOD, 0.01), {"periods": [float("nan")]}, "periods"),
    ("response_spectrum", (GOOD, 0.01), {"periods": [1e-6]}, "periods"),
    ("response_spectrum", (GOOD, 0.01), {"periods": [[1.0]]}, "periods"),
    ("response_spectrum", (GOOD, 0.01), {"damping": [-0.05]}, "damping"),
    ("response_spectrum", (GOOD, 0.01), {"damping": [5.0]}, "damping"),
    ("response_spectrum", (GOOD, 0.01), {"damping": []}, "damping"),
    ("response_spectrum", (GOOD, 0.01), {"method": "wilson"}, "method"),
    ("rotd", (GOOD, GOOD[:-1], 0.01), {}, "ew"),
    ("rotd", (GOOD3, GOOD, 0.01), {}, "ns"),
    ("rotd", (GOOD, NAN, 0.01), {}, "ew"),
    ("rotd", (GOOD, GOOD, 0.0), {}, "dt"),
    ("rotd", (GOOD, GOOD, 0.01), {"percentiles": (50, 90)}, "percentiles"),
    ("rotd", (GOOD, GOOD, 0.01), {"damping": (0.02, 0.05)}, "damping"),
    ("rotd", (GOOD, GOOD, 0.01), {"periods": [0.5, -2]}, "periods"),
    ("jma_intensity", (GOOD, 0.01), {}, "acc3"),
    ("jma_intensity", (GOOD3[:2], 0.01), {}, "acc3"),
    ("jma_intensity", (INF3, 0.01), {}, "acc3"),
    ("jma_intensity", (GOOD3[:, :10], 0.01), {}, "acc3"),
    ("jma_intensity", (np.zeros((3, 1000), np.float32), 0.01), {}, "acc3"),
    ("jma_intensity", (GOOD3, -1.0), {}, "dt"),
    ("fourier_amplitude", (np.zeros(0), 0.01), {}, "acc"),
    ("fourier_amplitude", (NAN, 0.01), {}, "acc"),
    ("fourier_amplitude", (GOOD, 0.0), {}, "dt"),
    ("konno_ohmachi", (0.1, np.array([1.0])), {}, "amplitude"),
    ("konno_ohmachi", (0.1, np.array([1.0, np.nan, 2.0])), {}, "amplitude"),
    ("konno_ohmachi", (0.1, np.ones((2, 2, 2))), {}, "amplitude"),
    ("konno_ohmachi", (0.0, np.ones(8)), {}, "freq_or_df"),
    ("konno_ohmachi", (-0.1, np.ones(8)), {}, "freq_or_df"),
    ("konno_ohmachi", (np.arange(7) * 0.1, np.ones(8)), {}, "freq_or_df"),
    ("konno_ohmachi", (np.arange(8) * 0.1 + 0.05, np.ones(8)), {}, "freq_or_df"),
    ("konno_ohmachi", (np.array([0, 0.1, 0.2, 0.35]), np.ones(4)), {}, "freq_or_df"),
    ("konno_ohmachi", (0.1, np.ones(8)), {"b": 0.0}, "b"),
    ("konno_ohmachi", (0.1, np.ones(8)), {"b": float("nan")}, "b"),
    ("measures", (np.zeros((4, 10)), 0.01), {}, "acc3"),
    ("measures", (INF3, 0.01), {}, "acc3"),
    ("measures", (GOOD3, 0.0), {}, "dt"),
    ("measures", (GOOD3, 0.01), {"bracket_threshold_g": -0.05}, "bracket_threshold_g"),
    ("measures", (GOOD3, 0.01), {"span": 30}, "span"),
    ("measures", (GOOD3, 0.01), {"span": float("nan")}, "span"),
    ("measures", (GOOD3, 0.01), {"start": -1}, "start"),
    ("measures", (GOOD3, 0.01), {"start": 10**12}, "start"),
    ("measures", (GOOD3, 0.01), {"start": 10**40}, "start"),
    ("measures", (GOOD3, 0.01), {"start": np.int64(-3)}, "start"),
    ("measures", (GOOD3, 0.01), {"start": GOOD3.shape[1] + 1}, "start"),
    ("measures", (GOOD3, 0.01), {"start": "first"}, "start"),
    ("measures", (GOOD3, 0.01), {"start": 1.5}, "start"),
    ("measures", (GOOD3, 0.01), {"start": True}, "start"),
    ("read_record", ("x",), {"format": "seed"}, "format"),
    ("read_records", ("x",), {"format": "seed"}, "format"),
]


@pytest.mark.parametrize("function,args,kwargs,named", CASES)
def test_bad_argument_raises_value_error_naming_it(tremblo, function, args, kwargs, named):
    with pytest.raises(ValueError) as raised:
        getattr(tremblo, function)(*args, **kwargs)
    assert str(raised.value).startswith(named + ":"), str(raised.value)


def test_program_words_come_through(tremblo):
    # The oscillator's own refusal of an interval, in the program's words.
    with pytest.raises(ValueError) as raised:
        tremblo.response_spectrum(GOOD, 2.0)
    assert len(str(raised.value)) > len("dt: ")


FILE_CASES = [
    ("missing", lambda tmp: str(tmp / "NOPE.NS")),
    ("folder", lambda tmp: str(tmp)),
    ("cut", lambda tmp: write(tmp / "CUT0012411051012.NS", b"Origin Time       2024/11/05 10:12:00\nLat.")),
    ("garbage", lambda tmp: write(tmp / "JUNK.NS", bytes(range(256)) * 40)),
    ("member of no archive", lambda tmp: write(tmp / "a.tar", b"\0" * 1024) + ":X.NS"),
]


def write(path, data):
    path.write_bytes(data)
    return str(path)


# A folder is what read_records reads: one without records is below.
READ_CASES = [(function, name, make) for function in ("read_record", "read_records") for name, make in FILE_CASES
              if not (function == "read_records" and name == "folder")]


@pytest.mark.parametrize("function,name,make", READ_CASES, ids=[f"{c[0]}-{c[1]}" for c in READ_CASES])
def test_unreadable_files_raise_os_error(tremblo, tmp_path, function, name, make):
    with pytest.raises(OSError) as raised:
        getattr(tremblo, function)(make(tmp_path))
    assert str(raised.value), name


def test_a_folder_without_records_raises_os_error(tremblo, tmp_path):
    (tmp_path / "notes.txt").write_text("no record here\n")
    with pytest.raises(OSError) as raised:
        tremblo.read_records(str(tmp_path))
    assert str(tmp_path) in str(raised.value)
