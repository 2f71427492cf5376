#!/usr/bin/env bash
# Fails when a source or test file speaks of a design document (one of its
# numbered sections, or the document by name) instead of the system itself.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if grep -rnE '\bParts? [0-9]|\bthe Parts?\b|\bspec(ification)?s?\b' \
    "$root/src" "$root/tests" "$root/bench" "$root/fuzz"; then
  echo "comments above name a design document; describe the system instead"
  exit 1
fi
