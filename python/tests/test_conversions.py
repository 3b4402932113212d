# Arguments in and answers out: every accepted form of coordinates gives the
# same ring, every other argument the error it is documented to raise, and
# each argument and answer lands where the library has it.
import math

import numpy as np
import pytest

import fpgeom
from conftest import BOWTIE, RANDOM, SQUARE, TRIANGLE

S = fpgeom.Polygon(SQUARE)
R = fpgeom.Region([S, S.translate(20.0, 0.0)])
T = fpgeom.Topology([SQUARE, TRIANGLE])
CORNER = fpgeom.Polygon([(0.0, 0.0), (0.0, 6.0), (6.0, 0.0)])  # mass centre and bounds centre apart
# Two nearly collinear pieces make the breakdown insert without end until its bound.
RUNAWAY = [(2.0, 2.0), (-1.0, -1.0), (-1.0, 0.0), (2.0, -1.0), (-2.0, -1.0)]


@pytest.mark.parametrize("points", [
    SQUARE,
    np.array(SQUARE),
    np.asfortranarray(np.array(SQUARE)),
    np.array([[x, y, 99.0] for x, y in SQUARE])[:, :2],  # strided columns
])
def test_every_accepted_form_gives_the_same_ring(points):
    assert fpgeom.Polygon(points).points.tolist() == [list(p) for p in SQUARE]


@pytest.mark.parametrize("points, message", [
    (np.array(SQUARE, dtype=np.int64), "float64"),  # the dtype, not a silent copy
    (np.array(SQUARE).astype(">f8"), "float64"),
    (np.zeros((4, 3)), "shape"),
    ([("a", "b")], "pairs"),
    ([(0.0, 1.0), (np.inf, 0.0)], "point 1 has a coordinate that is NaN or infinite"),
    (42, "shape"),
    # Zero strides: 2**31 rows that take no memory, refused before a row is read.
    (np.broadcast_to(np.zeros(2), (2**31, 2)), "at most 2147483647"),
])
def test_bad_coordinates_raise_value_error(points, message):
    with pytest.raises(ValueError, match=message):
        fpgeom.Polygon(points)
    if "2147483647" not in message:  # the batch forms take any number of rows
        with pytest.raises(ValueError, match=message):
            S.contains_xy(points)


@pytest.mark.parametrize("call, error", [
    (lambda: S.distance(0.0, np.nan), ValueError),
    (lambda: S.clip((0, 0, 1)), ValueError),
    (lambda: S.clip((5, 0, 1, 1)), ValueError),
    (lambda: S.rotate(1.0, center=(0.0,)), ValueError),
    (lambda: S.mirror(), ValueError),
    (lambda: S.intersects(fpgeom.Polygon()), ValueError),  # raised by the library
    (lambda: fpgeom.Region().distance_xy([(0.0, 0.0)]), ValueError),  # raised with the GIL released
    (lambda: R[2], IndexError),
    (lambda: fpgeom.dumps_wkt(SQUARE), TypeError),
    (lambda: fpgeom.Topology([SQUARE]).move_vertex((50.0, 50.0), (0.0, 0.0)), KeyError),
    (lambda: fpgeom.Region.from_bytes(b""), fpgeom.ArchiveError),
    (lambda: fpgeom.Region.from_bytes(RANDOM.to_bytes() + b"\0"), fpgeom.ArchiveError),
    (lambda: fpgeom.Region.from_bytes(bytes(range(256)) * 4), fpgeom.ArchiveError),
    # A pickled polygon is a region record of exactly one ring.
    (lambda: fpgeom.Polygon.__new__(fpgeom.Polygon).__setstate__((R.to_bytes(),)), fpgeom.ArchiveError),
])
def test_bad_arguments_raise_their_error(call, error):
    assert issubclass(fpgeom.ArchiveError, ValueError)
    with pytest.raises(error):
        call()


@pytest.mark.parametrize("answer, expected", [
    (lambda: (S.bounds, R.bounds, fpgeom.Polygon().bounds), ((0, 0, 10, 10), (0, 0, 30, 10), (0, 0, 0, 0))),
    (lambda: S.clip((5.0, -1.0, 20.0, 20.0)).bounds, (5.0, 0.0, 10.0, 10.0)),  # (left, bottom, right, top)
    (lambda: (CORNER.centroid, CORNER.center, fpgeom.Polygon(SQUARE[:2]).centroid), ((2.0, 2.0), (3.0, 3.0), None)),
    (lambda: (S.nearest_vertex(10.1, 9.9, 0.5), S.nearest_vertex(5.0, 5.0, 0.5), R.nearest_vertex(20.1, 0.0, 0.5)),
     ((10.0, 10.0), None, (20.0, 0.0))),
    (lambda: (S.nearest_edge(5.0, 10.2, 0.5), S.nearest_edge(5.0, 0.1, 0.5, closed=False)),
     (((0.0, 10.0), (10.0, 10.0)), None)),  # the closing edge left out
    (lambda: (R.intersects((9.0, 9.0, 11.0, 11.0)), R.intersects((12.0, 1.0, 18.0, 9.0)), R.intersects(S)),
     (True, False, True)),
    (lambda: R[-1] == R.polygons[1] == list(R)[1] == S.translate(20.0, 0.0), True),
    (lambda: (sorted(T.shared_vertices.tolist()), T.move_vertex((20.0, 0.0), (10.0, 0.0))),  # would fold it flat
     ([[10.0, 0.0], [10.0, 10.0]], False)),
    (lambda: [sorted(edge) for edge in T.shared_edges], [[(10.0, 0.0), (10.0, 10.0)]]),
    (lambda: (S.contains_xy(np.empty((0, 2))).dtype, len(S.contains_xy([])), len(fpgeom.Region([]))), (np.bool_, 0, 0)),
    (lambda: [(r.outcome, sorted(loop.area for loop in r.loops))
              for r in (fpgeom.Polygon(p).breakdown() for p in (BOWTIE, SQUARE, RUNAWAY))],
     [(fpgeom.BreakdownOutcome.LOOPS, [-25.0, 25.0]), (fpgeom.BreakdownOutcome.SIMPLE, []),
      (fpgeom.BreakdownOutcome.GAVE_UP, [])]),
])
def test_answers_come_back_in_place(answer, expected):
    assert answer() == expected


@pytest.mark.parametrize("transform, expected", [
    (lambda p: p.scale(1.0, 0.5, origin=(10.0, 10.0)), [(0, 5), (0, 10), (10, 10), (10, 5)]),
    (lambda p: p.mirror(x=0.0), [(0, 0), (0, 10), (-10, 10), (-10, 0)]),
    (lambda p: p.mirror(y=0.0), [(0, 0), (0, -10), (10, -10), (10, 0)]),
    (lambda p: p.mirror(x=5.0, y=5.0), [(10, 10), (10, 0), (0, 0), (0, 10)]),
    # A positive angle turns clockwise: (0, 10) goes to (10, 0).
    (lambda p: p.rotate(math.pi / 2), [(0, 0), (10, 0), (10, -10), (0, -10)]),
])
def test_transforms_return_moved_copies(transform, expected):
    moved, region = transform(S), transform(fpgeom.Region([S, S]))
    np.testing.assert_allclose(moved.points, np.array(expected, dtype=float), atol=1e-12)
    assert S == fpgeom.Polygon(SQUARE) and region[0] == moved and region[1] == moved
