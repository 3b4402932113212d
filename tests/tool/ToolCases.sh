#!/usr/bin/env bash
# End-to-end cases for the fpgeom tool, run through the real binary.
# Usage: ToolCases.sh <fpgeom binary> <sample.wkt> <scratch folder> <case>
set -uo pipefail

FPGEOM="$1"
SAMPLE="$2"
WORK="$3/$4"
CASE="$4"
RUNAWAY='POLYGON((2 2,-1 -1,-1 0,2 -1,-2 -1,2 2))'
FRAME='{"type":"Polygon","coordinates":[[[0,0],[10,0],[10,10],[0,10],[0,0]],[[2,2],[2,8],[8,8],[8,2],[2,2]]]}'
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
    run --version; expect_rc 0; expect_out "fpgeom ${FPGEOM_EXPECTED_VERSION:?}"
    run info --help; expect_rc 0; expect_out "GEOMETRYCOLLECTION"; expect_out "Z and M values are dropped"
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
    run info --json --wkt 'LINESTRING(0 0,1 0,1 1,0 1,0 0)'; expect_rc 0
    expect_out '"area": -1.0'; expect_out '"filled": false'; expect_out '"role": "none"'; expect_out '"meetsItself": false'
    # An RFC 7946 polygon with a hole: each ring read by its role.
    run info --from geojson --wkt "$FRAME"; expect_rc 0
    expect_out "ring 0: 4 points, area 100, unsigned area 100, filled, outer ring"
    expect_out "ring 1: 4 points, area -36, unsigned area 36, negative, hole of ring 0"
    run info - <"$SAMPLE"; expect_rc 0; expect_out "6 rings"
    # Rounding makes this ring's breakdown insert without end until its bound.
    run info --wkt "$RUNAWAY"; expect_rc 0; expect_out "meets itself: yes, gave up after 87 points"
    run info --json --wkt "$RUNAWAY"; expect_rc 0; expect_out '"gaveUpAfter": 87'; expect_out '"meetsItself": true'
    ;;
  contains)
    for order in "$SAMPLE --point 50,50" "--point 50,50 $SAMPLE" "-p 50,50 $SAMPLE -p 200,200"; do
      run contains $order; expect_rc 0
      expect_out "(50, 50): inside ring 3, signed distance -4, nearest vertex (30, 40)"
    done
    expect_out "(-5, 10): outside, signed distance 5, nearest vertex (0, 0)"
    run contains --json --wkt 'POLYGON((0 0,0 2,2 2,2 0,0 0))' --point 1,1 --point=-1,1; expect_rc 0
    expect_out '"signedDistance": -1.0'; expect_out '"inside": false'
    run contains --wkt 'POLYGON((0 0,0 2,2 2,2 0,0 0))'; expect_rc 2; expect_err "no probe points"
    # Past a few probes the map is prepared first: each line is the one that a
    # probe asked alone gets.
    probes=(50,50 -5,10 30,40 30.0000001,40 12.5,7 100,100 -1e300,0)
    args=()
    for probe in "${probes[@]}"; do args+=("--point=$probe"); done
    run contains "$SAMPLE" "${args[@]}"; expect_rc 0; cp out.txt many.txt
    for probe in "${probes[@]}"; do
      run contains "$SAMPLE" "--point=$probe"; expect_rc 0
      grep -qxF -- "$(head -1 out.txt)" many.txt || fail "prepared probe differs: $(head -1 out.txt)"
    done
    ;;
  clean)
    run clean --wkt 'POLYGON((0 0,0 1,0 2,2 2,2 2,2 0,0 0))'; expect_rc 0
    expect_out "ring 0: 6 -> 4 points"; expect_out "POLYGON((0 0,0 2,2 2,2 0,0 0))"
    # A ring folded onto a line keeps fewer than three points: exit 1, and
    # the other ring is still written.
    run clean --wkt 'MULTIPOLYGON(((0 0,0 1,0 2,0 0)),((5 5,5 6,6 6,5 5)))' -o cleaned.wkt; expect_rc 1
    expect_out "ring 0: 3 -> fewer than 3 points; dropped"
    [[ "$(cat cleaned.wkt)" == "POLYGON((5 5,5 6,6 6,5 5))" ]] || fail "cleaned.wkt holds $(cat cleaned.wkt)"
    # Nothing left: the file still reads back, as an empty map.
    run clean --wkt 'POLYGON((0 0,0 1,0 2,0 0))' -o empty.wkt; expect_rc 1
    run info empty.wkt; expect_rc 0; expect_out "0 rings, 0 loose points"
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
    run breakdown --wkt "$RUNAWAY"; expect_rc 0; expect_out "ring 0: meets itself, gave up after 87 points"
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
    run convert --json --wkt 'POLYGON((0 0,0 1,1 1,0 0))'; expect_rc 0
    expect_out '"result": {'; expect_out '"type": "FeatureCollection"'
    echo "$FRAME" >frame.geojson
    run convert frame.geojson -o frame.wkt; expect_rc 0
    [[ "$(cat frame.wkt)" == "POLYGON((0 10,10 10,10 0,0 0,0 10),(8 2,8 8,2 8,2 2,8 2))" ]] || fail "frame.wkt holds $(cat frame.wkt)"
    run convert frame.wkt -o back.geojson; expect_rc 0
    grep -qF '"coordinates":[[[0.0,0.0],[10.0,0.0],[10.0,10.0],[0.0,10.0],[0.0,0.0]],[[2.0,2.0],' back.geojson ||
      fail "back.geojson holds $(cat back.geojson)"
    run convert --wkt 'POLYGON Z ((0 0 1,0 1 1,1 1 1,0 0 1))'; expect_rc 0
    expect_out "POLYGON((0 0,0 1,1 1,0 0))"; expect_err "note: --wkt: dropped the Z coordinates"
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
    run render --breakdown --wkt "$RUNAWAY" -o runaway.svg; expect_rc 0; expect_out "ring 0 gave up after 87 points"
    expect_svg loops.svg
    run render --from geojson --wkt "$FRAME" -o frame.svg; expect_rc 0
    expect_svg frame.svg; grep -qF 'fill-rule="evenodd"' frame.svg || fail "frame.svg draws no hole"
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
  errors)
    # Every refusal of bad usage or input: exit code 2, the words that say
    # what went wrong, nothing on standard output and nothing written.
    printf 'POLYGON((0 0,0 1,1 1,0 0))\n\nPOLYGON((0 0,0 x,1 1))\n' >bad.wkt
    printf '{"type": "Polygon", "coordinates": [[[0,0],[0,1]]}' >bad.geojson
    printf '{"type": "Point",\n "coordinates": [1, -1e400]}' >huge.geojson
    mkdir folder
    # arguments (shell words; a redirection goes after them) | exit code | words on standard error
    while IFS='|' read -r arguments code words; do
      eval "\"\$FPGEOM\" >out.txt 2>err.txt $arguments"
      rc=$?
      CASE="errors: $arguments"
      expect_rc "$code"; expect_err "$words"
      [[ "$arguments" == *'>'* ]] || expect_quiet_stdout
    done <<'TABLE'
