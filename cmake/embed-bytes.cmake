# Writes a C++ source that holds a file's bytes, for a program that carries the file inside it:
#   cmake -DINPUT=<file> -DOUTPUT=<source.cpp> -DNAME=<array name> -P embed-bytes.cmake
# The source defines tamblor::<NAME>[] and tamblor::<NAME>Size.
file(READ "${INPUT}" hex HEX)
get_filename_component(name "${INPUT}" NAME)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "// Generated from ${name}.\n#include <cstddef>\n\nnamespace tamblor {\n\n"
  "extern const unsigned char ${NAME}[] = {\n${bytes}};\n"
  "extern const std::size_t ${NAME}Size = sizeof ${NAME};\n\n}  // namespace tamblor\n")
