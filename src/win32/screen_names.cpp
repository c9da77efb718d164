// Screen readers: the canvas is one drawn picture, so its parts are child windows that draw
// nothing and let the mouse through, each named by its window text, which is what a reader's
// standard view of a window reads. The names come from the core after each message; one that
// changed is set anew and said to have changed.
#include "win32/win32_platform.h"

#include "view/geometry.h"
#include "win32/text.h"

namespace bse {

namespace {

constexpr wchar_t areaClass[] = L"BoardSetEditorArea";

LRESULT CALLBACK areaProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // the main window takes every click and key
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        ValidateRect(window, nullptr); // the canvas under it shows
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND makeArea(HINSTANCE instance, HWND parent, const Rect& rect, const Rect& within) {
    return CreateWindowExW(WS_EX_TRANSPARENT, areaClass, L"", WS_CHILD | WS_VISIBLE,
                           rect.left - within.left, rect.top - within.top, rect.width(),
                           rect.height(), parent, nullptr, instance, nullptr);
}

} // namespace

void Win32Platform::readScreenWith(std::function<ScreenReading()> source) {
    screenSource_ = std::move(source);
}

void Win32Platform::createScreenAreas() {
    WNDCLASSW areaWindows{};
    areaWindows.lpfnWndProc = areaProc;
    areaWindows.hInstance = instance_;
    areaWindows.lpszClassName = areaClass;
    RegisterClassW(&areaWindows); // fails harmlessly when a second window registers it again
    const Rect client{0, 0, canvasWidth, canvasHeight};
    const Rect palette{paletteHitBox.left, paletteHitBox.top, paletteHitBox.right + 1,
                       paletteHitBox.bottom + 1};
    // In reading order, as the names are made.
    screenAreas_.push_back({makeArea(instance_, window_, boardGridRect, client), {}});
    HWND blocks = makeArea(instance_, window_, palette, client);
    screenAreas_.push_back({blocks, {}});
    for (std::size_t i = 0; i < paletteCodes().size(); ++i) {
        screenAreas_.push_back(
            {makeArea(instance_, blocks, paletteSlotRect(static_cast<int>(i)), palette), {}});
    }
    for (const int slot : {leftSlotX, rightSlotX}) {
        screenAreas_.push_back({makeArea(instance_, window_, selectionSlotRect(slot), client), {}});
    }
    for (const ButtonReading& button : buttonReadings()) {
        screenAreas_.push_back({makeArea(instance_, window_, button.rect, client), {}});
    }
    screenAreas_.push_back({makeArea(instance_, window_, statusTextRect, client), {}});
}

void Win32Platform::showScreenNames() {
    if (!screenSource_ || screenAreas_.empty()) {
        return;
    }
    ScreenReading now = screenSource_();
    // Most messages change nothing a reader hears: a pointer move within a cell, a timer.
    if (now == screenRead_) {
        return;
    }
    // Without cells of its own, the grid names the cursor's one.
    std::string grid = gridReading(now.board);
    if (now.cursorShown) {
        grid += ", " + cellReading(now.cursorColumn, now.cursorRow,
                                   now.cells[static_cast<std::size_t>(
                                       (now.cursorColumn - 1) * boardRows + now.cursorRow - 1)]);
    }
    std::vector<std::string> names{grid, std::string(paletteReading)};
    for (const BlockCode code : paletteCodes()) {
        names.push_back(paletteItemReading(code, now.left, now.right));
    }
    names.push_back(slotReading(false, now.left));
    names.push_back(slotReading(true, now.right));
    for (const ButtonReading& button : buttonReadings()) {
        names.emplace_back(button.name);
    }
    names.push_back(now.status);
    screenRead_ = std::move(now);
    for (std::size_t i = 0; i < names.size() && i < screenAreas_.size(); ++i) {
        auto& [area, shown] = screenAreas_[i];
        if (shown != names[i]) {
            shown = names[i];
            SetWindowTextW(area, wideFromWindows1252(shown).c_str());
            NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, area, OBJID_CLIENT, CHILDID_SELF);
        }
    }
}

} // namespace bse
