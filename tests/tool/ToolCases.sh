#!/usr/bin/env bash
# End-to-end cases for the fpgeom tool, run through the real binary.
# Usage: ToolCases.sh <fpgeom binary> <sample.wkt> <scratch folder> <case>
set -uo pipefail

FPGEOM="$1"
SAMPLE="$2"
WORK="$3/$4"
CASE="$4"
rm -rf "$WORK" && mkdir -p "$WORK" && cd "$WORK" || exit 1

failures=0
fail() {
  echo "FAIL [$CASE]: $*" >&2
  failures=$((failures + 1))
}

# run <args...>: runs the tool; its stdout, stderr and exit code land in
# out.txt, err.txt and $rc.
run() {
  "$FPGEOM" "$@" >out.txt 2>err.txt
  rc=$?
}

expect_rc() { [[ "$rc" == "$1" ]] || fail "exit code $rc, expected $1 (stderr: $(cat err.txt))"; }
expect_out() { grep -qF -- "$1" out.txt || fail "stdout lacks '$1': $(cat out.txt)"; }
expect_err() { grep -qF -- "$1" err.txt || fail "stderr lacks '$1': $(cat err.txt)"; }
expect_quiet_stdout() { [[ ! -s out.txt ]] || fail "stdout not empty: $(cat out.txt)"; }
expect_no_file() { [[ ! -e "$1" ]] || fail "$1 was written"; }
expect_no_temporaries() {
  local left
  left=$(find "${1:-.}" -name '.*.??????' | head -1)
  [[ -z "$left" ]] || fail "temporary file left behind: $left"
}
# A picture must be well-formed XML and render to a PNG.
expect_svg() {
  xmllint --noout "$1" || fail "$1 is not well-formed XML"
  rsvg-convert "$1" -o "$1.png" || fail "$1 does not render"
  [[ -s "$1.png" ]] || fail "$1 rendered to nothing"
}

