#include "editor/commands.h"
#include "shell/main_window_proc.h"
#include "shell/menu.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <set>

namespace bse {
namespace {

using test::FakePlatform;

TEST(IconAnimation, ElevenTicksShowTheTenFramesThenStartAgain) {
    FakePlatform platform;
    auto editor = test::startedEditor(platform);
    for (int tick = 0; tick < 11; ++tick) {
        EXPECT_FALSE(platform.send(WM_TIMER, iconTimerId, 0));
    }
    EXPECT_EQ(platform.windowIcons,
              (std::vector<int>{111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 111}));
    EXPECT_EQ(editor->iconFrame, 2);
    // Any timer identifier steps it.
    platform.send(WM_TIMER, 1, 0);
    EXPECT_EQ(platform.windowIcons.back(), 112);
}

TEST(IconAnimation, OutOfRangeFramesRestartOrWaitAsTheCounterSays) {
    FakePlatform platform;
    Editor editor;
    editor.iconFrame = 57;
    stepIconAnimation(editor, platform);
    EXPECT_EQ(platform.windowIcons, std::vector<int>{111});
    EXPECT_EQ(editor.iconFrame, 2);
    editor.iconFrame = 0; // counts up to frame 1 without showing anything first
    stepIconAnimation(editor, platform);
    EXPECT_EQ(platform.windowIcons, std::vector<int>{111});
    EXPECT_EQ(editor.iconFrame, 1);
}

TEST(MainMenu, HoldsEveryItemSeparatorAndMnemonicInOrder) {
    const auto menu = mainMenu();
    ASSERT_EQ(menu.size(), 4u);
    auto texts = [](const MenuBarEntry& entry) {
        std::vector<std::pair<std::string, int>> items;
        for (const MenuItem& item : entry.items) {
            items.emplace_back(std::string(item.text), item.commandId);
        }
        return items;
    };
    using Items = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(menu[0].text, "&File");
    EXPECT_EQ(texts(menu[0]), (Items{{"&New", 40016},
                                     {"&Open...", 40002},
                                     {"&Save", 40015},
                                     {"Save As...", 40005},
                                     {"", 0},
                                     {"Import...", 40026},
                                     {"&Revert", 40023},
                                     {"", 0},
                                     {"&Exit", 40001}}));
    EXPECT_EQ(menu[1].text, "&Edit");
    EXPECT_EQ(texts(menu[1]), (Items{{"&Undo", 40032},
                                     {"&Redo", 40033},
                                     {"", 0},
                                     {"&Copy Board", 40018},
                                     {"&Paste Board", 40019},
                                     {"", 0},
                                     {"C&lear Board", 40022},
                                     {"&Add a Board", 40020},
                                     {"&Insert Board", 40024},
                                     {"&Delete Board", 40021}}));
    EXPECT_EQ(menu[2].text, "&Board");
    EXPECT_EQ(texts(menu[2]), (Items{{"&Previous Board", 40027},
                                     {"&Next Board", 40028},
                                     {"&First Board", 40029},
                                     {"&Last Board", 40030},
                                     {"Jump to...", 40031},
                                     {"", 0},
                                     {"Set Board Back&ground...", 40025},
                                     {"BoardSet &Settings...", 40017}}));
    EXPECT_EQ(menu[3].text, "&About");
    EXPECT_EQ(menu[3].commandId, 40012);
    EXPECT_TRUE(menu[3].items.empty());
}

TEST(CommandTable, RoutesEveryMenuCommandAndTheCloseBoxOnce) {
    std::set<int> menuCommands{IDCANCEL};
    for (const MenuBarEntry& entry : mainMenu()) {
        if (entry.commandId != 0) {
            menuCommands.insert(entry.commandId);
        }
        for (const MenuItem& item : entry.items) {
            if (item.commandId != menuSeparator) {
                menuCommands.insert(item.commandId);
            }
        }
    }
    std::set<int> routed;
    for (const CommandRoute& route : commandTable()) {
        EXPECT_TRUE(routed.insert(route.commandId).second) << "twice: " << route.commandId;
        EXPECT_NE(route.handler, nullptr);
    }
    EXPECT_EQ(routed, menuCommands);
    EXPECT_EQ(routed.size(), 24u);
}

TEST(KeyTable, TheFourArrowsSendTheBoardCommands) {
    const auto keys = arrowKeyTable();
    ASSERT_EQ(keys.size(), 4u);
    std::map<WParam, int> routes;
    for (const KeyRoute& key : keys) {
        routes[key.virtualKey] = key.commandId;
    }
    EXPECT_EQ(routes, (std::map<WParam, int>{{37, 40027}, {38, 40029}, {39, 40028}, {40, 40030}}));
}

TEST(MainWindowProc, ExitAndTheCloseBoxEndTheProgramWithCodeZero) {
    for (const WParam command : {WParam{40001}, WParam{2}}) {
        FakePlatform platform;
        auto editor = test::startedEditor(platform);
        EXPECT_TRUE(platform.send(WM_COMMAND, command, 0));
        EXPECT_EQ(platform.quitCode, 0);
        EXPECT_TRUE(platform.questions.empty());
    }
}

TEST(MainWindowProc, OnlyTheWholeWParamMatchesACommand) {
    FakePlatform platform;
    auto editor = test::startedEditor(platform);
    // A notification code in the high word makes it no menu command.
    EXPECT_TRUE(platform.send(WM_COMMAND, (WParam{1} << 16) | 40001, 0));
    EXPECT_TRUE(platform.send(WM_COMMAND, 40000, 0));
    EXPECT_TRUE(platform.send(WM_COMMAND, 1, 0));
    EXPECT_FALSE(platform.quitCode.has_value());
}

TEST(MainWindowProc, ResultsFollowTheMessageTable) {
    FakePlatform platform;
    auto editor = test::startedEditor(platform);
    EXPECT_FALSE(platform.send(WM_KEYDOWN, 'A', 0));
    EXPECT_FALSE(platform.send(WM_KEYDOWN, VK_LEFT, 0));
    EXPECT_TRUE(platform.send(WM_PAINT));
    EXPECT_FALSE(platform.send(WM_RBUTTONUP, 0, makePointerParam(30, 30)));
    EXPECT_FALSE(platform.send(WM_LBUTTONDBLCLK, MK_LBUTTON, makePointerParam(30, 30)));
    EXPECT_FALSE(platform.send(WM_CLOSE));
    EXPECT_FALSE(platform.quitCode.has_value());
    EXPECT_FALSE(platform.send(WM_DESTROY));
    EXPECT_EQ(platform.quitCode, 0);
}

TEST(MainWindowProc, PointerParamCarriesUnsigned16BitCoordinates) {
    const LParam at = makePointerParam(619, 303);
    EXPECT_EQ(pointerX(at), 619);
    EXPECT_EQ(pointerY(at), 303);
    EXPECT_EQ(pointerX(makePointerParam(65535, 0)), 65535);
    EXPECT_EQ(pointerY(makePointerParam(0, 65535)), 65535);
}

} // namespace
} // namespace bse
