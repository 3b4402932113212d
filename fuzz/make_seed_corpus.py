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


def topology_index_seeds():
    """Inputs in the layout that topology_index_fuzzer decodes: a grid, then
    operations, each a kind byte and its operands."""
    def u16(n):
        return struct.pack("<H", n)

    def grid(origin_x=0, origin_y=0, step=0, extra_columns=4, extra_rows=4, triangles=0, apart=0):
        # Table indices: origins 0 -> 0, 2 -> 1e9, 4 -> 4.6e18; steps 0 -> 1,
        # 1 -> 2^-23, 2 -> 2^-24, 8 -> 1024. 7 + extra cells per side; bits
        # of the cells that are triangles and of those that keep their own
        # corners.
        return bytes([origin_x, origin_y, step, extra_columns, extra_rows, triangles, apart])

    # One coordinate moved: 0 itself, 1 at the tolerance, 2 one ulp beyond,
    # 3 one ulp inside, 4 one ulp away from it, 5 one ulp towards it.
    def near(code, up=True):
        return bytes([0 if up else 1, code])

    def near_vertex(index, x=near(0), y=near(0)):
        return bytes([0]) + u16(index) + x + y

    def lattice(i, j, x=near(0), y=near(0)):
        return bytes([3, 1, i + 2, 1, j + 2]) + x + y

    def beside_edge(index, t, x=near(0), y=near(0)):
        return bytes([4]) + u16(index) + bytes([t]) + x + y

    def special(x_tag, y_tag):
        return bytes([5, x_tag, y_tag])

    nan, infinity = 96 + 18, 96 + 16

    # Distances: a fixed one (0, denormal, 2^-23, step, 1e300, inf, NaN, -1),
    # exactly a listed element's, one ulp above or below it.
    def fixed(k):
        return bytes([0, k])

    measured, above, below = bytes([2]), bytes([3]), bytes([4])

    def add_vertex(point, polygon=0):
        return bytes([0]) + point + u16(polygon)

    def append_vertex(point):
        return bytes([2]) + point

    def delete_recent(back=0):
        return bytes([3, back])

    def move_near(vertex, x=near(1), y=near(0)):
        return bytes([4]) + u16(vertex) + bytes([0]) + x + y

    def move_to(vertex, point):
        return bytes([4]) + u16(vertex) + bytes([1]) + point

    # mode: 0 a vertex with itself, 1 and 2 a listed edge's ends in either
    # order, 3 the two vertices.
    def add_edge(first, second, mode=3, edge=0, polygon=0):
        return bytes([5]) + u16(first) + u16(second) + u16(edge) + bytes([mode]) + u16(polygon)

    def set_end(edge, vertex, first=True):
        return bytes([6]) + u16(edge) + bytes([0 if first else 1]) + u16(vertex)

    def nearest_vertex(point, measured_vertex, distance):
        return bytes([7]) + point + u16(measured_vertex) + distance

    def nearest_edge(point, measured_edge, distance):
        return bytes([9]) + point + u16(measured_edge) + distance

    def iterate(count, vertices=True):
        return bytes([11, 0 if vertices else 1]) + u16(count)

    def empty_and_build(header):
        return bytes([12]) + header

    operations = [
        add_vertex(near_vertex(5, near(1), near(1, up=False))),
        add_vertex(near_vertex(6, near(2), near(0))),
        add_vertex(near_vertex(7, near(3, up=False), near(3))),
        append_vertex(near_vertex(8)),
        nearest_vertex(lattice(3, 4, near(1)), 20, measured),
        nearest_vertex(near_vertex(40), 41, above),
        nearest_edge(beside_edge(30, 64, near(1)), 30, measured),
        nearest_edge(lattice(5, 5), 31, below),
        add_edge(10, 11, mode=2, edge=12),
        add_edge(10, 150),
        delete_recent(0),
        move_near(50),
        set_end(60, 61),
        iterate(70),
        iterate(100, vertices=False),
        add_vertex(near_vertex(9, near(1), near(1))),
        nearest_vertex(lattice(-1, -1), 0, fixed(5)),
    ]
    growing = b"".join(append_vertex(lattice(i % 9, i // 9, near(1), near(1))) for i in range(30))
    look_ups = b"".join(operations)
    return {
        "unit-grid": grid() + look_ups,
        "unit-grid-cells-apart": grid(extra_columns=1, extra_rows=1, apart=0x0F) + look_ups,
        "tolerance-lattice": grid(step=1, extra_columns=1, extra_rows=1, triangles=0x55, apart=0xFF) + look_ups,
        "finer-than-tolerance": grid(step=2, extra_columns=1, extra_rows=1, apart=0xFF) + look_ups,
        "one-ulp-tolerance": grid(origin_x=2, origin_y=3, step=1, extra_columns=1, extra_rows=1, apart=0xFF)
        + look_ups,
        "cell-number-overflow": grid(origin_x=4, origin_y=5, step=8) + look_ups,
        "non-finite": grid(triangles=0xF0) + b"".join([
            add_vertex(special(nan, 2)),
            append_vertex(special(infinity, infinity)),
            nearest_vertex(special(nan, nan), 3, fixed(6)),
            nearest_edge(special(infinity, 2), 3, fixed(5)),
            move_to(20, special(nan, 3)),
            nearest_vertex(lattice(2, 2), 20, measured),
            nearest_edge(lattice(2, 2), 20, fixed(6)),
        ]),
        "vertex-list-grows-indexed": grid(extra_columns=3, extra_rows=3) + growing + look_ups,
        "rebuilt-after-empty": grid() + b"".join(operations[:8])
        + empty_and_build(grid(step=1, extra_columns=1, extra_rows=1, triangles=0xAA, apart=0xFF)) + look_ups,
    }


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
    write("topology_index_fuzzer", topology_index_seeds())
