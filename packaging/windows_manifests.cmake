# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The package managers' manifests of the Windows packages, written after CPack has made each
# package, when its SHA-256 is known (CPACK_POST_BUILD_SCRIPTS, run once per generator):
#   ZIP   scoop/octaval.json: Scoop's manifest of the portable zip
#   NSIS  winget/Octaval.Octaval{,.installer,.locale.en-US}.yaml: winget's manifest of the
#         installer, in the multi-file form of manifest version 1.6.0
# in the folder where cpack runs. Everything comes from CPackConfig.cmake; run on its own it takes
# the same variables:
#   cmake -DCPACK_GENERATOR=ZIP -DCPACK_PACKAGE_FILES=... -DCPACK_PACKAGE_DIRECTORY=... -P ...
# The download address is CPACK_OCTAVAL_RELEASE_URL followed by the package's file name; while it
# is a placeholder (CPACK_OCTAVAL_RELEASE_URL_PLACEHOLDER), the manifests say so.
cmake_minimum_required(VERSION 3.25)

foreach(variable CPACK_GENERATOR CPACK_PACKAGE_FILES CPACK_PACKAGE_DIRECTORY CPACK_PACKAGE_VERSION
        CPACK_PACKAGE_VENDOR CPACK_OCTAVAL_HOMEPAGE CPACK_NSIS_DISPLAY_NAME
        CPACK_PACKAGE_INSTALL_REGISTRY_KEY CPACK_OCTAVAL_SUMMARY CPACK_OCTAVAL_LICENSE
        CPACK_OCTAVAL_COPYRIGHT CPACK_OCTAVAL_RELEASE_URL CPACK_OCTAVAL_RELEASE_URL_PLACEHOLDER)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "windows_manifests.cmake needs ${variable}")
    endif()
endforeach()
list(LENGTH CPACK_PACKAGE_FILES count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "windows_manifests.cmake: expected one ${CPACK_GENERATOR} package, got ${CPACK_PACKAGE_FILES}")
endif()
set(package ${CPACK_PACKAGE_FILES})
get_filename_component(file_name ${package} NAME)
file(SHA256 ${package} sha256)
set(url "${CPACK_OCTAVAL_RELEASE_URL}/${file_name}")
set(address_note "")
if(CPACK_OCTAVAL_RELEASE_URL_PLACEHOLDER)
    set(address_note "Placeholder addresses: no web site and no package is published at ${CPACK_OCTAVAL_HOMEPAGE} or ${CPACK_OCTAVAL_RELEASE_URL}")
endif()
set(version ${CPACK_PACKAGE_VERSION})

if(CPACK_GENERATOR STREQUAL "ZIP")
    # The zip holds one folder with the programs: Scoop unpacks that folder.
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${package}
        OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCH "^[^/\n]+" folder "${listing}")
    if(NOT listing MATCHES "(^|\n)${folder}/octaval-cli\\.exe(\n|$)")
        message(FATAL_ERROR "${file_name} holds no ${folder}/octaval-cli.exe")
    endif()
    # JSON has no comments: Scoop keeps them under "##".
    set(json "{}")
    if(address_note)
        string(JSON json SET "${json}" "##" "\"${address_note}\"")
    endif()
    foreach(member
            "version=${version}"
            "description=${CPACK_OCTAVAL_SUMMARY}"
            "homepage=${CPACK_OCTAVAL_HOMEPAGE}"
            "license=${CPACK_OCTAVAL_LICENSE}"
            "extract_dir=${folder}"
            "bin=octaval-cli.exe"
            "notes=Tab completion of octaval-cli in PowerShell: dot-source octaval-cli-completion.ps1 of this app's folder in your profile.")
        string(REGEX MATCH "^([^=]+)=(.*)$" _ "${member}")
        string(REPLACE "\\" "\\\\" value "${CMAKE_MATCH_2}")
        string(REPLACE "\"" "\\\"" value "${value}")
        string(JSON json SET "${json}" "${CMAKE_MATCH_1}" "\"${value}\"")
    endforeach()
    string(JSON json SET "${json}" architecture "{\"64bit\": {\"url\": \"${url}\", \"hash\": \"${sha256}\"}}")
    string(JSON json SET "${json}" shortcuts "[[\"octaval.exe\", \"Octaval\"]]")
    file(WRITE ${CPACK_PACKAGE_DIRECTORY}/scoop/octaval.json "${json}\n")
    message(STATUS "Scoop manifest: ${CPACK_PACKAGE_DIRECTORY}/scoop/octaval.json")
    return()
elseif(NOT CPACK_GENERATOR STREQUAL "NSIS")
    return()
endif()

# A YAML string in single quotes, which keep every character but the quote itself.
function(yaml out text)
    string(REPLACE "'" "''" text "${text}")
    set(${out} "'${text}'" PARENT_SCOPE)
endfunction()
set(id Octaval.Octaval)
foreach(name version publisher summary homepage license copyright display_name product_code url)
    set(value_version ${version})
    set(value_publisher ${CPACK_PACKAGE_VENDOR})
    set(value_summary ${CPACK_OCTAVAL_SUMMARY})
    set(value_homepage ${CPACK_OCTAVAL_HOMEPAGE})
    set(value_license ${CPACK_OCTAVAL_LICENSE})
    set(value_copyright ${CPACK_OCTAVAL_COPYRIGHT})
    # What the installer writes into the list of installed programs, by which winget knows it.
    set(value_display_name ${CPACK_NSIS_DISPLAY_NAME})
    set(value_product_code ${CPACK_PACKAGE_INSTALL_REGISTRY_KEY})
    set(value_url ${url})
    yaml(${name} "${value_${name}}")
endforeach()
string(TOUPPER ${sha256} sha256)
if(address_note)
    set(address_note "  # ${address_note}\n")
endif()
set(head "PackageIdentifier: ${id}\nPackageVersion: ${version}\n")
set(tail "ManifestVersion: 1.6.0\n")
set(schema "# yaml-language-server: $schema=https://aka.ms/winget-manifest")
set(winget ${CPACK_PACKAGE_DIRECTORY}/winget)
file(WRITE ${winget}/${id}.yaml "${schema}.version.1.6.0.schema.json
${head}DefaultLocale: en-US
ManifestType: version
${tail}")
file(WRITE ${winget}/${id}.locale.en-US.yaml "${schema}.defaultLocale.1.6.0.schema.json
${head}PackageLocale: en-US
Publisher: ${publisher}
PackageName: Octaval
PackageUrl: ${homepage}
License: ${license}
Copyright: ${copyright}
ShortDescription: ${summary}
Moniker: octaval
Tags:
- calculator
- ipv4
- subnet
ManifestType: defaultLocale
${tail}")
file(WRITE ${winget}/${id}.installer.yaml "${schema}.installer.1.6.0.schema.json
${head}InstallerType: nullsoft
Scope: machine
ElevationRequirement: elevatesSelf
UpgradeBehavior: install
ProductCode: ${product_code}
AppsAndFeaturesEntries:
- DisplayName: ${display_name}
  Publisher: ${publisher}
  ProductCode: ${product_code}
Installers:
- Architecture: x64
${address_note}  InstallerUrl: ${url}
  InstallerSha256: ${sha256}
ManifestType: installer
${tail}")
message(STATUS "winget manifest: ${winget}/")
