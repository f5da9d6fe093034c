# Linking: the test suite links a few dozen executables against Qt, three build trees over.
# LLVM's linker (Debian's lld, which scripts/ensure-deps.sh installs) does that several times
# faster than the default one; without it the build links as before.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld ZEMLO_HAVE_LLD)
if(ZEMLO_HAVE_LLD)
    add_link_options(-fuse-ld=lld)
endif()
