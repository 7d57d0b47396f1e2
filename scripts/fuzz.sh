#!/usr/bin/env bash
# Fuzzes every reader of the game and the data kit: builds the fuzz targets (clang's
# libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer, in build-clang/), runs
# every input of fuzz/regressions/ through its target once, then runs each target for
# SECONDS seconds from its seeds (two at a time). A new crash, hang or runaway allocation
# is kept in build-clang/fuzz/found/<target>/ and makes the script fail.
# Usage: scripts/fuzz.sh SECONDS
set -euo pipefail
seconds=${1:?usage: scripts/fuzz.sh SECONDS}
cd "$(dirname "$0")/.."
scripts/clang-build.sh fuzz

fuzz=build-clang/fuzz
targets=(saved_game saved_game_open high_scores shifted_text dialogue grid jpeg wav
         page_source picture_source talk_source speech_source virtue_words)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# The targets' scratch files, removed when done.
export TMPDIR="$PWD/$fuzz/tmp"
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"
trap 'rm -rf "$TMPDIR"' EXIT
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0"
export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizer-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# An input may take 30 s and 2 GB at most; one allocation above 1 GB is a crash too.
limits=(-timeout=30 -rss_limit_mb=2048 -malloc_limit_mb=1024)

dictionary() {
  case $1 in
    page_source | picture_source) echo "-dict=$fuzz/seeds/source.dict" ;;
    talk_source) echo "-dict=fuzz/dict/talk.dict" ;;
    speech_source) echo "-dict=fuzz/dict/speech.dict" ;;
    virtue_words) echo "-dict=fuzz/dict/virtues.dict" ;;
    jpeg) echo "-dict=fuzz/dict/jpeg.dict" ;;
    wav) echo "-dict=fuzz/dict/wav.dict" ;;
  esac
}

failed=()
mkdir -p "$fuzz/logs"

# Every input that ever broke a reader, run once more.
for target in "${targets[@]}"; do
  inputs=(fuzz/regressions/"$target"/*)
  [ -e "${inputs[0]}" ] || continue
  if ! "$fuzz/$target" "${limits[@]}" "${inputs[@]}" >"$fuzz/logs/$target-regressions.log" 2>&1; then
    failed+=("$target (a regression: see $fuzz/logs/$target-regressions.log)")
  fi
done
echo "Replayed $(find fuzz/regressions -type f 2>/dev/null | wc -l) regression inputs."

run() {
  local target=$1
  mkdir -p "$fuzz/corpus/$target" "$fuzz/found/$target"
  # shellcheck disable=SC2046
  "$fuzz/$target" -max_total_time="$seconds" "${limits[@]}" $(dictionary "$target") \
    -artifact_prefix="$fuzz/found/$target/" -print_final_stats=1 \
    "$fuzz/corpus/$target" "$fuzz/seeds/$target" >"$fuzz/logs/$target.log" 2>&1
}

running=()
for target in "${targets[@]}"; do
  run "$target" &
  running+=("$!:$target")
  if [ ${#running[@]} -ge 2 ]; then
    entry=${running[0]}
    running=("${running[@]:1}")
    if ! wait "${entry%%:*}"; then failed+=("${entry#*:}"); fi
  fi
done
for entry in "${running[@]}"; do
  if ! wait "${entry%%:*}"; then failed+=("${entry#*:}"); fi
done

for target in "${targets[@]}"; do
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$fuzz/logs/$target.log" | grep -o '[0-9]*$' || true)
  corpus=$(find "$fuzz/corpus/$target" "$fuzz/seeds/$target" -type f | wc -l)
  printf '%-16s %10s runs, corpus %s\n' "$target" "${runs:-?}" "$corpus"
done

if [ ${#failed[@]} -gt 0 ]; then
  for target in "${failed[@]}"; do
    name=${target%% *}
    echo "== $target" >&2
    grep -E 'ERROR|BROKEN|SUMMARY|Test unit written|==[0-9]+==' "$fuzz/logs/$name.log" 2>/dev/null | head -20 >&2 || true
  done
  echo "Fuzzing found problems. The inputs are in $fuzz/found/; once mended, minimise each with" >&2
  echo "  $fuzz/<target> -minimize_crash=1 -runs=20000 -exact_artifact_path=<small> <input>" >&2
  echo "and keep it in fuzz/regressions/<target>/." >&2
  exit 1
fi
echo "Fuzzing found nothing."
