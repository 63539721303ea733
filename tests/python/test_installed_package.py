# The Debian package python3-tremblo as ./package.sh builds it, unpacked
# with dpkg -x into a temporary root: its fields, its files, and the module
# imported from the unpacked dist-packages alone computing what the built
# one computes. Skipped (with the reason) when no package has been built.
import os
import pathlib
import re
import shutil
import subprocess
import sys

import numpy as np
import pytest

from conftest import KNET_NS, SOURCE_DIR


def project_version():
    text = (SOURCE_DIR / "CMakeLists.txt").read_text()
    return re.search(r"project\(tremblo VERSION ([0-9.]+)", text).group(1)


def built_package(name):
    found = sorted(SOURCE_DIR.glob(f"{name}_*_amd64.deb"))
    if not found:
        pytest.skip(f"no {name}_*_amd64.deb in {SOURCE_DIR}: ./package.sh builds it")
    if not shutil.which("dpkg-deb"):
        pytest.skip("dpkg-deb is not installed")
    return found[-1]


def field(deb, name):
    return subprocess.run(["dpkg-deb", "--field", str(deb), name], check=True, capture_output=True,
                          text=True).stdout.strip()


def contents(deb):
    listing = subprocess.run(["dpkg-deb", "--contents", str(deb)], check=True, capture_output=True, text=True).stdout
    return [line.split()[-1].lstrip(".") for line in listing.splitlines()]


@pytest.fixture(scope="module")
def python_deb():
    return built_package("python3-tremblo")


@pytest.fixture(scope="module")
def unpacked(python_deb, tmp_path_factory):
    root = tmp_path_factory.mktemp("root")
    subprocess.run(["dpkg-deb", "-x", str(python_deb), str(root)], check=True)
    return root


FIELDS = [
    ("Package", lambda v, version: v == "python3-tremblo"),
    ("Version", lambda v, version: v == version),
    ("Architecture", lambda v, version: v == "amd64"),
    ("Section", lambda v, version: v == "python"),
    ("Depends", lambda v, version: "python3-numpy" in v and f"python3 (>= {sys.version_info[0]}.{sys.version_info[1]})" in v),
    ("Depends", lambda v, version: "libstdc++6" in v and "libc6" in v),
]


@pytest.mark.parametrize("name,check", FIELDS, ids=[f"{f[0]}-{i}" for i, f in enumerate(FIELDS)])
def test_package_fields(python_deb, name, check):
    value = field(python_deb, name)
    assert check(value, project_version()), f"{name}: {value}"


def test_the_two_packages_share_nothing(python_deb):
    program_deb = built_package("tremblo")
    assert field(program_deb, "Version") == field(python_deb, "Version")
    module_files = [f for f in contents(python_deb) if not f.endswith("/")]
    program_files = set(contents(program_deb))
    assert module_files and not program_files.intersection(module_files)
    assert any(re.fullmatch(r"/usr/lib/python3/dist-packages/tremblo\.cpython-.*\.so", f) for f in module_files)
    assert "/usr/lib/python3/dist-packages/tremblo.pyi" in module_files
    assert not any(f.startswith("/usr/bin/") for f in module_files)
    assert not any("dist-packages" in f for f in program_files)


def test_the_unpacked_module_computes_what_the_built_one_does(tremblo, unpacked, tmp_path):
    packages = unpacked / "usr" / "lib" / "python3" / "dist-packages"
    script = (
        "import sys, numpy as np, tremblo\n"
        f"assert tremblo.__file__.startswith({str(packages)!r}), tremblo.__file__\n"
        f"r = tremblo.read_record({str(KNET_NS)!r})\n"
        "s = tremblo.response_spectrum(r.acc, r.dt, method='exact')\n"
        "np.save(sys.argv[1], s.PSA)\n"
    )
    environment = {k: v for k, v in os.environ.items() if k != "PYTHONPATH"}
    environment["PYTHONPATH"] = str(packages)
    out = tmp_path / "psa.npy"
    subprocess.run([sys.executable, "-c", script, str(out)], env=environment, check=True, cwd=tmp_path)
    record = tremblo.read_record(str(KNET_NS))
    expected = tremblo.response_spectrum(record.acc, record.dt, method="exact").PSA
    np.testing.assert_array_equal(np.load(out), expected)
