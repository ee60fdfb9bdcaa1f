# cmake -DIN=file -DOUT=header -DNAME=identifier -P EmbedText.cmake
# Writes the bytes of a text file into a header as a NUL-terminated char
# array, so that a program carries the file without a copy of it in C++.
file(READ "${IN}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
get_filename_component(from "${IN}" NAME)
file(WRITE "${OUT}.tmp"
  "#pragma once\n// Made by the build from ${from}; edit that file instead.\n"
  "inline constexpr char ${NAME}[] = {\n${bytes}0x00};\n")
# An unchanged text leaves the header's time alone, so nothing is rebuilt.
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
