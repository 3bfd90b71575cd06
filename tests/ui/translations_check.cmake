# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation of the windows is not complete and current: lupdate reads the sources
# into a copy of each .ts file, which must come out unchanged (no text new in the sources, none
# gone from them) and hold no unfinished entry.
# cmake -DLUPDATE=<lupdate> -DOPTIONS=<lupdate's options> -DSOURCES=<report/'s translated sources>
#       -DSOURCE_DIR=<repository> -DWORK_DIR=<scratch folder> -P this file
file(GLOB ts_files "${SOURCE_DIR}/ui/translations/*.ts")
if(NOT ts_files)
    message(FATAL_ERROR "no translations in ${SOURCE_DIR}/ui/translations")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(failed FALSE)
foreach(ts IN LISTS ts_files)
    get_filename_component(name "${ts}" NAME)
    set(copy "${WORK_DIR}/${name}")
    file(COPY_FILE "${ts}" "${copy}")
    # The options and sources of the update_translations target (ui/CMakeLists.txt).
    execute_process(
        COMMAND "${LUPDATE}" -silent ${OPTIONS} -I "${SOURCE_DIR}" "${SOURCE_DIR}/ui" ${SOURCES}
                -ts "${copy}"
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(READ "${ts}" before)
    file(READ "${copy}" after)
    if(NOT before STREQUAL after)
        message(SEND_ERROR "${name} is not current with the sources: texts were added or removed "
                           "(cmake --build <dir> --target update_translations, then translate)")
        set(failed TRUE)
    endif()
    string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" open "${after}")
    list(LENGTH open count)
    if(count GREATER 0)
        message(SEND_ERROR "${name}: ${count} entries unfinished or obsolete")
        set(failed TRUE)
    endif()
endforeach()
