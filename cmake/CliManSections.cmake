# cmake -DCLI=... -DEXTRA=... -DOUTPUT=... -P CliManSections.cmake
# Writes the help2man include file of korvane-cli: a section COMMANDS with the help of every
# command as the program prints it, then the hand-written sections of EXTRA.
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE overview COMMAND_ERROR_IS_FATAL ANY)
if(NOT overview MATCHES "commands: ([^\n]*)")
    message(FATAL_ERROR "${CLI} --help lists no commands")
endif()
string(REPLACE " " ";" commands "${CMAKE_MATCH_1}")

set(sections "[COMMANDS]\n")
foreach(command ${commands})
    execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
    # troff: a backslash is written \e, and a line must not start with a control character.
    string(REPLACE "\\" "\\e" help "${help}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
    string(APPEND sections ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
file(READ ${EXTRA} extra)
file(WRITE ${OUTPUT} "${sections}\n${extra}")
