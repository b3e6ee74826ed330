#!/usr/bin/env bash
# Installs the build in BUILD_DIR into a fresh temporary prefix and checks it as a new user
# would, in an empty environment: the installed tovgraph runs on the bundled example, and
# the consumer program, linked with --as-needed, builds and runs against it through the
# CMake package and through pkg-config. Then the Debian package made by CPack is unpacked
# into a scratch root and its tovgraph runs from there. Last, ./tov uninstall empties the
# prefix.
# Usage: tests/package/check-package.sh BUILD_DIR
set -euo pipefail

[[ $# -eq 1 ]] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SOURCE_DIR=$(cd "$HERE/../.." && pwd)
BUILD_DIR=$(cd "$1" && pwd)
CXX=${CXX:-c++}
EXAMPLE=$SOURCE_DIR/tools/tovgraph/examples/build.graph
# Runs an installed or consumer program in an empty environment (a PATH alone), so that
# the loader finds the libraries through the programs' own run paths and nothing else.
as_user() { env -i PATH=/usr/bin:/bin "$@"; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/tovpackage.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
PREFIX=$WORK/prefix

fail() {
  echo "package check: $*" >&2
  exit 1
}

# The libraries a program or library needs (its NEEDED entries).
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }

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
for file in $(find "$PREFIX" -type f \( -name '*.so.*' -o -perm -u+x \)); do
  if readelf -d "$file" 2>/dev/null | grep -e "$SOURCE_DIR" -e "$BUILD_DIR"; then
    fail "${file#"$PREFIX"/} looks for libraries in the source or build tree"
  fi
done

# 1. The installed tool prints what the tool of the build tree prints.
expected_graph=$("$BUILD_DIR/tools/tovgraph/tovgraph" "$EXAMPLE") ||
  fail "the tovgraph of the build tree failed"
out=$(as_user "$PREFIX/bin/tovgraph" "$EXAMPLE" 2>&1) || fail "the installed tovgraph failed: $out"
[[ $out == "$expected_graph" ]] || fail "the installed tovgraph printed '$out'"
echo "package check: installed tovgraph ok"

# 2. A CMake project: find_package(TOVBasic CONFIG), target TOVBasic::TOVBasic.
cmake -S "$HERE/consumer" -B "$WORK/consumer-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_COMPILER="$CXX" -DCMAKE_PREFIX_PATH="$PREFIX" \
  -DCMAKE_EXE_LINKER_FLAGS=-Wl,--as-needed >"$WORK/configure.log" ||
  { cat "$WORK/configure.log" >&2; fail "the consumer does not configure"; }
cmake --build "$WORK/consumer-build" >"$WORK/build.log" ||
  { cat "$WORK/build.log" >&2; fail "the consumer does not build with the CMake package"; }
# The consumer needs TOVBasic only; the runtime library is TOVBasic's to find.
deps=$(needed "$WORK/consumer-build/consumer")
[[ $deps == *libTOVBasic.so* && $deps != *libWV0CORE* ]] ||
  fail "the consumer should need libTOVBasic alone, it needs: $deps"
version=$(grep -E '^Version:' "$pcfile" | awk '{print $2}')
expected="hello from the installed package, version $version"
out=$(as_user "$WORK/consumer-build/consumer" 2>&1) || fail "the CMake-built consumer failed: $out"
[[ $out == "$expected" ]] || fail "the CMake-built consumer printed '$out'"
echo "package check: CMake package ok ($out)"

# 3. pkg-config, as a plain Makefile user would, with a run path to the private prefix.
export PKG_CONFIG_PATH=$(dirname "$pcfile")
cflags=$(pkg-config --cflags TOVBasic) || fail "pkg-config does not know TOVBasic"
libs=$(pkg-config --libs TOVBasic)
libdir=$(pkg-config --variable=libdir TOVBasic)
[[ $(pkg-config --modversion TOVBasic) == "$version" ]] || fail "pkg-config version differs"
# shellcheck disable=SC2086 # the flags are words
"$CXX" $cflags "$HERE/consumer/main.cpp" -o "$WORK/consumer-pc" \
  "-DEXPECTED_VERSION=\"$version\"" -Wl,--as-needed $libs "-Wl,-rpath,$libdir" ||
  fail "the consumer does not build with pkg-config"
out=$(as_user "$WORK/consumer-pc" 2>&1) || fail "the pkg-config-built consumer failed: $out"
[[ $out == "$expected" ]] || fail "the pkg-config-built consumer printed '$out'"
echo "package check: pkg-config ok ($out)"

# 4. The Debian package, unpacked without installing it.
cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$WORK/deb" >"$WORK/cpack.log" ||
  { cat "$WORK/cpack.log" >&2; fail "CPack could not make the Debian package"; }
deb=$(find "$WORK/deb" -maxdepth 1 -name '*.deb') || true
[[ -n $deb ]] || fail "CPack made no .deb"
dpkg-deb -x "$deb" "$WORK/root" || fail "dpkg-deb cannot unpack $deb"
dpkg-deb -f "$deb" Package Version | grep -q "$version" || fail "the package has the wrong version"
out=$(as_user "$WORK/root/usr/bin/tovgraph" "$EXAMPLE" 2>&1) ||
  fail "the tovgraph of the Debian package failed: $out"
[[ $out == "$expected_graph" ]] || fail "the tovgraph of the Debian package printed '$out'"
echo "package check: Debian package ok (${deb##*/})"

# 5. Uninstalling leaves no file behind.
"$SOURCE_DIR/tov" uninstall "$PREFIX" >"$WORK/uninstall.log" ||
  { cat "$WORK/uninstall.log" >&2; fail "./tov uninstall failed"; }
left=$(find "$PREFIX" -mindepth 1 ! -type d)
[[ -z $left ]] || fail "./tov uninstall left: $left"
for dir in include/TOVBasic share/TOVBasic "$(dirname "${config#"$PREFIX"/}")"; do
  [[ ! -e $PREFIX/$dir ]] || fail "./tov uninstall left the folder $dir"
done
echo "package check: uninstall ok"
