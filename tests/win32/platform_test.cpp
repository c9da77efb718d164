// The Win32 front end's own behaviour, through a real Win32Platform: text conversions, the
// settings file, the watched file, dropped files, the overview's gestures, radio groups, icons,
// message boxes, and the names a screen reader finds.
#include "io/windows_support.h"
#include "platform/dialog_template.h"
#include "platform/ids.h"
#include "support/golden.h"
#include "view/board_tile.h"
#include "win32/text.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>
#include <oleacc.h>
#include <shlobj.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string_view>
#include <thread>
#include <tuple>

namespace bse {
namespace {

using Recorded = std::tuple<Message, WParam, LParam>;

// The first window of this thread with the class, or none.
HWND threadWindow(const wchar_t* className) {
    std::pair<const wchar_t*, HWND> search{className, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* found = reinterpret_cast<std::pair<const wchar_t*, HWND>*>(lParam);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (lstrcmpW(name, found->first) != 0) {
                return TRUE;
            }
            found->second = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

TEST(Text, Utf8AndUtf16BecomeWindows1252AndBack) {
    const struct {
        std::string utf8;
        std::wstring wide;
        std::string bytes;
    } rows[] = {
        {"Cr\xc3\xa8me", L"Cr\u00e8me", "Cr\xe8me"},
        {"\xe2\x82\xac", L"\u20ac", "\x80"},
        {"\xe2\x86\x92", L"?", "?"}, // an arrow: not in the code page
        {"", L"", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes);
        EXPECT_EQ(windows1252FromUtf8(row.utf8), row.bytes);
        EXPECT_EQ(wideFromWindows1252(row.bytes), row.wide);
        EXPECT_EQ(windows1252FromWide(row.wide), row.bytes);
    }
}

// The platform's own settings file, in the roaming known folder (which wins over APPDATA): written
// only under Wine in the prefix the run names, never in a user's own.
TEST(Settings, CrlfListsAChangeByAnotherProgramAndKeysApart) {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr ||
        _wgetenv(L"WINEPREFIX") == nullptr) {
        GTEST_SKIP() << "the settings of this user's own";
    }
    PWSTR known = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known)));
    const std::filesystem::path folder = std::filesystem::path(known) / L"boardset-editor";
    CoTaskMemFree(known);
    const std::filesystem::path file = folder / L"boardset-editor.ini";
    std::filesystem::create_directories(folder);
    const auto write = [&](const std::string& text) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    };
    write("recent=C:\\a.bds\r\nrecent=C:\\b.bds\r\nzoom=2\r\n");

    Win32Platform platform(GetModuleHandleW(nullptr));
    EXPECT_EQ(platform.readSettingList("recent"),
              (std::vector<std::string>{"C:\\a.bds", "C:\\b.bds"}));
    platform.writeSettingList("recent", {"C:\\c.bds"});
    EXPECT_EQ(platform.readSettingList("zoom"), std::vector<std::string>{"2"});
    std::ifstream written(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}),
              "recent=C:\\c.bds\r\nzoom=2\r\n");
    written.close();
    write("recent=C:\\d.bds\r\n");
    EXPECT_EQ(platform.readSettingList("recent"), std::vector<std::string>{"C:\\d.bds"});
    std::filesystem::remove_all(folder);
}

// A main window whose handler keeps what reaches it (but paints and the clipboard's news). Under
// Wine, windows need an X server: without one, these tests are skipped.
class Win32Window : public testing::Test {
  protected:
    void SetUp() override {
        platform.createMainWindow(mainWindowTemplate(), [this](Message m, WParam w, LParam l) {
            if (m != BSE_WM_PAINT && m != BSE_WM_APP_CLIPBOARD) {
                received.emplace_back(m, w, l);
            }
            return also(m, w);
        });
        handle = threadWindow(L"#32770");
        if (handle == nullptr && _wgetenv(L"DISPLAY") == nullptr) {
            GTEST_SKIP() << "no X server for Wine's windows";
        }
        ASSERT_NE(handle, nullptr);
    }

    Win32Platform platform{GetModuleHandleW(nullptr)};
    std::vector<Recorded> received;
    std::function<bool(Message, WParam)> also = [](Message, WParam) { return false; };
    HWND handle = nullptr;
};

