# The record of libfpgeom's exported ABI and the check of a build against it,
# for scripts/test and scripts/update-abi. Sourced after common.sh, never run.

FPGEOM_ABI_RECORD=abi/libfpgeom.abi

# Only types declared in the public headers count: a change of a private type
# that no exported function shows cannot break a host.
abi_dump() {
  abidw --no-corpus-path --no-comp-dir-path --no-show-locs --type-id-style hash --drop-undefined-syms \
    --drop-private-types --headers-dir include "$1"
}

soname_of() {
  objdump -p "$1" | awk '$1 == "SONAME" { print $2 }'
}

# abi_check <build dir>: fails when the library exports an internal function
# or when its ABI breaks the record's without a new SONAME. Additions pass,
# with a note to record them.
abi_check() {
  local library="$1/libfpgeom.so"
  local internal
  internal="$(nm -DC --defined-only "$library" | grep 'fpgeom::detail::' || true)"
  if [[ -n "$internal" ]]; then
    echo "libfpgeom exports internal functions; the tests link the object library instead:"
    echo "$internal"
    return 1
  fi

  local recorded built
  recorded="$(sed -n "s/.*<abi-corpus [^>]*soname='\([^']*\)'.*/\1/p" "$FPGEOM_ABI_RECORD" | head -n 1)"
  built="$(soname_of "$library")"
  local status=0
  abidiff --hd2 include --drop-private-types "$FPGEOM_ABI_RECORD" "$library" >build/abi-report.txt || status=$?
  if (( status & 3 )); then
    cat build/abi-report.txt
    echo "abidiff failed (status $status)"
    return 1
  fi
  if (( status & 8 )); then
    cat build/abi-report.txt
    if [[ "$built" == "$recorded" ]]; then
      echo "libfpgeom's ABI breaks the one recorded in $FPGEOM_ABI_RECORD under the same SONAME $built:"
      echo "restore it, or raise the major version (SONAME) and run scripts/update-abi"
      return 1
    fi
    echo "The ABI changed with a new SONAME ($recorded -> $built): run scripts/update-abi to record it"
  elif (( status & 4 )); then
    cat build/abi-report.txt
    echo "Compatible ABI changes (additions): run scripts/update-abi to record them"
  else
    echo "libfpgeom's ABI matches $FPGEOM_ABI_RECORD ($built)"
  fi
}