case "$CASE" in
  help)
    run --help; expect_rc 0; expect_out "Exit codes"
    for sub in info contains clean clip breakdown convert render topo demo; do
      run "$sub" --help; expect_rc 0; expect_out "Usage"; expect_out "$sub"
    done
    ;;
  info)
    run info "$SAMPLE"; expect_rc 0
    expect_out "6 rings, 6 loose points"
    expect_out "ring 0: 4 points, area 1200, unsigned area 1200, filled"
    expect_out "ring 5: 4 points, area 0, unsigned area 450, filled"
    expect_out "mass centre (95, 25), meets itself: yes, 2 loops"
    run info --json --wkt 'POLYGON((0 0,1 0,1 1,0 1,0 0))'; expect_rc 0
    expect_out '"area": -1.0'; expect_out '"filled": false'; expect_out '"meetsItself": false'
    run info - <"$SAMPLE"; expect_rc 0; expect_out "6 rings"
    ;;
  contains)
    run contains "$SAMPLE" --point 50,50; expect_rc 0
    expect_out "(50, 50): inside ring 3, signed distance -4, nearest vertex (30, 40)"
    expect_out "(-5, 10): outside, signed distance 5, nearest vertex (0, 0)"
    run contains --json --wkt 'POLYGON((0 0,0 2,2 2,2 0,0 0))' --point 1,1 --point=-1,1; expect_rc 0
    expect_out '"signedDistance": -1.0'; expect_out '"inside": false'
    run contains --wkt 'POLYGON((0 0,0 2,2 2,2 0,0 0))'; expect_rc 2; expect_err "no probe points"
    ;;
  clean)
    run clean --wkt 'POLYGON((0 0,0 1,0 2,2 2,2 2,2 0,0 0))'; expect_rc 0
    expect_out "ring 0: 6 -> 4 points"; expect_out "POLYGON((0 0,0 2,2 2,2 0,0 0))"
    # A ring folded onto a line keeps fewer than three points: exit 1, and
    # the other ring is still written.
    run clean --wkt 'MULTIPOLYGON(((0 0,0 1,0 2,0 0)),((5 5,5 6,6 6,5 5)))' -o cleaned.wkt; expect_rc 1
    expect_out "ring 0: 3 -> fewer than 3 points; dropped"
    [[ "$(cat cleaned.wkt)" == "POLYGON((5 5,5 6,6 6,5 5))" ]] || fail "cleaned.wkt holds $(cat cleaned.wkt)"
    ;;
  clip)
    run clip --rect 10,10,50,60 "$SAMPLE" -o clipped.geojson; expect_rc 0
    expect_out "ring 0: 4 -> 4 points, area 1200 -> 600"
    expect_out "ring 5: nothing left inside the rectangle"
    run info clipped.geojson; expect_rc 0; expect_out "5 rings"
    run clip --rect 10,10,50 "$SAMPLE" -o bad.wkt; expect_rc 2; expect_err "--rect expects L,B,R,T"
    expect_no_file bad.wkt
    run clip "$SAMPLE"; expect_rc 2; expect_err "--rect is required"
    ;;
  breakdown)
    run breakdown "$SAMPLE"; expect_rc 0
    expect_out "ring 0: meets itself nowhere"
    expect_out "loop 0: 3 points, area 225 (filled)"
    expect_out "loop 1: 3 points, area -225 (negative)"
    run breakdown --wkt 'POLYGON((80 10,80 40,110 10,110 40,80 10))' -o loops.wkt; expect_rc 0
    run info loops.wkt; expect_rc 0; expect_out "2 rings"; expect_out "area -225"
    ;;
  convert)
    run convert "$SAMPLE" --format geojson -o map.geojson; expect_rc 0
    expect_out "converted 6 rings and 6 points to geojson"
    head -n 2 "$SAMPLE" >rings.wkt
    run convert rings.wkt -o rings.fpgeom; expect_rc 0
    run convert rings.fpgeom -o back.wkt; expect_rc 0
    run convert back.wkt --format archive -o again.fpgeom; expect_rc 0
    cmp -s rings.fpgeom again.fpgeom || fail "archive -> WKT -> archive changed the bytes"
    run convert "$SAMPLE" -o points.fpgeom; expect_rc 2; expect_err "an archive holds rings only"
    expect_no_file points.fpgeom
    run convert "$SAMPLE" -o map.txt; expect_rc 2; expect_err "give --format"
    run convert "$SAMPLE" --format geojson; expect_rc 0; expect_out '"type":"FeatureCollection"'
    ;;
  render)
    run render "$SAMPLE" -o map.svg --clip 10,10,50,60 --breakdown --topology --probe 200,200 --title 'Sample & co'
    expect_rc 0
    expect_out "wrote map.svg: 6 rings (6 filled, 0 of negative area), clipping rectangle (10, 10) to (50, 60)"
    expect_out "2 breakdown loops, 7 probes (5 inside, 2 outside), 5 shared vertices, 5 shared edges"
    expect_svg map.svg
    run breakdown "$SAMPLE" -o loops.wkt; expect_rc 0
    run render loops.wkt -o loops.svg --json; expect_rc 0
    expect_out '"negativeRings": 1'
    expect_svg loops.svg
    run render "$SAMPLE"; expect_rc 2; expect_err "--output is required"
    ;;
  topo)
    run topo "$SAMPLE"; expect_rc 0
    expect_out "13 vertices (5 shared), 17 edges (5 shared)"
    run topo "$SAMPLE" --move-vertex 30,40 --to 34,44 -o moved.wkt; expect_rc 0
    expect_out "move vertex (30, 40) to (34, 44): done; rings changed: 0, 1, 2, 3"
    grep -qF "((34 44,30 70,70 40,34 44))" moved.wkt || fail "moved.wkt lacks the moved triangle"
    cp "$SAMPLE" kept.wkt
    run topo kept.wkt --move-vertex 70,70 --to 30,70 -o kept.wkt; expect_rc 1
    expect_out "refused, a ring would keep fewer than 3 points; nothing changed"
    run topo "$SAMPLE" --bend-edge 30,20 --through 35,20; expect_rc 0
    expect_out "bend edge (30, 40)-(30, 0) through (35, 20): done; rings changed: 0, 1"
    run topo "$SAMPLE" --move-vertex 500,500 --to 1,1; expect_rc 2; expect_err "no vertex lies within"
    run topo "$SAMPLE" --move-vertex 30,40; expect_rc 2; expect_err "requires --to"
    ;;
  demo)
    run demo --out out; expect_rc 0
    expect_out "move vertex (30, 40) to (34, 44): done"
    expect_out "move vertex (70, 70) to (30, 70): refused"
    expect_out "identical to the map after the drag"
    for picture in out/before.svg out/after.svg; do expect_svg "$picture"; done
    run info out/sample-after.fpgeom; expect_rc 0; expect_out "6 rings"
    ;;
  bad-input)
    printf 'POLYGON((0 0,0 1,1 1,0 0))\n\nPOLYGON((0 0,0 x,1 1))\n' >bad.wkt
    run clip --rect 0,0,1,1 bad.wkt -o out.wkt; expect_rc 2
    expect_err "bad.wkt: line 3, column 1: expected a number at 'x'"; expect_quiet_stdout; expect_no_file out.wkt
    printf '{"type": "Polygon", "coordinates": [[[0,0],[0,1]]}' >bad.geojson
    run info bad.geojson; expect_rc 2; expect_err "bad.geojson: line 1, column 50: syntax error"
    run frobnicate "$SAMPLE"; expect_rc 2; expect_err "unknown subcommand 'frobnicate'"
    run info missing.wkt; expect_rc 2; expect_err "missing.wkt: cannot open: No such file or directory"
    run info --wkt 'POINT(1 2)' "$SAMPLE"; expect_rc 2; expect_err "not both"
    run info --from shapefile "$SAMPLE"; expect_rc 2; expect_err "--from expects wkt, geojson or archive"
    run info --bogus; expect_rc 2; expect_err "bogus"
    ;;
  unwritable-output)
    # A missing folder, a folder in the file's place, a file in a folder's
    # place: each refused with the path named, nothing half-written.
    mkdir taken
    echo "old" >existing.wkt
    for target in missing/out.wkt taken existing.wkt/out.wkt; do
      run clip --rect 0,0,10,10 "$SAMPLE" -o "$target" --format wkt; expect_rc 2
      expect_err "$target: cannot"; expect_quiet_stdout
      run render "$SAMPLE" -o "$target"; expect_rc 2; expect_err "$target: cannot"
    done
    [[ -d taken && "$(cat existing.wkt)" == "old" ]] || fail "an existing file or folder was changed"
    expect_no_file missing
    expect_no_temporaries .
    ;;
  overlay)
    # A frame (an RFC 7946 polygon with a hole, outer ring counter-clockwise)
    # and a square across its corner.
    echo '{"type":"Polygon","coordinates":[[[0,0],[10,0],[10,10],[0,10],[0,0]],[[2,2],[2,8],[8,8],[8,2],[2,2]]]}' >frame.geojson
    echo 'POLYGON((5 5,5 15,15 15,15 5,5 5))' >square.wkt
    run overlay union frame.geojson square.wkt; expect_rc 0
    expect_out "union under the evenodd rule: 1 outer rings, 1 holes, area 148"
    expect_out "POLYGON(("
    run overlay intersection frame.geojson square.wkt --fill nonzero -o both.geojson; expect_rc 0
    expect_out "1 outer rings, 0 holes, area 16"
    run overlay xor square.wkt frame.geojson -o xor.wkt; expect_rc 0; expect_out "area 132"
    run info xor.wkt; expect_rc 0; expect_out "rings"
    run overlay difference square.wkt square.wkt --json; expect_rc 0; expect_out '"area": 0.0'
    run overlay merge frame.geojson square.wkt; expect_rc 2; expect_err "union, intersection, difference or xor"
    run overlay union frame.geojson square.wkt --fill odd; expect_rc 2; expect_err "--fill expects evenodd or nonzero"
    run overlay union frame.geojson missing.wkt -o never.wkt; expect_rc 2; expect_no_file never.wkt
    ;;
  *)
    fail "unknown case"
    ;;
esac

exit $((failures > 0))
