"""What the binding layer itself answers for: lifetimes, the archive bytes
behind pickling, the mapping of errors, the document formats, the topology's
all-or-none edits and the GIL released during batches."""
import gc
import pickle
import threading
import time

import numpy as np
import pytest

import fpgeom

SQUARE = [(0.0, 0.0), (0.0, 10.0), (10.0, 10.0), (10.0, 0.0)]
TRIANGLE = [(10.0, 0.0), (10.0, 10.0), (20.0, 0.0)]


def random_region(seed=5):
    rng = np.random.default_rng(seed)
    return fpgeom.Region([rng.normal(scale=1e3, size=(n, 2)) for n in (3, 17, 250)])


def test_objects_own_their_points():
    xy = np.array(SQUARE)
    polygon = fpgeom.Polygon(xy)
    xy[:] = 0.0
    region = fpgeom.Region([polygon])
    first, loops = region[0], fpgeom.Polygon([(0, 0), (0, 10), (10, 0), (10, 10)]).breakdown().loops
    del polygon, region
    gc.collect()
    assert first.area == 100.0 and len(loops) == 2 and loops[0].points.shape == (3, 2)


@pytest.mark.parametrize("value", [fpgeom.Polygon(SQUARE), random_region(), fpgeom.Region()])
def test_pickling_round_trips_bit_for_bit(value):
    copy = pickle.loads(pickle.dumps(value))
    assert copy == value and copy is not value
    if isinstance(value, fpgeom.Region):
        assert fpgeom.Region.from_bytes(value.to_bytes()) == value


@pytest.mark.parametrize("data, message", [
    (b"", "ends"),
    (random_region().to_bytes()[:-3], "ends"),
    (random_region().to_bytes() + b"\0", "end of the file"),
    (b"\x01\x00\xff\xff\x01\x00\x04\x00CAbc", "class"),
    (bytes(range(256)) * 4, ""),
])
def test_bad_archives_raise_archive_error(data, message):
    assert issubclass(fpgeom.ArchiveError, ValueError)
    with pytest.raises(fpgeom.ArchiveError, match=message):
        fpgeom.Region.from_bytes(data)


def test_polygon_pickle_needs_one_ring():
    two = fpgeom.Region([SQUARE, TRIANGLE]).to_bytes()
    with pytest.raises(fpgeom.ArchiveError):
        fpgeom.Polygon.__new__(fpgeom.Polygon).__setstate__((two,))


def test_documents_round_trip_and_report_where_they_fail():
    region = random_region()
    points = np.array([(0.1, 0.2), (1e300, -5e-324)])
    assert fpgeom.loads_wkt(fpgeom.dumps_wkt(region)) == region
    again, again_points = fpgeom.loads_geojson(fpgeom.dumps_geojson(region, points), with_points=True)
    assert again == region and again_points.tolist() == points.tolist()
    assert fpgeom.loads_wkt("POLYGON((0 0,0 10,10 10,10 0,0 0))")[0] == fpgeom.Polygon(SQUARE)
    with pytest.raises(ValueError, match="line 2, column"):
        fpgeom.loads_wkt("POLYGON((0 0,0 10,10 10,0 0))\nPOLYGON((0 0,")
    with pytest.raises(ValueError, match="line 1"):
        fpgeom.loads_geojson('{"type": "Polygon", "coordinates": [[[0, 0], [1')
    with pytest.raises(TypeError):
        fpgeom.dumps_wkt(SQUARE)
    svg = fpgeom.render_svg(region, inside=[(0.0, 0.0)], outside=np.ones((2, 2)), title="t")
    assert "probe point inside (1)" in svg and "probe point outside (2)" in svg


def test_topology_edits_are_all_or_none():
    topology = fpgeom.Topology([SQUARE, TRIANGLE])
    assert sorted(topology.shared_vertices.tolist()) == [[10.0, 0.0], [10.0, 10.0]]
    assert [sorted(edge) for edge in topology.shared_edges] == [[(10.0, 0.0), (10.0, 10.0)]]
    assert topology.move_vertex((10.0, 10.0), (12.0, 12.0))
    square, triangle = topology.polygons
    assert (12.0, 12.0) in map(tuple, square.points) and (12.0, 12.0) in map(tuple, triangle.points)
    before = topology.region
    assert not topology.move_vertex((20.0, 0.0), (10.0, 0.0))  # would fold the triangle flat
    assert topology.region == before
    assert topology.bend_edge((11.0, 6.0), (13.0, 6.0), tolerance=1.0)
    assert all(len(p) == n + 1 for p, n in zip(topology.polygons, (4, 3)))
    with pytest.raises(KeyError):
        topology.move_vertex((50.0, 50.0), (0.0, 0.0))


def test_batches_release_the_gil():
    angles = np.linspace(2 * np.pi, 0.0, 100, endpoint=False)  # a simple ring, clockwise
    polygon = fpgeom.Polygon(np.column_stack((np.cos(angles), np.sin(angles))) * np.linspace(1.0, 2.0, 100)[:, None])
    xy = np.random.default_rng(2).normal(size=(150_000, 2))
    call = {}

    def batch():
        call["start"] = time.perf_counter()
        call["answers"] = polygon.contains_xy(xy)
        call["end"] = time.perf_counter()

    worker = threading.Thread(target=batch)
    ticks = []
    worker.start()
    while worker.is_alive():
        ticks.append(time.perf_counter())
    worker.join()
    start, end = call["start"], call["end"]
    middle = [t for t in ticks if start + 0.25 * (end - start) < t < start + 0.75 * (end - start)]
    # Holding the GIL, the batch would let this thread run not once in the middle half.
    assert end - start > 0.05 and len(middle) > 10
    assert call["answers"].tolist() == polygon.contains_xy(xy).tolist()
