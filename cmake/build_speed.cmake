# Linking: the test suite links a few dozen executables against Qt, three build trees over.
# LLVM's linker (Debian's lld, which scripts/ensure-deps.sh installs) does that several times
# faster than the default one; without it the build links as before.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld ZEMLO_HAVE_LLD)
if(ZEMLO_HAVE_LLD)
    add_link_options(-fuse-ld=lld)
endif()

# Unity builds: each target compiles its sources in batches of up to eight files, one compiler
# run a batch, so the headers, the precompiled header's load and GoogleTest's expansions are
# paid once a batch instead of once a file. Names private to a file (an anonymous namespace)
# must therefore differ between the files of one library or test program. A file that forgot
# an include compiles where an earlier file of its batch made it; the fuzz tree batches five
# files instead of eight (measured: 196 s of CPU file by file, 116 s in eights), so most files
# have other neighbours there than in the other trees, and a forgotten include shows in one of
# them. -DCMAKE_UNITY_BUILD=OFF turns batches off for a tree of your own, where a change to one
# file then recompiles that file alone.
if(NOT DEFINED CMAKE_UNITY_BUILD)
    set(CMAKE_UNITY_BUILD ON)
    if(ZEMLO_FUZZ)
        set(CMAKE_UNITY_BUILD_BATCH_SIZE 5)
    endif()
endif()
