#include "format/board_set_format.h"
#include "shell/main_window_proc.h"
#include "shell/startup.h"
#include "support/fake_platform.h"
#include "support/golden.h"

#include <algorithm>

namespace bse::test {
namespace {

// Start-up, the session and the end, every desktop call in order, for each way it can go.
TEST(Shell, StartUpRunsEveryStepInOrder) {
    const std::pair<const char*, std::function<void(FakePlatform&)>> cases[] = {
        {"a session: paint, icon ticks, keys, messages, Exit",
         [](FakePlatform& p) {
             p.session = [](FakePlatform& d) {
                 const std::pair<Message, WParam> messages[] = {
                     {WM_PAINT, 0},           {WM_KEYDOWN, 65},
                     {WM_CLOSE, 0},           {WM_COMMAND, (WParam{1} << 16) | ID_FILE_EXIT},
                     {WM_COMMAND, 40000},     {WM_RBUTTONUP, 0},
                     {WM_TIMER, iconTimerId}, {WM_LBUTTONDBLCLK, MK_LBUTTON}};
                 for (const auto& [message, wParam] : messages) {
                     d.log.push_back("> " + std::to_string(message) + " " + std::to_string(wParam) +
                                     " handled " + std::to_string(d.send(message, wParam)));
                 }
                 for (int tick = 0; tick < 11; ++tick) {
                     d.send(WM_TIMER, iconTimerId);
                 }
                 d.send(WM_COMMAND, ID_FILE_EXIT);
             };
         }},
        {"the close box",
         [](FakePlatform& p) {
             p.session = [](FakePlatform& d) { d.send(WM_COMMAND, IDCANCEL); };
         }},
        {"the window destroyed",
         [](FakePlatform& p) { p.session = [](FakePlatform& d) { d.send(WM_DESTROY); }; }},
        {"a missing picture", [](FakePlatform& p) { p.missingPictures = {IDB_STATUS}; }},
        {"a picture of the wrong size",
         [](FakePlatform& p) { p.pictures[IDB_BLOCKS] = Picture(30, 674); }},
        {"the window cannot be created", [](FakePlatform& p) { p.failWindowCreation = true; }},
        {"a missing icon", [](FakePlatform& p) { p.missingIcons = {IDI_FRAME_LAST}; }},
    };
    std::string text;
    for (const auto& [name, arrange] : cases) {
        FakePlatform platform;
        arrange(platform);
        auto editor = std::make_unique<Editor>();
        const int exitCode = runEditor(*editor, platform);
        text += std::string("== ") + name + "\n";
        for (const std::string& line : platform.log) {
            text += line + "\n";
        }
        text += "exit code " + std::to_string(exitCode) + "\n";
    }
    expectGolden("shell/startup.log", text);
}

// What start-up leaves on the canvas: the backdrop with the two selected blocks, and what the
// window paints is that canvas.
TEST(Shell, StartUpLeavesTheBackdropWithTheSelectedBlocks) {
    FakePlatform platform;
    auto editor = startedEditor(platform);
    platform.send(WM_PAINT);
    for (const auto& [x, y] : {std::pair{0, 0}, {499, 368}, {639, 399}}) {
        EXPECT_EQ(platform.screen.at(x, y), backdropPixel(x, y)) << x << ", " << y;
    }
    EXPECT_EQ(platform.screen.at(500, 368), blockPixel(8, 0, 0));
    EXPECT_EQ(platform.screen.at(569, 382), blockPixel(45, 29, 14));
}

// A file named at start-up and a file dropped on the window open as Open opens a chosen file;
// the desktop hears of the document each time its path or modified state changes.
TEST(Shell, FileArgumentAndDroppedFileOpenAsOpenDoes) {
    BoardSet three;
    setDefaultStrings(three);
    three.boardSetName = "Three";
    three.lastBoardIndex = 2;
    const auto stroke = [](FakePlatform& p) {
        p.send(WM_LBUTTONDOWN, MK_LBUTTON, makePointerParam(35, 10));
        p.send(WM_LBUTTONUP, 0, makePointerParam(35, 10));
    };
    const std::tuple<const char*, std::optional<std::string>, std::function<void(FakePlatform&)>>
        cases[] = {
            {"a BoardSet at start-up, painted, saved", "/work/three.BDS",
             [stroke](FakePlatform& p) {
                 stroke(p);
                 p.command(ID_FILE_SAVE);
             }},
            {"not a BoardSet at start-up", "/work/note.BDS", {}},
            {"a missing file at start-up", "/work/missing.BDS", {}},
            {"a drop, nothing unsaved", std::nullopt,
             [](FakePlatform& p) { p.send(WM_DROPFILES); }},
            {"a drop with unsaved changes: Cancel, then No", std::nullopt,
             [stroke](FakePlatform& p) {
                 stroke(p);
                 p.answers = {Answer::Cancel, Answer::No};
                 p.send(WM_DROPFILES);
                 p.send(WM_DROPFILES);
             }},
            {"a drop of anything but one local file", std::nullopt,
             [](FakePlatform& p) {
                 p.dropped.reset();
                 p.send(WM_DROPFILES);
             }},
        };
    std::string text;
    for (const auto& [name, file, session] : cases) {
        FakePlatform platform;
        platform.files["/work/three.BDS"] = encodeBoardSet(three);
        platform.files["/work/note.BDS"] = {'h', 'e', 'l', 'l', 'o'};
        platform.dropped = "/work/three.BDS";
        platform.session = session;
        auto editor = std::make_unique<Editor>();
        runEditor(*editor, platform, file);
        // Start-up up to the icon timer is the one of startup.log.
        const auto& log = platform.log;
        text += std::string("== ") + name + "\n";
        for (auto line = std::find(log.begin(), log.end(), "startTimer 6711 350");
             line != log.end(); ++line) {
            text += *line + "\n";
        }
    }
    expectGolden("shell/files_opened.log", text);
}

} // namespace
} // namespace bse::test
