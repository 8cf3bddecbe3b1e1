# Writes a C++ source holding the bytes of INPUT as a std::span named SYMBOL
# in namespace sparvik::resources. Run with cmake -P at build time.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${NAME} at build time.\n#include <span>\n\nnamespace sparvik::resources {\nnamespace {\nconst unsigned char data[] = {\n${bytes}\n};\n}  // namespace\nextern const std::span<const unsigned char> ${SYMBOL}(data, sizeof data);\n}  // namespace sparvik::resources\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
