#include "editor/title.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

TEST(Title, StartsWithTheDefaultNameAndBoardOneOfOne) {
    test::FakePlatform platform;
    auto editor = test::startedEditor(platform);
    EXPECT_EQ(composeTitle(*editor),
              "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 1");
}

TEST(Title, CountsBoardsFromOneAndKeepsLongNamesWhole) {
    auto editor = std::make_unique<Editor>();
    editor->boardSet.boardSetName = "Caves";
    editor->boardSet.lastBoardIndex = 199;
    editor->boardSet.currentBoard = 99;
    EXPECT_EQ(composeTitle(*editor), "Caves - BoardSet Editor for Plinkor 2 - Board: 100 of 200");

    // Past 147 characters the title no longer fits 200 bytes; it is composed in full.
    for (const std::size_t length : {147u, 148u, 199u, 254u}) {
        editor->boardSet.boardSetName = std::string(length, 'N');
        const std::string title = composeTitle(*editor);
        EXPECT_EQ(title.size(), length + 46 + 6);
        EXPECT_EQ(title.substr(0, length), editor->boardSet.boardSetName);
        EXPECT_EQ(title.substr(length), " - BoardSet Editor for Plinkor 2 - Board: 100 of 200");
    }

    editor->boardSet.boardSetName.clear();
    test::FakePlatform platform;
    updateTitle(*editor, platform);
    EXPECT_EQ(platform.titles,
              std::vector<std::string>{" - BoardSet Editor for Plinkor 2 - Board: 100 of 200"});
}

} // namespace
} // namespace bse
