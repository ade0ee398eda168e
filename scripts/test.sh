#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests (also under
# AddressSanitizer and UndefinedBehaviorSanitizer), a short run of every
# fuzz target, the Qt program's tests, the real program in an X session, the
# Windows build under wine, and the packages installed as a user would.
# Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build x11 fuzz windows packages

stages=(linux sanitizers fuzz x11 windows packages)
failed=()
for stage in "${stages[@]}"; do
  echo "=== $stage"
  if ! "scripts/test-$stage.sh"; then failed+=("$stage"); fi
done

echo "=== summary"
((${#failed[@]} == 0)) || echo "failed stages: ${failed[*]}"
echo "stages: $(( ${#stages[@]} - ${#failed[@]} )) passed, ${#failed[@]} failed"
((${#failed[@]} == 0))
