"""The prepared classes and the overlay operations, where this build has them:
prepared answers equal the plain batch answers bit for bit and travel by
pickle; boolean operations give the areas known by construction."""
import pickle
import threading

import numpy as np
import pytest

import fpgeom

SQUARE = [(0.0, 0.0), (0.0, 10.0), (10.0, 10.0), (10.0, 0.0)]
BOWTIE = [(0.0, 0.0), (0.0, 10.0), (10.0, 0.0), (10.0, 10.0)]

prepared = pytest.mark.skipif(not hasattr(fpgeom, "PreparedPolygon"), reason="built without the prepared classes")
overlay = pytest.mark.skipif(not hasattr(fpgeom, "FillRule"), reason="built without the overlay library")


def probes():
    xy = np.random.default_rng(4).uniform(-5.0, 35.0, size=(2000, 2))
    xy[:3] = [(5.0, 5.0), (0.0, 5.0), (10.0, 10.0)]  # the crossing, an edge, a corner
    return np.asfortranarray(xy)  # not C-contiguous: the batch must copy rows together


@prepared
@pytest.mark.parametrize("plain", [
    fpgeom.Polygon(BOWTIE),
    fpgeom.Region([fpgeom.Polygon(SQUARE), fpgeom.Polygon(BOWTIE).translate(20.0, 0.0)]),
])
def test_prepared_answers_equal_the_plain_answers(plain):
    kind = fpgeom.PreparedRegion if isinstance(plain, fpgeom.Region) else fpgeom.PreparedPolygon
    ready, xy = kind(plain), probes()
    travelled = pickle.loads(pickle.dumps(ready))
    for answers in (ready, travelled):
        assert answers.contains(xy).tolist() == plain.contains_xy(xy).tolist()
        assert answers.distance(xy).tolist() == plain.distance_xy(xy).tolist()
    with pytest.raises(ValueError):
        ready.contains(xy.astype(np.float32))


@prepared
def test_one_prepared_region_answers_many_threads():
    region = fpgeom.Region([SQUARE, BOWTIE])
    ready, xy = fpgeom.PreparedRegion(region), probes()
    expected = region.contains_xy(xy).tolist()
    results = [None] * 4

    def work(slot):
        results[slot] = ready.contains(xy).tolist()

    threads = [threading.Thread(target=work, args=(slot,)) for slot in range(4)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert results == [expected] * 4
    with pytest.raises(ValueError):
        fpgeom.PreparedRegion(fpgeom.Region()).distance(xy)


@overlay
def test_boolean_operations():
    left = fpgeom.Region([SQUARE])
    right = left.translate(5.0, 0.0)
    assert [r.area for r in (left | right, left & right, left - right, left ^ right)] == [150.0, 50.0, 50.0, 100.0]
    assert left.union(right, fpgeom.FillRule.NON_ZERO).area == 150.0
    assert fpgeom.Region([BOWTIE]).normalize().area == 50.0
    assert left.area_contains(10.0, 5.0) and not left.area_contains(10.5, 5.0)
