#!/usr/bin/python3
"""Classify random points against the bundled sample map and draw some of them.

Reads examples/data/sample.wkt, throws a million points (--points) uniformly
over the map's bounds, asks which of them lie inside the map in one vectorised
call, prints the counts and writes an SVG picture with a sample of the points
marked inside and outside.
"""
import argparse
import pathlib
import time

import numpy as np

import fpgeom

SAMPLE = pathlib.Path(__file__).resolve().parent.parent / "data" / "sample.wkt"


def classifier_for(region):
    """A prepared map when this build of fpgeom has one, else the region."""
    prepared = getattr(fpgeom, "PreparedRegion", None)
    return (prepared(region), "prepared region") if prepared else (region, "region")


def inside_of(classifier, xy):
    if isinstance(classifier, fpgeom.Region):
        return classifier.contains_xy(xy)
    return classifier.contains(xy)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--map", default=str(SAMPLE), help="a WKT map (default: the bundled sample)")
    parser.add_argument("--points", type=int, default=1_000_000, help="how many random points")
    parser.add_argument("--drawn", type=int, default=1500, help="how many of them the picture shows")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--out", default="classified.svg", help="the SVG picture to write")
    args = parser.parse_args(argv)

    region = fpgeom.loads_wkt(pathlib.Path(args.map).read_text())
    left, bottom, right, top = region.bounds
    margin = 0.1 * max(right - left, top - bottom)
    rng = np.random.default_rng(args.seed)
    xy = rng.uniform((left - margin, bottom - margin), (right + margin, top + margin), size=(args.points, 2))

    classifier, kind = classifier_for(region)
    started = time.perf_counter()
    inside = inside_of(classifier, xy)
    elapsed = time.perf_counter() - started
    count = int(np.count_nonzero(inside))
    print(f"{args.points} points against the {kind} of {len(region)} polygons: "
          f"{count} inside, {args.points - count} outside ({elapsed:.3f} s)")

    drawn, drawn_inside = xy[: args.drawn], inside[: args.drawn]
    svg = fpgeom.render_svg(region, inside=drawn[drawn_inside], outside=drawn[~drawn_inside],
                            title=f"{len(drawn)} of {args.points} random points")
    pathlib.Path(args.out).write_text(svg)
    print(f"wrote {args.out}")
    return count


if __name__ == "__main__":
    main()
