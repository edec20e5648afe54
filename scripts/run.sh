#!/bin/bash
# The program's main job: builds the converter and converts an example, the
# same computation the window does when 1 cm is typed at 72 dpi.
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target tessavor-convert
echo "1 cm at 72 dpi in pixels:"
build/native/tessavor-convert --dpi 72 --cm 1
