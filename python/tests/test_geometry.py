"""The layer passes each question to the library and its answer back: checked
on rings whose answers are known exactly, and by the batch forms agreeing with
the one-point forms bit for bit."""
import math

import numpy as np
import pytest

import fpgeom

SQUARE = [(0.0, 0.0), (0.0, 10.0), (10.0, 10.0), (10.0, 0.0)]
BOWTIE = [(0.0, 0.0), (0.0, 10.0), (10.0, 0.0), (10.0, 10.0)]  # meets itself at (5, 5)
# Two nearly collinear pieces make the breakdown insert without end until its bound.
RUNAWAY = [(2.0, 2.0), (-1.0, -1.0), (-1.0, 0.0), (2.0, -1.0), (-2.0, -1.0)]


def test_polygon_queries():
    square = fpgeom.Polygon(SQUARE)
    assert (square.area, square.scalar_area, square.is_filled) == (100.0, 100.0, True)
    assert fpgeom.Polygon(SQUARE[::-1]).area == -100.0
    assert (square.centroid, square.center) == ((5.0, 5.0), (5.0, 5.0))
    assert fpgeom.Polygon(SQUARE[:2]).centroid is None
    assert (square.contains(5.0, 5.0), square.contains(15.0, 5.0)) == (True, False)
    assert (square.distance(5.0, 5.0), square.distance(13.0, 14.0)) == (-5.0, 5.0)  # negative inside
    assert square.nearest_vertex(10.1, 9.9, 0.5) == (10.0, 10.0)
    assert square.nearest_vertex(5.0, 5.0, 0.5) is None
    assert square.nearest_edge(5.0, 10.2, 0.5) == ((0.0, 10.0), (10.0, 10.0))
    assert square.nearest_edge(5.0, 0.1, 0.5, closed=False) is None  # the closing edge
    assert square.intersects(fpgeom.Polygon([(5, 5), (5, 20), (20, 20)]))


def test_algorithms_return_new_polygons():
    square = fpgeom.Polygon(SQUARE)
    assert square.clip((5.0, -1.0, 20.0, 20.0)).bounds == (5.0, 0.0, 10.0, 10.0)
    assert len(square.clip((20.0, 20.0, 30.0, 30.0))) == 0
    noisy = fpgeom.Polygon([(0, 0), (0, 5), (0, 10), (10, 10), (10, 10), (10, 0)])
    assert noisy.clean() == square and len(noisy) == 6
    assert len(fpgeom.Polygon([(0, 0), (0, 5), (0, 10)]).clean()) == 0


@pytest.mark.parametrize("points, outcome, loop_areas", [
    (BOWTIE, fpgeom.BreakdownOutcome.LOOPS, [25.0, -25.0]),
    (SQUARE, fpgeom.BreakdownOutcome.SIMPLE, []),
    (RUNAWAY, fpgeom.BreakdownOutcome.GAVE_UP, []),
    (SQUARE[:2], fpgeom.BreakdownOutcome.SIMPLE, []),
])
def test_breakdown_outcomes(points, outcome, loop_areas):
    result = fpgeom.Polygon(points).breakdown()
    assert result.outcome == outcome
    assert sorted((loop.area for loop in result.loops), reverse=True) == loop_areas


@pytest.mark.parametrize("transform, expected", [
    (lambda p: p.translate(1.0, -2.0), [(1, -2), (1, 8), (11, 8), (11, -2)]),
    (lambda p: p.scale(2.0, origin=(10.0, 10.0)), [(-10, -10), (-10, 10), (10, 10), (10, -10)]),
    (lambda p: p.scale(1.0, 0.5), [(0, 0), (0, 5), (10, 5), (10, 0)]),
    (lambda p: p.mirror(x=0.0), [(0, 0), (0, 10), (-10, 10), (-10, 0)]),
    (lambda p: p.mirror(y=0.0), [(0, 0), (0, -10), (10, -10), (10, 0)]),
    (lambda p: p.mirror(x=5.0, y=5.0), [(10, 10), (10, 0), (0, 0), (0, 10)]),
    # A positive angle turns clockwise: (0, 10) goes to (10, 0).
    (lambda p: p.rotate(math.pi / 2), [(0, 0), (10, 0), (10, -10), (0, -10)]),
])
def test_transforms_of_polygons_and_regions(transform, expected):
    square = fpgeom.Polygon(SQUARE)
    moved = transform(square)
    np.testing.assert_allclose(moved.points, np.array(expected, dtype=float), atol=1e-12)
    assert square == fpgeom.Polygon(SQUARE)
    region = transform(fpgeom.Region([square, square]))
    assert region[0] == moved and region[1] == moved


def test_region_queries():
    left = fpgeom.Polygon(SQUARE)
    region = fpgeom.Region([left, left.translate(20.0, 0.0)])
    assert (len(region), region.area, region.bounds) == (2, 200.0, (0.0, 0.0, 30.0, 10.0))
    assert [region.contains(x, 5.0) for x in (5.0, 15.0, 25.0)] == [True, False, True]
    assert region.distance(15.0, 5.0) == 5.0
    assert region.nearest_vertex(20.1, 0.0, 0.5) == (20.0, 0.0)
    assert region.intersects((9.0, 9.0, 11.0, 11.0)) and not region.intersects((12.0, 1.0, 18.0, 9.0))
    assert region.clip((5.0, 0.0, 22.0, 10.0)).area == 50.0 + 20.0
    assert len(region.clip((12.0, 1.0, 18.0, 9.0))) == 0
    assert region[-1] == region.polygons[1] == list(region)[1]
    with pytest.raises(IndexError):
        region[2]


@pytest.mark.parametrize("geometry", [
    fpgeom.Polygon(BOWTIE),
    fpgeom.Region([fpgeom.Polygon(SQUARE), fpgeom.Polygon(BOWTIE).translate(20.0, 0.0)]),
])
def test_batch_answers_equal_one_point_answers(geometry):
    xy = np.random.default_rng(3).uniform(-5.0, 35.0, size=(500, 2))
    xy[:3] = [(5.0, 5.0), (0.0, 5.0), (10.0, 10.0)]  # the crossing, an edge, a corner
    inside, distance = geometry.contains_xy(xy), geometry.distance_xy(xy)
    assert inside.tolist() == [geometry.contains(x, y) for x, y in xy]
    assert distance.tolist() == [geometry.distance(x, y) for x, y in xy]
    assert inside.any() and not inside.all()
