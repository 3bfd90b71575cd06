# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Toolchain of the `windows` preset: MinGW-w64 with the static Qt for Windows that
# scripts/qt-windows builds into the user's cache. Qt's own toolchain file loads the compiler
# settings (cmake/mingw-w64.cmake, as Qt was built with it) and finds the host's moc, rcc and uic.
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/qt-windows --prefix
    OUTPUT_VARIABLE _octaval_qt OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT EXISTS ${_octaval_qt}/.octaval-complete)
    message(FATAL_ERROR "There is no Qt for Windows in ${_octaval_qt} yet: build it with "
        "scripts/qt-windows (about 15 minutes on 2 cores; once per machine).")
endif()
include(${_octaval_qt}/lib/cmake/Qt6/qt.toolchain.cmake)

# One file for each program, with nothing beside it: the C and C++ run-time libraries and the
# threads library are linked in. Unused functions and data are dropped.
string(APPEND CMAKE_C_FLAGS_INIT " -ffunction-sections -fdata-sections")
string(APPEND CMAKE_CXX_FLAGS_INIT " -ffunction-sections -fdata-sections")
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -static -Wl,--gc-sections")
# The test suite runs the programs under Wine (scripts/check-windows sets up its prefix).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
