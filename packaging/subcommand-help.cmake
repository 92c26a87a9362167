# Writes the --help of each subcommand of tamblor-cli as one section of a help2man include file,
# so that the manual page tells them as the program does.
# Usage: cmake -DCLI=path/to/tamblor-cli -DOUTPUT=file.h2m -P subcommand-help.cmake
set(text "[SUBCOMMANDS]\n")
foreach(subcommand network nearest)
  execute_process(COMMAND ${CLI} ${subcommand} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
  # roff: a backslash is an escape, a hyphen of an option is a minus, and a line may not begin
  # with a control character.
  string(REPLACE "\\" "\\e" help "${help}")
  string(REPLACE "-" "\\-" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(APPEND text ".SS ${subcommand}\n.nf\n${help}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
