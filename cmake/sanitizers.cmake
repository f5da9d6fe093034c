# Two extra ways to build the project, each in a build folder of its own:
#   ZEMLO_SANITIZE  the whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer
#                   (scripts/sanitize.sh, build-asan/); no benchmarks, no Xvfb program test.
#   ZEMLO_FUZZ      the libFuzzer targets in fuzz/ (clang only; scripts/fuzz.sh, build-fuzz/).
option(ZEMLO_SANITIZE "Build everything with ASan and UBSan" OFF)
option(ZEMLO_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(ZEMLO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                          -fno-omit-frame-pointer)
if(ZEMLO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "ZEMLO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(${ZEMLO_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
    # Deck lists full at 64 entries instead of 32,767 (src/deck/entry_merge.h).
    add_compile_definitions(ZEMLO_FUZZ_LIST_LIMIT=64)
    add_link_options(${ZEMLO_SANITIZER_FLAGS})
elseif(ZEMLO_SANITIZE)
    add_compile_options(${ZEMLO_SANITIZER_FLAGS})
    add_link_options(${ZEMLO_SANITIZER_FLAGS})
endif()
