#!/usr/bin/env bash
# Installs what is needed, builds, and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
echo "The Windows program is not built yet." >&2
exit 1
