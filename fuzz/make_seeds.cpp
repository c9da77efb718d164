// Writes the seed corpus with the editor's own writer, then damages copies the way real files go
// wrong. Run once and commit the output; the fuzz script only reads it.
//
//   make_seeds <corpus directory>

#include "files/board_set_format.h"
#include "files/version1_import.h"
#include "model/board_set.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace bse;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::filesystem::path outputRoot;

void write(const char* group, const char* name, const Bytes& bytes) {
    const std::filesystem::path directory = outputRoot / group;
    std::filesystem::create_directories(directory);
    std::ofstream out(directory / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "make_seeds: cannot write %s/%s\n", group, name);
        std::exit(1);
    }
}

void board(const char* name, const Bytes& bytes) {
    write("board_set_reader", name, bytes);
}
void version1(const char* name, const Bytes& bytes) {
    write("version1_import", name, bytes);
}

BoardSet withBoards(int count) {
    BoardSet set;
    setDefaultStrings(set);
    set.lastBoardIndex = count - 1;
    return set;
}

// Offsets of the four strings' length fields in an encoded file.
std::vector<std::size_t> stringOffsets(const Bytes& file) {
    std::vector<std::size_t> offsets;
    std::size_t at = 12;
    for (int i = 0; i < 4; ++i) {
        offsets.push_back(at);
        at += 4 + file[at];
    }
    offsets.push_back(at); // the constant block
    return offsets;
}

Bytes cut(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

void writeBoardSetSeeds() {
    BoardSet one = withBoards(1);
    one.boards[0].cells[static_cast<std::size_t>(cellIndex(0, 0))] = 2;
    one.boards[0].cells[static_cast<std::size_t>(cellIndex(19, 19))] = lastBlockKind;
    const Bytes oneFile = encodeBoardSet(one);
    board("one_board_default_strings", oneFile);

    // Every code the editor holds: empty 0/1, all block kinds, the eraser.
    BoardSet three = withBoards(3);
    three.boardSetName = "Three Boards";
    three.authorName = "Fuzz Seed \xe9\xfc"; // Windows-1252 bytes
    const std::uint32_t backgrounds[] = {0, 7, 255};
    for (std::size_t b = 0; b < 3; ++b) {
        three.boards[b].background = backgrounds[b];
        for (std::size_t c = 0; c < three.boards[b].cells.size(); ++c) {
            three.boards[b].cells[c] = static_cast<BlockCode>((c * (b + 1) + b) % (eraserCode + 1));
        }
    }
    const Bytes threeFile = encodeBoardSet(three);
    board("three_boards_varied", threeFile);

    BoardSet empty = withBoards(2);
    empty.brickImagePath.clear();
    empty.backgroundImagePath.clear();
    empty.boardSetName.clear();
    empty.authorName.clear();
    empty.boards[1].background = 3;
    board("empty_strings", encodeBoardSet(empty));

    BoardSet longName = withBoards(1);
    longName.boardSetName = std::string(maxStoredStringLength, 'N');
    longName.authorName = std::string(maxStoredStringLength, '\xff');
    board("name_254_chars", encodeBoardSet(longName));

    // Count 200 with no board data: the missing boards load empty.
    const Bytes all = encodeBoardSet(withBoards(maxBoards));
    board("count_200_no_board_data", cut(all, stringOffsets(all)[4] + 5));

    board("cut_in_board_data", cut(threeFile, threeFile.size() - boardRecordSize - 700));

    // Only the first byte of a field counts, and only six header bytes are compared.
    Bytes loose = oneFile;
    loose[6] = 0x5a;
    loose[7] = 0xa5;
    loose[9] = 0x01;
    loose[11] = 0xff;
    board("ignored_high_bytes", loose);

    // A stored zero inside a string: the string ends there.
    Bytes innerZero = oneFile;
    const auto nameAt = stringOffsets(innerZero)[2];
    innerZero[nameAt + 4 + 3] = 0;
    board("zero_inside_name", innerZero);

    // Block numbers the game does not have: they load as codes past the eraser.
    Bytes bigNumbers = oneFile;
    const std::size_t cellsAt = stringOffsets(bigNumbers)[4] + 5 + 4;
    for (std::size_t c = 0; c < static_cast<std::size_t>(cellsPerBoard); ++c) {
        bigNumbers[cellsAt + 4 * c] = static_cast<std::uint8_t>(42 + c % 214);
    }
    board("block_numbers_over_42", bigNumbers);

    // Refused files.
    const auto offsets = stringOffsets(oneFile);
    board("refused_cut_in_strings", cut(oneFile, offsets[2] + 4 + 5));
    board("refused_cut_in_count", cut(oneFile, 10));
    board("refused_empty_file", {});
    Bytes countZero = oneFile;
    countZero[8] = 0;
    board("refused_count_0", countZero);
    Bytes count201 = oneFile;
    count201[8] = maxBoards + 1;
    board("refused_count_201", count201);
    Bytes badHeader = oneFile;
    badHeader[4] = 1;
    board("refused_version_1_header", badHeader);
    Bytes lowercase = oneFile;
    lowercase[0] = 'b';
    board("refused_bad_magic", lowercase);
    Bytes lengthZero = oneFile;
    lengthZero[offsets[1]] = 0;
    board("refused_stored_length_0", lengthZero);
    Bytes noTerminator = oneFile;
    noTerminator[offsets[4] - 1] = '!';
    board("refused_string_without_terminator", noTerminator);
}

Bytes version1Boards(std::size_t size, unsigned step) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * step + i / version1BoardSize) % 256);
    }
    return bytes;
}

void writeVersion1Seeds() {
    // Codes 0..22 are blocks, later ones empty; steps pick different mixes of both.
    Bytes known(version1BoardSize);
    for (std::size_t i = 0; i < known.size(); ++i) {
        known[i] = static_cast<std::uint8_t>(i % 23);
    }
    version1("one_board_known_codes", known);
    version1("two_boards_all_codes", version1Boards(2 * version1BoardSize, 1));
    version1("one_board_and_399_bytes", version1Boards(2 * version1BoardSize - 1, 7));
    version1("refused_399_bytes", version1Boards(version1BoardSize - 1, 3));
    version1("200_boards", version1Boards(maxBoards * version1BoardSize, 5));
    version1("refused_201_boards", version1Boards((maxBoards + 1) * version1BoardSize, 11));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <corpus directory>\n");
        return 2;
    }
    outputRoot = argv[1];
    writeBoardSetSeeds();
    writeVersion1Seeds();
    return 0;
}
