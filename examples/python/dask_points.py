#!/usr/bin/python3
"""Classify 10,000,000 random points against the sample map on a Dask cluster.

Starts a distributed.LocalCluster on this machine, splits the points into
chunks, and lets the workers classify each chunk against the map (a prepared
map when this build of fpgeom has one). Each chunk's points are drawn on the
worker from a seed of its own, so only the map and the counts travel. The
total is then checked against the same chunks classified in this process.
"""
import argparse
import pathlib
import sys
import time

import numpy as np

import fpgeom

SAMPLE = pathlib.Path(__file__).resolve().parent.parent / "data" / "sample.wkt"


def chunk_points(seed, index, size, bounds):
    left, bottom, right, top = bounds
    margin = 0.1 * max(right - left, top - bottom)
    rng = np.random.default_rng([seed, index])
    return rng.uniform((left - margin, bottom - margin), (right + margin, top + margin), size=(size, 2))


def count_inside(region, seed, index, size):
    """The number of points of one chunk inside the map; runs on a worker."""
    xy = chunk_points(seed, index, size, region.bounds)
    prepared = getattr(fpgeom, "PreparedRegion", None)
    inside = prepared(region).contains(xy) if prepared else region.contains_xy(xy)
    return int(np.count_nonzero(inside))


def chunks(points, chunk):
    return [(index, min(chunk, points - start)) for index, start in enumerate(range(0, points, chunk))]


def classify_on_cluster(region, points, chunk, workers, seed):
    """(inside count, seconds) with a fresh LocalCluster of the given size."""
    import dask
    from distributed import Client, LocalCluster

    # The tasks are few, equal and known at once, and each holds only a seed, so
    # every task goes to the workers straight away; with the scheduler's queue a
    # worker waits a round trip to the scheduler (which shares the machine's
    # cores with the workers) after every chunk.
    #
    # Dask starts its workers with glibc's trim threshold set, which also pins
    # glibc's mmap threshold: every chunk's arrays are then fresh pages from the
    # kernel, and faulting them in costs nearly as much as classifying the
    # points. The chunks are small and short-lived, so the workers keep glibc's
    # own adaptive thresholds.
    environ = dask.config.get("distributed.nanny.pre-spawn-environ")
    settings = {
        "distributed.scheduler.worker-saturation": float("inf"),
        "distributed.nanny.pre-spawn-environ": {
            name: value for name, value in environ.items() if name != "MALLOC_TRIM_THRESHOLD_"
        },
    }
    with dask.config.set(settings), LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                                                 dashboard_address=None) as cluster, Client(cluster) as client:
        client.wait_for_workers(workers)
        # The region travels pickled, as its archive bytes.
        [shared] = client.scatter([region], broadcast=True)
        # One point on every worker first, so that the clock starts with the
        # workers ready: this module imported and the map unpacked.
        client.gather([client.submit(count_inside, shared, seed, 0, 1, workers=[address], pure=False)
                       for address in client.scheduler_info()["workers"]])
        started = time.perf_counter()
        futures = [client.submit(count_inside, shared, seed, index, size, pure=False)
                   for index, size in chunks(points, chunk)]
        total = sum(client.gather(futures))
        return total, time.perf_counter() - started


def classify_here(region, points, chunk, seed):
    started = time.perf_counter()
    total = sum(count_inside(region, seed, index, size) for index, size in chunks(points, chunk))
    return total, time.perf_counter() - started


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--map", default=str(SAMPLE), help="a WKT map (default: the bundled sample)")
    parser.add_argument("--points", type=int, default=10_000_000)
    parser.add_argument("--chunk", type=int, default=500_000, help="points per task")
    parser.add_argument("--workers", type=int, default=2, help="worker processes, one thread each")
    parser.add_argument("--seed", type=int, default=7)
    args = parser.parse_args(argv)
    if args.points < 1 or args.chunk < 1 or args.workers < 1:
        parser.error("--points, --chunk and --workers must be positive")

    region = fpgeom.loads_wkt(pathlib.Path(args.map).read_text())
    on_cluster, cluster_seconds = classify_on_cluster(region, args.points, args.chunk, args.workers, args.seed)
    print(f"{args.workers} workers: {on_cluster} of {args.points} points inside ({cluster_seconds:.2f} s)")
    here, here_seconds = classify_here(region, args.points, args.chunk, args.seed)
    print(f"this process: {here} of {args.points} points inside ({here_seconds:.2f} s)")
    if on_cluster != here:
        print("the counts differ", file=sys.stderr)
        return 1
    print("the counts agree")
    return 0


if __name__ == "__main__":
    sys.exit(main())
