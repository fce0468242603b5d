#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: the
# numbered steps in scripts/test-steps, in order. The first failing step
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
status=0
for step in scripts/test-steps/[0-9]*.sh; do
  echo "=== $(basename "$step")"
  start=$SECONDS
  if ! bash "$step"; then
    echo "=== FAILED: $(basename "$step")"
    status=1
    break
  fi
  echo "=== ok: $(basename "$step") ($((SECONDS - start)) s)"
done
exit $status
