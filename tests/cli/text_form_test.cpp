#include "format/board_set_format.h"
#include "format/text_form.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <regex>

namespace bse {
namespace {

const std::filesystem::path source = BSE_SOURCE_DIR;

TEST(TextForm, CorpusComesBackByteForByteAsTheEditorWritesIt) {
    int accepted = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(source / "fuzz/corpus/board_set_reader")) {
        SCOPED_TRACE(entry.path().filename().string());
        const Result<BoardSet> read = readBoardSet(test::fileContents(entry.path()));
        if (!read) {
            continue;
        }
        ++accepted;
        const Result<BoardSet> back = importText(exportText(*read));
        ASSERT_TRUE(back.ok()) << back.reason();
        EXPECT_EQ(encodeBoardSet(*back), encodeBoardSet(*read));
    }
    EXPECT_EQ(accepted, 10);
}

TEST(TextForm, ExportLooksAsDocumented) {
    const auto read = readBoardSet(
        test::fileContents(source / "fuzz/corpus/board_set_reader/three_boards_varied"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(exportText(*read),
              test::fileContents<std::string>(source / "fuzz/corpus/text_form/three_boards.json"));
}

TEST(TextForm, EveryWindows1252ByteButZeroSurvives) {
    BoardSet set;
    for (int byte = 1; byte < 255; ++byte) {
        set.authorName.push_back(static_cast<char>(byte));
    }
    set.boardSetName = "\xff";
    const Result<BoardSet> back = importText(exportText(set));
    ASSERT_TRUE(back.ok()) << back.reason();
    EXPECT_EQ(back->authorName, set.authorName);
    EXPECT_EQ(back->boardSetName, set.boardSetName);
}

std::string lineBreaks(const std::string& text) {
    return std::regex_replace(text, std::regex(R"(\\n)"), "\n");
}

TEST(TextForm, RefusesTheFirstFaultWithItsLine) {
    BoardSet set;
    set.lastBoardIndex = 1;
    set.boardSetName = "Name";
    set.authorName = "Author";
    const std::string valid = exportText(set);
    EXPECT_TRUE(importText(valid).ok());
    set.lastBoardIndex = lastBoardSlot;
    // As text written before boards carried their numbers, which import still reads.
    std::string boards201 =
        std::regex_replace(exportText(set), std::regex(".*\"board\": .*\n"), "");
    const auto first = boards201.find("    {");
    boards201.insert(first, boards201.substr(first, boards201.find("    }") + 5 - first) + ",\n");
    // From, to and reason: the whole text first, then the table's lines, where each of the three
    // is followed by a tab or the line's end and "\n" stands for a line break.
    std::vector<std::array<std::string, 3>> faults = {
        {valid, "", "line 1: the text form should start with {, found the end of the text"},
        {valid, boards201, "line 5007: board 201: a BoardSet holds at most 200 boards"}};
    std::ifstream table(source / "tests/data/cli/text_form_faults.txt");
    for (std::string from, to, reason; std::getline(table, from, '\t');) {
        std::getline(std::getline(table, to, '\t'), reason);
        faults.push_back({lineBreaks(from), lineBreaks(to), reason});
    }
    ASSERT_EQ(faults.size(), 29u);
    for (const auto& [from, to, reason] : faults) {
        SCOPED_TRACE(reason);
        std::string text = valid;
        ASSERT_NE(text.find(from), std::string::npos);
        text.replace(text.find(from), from.size(), to);
        const Result<BoardSet> read = importText(text);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.reason(), reason);
    }
}

} // namespace
} // namespace bse
