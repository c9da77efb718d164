#include "format/board_set_format.h"
#include "format/text_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace bse {
namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    const std::string text = fileText(path);
    return {text.begin(), text.end()};
}

const std::filesystem::path source = BSE_SOURCE_DIR;

TEST(TextForm, CorpusComesBackByteForByteAsTheEditorWritesIt) {
    int accepted = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(source / "fuzz/corpus/board_set_reader")) {
        SCOPED_TRACE(entry.path().filename().string());
        const Result<BoardSet> read = readBoardSet(fileBytes(entry.path()));
        if (!read) {
            continue;
        }
        ++accepted;
        const Result<BoardSet> back = importText(exportText(*read));
        ASSERT_TRUE(back.ok()) << back.reason();
        EXPECT_EQ(encodeBoardSet(*back), encodeBoardSet(*read));
    }
    EXPECT_EQ(accepted, 9);
}

TEST(TextForm, ExportLooksAsDocumented) {
    const auto read =
        readBoardSet(fileBytes(source / "fuzz/corpus/board_set_reader/three_boards_varied"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(exportText(*read), fileText(source / "tests/data/cli/three_boards_varied.json"));
}

TEST(TextForm, EveryWindows1252ByteButZeroSurvives) {
    BoardSet set;
    for (int byte = 1; byte < 255; ++byte) {
        set.authorName.push_back(static_cast<char>(byte));
    }
    const Result<BoardSet> back = importText(exportText(set));
    ASSERT_TRUE(back.ok()) << back.reason();
    EXPECT_EQ(back->authorName, set.authorName);
}

// One fault each, made by replacing the first `from` in a valid two-board text.
struct Fault {
    std::string from;
    std::string to;
    std::string reason;
};

TEST(TextForm, RefusesTheFirstFaultWithItsLine) {
    BoardSet set;
    set.lastBoardIndex = 1;
    set.boardSetName = "Name";
    set.authorName = "Author";
    const std::string valid = exportText(set);
    set.lastBoardIndex = lastBoardSlot;
    std::string boards201 = exportText(set);
    const auto first = boards201.find("    {");
    boards201.insert(first, boards201.substr(first, boards201.find("    }") + 5 - first) + ",\n");

    const Fault faults[] = {
        {valid, "", "line 1: the text form should start with {, found the end of the text"},
        {"\"author\"", "\"writer\"", "line 3: unknown field \"writer\""},
        {"\"author\": \"Author\",", "\"name\": \"N\",", "line 3: \"name\" appears twice"},
        {"  \"author\": \"Author\",\n", "", "line 57: \"author\" is missing"},
        {"Author", "\xd0\x96",
         "line 3: \"author\" has \"\xd0\x96\", which Windows-1252 cannot hold"},
        {"Author", std::string(255, 'a'),
         "line 3: \"author\" takes 255 bytes; a BoardSet file holds at most 254"},
        {"Author", "A\\u0000", "line 3: \"author\" holds a zero character"},
        {"Author", "\xc3(", "line 3: the text is not UTF-8"},
        {"Author", "\\x", "line 3: unknown escape \\x"},
        {"Author\"", "Author", "line 3: a control character or line break inside a string"},
        {"\"background\": 0", "\"background\": 256",
         "line 8: board 1: \"background\" should be a whole number from 0 to 255, found 256"},
        {"\"background\": 0", "\"background\": 1.5",
         "line 8: board 1: \"background\" should be a whole number from 0 to 255, found 1.5"},
        {"\"background\": 0,", "", "line 31: board 1: \"background\" is missing"},
        {"\"rows\": [", "\"rows\": [\"....................\",",
         "line 29: board 1: more than 20 rows"},
        {"\"....................\",\n        \"....................\"\n",
         "\"....................\"\n", "line 29: board 1: 19 rows, not 20"},
        {"\"....................\"", "\"...................\"",
         "line 10: board 1: row 1 has 19 characters, not 20"},
        {"\"....................\"", "\"..........h.........\"",
         "line 10: board 1: row 1, column 11: \"h\" is not a block character"},
        {"\"rows\"", "\"cells\"", "line 9: board 1: unknown field \"cells\""},
        {"\"boards\": [", "\"boards\": []", "line 6: no boards; a BoardSet holds 1 to 200"},
        {valid, boards201, "line 5007: board 201: a BoardSet holds at most 200 boards"},
        {"\"name\": \"Name\",", "\"name\": \"Name\"", "line 3: expected , or }, found '\"'"},
        {"\"name\": \"Name\"", "\"name\" \"Name\"",
         "line 2: expected : after \"name\", found '\"'"},
        {"\"name\": \"Name\"", "\"name\": 1", "line 2: \"name\" should be a string, found '1'"},
        {"\n}\n", "\n}\n}", "line 59: text after the closing }"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.reason);
        std::string text = valid;
        ASSERT_NE(text.find(fault.from), std::string::npos);
        text.replace(text.find(fault.from), fault.from.size(), fault.to);
        const Result<BoardSet> read = importText(text);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.reason(), fault.reason);
    }
    EXPECT_TRUE(importText(valid).ok());
}

} // namespace
} // namespace bse
