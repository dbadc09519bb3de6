#!/usr/bin/env bash
# Installs what building and testing need, and is quick when everything is already there:
#  - Debian packages: both mingw-w64 toolchains, Wine (64-bit and 32-bit), Xvfb, GoogleTest
#    sources, Google Benchmark, clang for the fuzzers, libjpeg for the native build, sox and
#    PulseAudio for listening to what the program plays, NSIS for the setup program;
#  - libjpeg-turbo cross-built for each mingw toolchain from Debian's source package.
# Everything comes from the machine's own package sources.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
deps=${QUELLAR_DEPS:-/opt/quellar-deps}
log() { printf 'setup: %s\n' "$*"; }

# A mirror in the middle of a sync answers some index files with the wrong size, and apt-get
# update then fails as a whole: try again a few times, then go on with the indexes that did
# arrive (the install that follows says plainly if a package cannot be found).
apt_update() {
    local try
    for try in 1 2 3; do
        $sudo apt-get update -qq && return 0
        log "package index update failed (try $try of 3)"
        sleep $((try * 10))
    done
    log "going on with the package indexes that could be read"
}

packages=(cmake make g++ git g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386
          xvfb xauth x11-utils googletest libbenchmark-dev clang libclang-rt-14-dev lld
          libjpeg62-turbo-dev clang-format dpkg-dev sox pulseaudio pulseaudio-utils imagemagick
          python3 xdotool nsis)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    log "installing ${missing[*]}"
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    apt_update
    if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null; then
        # The 32-bit packages are the first to break when a mirror's i386 index is out of step
        # with its amd64 one. Without them the win32 build is still built, and its Wine tests are
        # skipped with that reason given; everything else must install.
        rest=()
        for p in "${missing[@]}"; do [ "$p" = wine32:i386 ] || rest+=("$p"); done
        [ ${#rest[@]} -lt ${#missing[@]} ] || exit 1
        log "32-bit Wine could not be installed; going on without it"
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${rest[@]}" >/dev/null
    fi
fi

# libjpeg-turbo for the Windows builds, static, one prefix per toolchain.
jpeg_stamp() { echo "$deps/$1/lib/libjpeg.a"; }
need_jpeg=0
for t in i686-w64-mingw32 x86_64-w64-mingw32; do [ -f "$(jpeg_stamp $t)" ] || need_jpeg=1; done
if [ $need_jpeg -eq 1 ]; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    src=$deps/src
    mkdir -p "$src"
    if ! ls -d "$src"/libjpeg-turbo-*/ >/dev/null 2>&1; then
        # apt-get source needs a deb-src entry: derive one from the machine's own deb entries.
        if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
            log "adding source entries derived from the existing package sources"
            for f in /etc/apt/sources.list.d/*.sources; do
                [ -f "$f" ] || continue
                sed 's/^Types:.*/Types: deb-src/' "$f" | $sudo tee "/etc/apt/sources.list.d/quellar-src-$(basename "$f")" >/dev/null
            done
            if [ -f /etc/apt/sources.list ]; then
                grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                    $sudo tee /etc/apt/sources.list.d/quellar-src.list >/dev/null || true
            fi
        fi
        apt_update
        log "fetching libjpeg-turbo sources"
        (cd "$src" && apt-get source -qq libjpeg-turbo >/dev/null)
    fi
    jsrc=$(ls -d "$src"/libjpeg-turbo-*/ | head -1)
    for t in i686-w64-mingw32 x86_64-w64-mingw32; do
        [ -f "$(jpeg_stamp $t)" ] && continue
        log "cross-building libjpeg-turbo for $t"
        b=$deps/build-jpeg-$t
        rm -rf "$b"
        cmake -S "$jsrc" -B "$b" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchain-$t.cmake" \
            -DCMAKE_CROSSCOMPILING_EMULATOR= -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps/$t" \
            -DWITH_SIMD=0 -DENABLE_SHARED=0 -DENABLE_STATIC=1 -DWITH_TURBOJPEG=0 -DWITH_JAVA=0 \
            -DCMAKE_INSTALL_LIBDIR="$deps/$t/lib" >/dev/null
        cmake --build "$b" -j"$(nproc)" --target install >/dev/null
        rm -rf "$b"
    done
fi
log "ready"
