#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

using test::FakeDialog;
using test::FakePlatform;

class BoardSetInfo : public ::testing::Test {
  protected:
    FakePlatform platform;
    std::unique_ptr<Editor> editor = test::startedEditor(platform);
    void settings() { platform.send(WM_COMMAND, ID_BOARD_SETTINGS, 0); }
};

TEST_F(BoardSetInfo, OpensCentredWithTheIconAndTheCurrentTexts) {
    editor->boardSet.boardSetName = "Caves";
    editor->boardSet.authorName = "Someone";
    FakeDialog* seen = nullptr;
    std::string name, author;
    platform.dialogScripts.push_back([&](FakeDialog& dialog) {
        seen = &dialog;
        name = dialog.text(IDC_BOARDSETNAME);
        author = dialog.text(IDC_AUTHORNAME);
        EXPECT_TRUE(dialog.shown);
        EXPECT_EQ(dialog.bigIcon, IDI_APPICON);
        const Rect frame = dialog.frame();
        EXPECT_EQ(dialog.position,
                  (Point{1920 / 2 - frame.width() / 2, 1080 / 2 - frame.height() / 2}));
        dialog.press(IDOK);
        EXPECT_EQ(dialog.result(), 0);
    });
    settings();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(platform.dialogsRun, std::vector<int>{IDD_BOARDSETINFO});
    EXPECT_EQ(name, "Caves");
    EXPECT_EQ(author, "Someone");
    // OK without changes still marks the BoardSet modified.
    EXPECT_TRUE(editor->modified);
    EXPECT_EQ(platform.title(), "Caves - BoardSet Editor for Plinkor 2 - Board: 1 of 1");
}

TEST_F(BoardSetInfo, OkStoresAtMost199CharactersOfEachField) {
    platform.dialogScripts.push_back([](FakeDialog& dialog) {
        dialog.type(IDC_BOARDSETNAME, std::string(250, 'n'));
        dialog.type(IDC_AUTHORNAME, "");
        dialog.press(IDOK);
    });
    settings();
    EXPECT_EQ(editor->boardSet.boardSetName, std::string(199, 'n'));
    EXPECT_EQ(editor->boardSet.authorName, "");
    EXPECT_EQ(platform.title(),
              std::string(199, 'n') + " - BoardSet Editor for Plinkor 2 - Board: 1 of 1");
}

TEST_F(BoardSetInfo, CancelEscapeAndTheCloseBoxChangeNothing) {
    for (int round = 0; round < 2; ++round) {
        platform.dialogScripts.push_back([round](FakeDialog& dialog) {
            dialog.type(IDC_BOARDSETNAME, "Other");
            dialog.type(IDC_AUTHORNAME, "Else");
            if (round == 0) {
                dialog.press(IDCANCEL);
                EXPECT_EQ(dialog.result(), 1);
            } // round 1: the user closes the window
        });
        settings();
        EXPECT_EQ(editor->boardSet.boardSetName, "Untitled Board");
        EXPECT_EQ(editor->boardSet.authorName, "Unknown");
        EXPECT_FALSE(editor->modified);
        EXPECT_EQ(platform.title(),
                  "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 1");
    }
}

} // namespace
} // namespace bse
