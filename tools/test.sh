#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite.
# With CI=true warnings are errors.
set -eu
cd "$(dirname "$0")/.."
tools/install-packages.sh cmake ninja-build g++ qt6-base-dev libpng-dev libgtest-dev libbenchmark-dev locales \
    fonts-dejavu-core fonts-liberation2

# The real windows are tested once more under a Swedish locale.
if ! locale -a 2>/dev/null | grep -qix 'sv_SE.utf8'; then
    grep -q '^sv_SE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'sv_SE.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi

werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build -G Ninja -DBUILD_TESTING=ON -DSPARVIK_WERROR=$werror
cmake --build build
ctest --test-dir build --output-on-failure
