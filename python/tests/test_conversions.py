"""Coordinates in and out: every accepted form gives the same ring, every
other form a ValueError with nothing built."""
import numpy as np
import pytest

import fpgeom

SQUARE = [(0.0, 0.0), (0.0, 10.0), (10.0, 10.0), (10.0, 0.0)]  # clockwise with y up


@pytest.mark.parametrize("points", [
    SQUARE,
    tuple(SQUARE),
    np.array(SQUARE),
    np.asfortranarray(np.array(SQUARE)),
    np.array([p for pair in zip(SQUARE, SQUARE) for p in pair])[::2],  # strided rows
    np.array([[x, y, 99.0] for x, y in SQUARE])[:, :2],  # strided columns
])
def test_every_accepted_form_gives_the_same_ring(points):
    polygon = fpgeom.Polygon(points)
    assert polygon.points.tolist() == [list(p) for p in SQUARE]
    assert (polygon.area, polygon.bounds, len(polygon)) == (100.0, (0.0, 0.0, 10.0, 10.0), 4)


@pytest.mark.parametrize("points, message", [
    (np.array(SQUARE, dtype=np.int64), "float64"),
    (np.array(SQUARE, dtype=np.float32), "float64"),
    (np.array(SQUARE).astype(">f8"), "float64"),
    (np.zeros(4), "shape"),
    (np.zeros((4, 3)), "shape"),
    (np.zeros((2, 2, 2)), "shape"),
    ([(0, 0), (1,)], "pairs"),
    ([("a", "b")], "pairs"),
    ([(0.0, np.nan), (1.0, 1.0)], "NaN"),
    ([(np.inf, 0.0)], "NaN or infinite"),
    (42, "shape"),
])
def test_bad_coordinates_raise_value_error(points, message):
    with pytest.raises(ValueError, match=message):
        fpgeom.Polygon(points)
    with pytest.raises(ValueError, match=message):
        fpgeom.Polygon(SQUARE).contains_xy(points)


def test_huge_array_is_refused_before_anything_is_read():
    # Zero strides: 2**31 rows that take no memory; a copy would need 32 GiB.
    huge = np.broadcast_to(np.zeros(2), (2**31, 2))
    with pytest.raises(ValueError, match="at most 2147483647"):
        fpgeom.Polygon(huge)


def test_empty_inputs_give_empty_answers():
    empty = fpgeom.Polygon([])
    assert (len(empty), empty.area, empty.distance(1.0, 1.0), empty.points.shape) == (0, 0.0, np.inf, (0, 2))
    answers = fpgeom.Polygon(SQUARE).contains_xy(np.empty((0, 2)))
    assert answers.dtype == np.bool_ and answers.shape == (0,)
    assert len(fpgeom.Region([])) == 0


@pytest.mark.parametrize("call", [
    lambda p: p.contains(np.nan, 0.0),
    lambda p: p.distance(0.0, np.inf),
    lambda p: p.clip((0, 0, 1)),
    lambda p: p.clip((5, 0, 1, 1)),
    lambda p: p.clip((0, 0, np.nan, 1)),
    lambda p: p.rotate(1.0, center=(0.0,)),
    lambda p: p.mirror(),
    lambda p: p.intersects(fpgeom.Polygon()),
    lambda p: fpgeom.Region([p]).distance_xy([(0.0, np.nan)]),
    lambda p: fpgeom.Region().distance(0.0, 0.0),
    lambda p: fpgeom.Region().distance_xy([(0.0, 0.0)]),
])
def test_bad_arguments_raise_value_error(call):
    with pytest.raises(ValueError):
        call(fpgeom.Polygon(SQUARE))


def test_returned_arrays_are_copies():
    polygon = fpgeom.Polygon(SQUARE)
    points = polygon.points
    points[:] = -1.0
    assert polygon.points.tolist() == [list(p) for p in SQUARE]
