# Type stub of the module tremblo (python/*.cpp), installed beside it.
from types import SimpleNamespace
from typing import Any, Optional, Sequence, Union

import numpy as np
import numpy.typing as npt

__version__: str

ArrayLike = npt.ArrayLike
Numbers = Union[float, Sequence[float], npt.NDArray[Any]]

class Record(SimpleNamespace):
    acc: npt.NDArray[np.float32]  # components x samples, gal
    dt: float
    components: list[str]
    component_paths: list[str]
    header: dict[str, Any]
    file: str
    format: str
    station_code: str
    sample_count: int
    sampling_frequency: int

class Spectra(SimpleNamespace):
    periods: npt.NDArray[np.float32]
    damping: npt.NDArray[np.float32]
    method: str
    SA: npt.NDArray[np.float32]
    SV: npt.NDArray[np.float32]
    SD: npt.NDArray[np.float32]
    PSA: npt.NDArray[np.float32]
    PSV: npt.NDArray[np.float32]

class RotDSpectra(SimpleNamespace):
    periods: npt.NDArray[np.float32]
    damping: float
    percentiles: npt.NDArray[np.int32]
    method: str
    SA: npt.NDArray[np.float32]
    SV: npt.NDArray[np.float32]
    SD: npt.NDArray[np.float32]
    PSA: npt.NDArray[np.float32]
    PSV: npt.NDArray[np.float32]
    azimuth_peaks: npt.NDArray[np.float32]

def read_record(path: str, format: str = "auto") -> Record: ...
def read_records(path: str, format: str = "auto", skip_unreadable: bool = False) -> list[Record]: ...
def response_spectrum(acc: ArrayLike, dt: float, periods: Optional[Numbers] = None,
                      damping: Numbers = (0.05,), method: str = "newmark", workers: int = 0) -> Spectra: ...
def rotd(ns: ArrayLike, ew: ArrayLike, dt: float, periods: Optional[Numbers] = None, damping: float = 0.05,
         percentiles: Numbers = (50, 100), method: str = "newmark", workers: int = 0) -> RotDSpectra: ...
def jma_intensity(acc3: ArrayLike, dt: float) -> dict[str, Any]: ...
def fourier_amplitude(acc: ArrayLike, dt: float, taper: bool = False) -> tuple[npt.NDArray[np.float64], npt.NDArray[np.float64]]: ...
def konno_ohmachi(freq_or_df: Numbers, amplitude: ArrayLike, b: float = 40.0) -> npt.NDArray[np.float64]: ...
def measures(acc3: ArrayLike, dt: float, bracket_threshold_g: float = 0.05, start: Union[str, int] = "auto",
             span: float = 50.0) -> dict[str, Any]: ...
def set_language(language: str) -> None: ...
def language() -> str: ...
