# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages: octaval-<version>-win64.zip, and with Debian's nsis the installer
# octaval-<version>-win64-setup.exe (per machine, to Program Files\Octaval, with a Start-menu
# shortcut, an entry in the installed programs with its uninstaller, silent with /S). Both hold
# the two programs, the README, the licence and the licences of what the programs link in: Qt
# (LGPL-3.0, with the copyright notices of its parts from Debian's qt6-base) and the run-time
# libraries of GCC and MinGW-w64 (from Debian's copyright files of their packages), the
# PowerShell completion of octaval-cli and the JSON Schemas of its output (in schemas). After each
# package, its manifest for winget or Scoop.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION . COMPONENT octaval-cli)
install(FILES ${schemas} DESTINATION schemas COMPONENT octaval-cli)
set(licences
    /usr/share/common-licenses/LGPL-3 Qt-LGPL-3.0.txt
    /usr/share/doc/qt6-base-dev/copyright Qt-copyright.txt
    /usr/share/doc/gcc-mingw-w64-base/copyright GCC-runtime-copyright.txt
    /usr/share/doc/mingw-w64-x86-64-dev/copyright MinGW-w64-runtime-copyright.txt)
while(licences)
    list(POP_FRONT licences source name)
    install(FILES ${source} DESTINATION licences RENAME ${name} COMPONENT octaval-cli)
endwhile()

set(CPACK_PACKAGE_FILE_NAME octaval-${PROJECT_VERSION}-win64)
find_program(OCTAVAL_MAKENSIS makensis DOC "NSIS, for the Windows installer")
if(OCTAVAL_MAKENSIS)
    list(APPEND CPACK_GENERATOR NSIS)
endif()
# The installer's file name ends in -setup (packaging/cpack_options.cmake).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_options.cmake)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Octaval)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Octaval)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Octaval)
set(CPACK_NSIS_DISPLAY_NAME "Octaval ${OCTAVAL_VERSION_DISPLAY}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES octaval Octaval)
set(CPACK_NSIS_INSTALLED_ICON_NAME octaval.exe)
set(CPACK_NSIS_MUI_ICON ${OCTAVAL_ICO_FILE})
set(CPACK_NSIS_MUI_UNIICON ${OCTAVAL_ICO_FILE})
set(CPACK_NSIS_CONTACT "${OCTAVAL_CONTACT}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer, like the programs it installs.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# One package of everything: the installer offers no choice of components (nor can NSIS name a
# component "octaval-cli").
set(CPACK_MONOLITHIC_INSTALL ON)

# The manifests of winget (for the installer) and Scoop (for the zip), written into winget/ and
# scoop/ of the build folder once each package is made (packaging/windows_manifests.cmake). No
# release is published yet: unless OCTAVAL_RELEASE_URL names the folder that this version's
# packages are downloaded from, the manifests give a placeholder under the project's homepage
# and say so.
set(OCTAVAL_RELEASE_URL "" CACHE STRING
    "Folder that this version's Windows packages are downloaded from, for their manifests")
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/windows_manifests.cmake)
# Both formats must name a home page too: the project publishes none, so it is a placeholder
# under the reserved .invalid domain, which the manifests mark as such with the download address.
set(homepage "https://octaval.invalid")
set(CPACK_OCTAVAL_HOMEPAGE "${homepage}/")
set(CPACK_OCTAVAL_RELEASE_URL "${OCTAVAL_RELEASE_URL}")
set(CPACK_OCTAVAL_RELEASE_URL_PLACEHOLDER OFF)
if(NOT OCTAVAL_RELEASE_URL)
    set(CPACK_OCTAVAL_RELEASE_URL "${homepage}/releases/${PROJECT_VERSION}")
    set(CPACK_OCTAVAL_RELEASE_URL_PLACEHOLDER ON)
endif()
set(CPACK_OCTAVAL_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_OCTAVAL_LICENSE GPL-3.0-or-later)
set(CPACK_OCTAVAL_COPYRIGHT "${OCTAVAL_COPYRIGHT}")
