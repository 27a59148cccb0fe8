# korvane_man_page(TARGET [WITH_COMMANDS]): the section-1 manual page of the program TARGET,
# written by help2man from its --help and --version with the sections of app/TARGET.h2m (NAME
# among them), compressed as Debian installs manual pages. WITH_COMMANDS adds the help of every
# command of korvane-cli. All manual pages hang on the target korvane_man_pages.
find_program(KORVANE_HELP2MAN help2man)
find_program(KORVANE_GZIP gzip)
if(NOT TARGET korvane_man_pages)
    add_custom_target(korvane_man_pages ALL)
endif()

function(korvane_man_page target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "WITH_COMMANDS" "" "")
    if(NOT KORVANE_HELP2MAN OR NOT KORVANE_GZIP OR NOT UNIX OR CMAKE_CROSSCOMPILING)
        message(STATUS "No manual page for ${target}: help2man, gzip or a native Unix build is missing")
        return()
    endif()
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/man)
    set(page ${folder}/${target}.1)
    set(sections ${CMAKE_CURRENT_SOURCE_DIR}/${target}.h2m)
    if(arg_WITH_COMMANDS)
        set(with_commands ${folder}/${target}.h2m)
        add_custom_command(OUTPUT ${with_commands}
            COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:${target}> -DEXTRA=${sections}
                -DOUTPUT=${with_commands} -P ${PROJECT_SOURCE_DIR}/cmake/CliManSections.cmake
            DEPENDS ${target} ${sections} ${PROJECT_SOURCE_DIR}/cmake/CliManSections.cmake
            VERBATIM)
        set(sections ${with_commands})
    endif()
    add_custom_command(OUTPUT ${page}.gz
        # The texts are UTF-8; help2man reads them so only under a UTF-8 locale.
        COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${KORVANE_HELP2MAN} --locale=C.UTF-8 --no-info
            --section=1 --include=${sections}
            --output=${page} $<TARGET_FILE:${target}>
        COMMAND ${KORVANE_GZIP} -9nf ${page}
        DEPENDS ${target} ${sections}
        COMMENT "Writing the manual page of ${target}"
        VERBATIM)
    add_custom_target(${target}_man_page DEPENDS ${page}.gz)
    add_dependencies(korvane_man_pages ${target}_man_page)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
