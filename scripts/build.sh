#!/usr/bin/env bash
# Configures (when needed) and builds the three trees:
#   build/native   g++, Debug, ASan+UBSan: the portable core and its unit tests
#   build/mingw64  64-bit MinGW, Release: RVLN.EXE, probe.exe and the Win32 tests run under Wine;
#                  the installer and the portable zip, copied to build/dist
#   build/mingw32  32-bit MinGW, Release: RVLN.EXE and its support files, which the end-to-end run
#                  starts for its 32-bit smoke tests (with the 64-bit tree's probe)
# usage: build.sh [native|mingw64|mingw32]...   (all three by default)
# Builds every requested tree even when one fails, and exits non-zero if any failed.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${RVLN_JOBS:-2}

# With a compiler cache a rebuild of unchanged sources costs next to nothing, also in a fresh
# clone: paths are hashed relative to the clone, so clones at other paths share the cache.
if [[ -z ${CMAKE_CXX_COMPILER_LAUNCHER:-} ]] && command -v ccache >/dev/null; then
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi

trees=("$@")
if [[ ${#trees[@]} -eq 0 ]]; then
    trees=(native mingw64 mingw32)
fi

configure() {
    local dir=$1
    shift
    # Ninja re-runs CMake by itself when a CMakeLists changes; only a tree that never finished
    # configuring needs it here.
    if [[ -f "$dir/build.ninja" ]]; then
        return 0
    fi
    cmake -S "$root" -B "$dir" -G Ninja "$@"
}

build_tree() {
    local tree=$1
    local dir=build/$tree
    case $tree in
        native)
            configure "$dir" -DCMAKE_BUILD_TYPE=Debug -DRVLN_SANITIZE=ON \
                -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ ;;
        mingw64)
            configure "$dir" -DCMAKE_BUILD_TYPE=Release \
                -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" ;;
        mingw32)
            configure "$dir" -DCMAKE_BUILD_TYPE=Release \
                -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" ;;
        *)
            echo "build: unknown tree '$tree'" >&2
            return 2 ;;
    esac || return 1
    # The 32-bit tree needs only the program (its support files come with it); its test programs
    # add nothing the 64-bit tree does not already run.
    local targets=()
    [[ $tree == mingw32 ]] && targets=(--target RVLN)
    cmake --build "$dir" -j "$jobs" "${targets[@]}" || return 1
    # The 64-bit tree also makes the installer and the portable zip; they are handed out from
    # build/dist.
    if [[ $tree == mingw64 ]]; then
        mkdir -p build/dist
        cp -p "$dir"/dist/Ravelin-*-setup.exe "$dir"/dist/Ravelin-*-portable.zip build/dist/
    fi
}

failed=()
for tree in "${trees[@]}"; do
    echo "== build $tree"
    start=$SECONDS
    if build_tree "$tree"; then
        echo "== build $tree: ok ($((SECONDS - start))s)"
    else
        echo "== build $tree: FAILED ($((SECONDS - start))s)"
        failed+=("$tree")
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "build failed: ${failed[*]}"
    exit 1
fi
