// What a screen reader finds in the Windows editor's main window: each part's standard accessible
// object, as a reader asks for it where the focus or the pointer is.
#include "editor/screen_reading.h"
#include "platform/dialog_template.h"
#include "support/golden.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <fstream>

namespace bse {
namespace {

HWND threadWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM out) {
            *reinterpret_cast<HWND*>(out) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
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

TEST(ScreenNames, EachPartOfTheCanvasIsAWindowNamedAsTheCoreReadsIt) {
    ScreenReading reading;
    reading.board = 2;
    reading.left = paletteCodes()[1];
    reading.right = eraserCode;
    reading.cursorShown = true;
    reading.cursorColumn = 3;
    reading.cursorRow = 5;
    reading.cells[2 * boardRows + 4] = reading.left;
    reading.status = "Board: 3 - Column: 3, Row: 5";
    Win32Platform platform(GetModuleHandleW(nullptr));
    platform.readScreenWith([&reading] { return reading; });
    ASSERT_TRUE(platform.createMainWindow(mainWindowTemplate(),
                                          [](Message, WParam, LParam) { return false; }));
    HWND window = threadWindow();
    SendMessageW(window, WM_NULL, 0, 0); // names are read after each message

    std::ifstream file(test::dataPath("win32/screen_names.txt"));
    std::vector<std::string> expected;
    for (std::string line; std::getline(file, line);) {
        expected.push_back(line);
    }
    EXPECT_EQ(readerView(window), expected);

    // Without the cursor, the grid is named by its board alone.
    reading.cursorShown = false;
    SendMessageW(window, WM_NULL, 0, 0);
    EXPECT_EQ(readerView(window).front(), "Board 3");
}

} // namespace
} // namespace bse
