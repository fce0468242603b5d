#!/usr/bin/env bash
# quintaro batch throughput and peak memory: measured and printed, never asserted on.
set -euo pipefail
bash scripts/release-build.sh
python3 cli/bench/batch_throughput.py build/release/cli/quintaro
