#!/usr/bin/env bash
# A bounded libFuzzer run of ParseNumberText (about a minute), with ASan and UBSan.
set -euo pipefail
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DQUINTARO_TESTS=OFF -DQUINTARO_FUZZ=ON -DQUINTARO_SANITIZE=ON >/dev/null
cmake --build build/fuzz --target parse_number_text_fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/artifacts"
cp fuzz/corpus/* "$work/corpus/"
status=0
build/fuzz/fuzz/parse_number_text_fuzz -max_total_time="${QUINTARO_FUZZ_SECONDS:-60}" -max_len=64 \
  -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1 || status=$?
grep -E 'stat::number_of_executed_units|stat::new_units_added|ERROR|SUMMARY' "$work/log" || true
if [ "$status" -ne 0 ]; then
  tail -40 "$work/log"
  for f in "$work"/artifacts/*; do [ -f "$f" ] && { echo "crashing input:"; xxd "$f" | head; }; done
fi
exit "$status"
