# SPDX-License-Identifier: GPL-3.0-or-later
# What Debian asks of every package beyond the program itself: the copyright file, the changelog and the
# manual page where Debian looks for them, and an extended description. Included by packaging/CMakeLists.txt
# before CPack.
find_program(GZIP_PROGRAM gzip REQUIRED)

set(debian_doc ${CMAKE_INSTALL_DATADIR}/doc/morvela)
set(debian_out ${CMAKE_CURRENT_BINARY_DIR}/debian)
file(MAKE_DIRECTORY ${debian_out})

# gzip -9n: the best compression, and neither the file name nor a time stamp in the header, so the same text
# always gives the same bytes (a reproducible package).
set(debian_gzipped)
foreach(pair IN ITEMS "changelog|changelog.gz" "morvela.1|morvela.1.gz")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 in)
    list(GET pair 1 out)
    add_custom_command(OUTPUT ${debian_out}/${out}
                       COMMAND ${GZIP_PROGRAM} -9n -c ${CMAKE_CURRENT_LIST_DIR}/${in} > ${debian_out}/${out}
                       DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${in}
                       COMMENT "Compressing ${in}"
                       VERBATIM)
    list(APPEND debian_gzipped ${debian_out}/${out})
endforeach()
add_custom_target(morvela-debian-docs ALL DEPENDS ${debian_gzipped})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${debian_out}/changelog.gz DESTINATION ${debian_doc})
install(FILES ${debian_out}/morvela.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The lines after the summary in the package's Description field (CPack indents them and writes an empty line
# as " ."); at most 80 characters a line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Morvela is a small desktop utility for Chinese-speaking users, with all its
texts in Simplified Chinese. One fixed-size window of tab pages holds a
one-day planner of half-hour slots, a sticky note, a date query (weekday,
week and day of the year, season), web-mail shortcuts, calculators for two
linear equations and for a quadratic equation, an irregular English verb
lookup, a voucher-to-discount converter and a local IP address and
computer-name fetcher.

The schedule, the note and the host identity are saved as plain text files
in the GBK encoding with CR LF line ends, in the folder named by the
environment variable MORVELA_DRIVE_D (~/D by default).")

# Built as Debian builds its programs: every relocation resolved at start, so the whole relocation table can
# be read-only (full RELRO); and, when the install strips, also the .comment and .note sections dh_strip drops.
target_link_options(morvela PRIVATE LINKER:-z,relro LINKER:-z,now)
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(f IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
            if(f MATCHES \"/${CMAKE_INSTALL_BINDIR}/morvela\$\")
                execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                                        \"\$ENV{DESTDIR}\${f}\"
                                COMMAND_ERROR_IS_FATAL ANY)
            endif()
        endforeach()
    endif()")
