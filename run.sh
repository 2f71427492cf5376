#!/usr/bin/env bash
# Builds Vextor (Release) and starts it. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh full
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXTOR_BENCH=OFF >/dev/null
# Only what runs here: the program, vextor-cli and the shipped files.
targets=(vextor-cli vextor_resources)
if ninja -C build-release -t targets all | grep '^vextor:' >/dev/null; then
  targets+=(vextor)
fi
cmake --build build-release -j "$(nproc)" --target "${targets[@]}"
if [ -x build-release/bin/vextor ]; then
  exec build-release/bin/vextor "$@"
fi
exec build-release/bin/vextor-cli show build-release/bin/puzzles.vxt 1
