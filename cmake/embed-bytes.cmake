# Writes the bytes of INPUT to OUTPUT as a C++ initializer list, sixteen to a
# line, for a source to #include between the braces of an array:
#   cmake -DINPUT=file -DOUTPUT=file.inc -P embed-bytes.cmake
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "${bytes}\n")
