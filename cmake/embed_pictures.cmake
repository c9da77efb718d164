# Writes OUTPUT, a C++ file with the pictures FOLDER/ID.png as byte arrays and embeddedPng(),
# which finds one by its number: the pictures travel inside the program.
#   cmake -DOUTPUT=FILE.cpp -DFOLDER=resources/pictures -DIDS=102,103 -P embed_pictures.cmake
set(arrays "")
set(cases "")
string(REPLACE "," ";" IDS "${IDS}")
foreach(id IN LISTS IDS)
    file(READ "${FOLDER}/${id}.png" hex HEX)
    string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const std::uint8_t picture${id}[] = {${bytes}};\n")
    string(APPEND cases "    case ${id}: return picture${id};\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made by cmake/embed_pictures.cmake from resources/pictures.
#include \"png/embedded_pictures.h\"

namespace bse::png {

namespace {
${arrays}} // namespace

std::span<const std::uint8_t> embeddedPng(int pictureId) {
    switch (pictureId) {
${cases}    default: return {};
    }
}

} // namespace bse::png
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
