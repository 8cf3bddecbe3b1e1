#!/bin/sh
# Installs what is missing, builds the program and starts it.
set -eu
cd "$(dirname "$0")/.."
tools/install-packages.sh cmake ninja-build g++ qt6-base-dev libpng-dev fonts-dejavu-core fonts-liberation2
cmake -S . -B build -G Ninja
cmake --build build --target sparvik
exec build/sparvik
