#!/usr/bin/env bash
# Benchmarks: measured and printed, never asserted on.
set -euo pipefail
bash scripts/release-build.sh
python3 scripts/bench-ratios.py build/release/bench/engine_bench build/release/bench/number_text_bench
