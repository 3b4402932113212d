# What the layer itself answers for: lifetimes, pickling through the archive
# bytes, the document formats, the prepared classes and the overlay operators,
# batches answered from several threads at once and with the GIL released,
# and each example run end to end at a small size against this build's module.
import gc
import os
import pickle
import subprocess
import sys
import threading
import time
from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pytest

import fpgeom
from conftest import BOWTIE, MODULE_DIR, RANDOM, ROOT, SQUARE

def test_objects_own_their_points():
    xy = np.array(SQUARE)
    polygon = fpgeom.Polygon(xy)
    xy[:] = polygon.points[:] = -1.0  # the array given and the array returned are copies
    region = fpgeom.Region([polygon])
    first, loops = region[0], fpgeom.Polygon(BOWTIE).breakdown().loops
    del polygon, region
    gc.collect()
    assert first == fpgeom.Polygon(SQUARE) and len(loops) == 2 and loops[0].points.shape == (3, 2)


@pytest.mark.parametrize("value", [fpgeom.Polygon(SQUARE), RANDOM, fpgeom.Region()])
def test_pickling_round_trips_bit_for_bit(value):
    copy = pickle.loads(pickle.dumps(value))
    assert copy == value and copy is not value
    assert isinstance(value, fpgeom.Polygon) or fpgeom.Region.from_bytes(value.to_bytes()) == value


def test_documents_round_trip_and_report_where_they_fail():
    points = np.array([(0.1, 0.2), (1e300, -5e-324)])
    assert fpgeom.loads_wkt(fpgeom.dumps_wkt(RANDOM)) == RANDOM
    again, again_points = fpgeom.loads_geojson(fpgeom.dumps_geojson(RANDOM, points), with_points=True)
    assert again == RANDOM and again_points.tolist() == points.tolist()
    with pytest.raises(ValueError, match="line 2, column"):
        fpgeom.loads_wkt("POLYGON((0 0,0 10,10 10,0 0))\nPOLYGON((0 0,")
    assert "probe point outside (2)" in fpgeom.render_svg(RANDOM, inside=[(0.0, 0.0)], outside=np.ones((2, 2)))


@pytest.mark.parametrize("plain", [fpgeom.Polygon(BOWTIE), fpgeom.Region([SQUARE, fpgeom.Polygon(BOWTIE).translate(20, 0)])])
def test_batch_answers_equal_one_point_answers_on_every_thread(plain):
    xy = np.asfortranarray(np.random.default_rng(3).uniform(-5.0, 35.0, size=(1000, 2)))  # read by strides
    xy[:3] = [(5.0, 5.0), (0.0, 5.0), (10.0, 10.0)]  # the crossing, an edge, a corner
    expected = ([plain.contains(x, y) for x, y in xy], [plain.distance(x, y) for x, y in xy])
    assert True in expected[0] and False in expected[0]
    batches = [lambda: (plain.contains_xy(xy).tolist(), plain.distance_xy(xy).tolist())]
    if hasattr(fpgeom, "PreparedPolygon"):
        # Two threads share a prepared object, two others a copy that travelled by pickle.
        ready = (fpgeom.PreparedRegion if isinstance(plain, fpgeom.Region) else fpgeom.PreparedPolygon)(plain)
        copy = pickle.loads(pickle.dumps(ready))
        batches += [lambda p=p: (p.contains(xy).tolist(), p.distance(xy).tolist()) for p in (ready, ready, copy, copy)]
    with ThreadPoolExecutor(len(batches)) as pool:
        assert list(pool.map(lambda batch: batch(), batches)) == [expected] * len(batches)


@pytest.mark.skipif(not hasattr(fpgeom, "FillRule"), reason="built without the overlay library")
def test_boolean_operations():
    left = fpgeom.Region([SQUARE])
    right = left.translate(5.0, 0.0)
    assert [r.area for r in (left | right, left & right, left - right, left ^ right)] == [150.0, 50.0, 50.0, 100.0]
    assert left.union(right, fpgeom.FillRule.NON_ZERO).area == 150.0
    assert fpgeom.Region([BOWTIE]).normalize().area == 50.0
    assert left.area_contains(10.0, 5.0) and not left.area_contains(10.5, 5.0)


def test_batches_release_the_gil():
    angles = np.linspace(2 * np.pi, 0.0, 100, endpoint=False)  # a simple ring, clockwise
    polygon = fpgeom.Polygon(np.column_stack((np.cos(angles), np.sin(angles))))
    xy, span, ticks = np.random.default_rng(2).normal(size=(150_000, 2)), [], []
    worker = threading.Thread(target=lambda: span.extend([time.perf_counter(), polygon.contains_xy(xy), time.perf_counter()]))
    worker.start()
    while worker.is_alive():
        ticks.append(time.perf_counter())
    start, end = span[0], span[-1]
    middle = [t for t in ticks if start + 0.25 * (end - start) < t < start + 0.75 * (end - start)]
    # Holding the GIL, the batch would let this thread run not once in the middle half.
    assert end - start > 0.05 and len(middle) > 10


@pytest.mark.parametrize("script, args, says, writes", [
    ("classify_points.py", ["--points", "5000", "--out", "map.svg"], "5000 points", "map.svg"),
    ("dask_points.py", ["--points", "40000", "--chunk", "7000", "--workers", "2"], "the counts agree", None),
])
def test_example_runs(script, args, says, writes, tmp_path):
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(filter(None, [str(MODULE_DIR), os.environ.get("PYTHONPATH")])))
    done = subprocess.run([sys.executable, str(ROOT / "examples/python" / script), *args], cwd=tmp_path, env=env,
                          capture_output=True, text=True, timeout=300)
    assert done.returncode == 0 and says in done.stdout, done.stderr
    assert writes is None or "<svg" in (tmp_path / writes).read_text()
