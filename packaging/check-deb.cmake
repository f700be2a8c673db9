# SPDX-License-Identifier: GPL-3.0-or-later
# Run with cmake -P: makes the .deb with CPack into OUT, checks what Debian asks of it, and has lintian, the
# package checker of Debian itself, find no error and no warning in it.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs ${OUT}/morvela_*.deb)
list(LENGTH debs count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made no single morvela_*.deb:\n${out}")
endif()

find_program(DPKG_DEB dpkg-deb REQUIRED)
execute_process(COMMAND ${DPKG_DEB} --contents ${debs} OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
foreach(f ./usr/bin/morvela ./usr/share/doc/morvela/copyright ./usr/share/doc/morvela/changelog.gz
          ./usr/share/man/man1/morvela.1.gz)
    string(FIND "${contents}" " ${f}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "missing from the package: ${f}\n${contents}")
    endif()
endforeach()

# The extended description: the Description field goes on after its summary line.
execute_process(COMMAND ${DPKG_DEB} --field ${debs} Description OUTPUT_VARIABLE description
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n [^\n]+" extended "${description}")
list(LENGTH extended lines)
if(lines LESS 3)
    message(FATAL_ERROR "the package has no extended description:\n${description}")
endif()

find_program(LINTIAN lintian)
if(NOT LINTIAN)
    message(STATUS "lintian is not installed: the package was not checked by it")
    return()
endif()
# --fail-on error,warning: the exit status says whether any error or warning was found. Running as root
# only adds a notice.
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --info --no-tag-display-limit ${debs}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian (exit ${rc}):\n${out}${err}")
endif()
message(STATUS "lintian finds no error and no warning in ${debs}")
