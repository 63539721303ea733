# Shared fixtures of the Python module's tests: the sample records, the batch
# program (when the build has it) and the module itself.
import os
import pathlib

import pytest

SOURCE_DIR = pathlib.Path(os.environ.get("TREMBLO_SOURCE_DIR", pathlib.Path(__file__).resolve().parents[2]))
KNET_NS = SOURCE_DIR / "samples" / "knet" / "AIC0012411051012.NS"


@pytest.fixture(scope="session")
def tremblo():
    import tremblo as module
    return module


@pytest.fixture(scope="session")
def knet(tremblo):
    return tremblo.read_record(str(KNET_NS))


@pytest.fixture(scope="session")
def batch_program():
    program = os.environ.get("TREMBLO_BATCH", "")
    if not program:
        pytest.skip("the build has no tremblo-batch (TREMBLO_BUILD_GUI=OFF)")
    if not pathlib.Path(program).is_file():
        pytest.skip(program + " is not built yet")
    return program
