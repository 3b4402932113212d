"""Finds the fpgeom module of a build tree and the repository's examples."""
import os
import pathlib
import sys

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
# scripts/lib/python.sh names the build's module folder; by hand, the release build's.
MODULE_DIR = pathlib.Path(os.environ.get("FPGEOM_PYTHON_MODULE_DIR", ROOT / "build/release/python/package"))
sys.path.insert(0, str(MODULE_DIR))


@pytest.fixture
def examples_env():
    """Environment for running an example as a script against this build's module."""
    env = dict(os.environ)
    env["PYTHONPATH"] = os.pathsep.join(filter(None, [str(MODULE_DIR), env.get("PYTHONPATH")]))
    return env


@pytest.fixture
def examples_dir():
    return ROOT / "examples/python"
