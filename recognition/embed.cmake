# Writes INPUT's bytes as a C++ array into OUTPUT.
file(READ ${INPUT} bytes HEX)
string(LENGTH "${bytes}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "#include \"digitmodel.h\"\n\nnamespace dodoru::recognition {\n\nconst unsigned char kDigitModel[] = {\n${bytes}};\nconst std::size_t kDigitModelSize = ${size};\n\n}  // namespace dodoru::recognition\n")
