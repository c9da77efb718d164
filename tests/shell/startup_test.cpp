#include "shell/startup.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

using test::FakePlatform;

TEST(StartUp, RunsEveryStepInOrderAndEndsWithCodeZero) {
    FakePlatform platform;
    platform.session = [](FakePlatform& desktop) { desktop.send(WM_COMMAND, ID_FILE_EXIT, 0); };
    auto editor = std::make_unique<Editor>();
    EXPECT_EQ(runEditor(*editor, platform), 0);

    const std::vector<std::string> expected{
        "loadPicture 102",
        "loadPicture 102",
        "loadPicture 103",
        "loadPicture 106",
        "loadPicture 124",
        "createMainWindow 101",
        "mainWindowFrame",
        "screenSize",
        "moveMainWindow 637 317", // 1920 / 2 - 646 / 2, 1080 / 2 - 446 / 2
        "loadIcon 111",
        "loadIcon 112",
        "loadIcon 113",
        "loadIcon 114",
        "loadIcon 115",
        "loadIcon 116",
        "loadIcon 117",
        "loadIcon 118",
        "loadIcon 119",
        "loadIcon 120",
        "setWindowIcon 111",
        "showMainWindow",
        "invalidate (500, 368)-(530, 383)",
        "invalidate (540, 368)-(570, 383)",
        "setWindowTitle Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 1",
        "enableMenuItem 40019 off",
        "startTimer 6711 350",
        "runMessageLoop",
        "quit 0",
        "stopTimer 6711",
    };
    EXPECT_EQ(platform.log, expected);
    EXPECT_TRUE(platform.runningTimers.empty());
}

TEST(StartUp, LeavesTheBackdropWithTheTwoSelectedBlocksOnTheCanvas) {
    FakePlatform platform;
    auto editor = test::startedEditor(platform);
    const Picture& canvas = editor->pictures.editorCanvas;
    const Picture& backdrop = editor->pictures.editorBackdrop;
    ASSERT_EQ(canvas.width, 640);
    ASSERT_EQ(canvas.height, 400);
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 640; ++x) {
            Pixel expected = test::backdropPixel(x, y);
            if (y >= 368 && y < 383 && x >= 500 && x < 530) {
                expected = test::blockPixel(8, x - 500, y - 368);
            } else if (y >= 368 && y < 383 && x >= 540 && x < 570) {
                expected = test::blockPixel(45, x - 540, y - 368); // the eraser's cross
            }
            ASSERT_EQ(canvas.at(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(backdrop.pixels, platform.pictures[IDB_EDITOR].pixels);
    EXPECT_EQ(editor->boardSet.boardSetName, "Untitled Board");
    EXPECT_EQ(editor->boardSet.authorName, "Unknown");
    EXPECT_FALSE(editor->modified);
    EXPECT_TRUE(platform.windowShown);
    EXPECT_EQ(platform.menuEnabled.at(ID_EDIT_PASTEBOARD), false);
}

TEST(StartUp, CentresWithTruncatedHalves) {
    FakePlatform platform;
    platform.screen = {1367, 769};
    platform.windowFrame = {5, 7, 5 + 647, 7 + 447};
    test::startedEditor(platform);
    EXPECT_EQ(platform.windowPosition, (Point{683 - 323, 384 - 223}));

    FakePlatform small; // a screen smaller than the window puts it partly off screen
    small.screen = {401, 301};
    small.windowFrame = {0, 0, 647, 447};
    test::startedEditor(small);
    EXPECT_EQ(small.windowPosition, (Point{200 - 323, 150 - 223}));
}

TEST(StartUp, AMissingPictureIconOrWindowEndsWithCodeOneAndAMessage) {
    for (const int picture : {IDB_EDITOR, IDB_BLOCKS, IDB_STATUS, IDB_ABOUT}) {
        FakePlatform platform;
        platform.missingPictures.insert(picture);
        Editor editor;
        EXPECT_EQ(runEditor(editor, platform), 1) << picture;
        ASSERT_EQ(platform.startupFailures.size(), 1u);
        EXPECT_NE(platform.startupFailures[0].find(std::to_string(picture)), std::string::npos);
        EXPECT_FALSE(platform.handler) << "no window after a missing picture";
    }
    {
        FakePlatform platform; // the right picture at the wrong size is as good as missing
        platform.pictures[IDB_BLOCKS] = Picture(30, 600);
        Editor editor;
        EXPECT_EQ(runEditor(editor, platform), 1);
        EXPECT_EQ(platform.startupFailures.size(), 1u);
    }
    {
        FakePlatform platform;
        platform.missingIcons.insert(117);
        Editor editor;
        EXPECT_EQ(runEditor(editor, platform), 1);
        ASSERT_EQ(platform.startupFailures.size(), 1u);
        EXPECT_NE(platform.startupFailures[0].find("117"), std::string::npos);
        EXPECT_TRUE(platform.runningTimers.empty());
        EXPECT_FALSE(platform.windowShown);
    }
    {
        FakePlatform platform;
        platform.failWindowCreation = true;
        Editor editor;
        EXPECT_EQ(runEditor(editor, platform), 1);
        EXPECT_EQ(platform.startupFailures.size(), 1u);
        EXPECT_TRUE(platform.runningTimers.empty());
    }
}

TEST(StartUp, ADestroyedWindowEndsTheLoopWithCodeZero) {
    FakePlatform platform;
    platform.session = [](FakePlatform& desktop) { desktop.send(WM_DESTROY); };
    Editor editor;
    EXPECT_EQ(runEditor(editor, platform), 0);
    EXPECT_EQ(platform.quitCode, 0);
}

} // namespace
} // namespace bse
