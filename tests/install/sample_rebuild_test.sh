#!/usr/bin/env bash
# A small build tree of its own, placing its generator's output with the project's own rule:
# the player's ZEMLO.dat in the program folder survives rebuilds of the generator, while a
# sample the build wrote follows the generator and a missing one comes back.
#   sample_rebuild_test.sh CMAKE_MODULE_DIR CXX_COMPILER GENERATOR MAKE_PROGRAM
set -u
modules=$1 cxx=$2 generator=$3 make_program=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

mkdir -p "$work/src"
cat >"$work/src/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(sample_tree LANGUAGES CXX)
add_executable(gen gen.cpp)
include("$modules/sample_data.cmake")
zemlo_sample_data(gen \${CMAKE_BINARY_DIR}/sample \${CMAKE_BINARY_DIR}/bin)
CMAKE
write_generator() {  # the text it writes
    printf '%s\n' '#include <cstdio>' \
        'int main(int, char** argv) {' \
        '    std::FILE* f = std::fopen(argv[1], "wb");' \
        "    return f && std::fputs(\"$1\", f) >= 0 && std::fclose(f) == 0 ? 0 : 1;" \
        '}' >"$work/src/gen.cpp"
}
build() {
    cmake --build "$work/build" >"$work/build.log" 2>&1 || fail "build: $(cat "$work/build.log")"
}
placed() { cat "$work/build/bin/ZEMLO.dat"; }

write_generator "sample one"
cmake -S "$work/src" -B "$work/build" -G "$generator" -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_MAKE_PROGRAM="$make_program" >"$work/configure.log" 2>&1 ||
    fail "configure: $(cat "$work/configure.log")"
build
[ "$(placed)" = "sample one" ] || fail "first build placed: $(placed)"

write_generator "sample two"
build
[ "$(placed)" = "sample two" ] || fail "the build's own sample did not follow the generator: $(placed)"

printf 'player card data\r\n\x83\x5e' >"$work/build/bin/ZEMLO.dat"
cp "$work/build/bin/ZEMLO.dat" "$work/player.dat"
write_generator "sample three"
build
cmp -s "$work/player.dat" "$work/build/bin/ZEMLO.dat" || fail "the player's card data was overwritten"
[ "$(cat "$work/build/sample/ZEMLO.dat")" = "sample three" ] || fail "the sample was not rebuilt"
build
cmp -s "$work/player.dat" "$work/build/bin/ZEMLO.dat" || fail "a build without changes overwrote it"

rm "$work/build/bin/ZEMLO.dat"
build
[ "$(placed)" = "sample three" ] || fail "a removed sample did not come back: $(placed)"

# A link may lead to the player's data elsewhere: even a dangling one is left in place.
rm "$work/build/bin/ZEMLO.dat"
ln -s "$work/elsewhere/ZEMLO.dat" "$work/build/bin/ZEMLO.dat"
write_generator "sample four"
build
[ -L "$work/build/bin/ZEMLO.dat" ] || fail "the link to the card data was replaced"
echo "sample data survives generator rebuild: ok"
