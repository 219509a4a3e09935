# Writes help2man's include file with a COMMANDS section: the help of each
# of the command line's commands, as `PROGRAM <command> --help` prints it.
# Run as cmake -DPROGRAM=... -DOUTPUT=... -P command_help.cmake.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed")
endif()
string(REGEX REPLACE ".*\nSubcommands:\n" "" listing "${help}")
string(REGEX REPLACE "\n\n.*" "" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(text "[COMMANDS]\n")
foreach(line IN LISTS lines)
  if(line MATCHES "^  ([a-z][a-z-]*)")
    set(command ${CMAKE_MATCH_1})
    execute_process(COMMAND ${PROGRAM} ${command} --help OUTPUT_VARIABLE command_help)
    # The footer on answering questions stands once, in the page's description.
    string(REGEX REPLACE "\n\nQuestions are answered[^\n]*\n*$" "\n" command_help "${command_help}")
    # Backslashes and leading dots mean something to the page's formatter.
    string(REPLACE "\\" "\\e" command_help "${command_help}")
    string(REGEX REPLACE "(^|\n)\\." "\\1\\\\&." command_help "${command_help}")
    string(APPEND text ".SS ${command}\n.nf\n${command_help}.fi\n")
  endif()
endforeach()
file(WRITE ${OUTPUT} "${text}")
