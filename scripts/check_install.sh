#!/usr/bin/env bash
# cmake --install of a build into a fresh prefix: both programs land in bin
# (the desktop program only when the build has it), the shipped files in
# share/vextor, and the installed vextor-cli runs.
# Usage: check_install.sh CMAKE BUILD_DIR
set -euo pipefail
cmake_exe="$1"
build="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
"$cmake_exe" --install "$build" --prefix "$prefix" >/dev/null
want=(bin/vextor-cli)
if [ -e "$build/bin/vextor" ]; then
  want+=(bin/vextor share/vextor/puzzles.vxt)
fi
fail=0
for f in "${want[@]}"; do
  if [ ! -e "$prefix/$f" ]; then
    echo "not installed: $f"
    fail=1
  fi
done
if ! "$prefix/bin/vextor-cli" --help >/dev/null 2>&1; then
  echo "the installed vextor-cli does not run"
  fail=1
fi
exit "$fail"
