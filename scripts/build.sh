#!/usr/bin/env bash
# Installs what is missing (Debian bookworm), builds, then starts the program ("run") or
# runs every test ("test"). Works as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
          libgl-dev libtag1-dev pkg-config fonts-dejavu-core python3 clang-format
          # the Debian package and the checks of what it installs
          librsvg2-bin dpkg-dev file desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

mode=${1:-run}
case "$mode" in
run)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build
    exec ./build/src/sortiva
    ;;
test)
    # Tests build without debug information and without the benchmarks, to keep CI short.
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORTIVA_WERROR=ON -DSORTIVA_BUILD_BENCH=OFF
    cmake --build build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    # Every C++ file stays as .clang-format makes it.
    bash scripts/check-format.sh
    ;;
sanitize)
    # The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, with the standard
    # library's own checks on; unoptimised, as it builds faster than it runs slower here.
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O0 -g1" \
          -DSORTIVA_WERROR=ON -DSORTIVA_BUILD_BENCH=OFF -DSORTIVA_SANITIZE=ON
    cmake --build build-sanitize
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: $0 [run|test|sanitize]" >&2
    exit 2
    ;;
esac
