# Writes the --help of each subcommand of tamblor-cli as one section of a help2man include file,
# so that the manual page tells them as the program does: a line at the margin is a paragraph, an
# indented "NAME  TEXT" line a tagged one.
# Usage: cmake -DCLI=path/to/tamblor-cli -DOUTPUT=file.h2m -P subcommand-help.cmake
set(text "[SUBCOMMANDS]\n")
foreach(subcommand network divider nearest)
  execute_process(COMMAND ${CLI} ${subcommand} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
  # roff: a backslash is an escape and an option's hyphen a minus sign.
  string(REPLACE "\\" "\\e" help "\n${help}")
  string(REPLACE "-" "\\-" help "${help}")
  string(REGEX REPLACE "\n([^ \n][^\n]*)" "\n.PP\n\\1" help "${help}")
  string(REGEX REPLACE "\n +([^ \n][^\n]*[^ \n])   +([^\n]+)" "\n.TP\n\\\\fB\\1\\\\fR\n\\2" help
                       "${help}")
  string(REGEX REPLACE "\n\n+" "\n" help "${help}")
  string(APPEND text ".SS ${subcommand}${help}")
endforeach()
file(WRITE ${OUTPUT} "${text}")
