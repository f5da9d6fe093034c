# Each library exports only the headers of its own folder. Its include root in the build tree
# holds one entry, src/<folder> under its own name, so `#include "deck/deck.h"` compiles only
# in a library that is deck/'s own or links one of deck/'s libraries (directly or through the
# libraries it links); an include of a library it does not link fails to compile.
#   zemlo_own_headers(TARGET) gives TARGET the include root of the folder whose CMakeLists.txt
#   makes it.
function(zemlo_own_headers target)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_BINARY_DIR}/include/${folder})
    # Made anew where missing or still leading to a source tree that has moved since.
    set(linked "")
    if(IS_SYMLINK ${root}/${folder})
        file(READ_SYMLINK ${root}/${folder} linked)
    endif()
    if(NOT linked STREQUAL CMAKE_CURRENT_SOURCE_DIR)
        file(MAKE_DIRECTORY ${root})
        file(REMOVE ${root}/${folder})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
