# cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P EmbedText.cmake
# Writes a C++ source that defines `const char *const lightquality::SYMBOL`
# as the text of INPUT, so that a data file is compiled into the program.

file(READ "${INPUT}" text)
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}"
     "// Generated from ${name} by cmake/EmbedText.cmake; do not edit.\n"
     "namespace lightquality {\n"
     "extern const char *const ${SYMBOL};\n"
     "const char *const ${SYMBOL} = R\"embedded(${text})embedded\";\n"
     "} // namespace lightquality\n")
