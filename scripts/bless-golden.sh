#!/usr/bin/env bash
# Writes tests/golden/<example>.txt, the text output of dorvel-cli calc for
# every case of examples/.  test_examples compares the program's output with
# these files: after an intended change of a result, run this script, check
# the differences (git diff tests/golden) and commit them with the change.
#   scripts/bless-golden.sh [path/to/dorvel-cli]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cli="${1:-$here/build/src/cli/dorvel-cli}"
mkdir -p "$here/tests/golden"
cd "$here"
for f in examples/*.dvl; do
  name="$(basename "$f" .dvl)"
  "$cli" calc "$f" > "tests/golden/$name.txt"
done
