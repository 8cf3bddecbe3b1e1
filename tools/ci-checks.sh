#!/bin/sh
# The checks CI runs after the test suite: the suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, the number text fuzzers
# for a bounded time, and the Debian package built, validated, installed
# and started.
set -eu
cd "$(dirname "$0")/.."
tools/install-packages.sh clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file xvfb xauth xdotool

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DBUILD_TESTING=ON -DSPARVIK_WERROR=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-sanitize
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure

echo "== fuzzing number text"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DSPARVIK_FUZZ=ON -DSPARVIK_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz
for target in read_number write_number read_integer; do
    mkdir -p "build-fuzz/corpus/$target"
    "build-fuzz/fuzz/fuzz_$target" -max_total_time="${FUZZ_SECONDS:-20}" -print_final_stats=1 \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target"
done

echo "== package"
desktop-file-validate packaging/org.example.Sparvik.desktop
appstreamcli validate --no-net packaging/org.example.Sparvik.metainfo.xml
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-package
(cd build-package && cpack -G DEB)
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./build-package/sparvik_0.44_amd64.deb
# The installed program starts and shows its main window.
xvfb-run -a sh -c '
    sparvik & program=$!
    for attempt in $(seq 100); do
        if xdotool search --name "^MAIN " >/dev/null 2>&1; then kill $program; exit 0; fi
        sleep 0.1
    done
    kill $program; echo "the installed program showed no window"; exit 1'
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq sparvik
