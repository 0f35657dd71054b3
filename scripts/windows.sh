#!/usr/bin/env bash
# Cross-builds Velmora for 64-bit Windows with mingw-w64 and runs its tests under Wine on an X server of its own.
# The libraries the game links come from Debian's source packages, built once for Windows into a cache folder that
# is kept between runs (one folder per set of versions). Set VELMORA_WINDOWS_CACHE to move it.
# Usage: scripts/windows.sh [--libraries-only]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

./scripts/install-deps.sh g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis icoutils zip unzip \
  dpkg-dev libstb-dev libutfcpp-dev

# Debian's source packages and their versions in bookworm.
libraries=(glfw3=3.3.8-1 glew=2.2.0-4 assimp=5.2.5~ds0-1 googletest=1.12.1-0.2 zlib=1:1.2.13.dfsg-1
  minizip=1.1-8+deb12u1)
key=$(printf '%s\n' "${libraries[@]}" | sha256sum | cut -c1-12)
cache=${VELMORA_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora-windows}
prefix=$cache/libs-$key
jobs=$(nproc)
host=x86_64-w64-mingw32
toolchain=$root/cmake/mingw-w64-x86_64.cmake

# The source packages are fetched through a package list of our own, so the machine's apt sources stay untouched.
fetch_sources() {
  local apt=$cache/apt
  mkdir -p "$apt/lists/partial" "$apt/archives/partial" "$1"
  echo 'deb-src http://deb.debian.org/debian bookworm main' >"$apt/sources.list"
  local options=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt" -o APT::Sandbox::User=root)
  apt-get "${options[@]}" update -qq
  (cd "$1" && apt-get "${options[@]}" source -qq "${libraries[@]}" >/dev/null)
}

cross_cmake() {
  local source=$1 build=$2
  shift 2
  cmake -S "$source" -B "$build" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
  cmake --build "$build" -j"$jobs" >/dev/null
}

# zlib and minizip: their plain C sources into static libraries (Debian's zlib leaves out the Windows resource
# files its own build wants for the DLL).
build_zlib() {
  local src work
  src=$(echo "$1"/zlib-*/) work=$1/zlib-objects
  mkdir -p "$work" "$prefix/include" "$prefix/lib/pkgconfig"
  for c in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate inftrees trees uncompr \
    zutil; do
    $host-gcc-posix -O2 -c "$src/$c.c" -o "$work/$c.o"
  done
  $host-ar rcs "$prefix/lib/libz.a" "$work"/*.o
  cp "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
  src=$(echo "$1"/minizip-*/)
  $host-gcc-posix -O2 -I"$prefix/include" -c "$src/ioapi.c" -o "$work/ioapi.o"
  $host-gcc-posix -O2 -I"$prefix/include" -c "$src/unzip.c" -o "$work/unzip.o"
  $host-ar rcs "$prefix/lib/libminizip.a" "$work/ioapi.o" "$work/unzip.o"
  mkdir -p "$prefix/include/minizip"
  cp "$src/ioapi.h" "$src/unzip.h" "$prefix/include/minizip/"
  printf '%s\n' "prefix=$prefix" 'Name: minizip' 'Description: unzip of zlib' 'Version: 1.1' \
    'Requires: zlib' "Libs: -L$prefix/lib -lminizip" "Cflags: -I$prefix/include/minizip" \
    >"$prefix/lib/pkgconfig/minizip.pc"
  printf '%s\n' 'Name: zlib' 'Description: zlib' 'Version: 1.2.13' "Libs: -L$prefix/lib -lz" \
    "Cflags: -I$prefix/include" >"$prefix/lib/pkgconfig/zlib.pc"
}

# The header-only libraries come from the host: GLM for the game, utf8cpp and stb for Assimp.
copy_host_headers() {
  mkdir -p "$prefix/include" "$prefix/lib/pkgconfig"
  cp -r /usr/include/glm /usr/include/utf8cpp /usr/include/stb "$prefix/include/"
  printf '%s\n' 'Name: glm' 'Description: OpenGL Mathematics' 'Version: 0.9.9' "Cflags: -I$prefix/include" \
    >"$prefix/lib/pkgconfig/glm.pc"
}

build_libraries() {
  local sources=$cache/sources-$key
  rm -rf "$sources" "$prefix"
  fetch_sources "$sources"
  copy_host_headers
  build_zlib "$sources"
  cross_cmake "$(echo "$sources"/glfw3-*/)" "$sources/glfw-build" -DGLFW_BUILD_EXAMPLES=OFF -DGLFW_BUILD_TESTS=OFF \
    -DGLFW_BUILD_DOCS=OFF
  cmake --install "$sources/glfw-build" >/dev/null
  cross_cmake "$(echo "$sources"/glew-*/)build/cmake" "$sources/glew-build" -DBUILD_UTILS=OFF
  cmake --install "$sources/glew-build" >/dev/null
  cross_cmake "$(echo "$sources"/googletest-*/)" "$sources/googletest-build" -DBUILD_GMOCK=OFF -Dgtest_force_shared_crt=ON
  cmake --install "$sources/googletest-build" >/dev/null
  build_assimp "$(echo "$sources"/assimp-*/)" "$sources/assimp-build"
  rm -rf "$sources"
  touch "$prefix/complete"
}

# Only the OBJ importer. Debian's source takes Draco from the system; the game reads no glTF, so that change is
# undone.
build_assimp() {
  (cd "$1" && patch -R -p1 -s <debian/patches/use-system-libdraco.patch)
  PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig cross_cmake "$1" "$2" \
    -DASSIMP_BUILD_ALL_IMPORTERS_BY_DEFAULT=OFF -DASSIMP_BUILD_OBJ_IMPORTER=ON -DASSIMP_NO_EXPORT=ON \
    -DASSIMP_BUILD_TESTS=OFF -DASSIMP_BUILD_ASSIMP_TOOLS=OFF -DASSIMP_BUILD_ZLIB=OFF -DASSIMP_WARNINGS_AS_ERRORS=OFF \
    -DASSIMP_INSTALL_PDB=OFF -DASSIMP_BUILD_DRACO=OFF -DZLIB_ROOT="$prefix" \
    -DCMAKE_CXX_FLAGS="-I$prefix/include -I$prefix/include/utf8cpp"
  cmake --install "$2" >/dev/null
}

[ -e "$prefix/complete" ] || build_libraries
[ "${1:-}" = --libraries-only ] && exit 0

# The asset, icon and manual page generators run here, so they come from the native build in build/.
cmake --preset default >/dev/null
cmake --build --preset default -j"$jobs" --target velmora_asset_generator velmora_icon_generator velmora_manual_page \
  >/dev/null

# One Wine prefix for the build, made once, and one wineserver kept running for every test program it starts.
export WINEPREFIX=$root/build-windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="winedbg.exe=d"
mkdir -p "$WINEPREFIX"
if [ ! -e "$WINEPREFIX/system.reg" ]; then
  # No .NET or web engine: the game needs neither, and their installers would ask.
  WINEDLLOVERRIDES="mscoree=;mshtml=" wineboot -i >/dev/null 2>&1
  wineserver -w
fi
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# Wine's background services start with the first program and live as long as the server; started here, they
# hold no test's output open.
wine cmd /c exit </dev/null >/dev/null 2>&1

export VELMORA_WINDOWS_LIBRARIES=$prefix
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
ctest --preset windows -j"$jobs"
