#include "format/version1_import.h"
#include "model/board_set.h"
#include "support/legacy_checks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace bse {
namespace {

using test::expectSameSet;
using test::markedSet;

using Bytes = std::vector<std::uint8_t>;

// Version-1 codes 0..22 and their block numbers; every later code is empty.
constexpr std::array<int, 23> blockOfCode{
    0,  // 0
    22, // 1
    2,  // 2
    4,  // 3
    5,  // 4
    6,  // 5
    3,  // 6
    3,  // 7
    7,  // 8
    38, // 9
    14, // 10
    25, // 11
    34, // 12
    39, // 13
    23, // 14
    32, // 15
    26, // 16
    12, // 17
    16, // 18
    28, // 19
    40, // 20
    1,  // 21
    13, // 22
};

BlockCode expectedCode(int version1Code) {
    return static_cast<BlockCode>(
        (version1Code < static_cast<int>(blockOfCode.size()) ? blockOfCode[version1Code] : 0) + 1);
}

TEST(Version1Import, TranslatesEveryCode) {
    EXPECT_EQ(translateVersion1Code(0), 0);
    EXPECT_EQ(translateVersion1Code(1), 22);
    EXPECT_EQ(translateVersion1Code(6), 3);
    EXPECT_EQ(translateVersion1Code(7), 3);
    EXPECT_EQ(translateVersion1Code(22), 13);
    EXPECT_EQ(translateVersion1Code(23), 0);
    for (int code = 0; code < 256; ++code) {
        const int expected = code < static_cast<int>(blockOfCode.size()) ? blockOfCode[code] : 0;
        EXPECT_EQ(translateVersion1Code(static_cast<std::uint8_t>(code)), expected)
            << "code " << code;
    }
}

TEST(Version1Import, FileSizeMustHoldOneToTwoHundredWholeBoards) {
    for (const std::size_t size : {0u, 1u, 399u}) {
        EXPECT_EQ(checkVersion1File(size), Version1Check::NoWholeBoard) << size << " bytes";
    }
    for (const std::size_t size : {400u, 401u, 799u, 800u, 40000u, 80000u, 80399u}) {
        EXPECT_EQ(checkVersion1File(size), Version1Check::Ok) << size << " bytes";
    }
    for (const std::size_t size : {80400u, 80401u, 80799u, 1000000u}) {
        EXPECT_EQ(checkVersion1File(size), Version1Check::TooManyBoards) << size << " bytes";
    }
}

TEST(Version1Import, FileRowsBecomeBoardRows) {
    // Byte 1 is row 0, column 1: the second cell from the left on the top row.
    Bytes file(400, 0);
    file[1] = 1;
    auto set = markedSet();
    ASSERT_TRUE(importVersion1File(*set, file));
    BoardCells expected;
    expected.fill(1);
    expected[20] = 23; // column 1, row 0
    EXPECT_EQ(set->boards[0].cells, expected);

    // Byte 20 is row 1, column 0.
    file[1] = 0;
    file[20] = 1;
    ASSERT_TRUE(importVersion1File(*set, file));
    expected.fill(1);
    expected[1] = 23; // column 0, row 1
    EXPECT_EQ(set->boards[0].cells, expected);

    // Every position with every code: byte 20*row + column lands at column*20 + row.
    Bytes mixed(400);
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 20; ++column) {
            mixed[static_cast<std::size_t>(20 * row + column)] =
                static_cast<std::uint8_t>((row * 7 + column * 3) % 256);
        }
    }
    ASSERT_TRUE(importVersion1File(*set, mixed));
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 20; ++column) {
            const int code = (row * 7 + column * 3) % 256;
            EXPECT_EQ(set->boards[0].cells[static_cast<std::size_t>(column * 20 + row)],
                      expectedCode(code))
                << "row " << row << " column " << column;
        }
    }
}

TEST(Version1Import, ReplacesCountAndCellsOfTheFileBoardsOnly) {
    // Board b holds code (b + cell) % 24 everywhere, so each board and position differ.
    const auto fileOf = [](std::size_t size) {
        Bytes file(size);
        for (std::size_t at = 0; at < size; ++at) {
            file[at] = static_cast<std::uint8_t>((at / 400 + at % 400) % 24);
        }
        return file;
    };
    const auto expectedAfter = [](const Bytes& file, std::size_t boards) {
        auto expected = markedSet();
        expected->lastBoardIndex = static_cast<std::int32_t>(boards) - 1;
        for (std::size_t b = 0; b < boards; ++b) {
            for (std::size_t row = 0; row < 20; ++row) {
                for (std::size_t column = 0; column < 20; ++column) {
                    expected->boards[b].cells[column * 20 + row] =
                        expectedCode(file[400 * b + 20 * row + column]);
                }
            }
        }
        return expected;
    };
    const std::vector<std::pair<std::size_t, std::size_t>> cases{
        {400, 1}, {799, 1}, {800, 2}, {1234, 3}, {80000, 200}, {80399, 200}};
    for (const auto& [size, boards] : cases) {
        SCOPED_TRACE(std::to_string(size) + " bytes");
        const Bytes file = fileOf(size);
        auto set = markedSet();
        EXPECT_TRUE(importVersion1File(*set, file));
        expectSameSet(*set, *expectedAfter(file, boards));
    }

    // Fewer boards than the set held: the count shrinks and the later slots keep their cells.
    auto set = markedSet();
    set->lastBoardIndex = 199;
    EXPECT_TRUE(importVersion1File(*set, fileOf(800)));
    EXPECT_EQ(set->lastBoardIndex, 1);
    EXPECT_EQ(set->boards[199].cells, markedSet()->boards[199].cells);
}

TEST(Version1Import, RefusedFilesChangeNothing) {
    for (const std::size_t size : {0u, 1u, 399u, 80400u, 80800u}) {
        SCOPED_TRACE(std::to_string(size) + " bytes");
        const Bytes file(size, 2);
        EXPECT_NE(checkVersion1File(size), Version1Check::Ok);
        auto set = markedSet();
        EXPECT_FALSE(importVersion1File(*set, file));
        expectSameSet(*set, *markedSet());
    }
}

} // namespace
} // namespace bse
