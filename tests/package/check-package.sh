#!/usr/bin/env bash
# Installs the build in BUILD_DIR into a fresh temporary prefix, then builds and runs the
# consumer program against it twice: through the CMake package and through pkg-config.
# Usage: tests/package/check-package.sh BUILD_DIR
set -euo pipefail

[[ $# -eq 1 ]] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SOURCE_DIR=$(cd "$HERE/../.." && pwd)
BUILD_DIR=$(cd "$1" && pwd)
CXX=${CXX:-c++}

WORK=$(mktemp -d "${TMPDIR:-/tmp}/tovpackage.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
PREFIX=$WORK/prefix

fail() {
  echo "package check: $*" >&2
  exit 1
}

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log" ||
  { cat "$WORK/install.log" >&2; fail "cmake --install failed"; }

# Everything lands below the prefix, and nothing installed points back into the tree.
[[ -f $PREFIX/include/TOVBasic/MORBaseUnknown.h ]] || fail "runtime headers not installed"
[[ -f $PREFIX/include/TOVBasic/TOVVersion.h ]] || fail "library headers not installed"
for catalog in "$SOURCE_DIR"/catalogs/*.msg; do
  [[ -n $(find "$PREFIX" -path "*/TOVBasic/catalogs/${catalog##*/}") ]] ||
    fail "catalog ${catalog##*/} not installed"
done
for lib in TOVBasic WV0CORE; do
  [[ -n $(find "$PREFIX" -name "lib$lib.so.*" -type f) ]] || fail "lib$lib not installed"
done
config=$(find "$PREFIX" -name TOVBasicConfig.cmake) || true
[[ -n $config ]] || fail "CMake package not installed"
pcfile=$(find "$PREFIX" -name TOVBasic.pc) || true
[[ -n $pcfile ]] || fail "pkg-config file not installed"
if grep -rl -e "$SOURCE_DIR" -e "$BUILD_DIR" "$(dirname "$config")" "$pcfile"; then
  fail "installed package files refer to the source or build tree"
fi

# 1. A CMake project: find_package(TOVBasic CONFIG), target TOVBasic::TOVBasic.
cmake -S "$HERE/consumer" -B "$WORK/consumer-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_COMPILER="$CXX" -DCMAKE_PREFIX_PATH="$PREFIX" >"$WORK/configure.log" ||
  { cat "$WORK/configure.log" >&2; fail "the consumer does not configure"; }
cmake --build "$WORK/consumer-build" >"$WORK/build.log" ||
  { cat "$WORK/build.log" >&2; fail "the consumer does not build with the CMake package"; }
version=$(grep -E '^Version:' "$pcfile" | awk '{print $2}')
expected="hello from the installed package, version $version"
out=$("$WORK/consumer-build/consumer") || fail "the CMake-built consumer failed: $out"
[[ $out == "$expected" ]] || fail "the CMake-built consumer printed '$out'"
echo "package check: CMake package ok ($out)"

# 2. pkg-config, as a plain Makefile user would.
export PKG_CONFIG_PATH=$(dirname "$pcfile")
flags=$(pkg-config --cflags --libs TOVBasic) || fail "pkg-config does not know TOVBasic"
[[ $(pkg-config --modversion TOVBasic) == "$version" ]] || fail "pkg-config version differs"
# shellcheck disable=SC2086 # the flags are words
"$CXX" "$HERE/consumer/main.cpp" -o "$WORK/consumer-pc" "-DEXPECTED_VERSION=\"$version\"" \
  $flags || fail "the consumer does not build with pkg-config"
out=$(LD_LIBRARY_PATH=$(pkg-config --variable=libdir TOVBasic) "$WORK/consumer-pc") ||
  fail "the pkg-config-built consumer failed: $out"
[[ $out == "$expected" ]] || fail "the pkg-config-built consumer printed '$out'"
echo "package check: pkg-config ok ($out)"