clip --rect 0,0,1,1 bad.wkt -o out.wkt|2|bad.wkt: line 3, column 16: expected a number, found 'x'
info --wkt 'POLYGON((0 0,0 1,1 1,0 0)'|2|--wkt: line 1, column 26: expected ',' or ')', found the end of the text
info --wkt 'LINESTRING(0 0,1 1)'|2|expected a closed LINESTRING
info bad.geojson|2|bad.geojson: line 1, column 50: syntax error
info huge.geojson|2|huge.geojson: line 2, column 21: number out of range: '-1e400'
contains -p 0,0 - <huge.geojson|2|standard input: line 2, column 21: number out of range
convert --from geojson --wkt '[1e400]'|2|--wkt: line 1, column 2: number out of range
info "$SAMPLE" >/dev/full|2|fpgeom info: cannot write to standard output: No space left on device
info --json "$SAMPLE" >/dev/full|2|cannot write to standard output
convert "$SAMPLE" >/dev/full|2|cannot write to standard output
convert "$SAMPLE" -o folder --format wkt|2|folder: cannot write: it is a folder
frobnicate "$SAMPLE"|2|unknown subcommand 'frobnicate'
info missing.wkt|2|missing.wkt: cannot open: No such file or directory
info --wkt 'POINT(1 2)' "$SAMPLE"|2|not both
info --from shapefile "$SAMPLE"|2|--from expects wkt, geojson or archive
info --bogus|2|bogus
contains --point 1,1,1 "$SAMPLE"|2|--point expects X,Y
clip --rect 0,0,1,1,1 "$SAMPLE"|2|--rect expects L,B,R,T
TABLE
    expect_no_file out.wkt
    ;;
  output-targets)
    # A link is written through, a FIFO and a device are streamed into, and
    # each stays what it was; -o - is standard output.
    echo "old" >real.wkt; ln -s real.wkt link.wkt
    mkdir sub; ln -s sub/new.wkt dangling.wkt
    ln -s /dev/null device
    mkfifo pipe; timeout 20 cat pipe >from-pipe.wkt & reader=$!
    for target in link.wkt dangling.wkt device pipe; do
      run convert --wkt 'POINT(1 2)' -o "$target" --format wkt; expect_rc 0
    done
    wait "$reader"
    for written in real.wkt sub/new.wkt from-pipe.wkt; do
      [[ "$(cat "$written")" == "MULTIPOINT((1 2))" ]] || fail "$written holds $(cat "$written")"
    done
    [[ -L link.wkt && -L dangling.wkt && -L device && -p pipe && -c /dev/null ]] || fail "a target was replaced"
    expect_no_temporaries .
    run clean --wkt 'POLYGON((0 0,0 1,0 2,1 1,0 0))' -o -; expect_rc 0
    expect_out "POLYGON((0 0,0 2,1 1,0 0))"; expect_err "ring 0: 4 -> 3 points"
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
