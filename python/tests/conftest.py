# Puts the build tree's fpgeom module first on the path; the rings the tests
# share.
import os
import pathlib
import sys

import numpy as np

ROOT = pathlib.Path(__file__).resolve().parents[2]
# scripts/lib/python.sh names the build's module folder; by hand, the release build's.
MODULE_DIR = pathlib.Path(os.environ.get("FPGEOM_PYTHON_MODULE_DIR", ROOT / "build/release/python/package"))
sys.path.insert(0, str(MODULE_DIR))
import fpgeom  # noqa: E402  (this build's, by the path above)

SQUARE = [(0.0, 0.0), (0.0, 10.0), (10.0, 10.0), (10.0, 0.0)]  # clockwise with y up: filled
BOWTIE = [(0.0, 0.0), (0.0, 10.0), (10.0, 0.0), (10.0, 10.0)]  # meets itself at (5, 5)
TRIANGLE = [(10.0, 0.0), (10.0, 10.0), (20.0, 0.0)]

# Rings of 3, 17 and 250 points spread over thousands of units.
RANDOM = fpgeom.Region([np.random.default_rng(5).normal(scale=1e3, size=(n, 2)) for n in (3, 17, 250)])
