# Run by CPack on the staged files before it builds the Debian package: what Debian asks of a
# package and `cmake --install` has no use for. Manual pages compressed, the copyright file, and
# the changelog made from NEWS.md, so the two stay in step.
set(share "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share")
file(GLOB pages "${share}/man/man1/*.1")
foreach(page IN LISTS pages)
    execute_process(COMMAND gzip -9n "${page}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

set(doc "${share}/doc/boardset-editor")
file(READ "${doc}/LICENSE" text)
file(WRITE "${doc}/copyright" "boardset-editor, the BoardSet Editor for Plinkor 2.\n"
     "Copyright (c) 2026 The BoardSet Editor authors, under the MIT licence:\n\n${text}")
file(REMOVE "${doc}/LICENSE") # the copyright file holds it

# Each "## VERSION (DATE)" of NEWS.md with its "- " items, as a Debian changelog entry.
file(STRINGS "${CPACK_BSE_NEWS}" lines ENCODING UTF-8)
set(changelog "")
set(entry "")
macro(close_entry)
    if(entry)
        execute_process(COMMAND date -u -R -d "${date}" OUTPUT_VARIABLE when
                        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND changelog "${entry}\n -- ${CPACK_PACKAGE_CONTACT}  ${when}\n\n")
    endif()
endmacro()
foreach(line IN LISTS lines)
    if(line MATCHES "^## ([0-9.]+) \\(([0-9-]+)\\)")
        close_entry()
        set(date "${CMAKE_MATCH_2}")
        set(entry "boardset-editor (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
    elseif(entry AND line MATCHES "^- (.*)")
        string(APPEND entry "  * ${CMAKE_MATCH_1}\n")
    elseif(entry AND line MATCHES "^  (.*)")
        string(APPEND entry "    ${CMAKE_MATCH_1}\n")
    endif()
endforeach()
close_entry()
string(REGEX REPLACE "\n\n$" "\n" changelog "${changelog}")
file(WRITE "${doc}/changelog" "${changelog}")
execute_process(COMMAND gzip -9n "${doc}/changelog" COMMAND_ERROR_IS_FATAL ANY)
