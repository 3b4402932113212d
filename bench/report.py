"""Turns a Google Benchmark JSON run into docs/benchmarks.md: per workload,
shape and size, fpgeom's time and each peer's time divided by fpgeom's, all
measured in the same run. Usage: report.py <results.json> <commit>"""
import json
import subprocess
import sys
from collections import defaultdict


def machine():
    model, cores = "unknown", "unknown"
    try:
        for line in subprocess.run(["lscpu"], capture_output=True, text=True).stdout.splitlines():
            key, _, value = line.partition(":")
            if key.strip() == "Model name":
                model = value.strip()
            elif key.strip() == "CPU(s)":
                cores = value.strip()
    except OSError:
        pass
    return model, cores


def nice_time(nanoseconds):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("us", 1e3)):
        if nanoseconds >= scale:
            return f"{nanoseconds / scale:.3g} {unit}"
    return f"{nanoseconds:.3g} ns"


def main():
    results, commit = sys.argv[1], sys.argv[2]
    with open(results) as handle:
        run = json.load(handle)
    # name: Workload/library/shape/size (median of the repetitions), or a
    # plain Workload/size for the fpgeom-only topology workloads.
    times = defaultdict(dict)
    throughput = {}
    # Breakdowns that reached their bound, marked in the ring column.
    gave_up = set()
    for bench in run["benchmarks"]:
        if bench.get("aggregate_name", "median") != "median":
            continue
        parts = bench["run_name"].split("/")
        scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[bench["time_unit"]]
        if len(parts) == 4:
            workload, library, shape, size = parts
        else:
            workload, size, library, shape = parts[0], parts[-1], "fpgeom", "grid"
        key = (workload, shape, int(size))
        times[key][library] = bench["cpu_time"] * scale
        if bench.get("gaveUp") and library == "fpgeom":
            gave_up.add(key)
        if "bytes_per_second" in bench and library == "fpgeom":
            throughput[key] = bench["bytes_per_second"] / 1e6
    peers = sorted({library for entry in times.values() for library in entry if library != "fpgeom"})
    model, cores = machine()
    context = run["context"]
    print("# Benchmarks\n")
    print("Written by `scripts/bench`; not part of CI. CPU time per operation, the median of three")
    print("repetitions; each peer column is the peer's time divided by fpgeom's in the same run (above 1:")
    print("fpgeom is faster). `fpgeom-plain` is the breakdown without its self-meeting screen. `growth`")
    print("is fpgeom's time at 100,000 points divided by its time at 10,000 (10 would be linear).\n")
    print(f"- Commit: `{commit}`")
    print(f"- Machine: {model}, {cores} CPUs (shared, so timings are noisy)")
    print(f"- Peers skipped at build time: {context.get('peers_skipped', 'unknown')}")
    print(f"- Run: {context.get('date', '')}\n")
    print("| workload | ring | size | fpgeom | " + " | ".join(f"{peer} / fpgeom" for peer in peers) + " | growth |")
    print("|---|---|---:|---:|" + "---:|" * (len(peers) + 1))
    for key in sorted(times):
        entry = times[key]
        if "fpgeom" not in entry:
            continue
        own = entry["fpgeom"]
        cell = nice_time(own)
        if key in throughput:
            cell += f" ({throughput[key]:.0f} MB/s)"
        ratios = [f"{entry[peer] / own:.3g}" if peer in entry else "" for peer in peers]
        smaller = times.get((key[0], key[1], 10000), {}).get("fpgeom")
        growth = f"{own / smaller:.3g}" if key[2] == 100000 and smaller else ""
        ring = key[1] + (" (gave up)" if key in gave_up else "")
        print(f"| {key[0]} | {ring} | {key[2]} | {cell} | " + " | ".join(ratios) + f" | {growth} |")


if __name__ == "__main__":
    main()