TEST_F(Win32Window, ChangesOfTheWatchedFileComeAsFileChangedThenStop) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("bse-watch-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "a.bds";
    const auto change = [&] { std::ofstream(file, std::ios::app) << "x"; };
    change();

    platform.watchFile("C:\\\xff.bds"); // not UTF-8: ignored
    platform.watchFile(io::windows::utf8(file.wstring()));
    // Each change is told (a write at most a few times: its size, its time), then nothing more
    // until the next: a quiet spell, a second change, a spell.
    constexpr int spell = 1;
    constexpr int bound = 2;
    int phase = 0;
    int changes[2] = {};
    also = [&](Message message, WParam w) {
        if (message == BSE_WM_FILECHANGED) {
            ++changes[phase];
        } else if (message == BSE_WM_TIMER && w == spell && phase == 0 && changes[0] > 0) {
            phase = 1;
            change();
        } else if (message == BSE_WM_TIMER && (w == bound || (phase == 1 && changes[1] > 0))) {
            platform.quit(0);
        }
        return message == BSE_WM_TIMER;
    };
    change();
    platform.startTimer(spell, 200);
    platform.startTimer(bound, 5000);
    platform.runMessageLoop();
    EXPECT_GE(changes[0], 1);
    EXPECT_LE(changes[0], 3);
    EXPECT_GE(changes[1], 1);
    EXPECT_LE(changes[1], 3);
    platform.watchFile("");
    std::filesystem::remove_all(folder);
}

TEST_F(Win32Window, ADroppedFileIsKnownWhileItsDropIsHandled) {
    const std::wstring path = L"C:\\boards\\a.bds";
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    path.copy(reinterpret_cast<wchar_t*>(drop + 1), path.size());
    GlobalUnlock(memory);
    std::optional<std::string> during;
    also = [&](Message message, WParam) {
        if (message == BSE_WM_DROPFILES) {
            during = platform.droppedFile();
        }
        return false;
    };
    SendMessageW(handle, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(during, "C:\\boards\\a.bds");
    EXPECT_EQ(platform.droppedFile(), std::nullopt);
}

TEST_F(Win32Window, OverviewGesturesBecomeClicksAndDrops) {
    // Three boards in a row, their tiles 8 pixels apart and from the edge.
    constexpr int margin = 8;
    const auto centre = [](int board) {
        return POINT{margin + board * (tileWidth + margin) + tileWidth / 2,
                     margin + tileHeight / 2};
    };
    const struct {
        const char* gesture;
        POINT down;
        POINT move;
        POINT up;
        Recorded expected;
    } rows[] = {
        {"click", centre(1), centre(1), centre(1), {BSE_WM_OVERVIEW_CLICK, 1, 0}},
        {"released on another", centre(0), centre(0), centre(1), {}},
        {"sideways",
         centre(1),
         {centre(1).x + 12, centre(1).y},
         centre(1),
         {BSE_WM_OVERVIEW_DROP, 1, 2}},
        {"downwards",
         centre(1),
         {centre(1).x, centre(1).y + 12},
         centre(1),
         {BSE_WM_OVERVIEW_DROP, 1, 1}},
        {"before the first",
         centre(2),
         {2, centre(0).y},
         {2, centre(0).y},
         {BSE_WM_OVERVIEW_DROP, 2, 0}},
    };
    platform.showOverview("Boards");
    platform.setOverviewCount(3);
    HWND overview = threadWindow(L"BoardSetOverview");
    ASSERT_NE(overview, nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.gesture);
        received.clear();
        SetFocus(nullptr);
        SendMessageW(overview, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.down.x, row.down.y));
        EXPECT_EQ(GetFocus(), overview);
        EXPECT_EQ(GetCapture(), overview); // a drag past the edge still tells where
        SendMessageW(overview, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(row.move.x, row.move.y));
        SendMessageW(overview, WM_LBUTTONUP, 0, MAKELPARAM(row.up.x, row.up.y));
        std::erase_if(received, [](const Recorded& r) {
            return std::get<0>(r) < BSE_WM_OVERVIEW_CLICK ||
                   std::get<0>(r) > BSE_WM_OVERVIEW_CLOSED;
        });
        EXPECT_EQ(received, std::get<0>(row.expected) == 0 ? std::vector<Recorded>{}
                                                           : std::vector<Recorded>{row.expected});
    }
}

TEST_F(Win32Window, CheckingARadioButtonUnchecksItsGroupOnly) {
    constexpr std::uint32_t first = BSE_BS_AUTORADIOBUTTON | BSE_WS_GROUP | BSE_WS_TABSTOP;
    const DialogTemplate groups{
        900,
        "Groups",
        100,
        60,
        "MS Sans Serif",
        8,
        0,
        {{11, ControlKind::RadioButton, "a", 5, 5, 40, 10, first},
         {12, ControlKind::RadioButton, "b", 5, 20, 40, 10, BSE_BS_AUTORADIOBUTTON},
         {21, ControlKind::RadioButton, "c", 50, 5, 40, 10, first},
         {22, ControlKind::RadioButton, "d", 50, 20, 40, 10, BSE_BS_AUTORADIOBUTTON}}};
    std::vector<int> checked;
    platform.runDialog(groups, [&](DialogWindow& dialog, Message message, WParam, LParam) {
        if (message == BSE_WM_INITDIALOG) {
            for (const int id : {22, 12, 21, 11}) {
                dialog.setItemSelection(id, 1);
            }
            for (const int id : {11, 12, 21, 22}) {
                checked.push_back(dialog.itemSelection(id));
            }
            dialog.end(1);
        }
        return false;
    });
    EXPECT_EQ(checked, (std::vector<int>{1, 0, 1, 0}));
}

