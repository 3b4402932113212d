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


# Points are drawn and classified this many at a time: a chunk then needs
# only 1 MiB of coordinates however large it is, so a fresh worker faults in
# a few hundred pages for its first chunk rather than thousands.
BLOCK = 65_536


def count_inside(region, seed, index, size):
    """The number of points of one chunk inside the map; runs on a worker.

    The chunk's points come from a generator seeded by (seed, index), drawn
    in blocks, so a chunk gives the same points wherever it runs."""
    left, bottom, right, top = region.bounds
    margin = 0.1 * max(right - left, top - bottom)
    low, high = (left - margin, bottom - margin), (right + margin, top + margin)
    rng = np.random.default_rng([seed, index])
    prepared = getattr(fpgeom, "PreparedRegion", None)
    contains = prepared(region).contains if prepared else region.contains_xy
    inside = 0
    for start in range(0, size, BLOCK):
        xy = rng.uniform(low, high, size=(min(BLOCK, size - start), 2))
        inside += int(np.count_nonzero(contains(xy)))
    return inside


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
        addresses = sorted(client.scheduler_info()["workers"])
        client.gather([client.submit(count_inside, shared, seed, 0, 1, workers=[address], pure=False)
                       for address in addresses])
        # The chunks are equal, so each worker gets its share up front, chunk k
        # on worker k mod n. Left to itself the scheduler puts sibling tasks
        # on one worker and waits for work stealing to spread them, and with
        # ten or twenty chunks the last ones can still end up on one worker.
        # The placement is a preference only: a chunk can still go elsewhere
        # when its worker is lost or falls behind.
        started = time.perf_counter()
        futures = [client.submit(count_inside, shared, seed, index, size, pure=False,
                                 workers=[addresses[index % len(addresses)]], allow_other_workers=True)
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
    parser.add_argument("--chunk", type=int, default=1_000_000, help="points per task")
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
