# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Toolchain of the `windows` preset: MinGW-w64 (the compiler settings that Qt for Windows was
# built with), and the static Qt for Windows in OCTAVAL_QT_WINDOWS, the preset's cache variable
# (scripts/qt-windows builds it and prints its folder). The host's moc, rcc and uic come from
# the host's Qt, as Qt was configured.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
if(OCTAVAL_QT_WINDOWS)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${OCTAVAL_QT_WINDOWS})
    list(PREPEND CMAKE_PREFIX_PATH ${OCTAVAL_QT_WINDOWS}/lib/cmake)
endif()

# One file for each program, with nothing beside it: the C and C++ run-time libraries and the
# threads library are linked in. Unused functions and data are dropped.
string(APPEND CMAKE_C_FLAGS_INIT " -ffunction-sections -fdata-sections")
string(APPEND CMAKE_CXX_FLAGS_INIT " -ffunction-sections -fdata-sections")
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -static -Wl,--gc-sections")
# The test suite runs the programs under Wine (scripts/check-windows sets up its prefix).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