TEST_F(Win32Window, AnIconIsMadeOnceAndNamesTheWindow) {
    EXPECT_FALSE(platform.loadIcon(999));
    ASSERT_TRUE(platform.loadIcon(105));
    platform.setWindowIcon(105);
    const LRESULT icon = SendMessageW(handle, WM_GETICON, ICON_BIG, 0);
    EXPECT_NE(icon, 0);
    platform.setWindowIcon(105);
    EXPECT_EQ(SendMessageW(handle, WM_GETICON, ICON_SMALL, 0), icon);
}

// Waits on a thread of its own for the program's box, keeps its text and presses `button`.
class Answerer {
  public:
    explicit Answerer(int button)
        : thread_([this, button] {
              const std::string_view name = programTitle;
              const std::wstring title(name.begin(), name.end());
              for (int tries = 0; tries < 1000 && !done_; ++tries) {
                  // Wine keeps some boxes it hid: only a shown one counts.
                  HWND box = nullptr;
                  do {
                      box = FindWindowExW(nullptr, box, L"#32770", title.c_str());
                  } while (box != nullptr && !IsWindowVisible(box));
                  if (box != nullptr) {
                      wchar_t text[200] = {};
                      GetDlgItemTextW(box, 0xFFFF, text, 200);
                      text_.assign(text, text + wcslen(text));
                      PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
                      return;
                  }
                  Sleep(10);
              }
          }) {}
    ~Answerer() { text(); }
    // Once the box was answered, or the wait given up.
    std::string text() {
        done_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return text_;
    }

  private:
    std::atomic<bool> done_ = false;
    std::string text_;
    std::thread thread_;
};

TEST_F(Win32Window, MessageBoxesShowTheirTextAndTheButtonPressedIsTheAnswer) {
    const struct {
        std::function<Answer(Win32Platform&)> ask;
        const char* text;
        int button;
        Answer answer;
    } rows[] = {
        {[](Win32Platform& p) { return p.askQuestion("Save 1?"); }, "Save 1?", IDYES, Answer::Yes},
        {[](Win32Platform& p) { return p.askQuestion("Save 2?"); }, "Save 2?", IDCANCEL,
         Answer::Cancel},
        {[](Win32Platform& p) { return p.askYesNo("Save 3?"); }, "Save 3?", IDNO, Answer::No},
        {[](Win32Platform& p) {
             p.showRefusal("Refused.");
             return Answer::Yes;
         },
         "Refused.", IDOK, Answer::Yes},
        {[](Win32Platform& p) {
             p.reportStartupFailure("Failed.");
             return Answer::Yes;
         },
         "Failed.", IDOK, Answer::Yes},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Answerer answerer(row.button);
        EXPECT_EQ(row.ask(platform), row.answer);
        EXPECT_EQ(answerer.text(), row.text);
    }
}

// The name of each window inside the main window, in order.
std::vector<std::string> readerView(HWND window) {
    std::vector<HWND> parts;
    EnumChildWindows(
        window,
        [](HWND part, LPARAM out) {
            reinterpret_cast<std::vector<HWND>*>(out)->push_back(part);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&parts));
    std::vector<std::string> seen;
    for (HWND part : parts) {
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(part, static_cast<DWORD>(OBJID_CLIENT),
                                              IID_IAccessible,
                                              reinterpret_cast<void**>(&object)))) {
            seen.emplace_back("no object");
            continue;
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        object->get_accName(self, &name);
        const std::wstring wide = name != nullptr ? std::wstring(name) : L"";
        SysFreeString(name);
        object->Release();
        seen.emplace_back(wide.begin(), wide.end()); // the names are ASCII
    }
    return seen;
}

TEST_F(Win32Window, EachPartOfTheCanvasIsAWindowNamedAsTheCoreReadsIt) {
    ScreenReading reading;
    reading.board = 2;
    reading.left = paletteCodes()[1];
    reading.right = eraserCode;
    reading.cursorShown = true;
    reading.cursorColumn = 3;
    reading.cursorRow = 5;
    reading.cells[2 * boardRows + 4] = reading.left;
    reading.status = "Board: 3 - Column: 3, Row: 5";
    platform.readScreenWith([&reading] { return reading; });
    SendMessageW(handle, WM_NULL, 0, 0); // names are read after each message

    std::ifstream file(test::dataPath("win32/screen_names.txt"));
    std::vector<std::string> expected;
    for (std::string line; std::getline(file, line);) {
        expected.push_back(line);
    }
    EXPECT_EQ(readerView(handle), expected);

    // Without the cursor, the grid is named by its board alone.
    reading.cursorShown = false;
    SendMessageW(handle, WM_NULL, 0, 0);
    EXPECT_EQ(readerView(handle).front(), "Board 3");
}

} // namespace
} // namespace bse
