# SPDX-License-Identifier: GPL-3.0-or-later
# Run with cmake -P: installs the build into STAGE and checks what desktop users rely on.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}/usr RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
    usr/bin/morvela
    usr/share/applications/${APP_ID}.desktop
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/icons/hicolor/32x32/apps/${APP_ID}.png
    usr/share/icons/hicolor/48x48/apps/${APP_ID}.png
    usr/share/icons/hicolor/64x64/apps/${APP_ID}.png
    usr/share/icons/hicolor/128x128/apps/${APP_ID}.png
    usr/share/icons/hicolor/256x256/apps/${APP_ID}.png
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    usr/share/doc/morvela/copyright
    usr/share/doc/morvela/changelog.gz
    usr/share/man/man1/morvela.1.gz)
foreach(f IN LISTS expected)
    if(NOT EXISTS ${STAGE}/${f})
        message(FATAL_ERROR "missing from the installed tree: ${f}")
    endif()
endforeach()
if(NOT IS_DIRECTORY ${STAGE}/usr/bin OR IS_SYMLINK ${STAGE}/usr/bin/morvela)
    message(FATAL_ERROR "usr/bin/morvela is not a program")
endif()

# Compressed with gzip -9n: no file name (flag bit 3) and a zero time stamp (bytes 4 to 7) in the header, so
# the package holds the same bytes on every build.
foreach(f usr/share/doc/morvela/changelog.gz usr/share/man/man1/morvela.1.gz)
    file(READ ${STAGE}/${f} header LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 6 magic)
    string(SUBSTRING "${header}" 6 2 flags)
    string(SUBSTRING "${header}" 8 8 mtime)
    math(EXPR has_name "0x${flags} & 8")
    if(NOT magic STREQUAL "1f8b08" OR NOT has_name EQUAL 0 OR NOT mtime STREQUAL "00000000")
        message(FATAL_ERROR "${f} is not gzip -n output (header ${header})")
    endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${STAGE}/usr/share/applications/${APP_ID}.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()

find_program(APPSTREAMCLI appstreamcli REQUIRED)
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
                        ${STAGE}/usr/share/metainfo/${APP_ID}.metainfo.xml
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${out}")
endif()
message(STATUS "installed tree is complete; desktop entry and metainfo are valid")
