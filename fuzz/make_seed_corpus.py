#!/usr/bin/env python3
"""Writes the seed corpus of each fuzz target under fuzz/corpus/<target>/.

The seeds are small well-formed inputs that reach the interesting paths at
once; the fuzzer mutates them from there. Run it again after changing the
input layout of a target."""
import pathlib
import struct

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"


def count(n):
    if n < 0xFFFF:
        return struct.pack("<H", n)
    if n < 0xFFFFFFFF:
        return struct.pack("<HI", 0xFFFF, n)
    return struct.pack("<HIQ", 0xFFFF, 0xFFFFFFFF, n)


def polygon_record(points):
    return count(len(points)) + b"".join(struct.pack("<dd", x, y) for x, y in points)


def new_class(name, schema=1):
    return struct.pack("<HHH", 0xFFFF, schema, len(name)) + name.encode()


SQUARE = [(0, 0), (0, 1), (2, 1), (2, 0)]
BOW_TIE = [(0, 0), (2, 2), (2, 0), (0, 2)]


def archive_seeds():
    polygon_object = new_class("CFPPolygon") + polygon_record(SQUARE)
    return {
        # 0: a polygon record on its own.
        "polygon-square": b"\x00" + polygon_record(SQUARE),
        "polygon-empty": b"\x00" + count(0),
        "polygon-truncated": b"\x00" + polygon_record(SQUARE)[:42],
        "polygon-long-count": b"\x00" + count(0x10000)[:6] + struct.pack("<dd", 1, 2),
        # 1: object references of any class.
        "objects-point-and-back-reference": b"\x01" + new_class("CFPPoint") + struct.pack("<dd", 1.5, -2) + struct.pack("<H", 2),
        "objects-rect-segment": b"\x01" + new_class("CFPRect") + struct.pack("<dddd", 0, 4, 0, 3)
        + new_class("CFPSegment") + struct.pack("<dddd", 0, 0, 1, 1),
        "objects-polygon-class-reused": b"\x01" + polygon_object + struct.pack("<H", 0x8001) + polygon_record(BOW_TIE)
        + struct.pack("<H", 0),
        # 2: object references that must be polygons.
        "polygons-two": b"\x02" + polygon_object + struct.pack("<H", 0x8001) + polygon_record(BOW_TIE),
        "polygons-stray-point": b"\x02" + new_class("CFPPoint") + struct.pack("<dd", 1, 1),
        # 3: a region record.
        "region-two-polygons": b"\x03" + count(2) + polygon_object + struct.pack("<H", 0x8001) + polygon_record(BOW_TIE),
        "region-stray-point": b"\x03" + count(2) + polygon_object + new_class("CFPPoint") + struct.pack("<dd", 1, 1),
        "region-back-reference": b"\x03" + count(2) + polygon_object + struct.pack("<H", 2),
    }


def coordinate(value):
    """The byte that decodes to a small integer from -2 to 9."""
    return bytes([value + 2])


def ring(points):
    return bytes([len(points)]) + b"".join(coordinate(x) + coordinate(y) for x, y in points)


def polygon_algorithm_seeds():
    rect = coordinate(1) + coordinate(3) + coordinate(1) + coordinate(3)
    query = coordinate(1) + coordinate(1)
    integer_ring = bytes([4, 2, 2, 12, 2, 12, 12, 2, 12]) + bytes([4, 4, 10, 10]) + bytes([8])
    shapes = {
        "square": [(0, 0), (4, 0), (4, 4), (0, 4)],
        "bow-tie": [(0, 0), (2, 2), (2, 0), (0, 2)],
        "collinear-and-repeated": [(0, 0), (1, 1), (2, 2), (2, 2), (0, 2), (0, 0)],
        "touching-vertex": [(0, 0), (4, 0), (4, 4), (2, 0), (0, 4)],
        "legs-into-rectangle": [(0, 0), (2, 0), (2, 4), (4, 4), (4, 0), (6, 0), (6, 6), (0, 6)],
    }
    seeds = {name: ring(points) + rect + query + b"\x00\x01" + coordinate(5) + coordinate(5) + integer_ring
             for name, points in shapes.items()}
    nan_and_infinity = bytes([3, 96 + 18, 2, 96 + 16, 4, 2, 96 + 17])
    seeds["nan-and-infinity"] = nan_and_infinity + rect + query
    return seeds


def topology_seeds():
    def polygon(points):
        return bytes([len(points) - 3]) + b"".join(coordinate(x) + coordinate(y) for x, y in points)

    # Two squares that share the side from (4,0) to (4,4).
    two_squares = bytes([1]) + polygon([(0, 0), (4, 0), (4, 4), (0, 4)]) + polygon([(4, 0), (8, 0), (8, 4), (4, 4)])
    moves = {
        "vertex-moves": bytes([0, 1]) + coordinate(5) + coordinate(1) + bytes([0, 2]) + coordinate(0) + coordinate(0),
        "edge-moves": bytes([1, 0]) + coordinate(2) + coordinate(0) + bytes([1, 3]) + coordinate(9) + coordinate(9),
        "collapsing-moves": bytes([0, 0]) + coordinate(4) + coordinate(4) + bytes([0, 1]) + coordinate(4) + coordinate(0),
    }
    return {name: two_squares + sequence for name, sequence in moves.items()}


def write(target, seeds):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    write("archive_fuzzer", archive_seeds())
    write("polygon_algorithms_fuzzer", polygon_algorithm_seeds())
    write("topology_fuzzer", topology_seeds())
