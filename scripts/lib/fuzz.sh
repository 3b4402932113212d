# The libFuzzer build and bounded fuzzing runs, for scripts/test. Sourced
# after common.sh, never run.

# Seconds of fuzzing per target; each run also stops at the first crash,
# leak, sanitizer report, hang (-timeout) or runaway memory (-rss_limit_mb).
FPGEOM_FUZZ_SECONDS="${FPGEOM_FUZZ_SECONDS:-30}"

configure_fuzz() {
  cmake -S . -B build/fuzz -G Ninja -DFPGEOM_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DFPGEOM_BUILD_FUZZERS=ON \
    -DFPGEOM_BUILD_TESTS=OFF -DFPGEOM_BUILD_EXAMPLES=OFF -DFPGEOM_BUILD_TOOLS=OFF -DFPGEOM_BUILD_OVERLAY=OFF
}

# fuzz_target <target>: fuzzes from a copy of the committed seed corpus, so
# that the repository is not modified, with the committed regression inputs
# as a second, read-only corpus. A failing input is kept in
# build/fuzz/artifacts/.
fuzz_target() {
  local target="$1"
  local work
  work="$(mktemp -d)"
  cp fuzz/corpus/"$target"/* "$work"/
  local options=(-max_total_time="$FPGEOM_FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
    -artifact_prefix=build/fuzz/artifacts/"$target"-)
  [[ -f fuzz/"$target".dict ]] && options+=(-dict=fuzz/"$target".dict)
  local corpora=("$work")
  [[ -d fuzz/regressions/"$target" ]] && corpora+=(fuzz/regressions/"$target")
  mkdir -p build/fuzz/artifacts
  echo "Fuzzing $target for ${FPGEOM_FUZZ_SECONDS}s"
  local status=0
  build/fuzz/fuzz/"$target" "${options[@]}" "${corpora[@]}" >"$work".log 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done )' "$work".log || true
  echo "corpus: $(ls "$work" | wc -l) inputs"
  if [[ "$status" -ne 0 ]]; then
    tail -n 60 "$work".log
    echo "$target failed; the input is in build/fuzz/artifacts/"
  fi
  rm -rf "$work" "$work".log
  return "$status"
}
