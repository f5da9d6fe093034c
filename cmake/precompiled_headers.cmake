# Precompiled headers: the standard, Qt and GoogleTest headers that nearly every file includes
# are parsed once per build tree instead of once per file.
#
# Each set is compiled once, in a small anchor target of its own, and every library or test of
# that kind reuses it. GCC uses a precompiled header only where the flags it depends on match
# (-fPIC, and the macros its headers test), so each anchor links what its users link; GCC says
# "-Winvalid-pch" and falls back to the plain headers where they do not. Logic libraries get the
# standard headers only, so no Qt declaration leaks into them. The sanitizer tree compiles with
# clang, which refuses a precompiled header whose macros differ instead of passing over it:
# there every user of an anchor has its anchor's flags. The fuzz build goes without, so its
# files compile on their own includes (in batches of other neighbours than in the other trees,
# cmake/build_speed.cmake) and show one that is missing.
#
# CMAKE_DISABLE_PRECOMPILE_HEADERS=ON turns them off for a tree.

set(ZEMLO_PCH_STANDARD <algorithm> <array> <cstddef> <cstdint> <filesystem> <functional>
                       <memory> <optional> <string> <string_view> <unordered_map> <utility>
                       <vector>)
set(ZEMLO_PCH_QT <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDir>
                 <QGroupBox> <QKeyEvent> <QLabel> <QLineEdit> <QListView> <QMenu> <QObject>
                 <QPushButton> <QRadioButton> <QString> <QTabWidget> <QTimer> <QVBoxLayout>
                 <QWidget>)
set(ZEMLO_PCH_TEST <gtest/gtest.h>)

set(ZEMLO_USE_PCH ON)
if(ZEMLO_FUZZ OR CMAKE_DISABLE_PRECOMPILE_HEADERS)
    set(ZEMLO_USE_PCH OFF)
endif()

# An anchor needs a source of its own besides the header; an empty one does.
set(ZEMLO_PCH_ANCHOR_SOURCE ${CMAKE_BINARY_DIR}/pch/anchor.cpp)
if(ZEMLO_USE_PCH AND NOT EXISTS ${ZEMLO_PCH_ANCHOR_SOURCE})
    file(WRITE ${ZEMLO_PCH_ANCHOR_SOURCE} "// Only here to give a precompiled header a target.\n")
endif()

# zemlo_pch_anchor(NAME HEADERS... [LINK TARGETS...] [OPTIONS FLAGS...]): the anchor NAME
# precompiles HEADERS with the flags that linking TARGETS gives, and FLAGS.
function(zemlo_pch_anchor name)
    if(NOT ZEMLO_USE_PCH)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "HEADERS;LINK;OPTIONS")
    add_library(${name} STATIC ${ZEMLO_PCH_ANCHOR_SOURCE})
    target_precompile_headers(${name} PRIVATE ${arg_HEADERS})
    if(arg_LINK)
        target_link_libraries(${name} PRIVATE ${arg_LINK})
    endif()
    if(arg_OPTIONS)
        target_compile_options(${name} PRIVATE ${arg_OPTIONS})
    endif()
endfunction()

# The sanitizer tree (scripts/sanitize.sh) compiles its libraries without optimisation, as the
# tests are compiled everywhere, so there the libraries take the tests' precompiled headers
# (below), GoogleTest's declarations included, and each kind's header is compiled once instead
# of twice.
if(ZEMLO_SANITIZE)
    set(ZEMLO_PCH_IN_PLACE_OF_zemlo_pch_logic zemlo_pch_logic_test)
    set(ZEMLO_PCH_IN_PLACE_OF_zemlo_pch_qt zemlo_pch_widget_test)
endif()

# zemlo_use_pch(TARGET ANCHOR): TARGET compiles with ANCHOR's precompiled header.
function(zemlo_use_pch target anchor)
    if(DEFINED ZEMLO_PCH_IN_PLACE_OF_${anchor})
        set(anchor ${ZEMLO_PCH_IN_PLACE_OF_${anchor}})
        # The flags GoogleTest's users get (-DGTEST_HAS_PTHREAD=1), which the header depends on.
        target_compile_options(
            ${target} PRIVATE $<TARGET_PROPERTY:GTest::gtest,INTERFACE_COMPILE_OPTIONS>)
    endif()
    if(ZEMLO_USE_PCH)
        target_precompile_headers(${target} REUSE_FROM ${anchor})
    endif()
endfunction()

if(NOT ZEMLO_SANITIZE)
    zemlo_pch_anchor(zemlo_pch_logic HEADERS ${ZEMLO_PCH_STANDARD})
    zemlo_pch_anchor(zemlo_pch_qt HEADERS ${ZEMLO_PCH_STANDARD} ${ZEMLO_PCH_QT} LINK Qt6::Widgets)
endif()
# The tests' own: logic tests link only plain C++ libraries, widget tests Qt; a logic test that
# links a Qt library has Qt's flags and takes the widget tests' header. -O0 as the test programs
# compile (tests/CMakeLists.txt): GCC uses a precompiled header only where the optimisation
# macros match.
zemlo_pch_anchor(zemlo_pch_logic_test HEADERS ${ZEMLO_PCH_STANDARD} ${ZEMLO_PCH_TEST}
                 LINK GTest::gtest OPTIONS -O0)
zemlo_pch_anchor(zemlo_pch_widget_test HEADERS ${ZEMLO_PCH_STANDARD} ${ZEMLO_PCH_QT}
                 ${ZEMLO_PCH_TEST} LINK GTest::gtest Qt6::Widgets OPTIONS -O0)
