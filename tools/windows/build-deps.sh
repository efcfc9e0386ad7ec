#!/usr/bin/env bash
# Builds the Windows libraries the game and its tests link against, with
# Debian's mingw-w64 cross compiler, from Debian's own source packages:
#   zlib, libpng, libjpeg-turbo, libogg, libvorbis, freetype, SDL 1.2,
#   SDL_mixer, and GoogleTest from /usr/src/googletest.
# Debian serves no sources of SDL_image 1.2 and SDL_ttf 2.0 here: the game's
# CMake builds compat/, our subset of them, on libpng, libjpeg and freetype.
# Usage: build-deps.sh DEPS_DIR
# Everything lands under DEPS_DIR (src/, build/, prefix/); each library leaves
# a stamp in DEPS_DIR/stamps/ and is skipped on later runs.
set -euo pipefail

DEPS=$(mkdir -p "$1" && cd "$1" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
HOST=x86_64-w64-mingw32
PREFIX=$DEPS/prefix
SRC=$DEPS/src
BUILD=$DEPS/build
STAMPS=$DEPS/stamps
JOBS=${JOBS:-2}
SUDO=$([ "$(id -u)" = 0 ] || echo sudo)
mkdir -p "$PREFIX" "$SRC" "$BUILD" "$STAMPS"

# The libraries find each other in the prefix, never on the build machine.
export PKG_CONFIG_LIBDIR=$PREFIX/lib/pkgconfig
export PKG_CONFIG_PATH=
export CPPFLAGS="-I$PREFIX/include"
export LDFLAGS="-L$PREFIX/lib"
export PATH="$PREFIX/bin:$PATH"
CONFIGURE=(--host=$HOST --build="$(gcc -dumpmachine)" --prefix="$PREFIX")
CMAKE_TOOLCHAIN=(-DCMAKE_TOOLCHAIN_FILE="$HERE/mingw-w64.cmake" -DVIPRATS_WINDOWS_DEPS="$DEPS"
                 -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX")

log() { printf '\n=== %s\n' "$*"; }

# apt-get source needs deb-src entries: a file of our own beside the
# machine's sources, with the same archives.
ensure_source_entries() {
    local list=/etc/apt/sources.list.d/viprats-deb-src.sources
    if [ -f "$list" ] || [ -f "${list%.sources}.list" ]; then return; fi
    log "adding deb-src entries in $list"
    local from=/etc/apt/sources.list.d/debian.sources
    if [ -f "$from" ]; then
        sed 's/^Types:.*/Types: deb-src/' "$from" | $SUDO tee "$list" >/dev/null
    else
        grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            $SUDO tee "${list%.sources}.list" >/dev/null
    fi
    $SUDO apt-get update -qq
}

# Unpacks Debian's source package NAME (with Debian's patches) into src/ and
# prints the source tree's path. A security update the archive does not serve
# falls back to the release's own version.
fetch() {
    local name=$1 dir
    dir=$(find "$SRC/$name" -mindepth 1 -maxdepth 1 -type d 2>/dev/null | head -n1)
    if [ -z "$dir" ]; then
        ensure_source_entries >&2  # fetch's output is the path alone
        rm -rf "$SRC/$name" && mkdir -p "$SRC/$name"
        local release
        release=$(. /etc/os-release && echo "${VERSION_CODENAME:-stable}")
        if ! (cd "$SRC/$name" && apt-get source -q "$name" >&2) &&
           ! (cd "$SRC/$name" && rm -rf ./* && apt-get source -q "$name/$release" >&2); then
            echo "tools/windows: cannot fetch Debian's source package '$name'" >&2
            return 1
        fi
        dir=$(find "$SRC/$name" -mindepth 1 -maxdepth 1 -type d | head -n1)
    fi
    echo "$dir"
}

built() { [ -f "$STAMPS/$1" ]; }
done_with() { touch "$STAMPS/$1"; }

# A fresh out-of-tree build directory for an autoconf package. MAKE_TARGETS
# and INSTALL_TARGETS narrow the build to the library where the package's
# sample programs do not cross-build.
autoconf_build() {
    local name=$1 src=$2
    shift 2
    rm -rf "${BUILD:?}/$name" && mkdir -p "$BUILD/$name"
    (cd "$BUILD/$name" && "$src/configure" "${CONFIGURE[@]}" "$@" &&
        make -j"$JOBS" ${MAKE_TARGETS:-} && make ${INSTALL_TARGETS:-install})
}

cmake_build() {
    local name=$1 src=$2
    shift 2
    rm -rf "${BUILD:?}/$name"
    cmake -S "$src" -B "$BUILD/$name" "${CMAKE_TOOLCHAIN[@]}" "$@"
    cmake --build "$BUILD/$name" -j"$JOBS"
    cmake --install "$BUILD/$name"
}

# zlib's configure cannot make a Windows DLL and Debian's source leaves out
# zlib's own Windows makefile, so the DLL is made here the way that makefile
# does: every library source into zlib1.dll, with libz.dll.a to link against.
# (libtool will not put a static zlib into libpng's DLL.)
build_zlib() {
    local src
    src=$(fetch zlib)
    rm -rf "${BUILD:?}/zlib" && mkdir -p "$BUILD/zlib"
    (cd "$BUILD/zlib" &&
        for c in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast \
                 inflate inftrees trees uncompr zutil; do
            $HOST-gcc -O2 -c "$src/$c.c" -o "$c.o" || exit 1
        done &&
        $HOST-gcc -shared -o zlib1.dll ./*.o -Wl,--out-implib,libz.dll.a &&
        mkdir -p "$PREFIX/bin" "$PREFIX/lib" "$PREFIX/include" &&
        cp zlib1.dll "$PREFIX/bin/" && cp libz.dll.a "$PREFIX/lib/" &&
        cp "$src/zlib.h" "$src/zconf.h" "$PREFIX/include/")
    # libpng's pkg-config file asks for zlib's.
    mkdir -p "$PREFIX/lib/pkgconfig"
    cat > "$PREFIX/lib/pkgconfig/zlib.pc" <<EOF
prefix=$PREFIX
Name: zlib
Description: zlib compression library
Version: $(sed -n 's/^#define ZLIB_VERSION "\(.*\)"/\1/p' "$src/zlib.h")
Libs: -L\${prefix}/lib -lz
Cflags: -I\${prefix}/include
EOF
}

build_libpng() {
    local src
    src=$(fetch libpng1.6)
    autoconf_build libpng "$src" --disable-static --enable-shared
}

build_libjpeg() {
    local src
    src=$(fetch libjpeg-turbo)
    cmake_build libjpeg "$src" -DENABLE_STATIC=OFF -DENABLE_SHARED=ON \
        -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_JAVA=OFF -DCMAKE_SYSTEM_PROCESSOR=AMD64
}

build_libogg() {
    local src
    src=$(fetch libogg)
    autoconf_build libogg "$src" --disable-static
}

build_libvorbis() {
    local src
    src=$(fetch libvorbis)
    autoconf_build libvorbis "$src" --disable-static --disable-docs \
        --disable-examples --disable-oggtest
}

build_freetype() {
    # The font library needs no image or compression helpers for one TrueType file.
    local src
    src=$(fetch freetype)
    autoconf_build freetype "$src" --disable-static --without-zlib --without-bzip2 \
        --without-png --without-harfbuzz --without-brotli --without-librsvg
}

build_sdl() {
    # The dummy video and audio drivers let the tests run headless.
    local src
    src=$(fetch libsdl1.2)
    autoconf_build sdl "$src" --disable-static --enable-video-dummy \
        --enable-dummyaudio --enable-diskaudio --disable-nasm --disable-rpath
    # Debian's sdl.pc keeps SDL's start-up library private, as Linux needs none.
    # A Windows program is entered through SDLmain's WinMain, which then calls
    # the game's main (renamed SDL_main by SDL's headers).
    sed -i 's/^Libs:.*/Libs: -L${libdir} -lmingw32 -lSDLmain -lSDL -mwindows/' \
        "$PREFIX/lib/pkgconfig/sdl.pc"
}

SDL_ADDON=(--disable-static --with-sdl-prefix="$PREFIX" --disable-sdltest)

build_sdl_mixer() {
    local src
    src=$(fetch sdl-mixer1.2)
    MAKE_TARGETS=build/libSDL_mixer.la INSTALL_TARGETS="install-hdrs install-lib" autoconf_build sdl_mixer "$src" "${SDL_ADDON[@]}" --enable-music-wave \
        --enable-music-ogg --disable-music-ogg-shared --disable-music-mod --disable-music-midi \
        --disable-music-mp3 --disable-music-flac --disable-music-cmd --disable-smpegtest
}

build_googletest() {
    # Static, so that the test program needs no further DLL of its own.
    cmake_build googletest /usr/src/googletest -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON \
        -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=ON
}

for step in zlib libpng libjpeg libogg libvorbis freetype sdl sdl_mixer googletest; do
    if built "$step"; then continue; fi
    log "building $step for Windows"
    start=$(date +%s)
    "build_$step"
    done_with "$step"
    echo "=== $step built in $(( $(date +%s) - start )) s"
done
