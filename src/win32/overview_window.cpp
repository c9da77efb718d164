// The board overview: a window of its own beside the main one, owned by it, that shows the
// pictures the editor gives it in rows as wide as it holds and reports clicks, keys, drags,
// context menus and its close box as messages to the main window's handler.
#include "win32/win32_platform.h"

#include "view/board_tile.h"
#include "win32/dib.h"
#include "win32/text.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace bse {

namespace {

constexpr int margin = 8;
constexpr int labelHeight = 18;
constexpr int cellWidth = tileWidth + margin;
constexpr int cellHeight = tileHeight + labelHeight + margin;
constexpr wchar_t className[] = L"BoardSetOverview";

} // namespace

int Win32Platform::overviewColumns() const {
    RECT client{};
    GetClientRect(overview_, &client);
    return std::max<int>(1, (client.right - margin) / cellWidth);
}

RECT Win32Platform::overviewTileRect(int board) const {
    const int columns = overviewColumns();
    const int x = margin + board % columns * cellWidth;
    const int y = margin + board / columns * cellHeight - overviewScroll_;
    return {x, y, x + tileWidth, y + tileHeight};
}

// The board under a point, or -1.
int Win32Platform::overviewBoardAt(POINT at) const {
    for (int board = 0; board < static_cast<int>(overviewTiles_.size()); ++board) {
        RECT tile = overviewTileRect(board);
        tile.bottom += labelHeight;
        if (PtInRect(&tile, at)) {
            return board;
        }
    }
    return -1;
}

// The gap (0 to the count) nearest to a point: before the board under it, or after it past its
// middle.
int Win32Platform::overviewGapAt(POINT at) const {
    const int columns = overviewColumns();
    const int count = static_cast<int>(overviewTiles_.size());
    const int row = std::max<int>(0, (at.y + overviewScroll_ - margin) / cellHeight);
    const int column = std::clamp<int>((at.x - margin + cellWidth / 2) / cellWidth, 0, columns);
    return std::clamp(row * columns + column, 0, count);
}

void Win32Platform::updateOverviewScroll() {
    RECT client{};
    GetClientRect(overview_, &client);
    const int columns = overviewColumns();
    const int rows = (static_cast<int>(overviewTiles_.size()) + columns - 1) / columns;
    const int height = margin + rows * cellHeight;
    overviewScroll_ = std::clamp(overviewScroll_, 0, std::max<int>(0, height - client.bottom));
    SCROLLINFO info{sizeof(info),
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    height - 1,
                    static_cast<UINT>(client.bottom),
                    overviewScroll_,
                    0};
    SetScrollInfo(overview_, SB_VERT, &info, TRUE);
    InvalidateRect(overview_, nullptr, TRUE);
}

void Win32Platform::showOverview(std::string_view title) {
    if (overview_ == nullptr) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = overviewProc;
        windowClass.hInstance = instance_;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = className;
        RegisterClassW(&windowClass);
        // Three boards a row, four rows; placed once beside the main window, right where the
        // screen has room, else left.
        RECT frame{0, 0, margin + 3 * cellWidth, margin + 4 * cellHeight};
        const DWORD style = WS_OVERLAPPEDWINDOW | WS_VSCROLL;
        AdjustWindowRectEx(&frame, style, FALSE, 0);
        const int width = frame.right - frame.left + GetSystemMetrics(SM_CXVSCROLL);
        const Rect main = mainWindowFrame();
        const Size screen = screenSize();
        const int x =
            main.right + width <= screen.width ? main.right : std::max(0, main.left - width);
        overview_ = CreateWindowExW(0, className, L"", style, x, main.top, width,
                                    frame.bottom - frame.top, window_, nullptr, instance_, this);
    }
    overviewTiles_.clear();
    overviewFrame_ = -1;
    overviewPressed_ = -1;
    setOverviewTitle(title);
    updateOverviewScroll();
    ShowWindow(overview_, SW_SHOWNOACTIVATE);
}

void Win32Platform::hideOverview() {
    if (overview_ != nullptr) {
        ShowWindow(overview_, SW_HIDE);
    }
    overviewTiles_.clear();
}

void Win32Platform::setOverviewTitle(std::string_view title) {
    if (overview_ != nullptr) {
        SetWindowTextW(overview_, wideFromWindows1252(title).c_str());
    }
}

void Win32Platform::setOverviewCount(int count) {
    overviewTiles_.resize(static_cast<std::size_t>(std::max(count, 0)));
    if (overview_ != nullptr) {
        updateOverviewScroll();
    }
}

void Win32Platform::setOverviewTile(int board, const Picture& picture, std::string_view label) {
    if (board < 0 || board >= static_cast<int>(overviewTiles_.size())) {
        return;
    }
    overviewTiles_[static_cast<std::size_t>(board)] = {&picture, std::string(label)};
    RECT area = overviewTileRect(board);
    InflateRect(&area, margin / 2, margin / 2);
    area.bottom += labelHeight;
    InvalidateRect(overview_, &area, FALSE);
}

void Win32Platform::setOverviewFrame(int board) {
    overviewFrame_ = board;
    if (overview_ == nullptr || board < 0) {
        return;
    }
    // Scrolled so that the framed board shows whole.
    RECT client{};
    GetClientRect(overview_, &client);
    const RECT tile = overviewTileRect(board);
    if (tile.top - margin < 0) {
        overviewScroll_ += tile.top - margin;
    } else if (tile.bottom + labelHeight > client.bottom) {
        overviewScroll_ += tile.bottom + labelHeight - client.bottom;
    }
    updateOverviewScroll();
}

LRESULT CALLBACK Win32Platform::overviewProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || !self->handler_ || self->overview_ != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->overviewMessage(message, wParam, lParam);
}

LRESULT Win32Platform::overviewMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(overview_, &paint);
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        for (int board = 0; board < static_cast<int>(overviewTiles_.size()); ++board) {
            const OverviewTile& tile = overviewTiles_[static_cast<std::size_t>(board)];
            const RECT rect = overviewTileRect(board);
            if (tile.picture != nullptr) {
                drawPicture(dc, rect.left, rect.top, *tile.picture);
            }
            RECT label{rect.left, rect.bottom, rect.right, rect.bottom + labelHeight};
            const std::wstring text = wideFromWindows1252(tile.label);
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            if (board == overviewFrame_ || board == overviewDropGap_) {
                // The frame round the current board; a bar before the gap a drag would drop in.
                RECT mark = rect;
                if (board == overviewFrame_) {
                    InflateRect(&mark, 3, 3);
                    mark.bottom += labelHeight;
                } else {
                    mark = {rect.left - margin / 2 - 2, rect.top, rect.left - margin / 2 + 1,
                            rect.bottom};
                }
                FrameRect(dc, &mark, GetSysColorBrush(COLOR_HIGHLIGHT));
                InflateRect(&mark, -1, -1);
                FrameRect(dc, &mark, GetSysColorBrush(COLOR_HIGHLIGHT));
            }
        }
        SelectObject(dc, oldFont);
        EndPaint(overview_, &paint);
        return 0;
    }
    case WM_SIZE:
        updateOverviewScroll();
        return 0;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: {
        SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(overview_, SB_VERT, &info);
        const int page = static_cast<int>(info.nPage);
        if (message == WM_MOUSEWHEEL) {
            overviewScroll_ -= GET_WHEEL_DELTA_WPARAM(wParam) * cellHeight / WHEEL_DELTA;
        } else {
            switch (LOWORD(wParam)) {
            case SB_LINEUP:
                overviewScroll_ -= cellHeight / 4;
                break;
            case SB_LINEDOWN:
                overviewScroll_ += cellHeight / 4;
                break;
            case SB_PAGEUP:
                overviewScroll_ -= page;
                break;
            case SB_PAGEDOWN:
                overviewScroll_ += page;
                break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION:
                overviewScroll_ = info.nTrackPos;
                break;
            default:
                break;
            }
        }
        updateOverviewScroll();
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetFocus(overview_);
        SetCapture(overview_);
        overviewPressed_ = overviewBoardAt(at);
        overviewPressedAt_ = at;
        overviewDropGap_ = -1;
        return 0;
    case WM_MOUSEMOVE:
        if (overviewPressed_ >= 0 && (wParam & MK_LBUTTON) != 0 &&
            (std::abs(at.x - overviewPressedAt_.x) > GetSystemMetrics(SM_CXDRAG) ||
             std::abs(at.y - overviewPressedAt_.y) > GetSystemMetrics(SM_CYDRAG))) {
            overviewDropGap_ = overviewGapAt(at);
            InvalidateRect(overview_, nullptr, TRUE);
        }
        return 0;
    case WM_LBUTTONUP: {
        ReleaseCapture();
        const int pressed = std::exchange(overviewPressed_, -1);
        const int gap = std::exchange(overviewDropGap_, -1);
        if (pressed >= 0 && gap >= 0) {
            InvalidateRect(overview_, nullptr, TRUE);
            handler_(BSE_WM_OVERVIEW_DROP, static_cast<WParam>(pressed), gap);
        } else if (pressed >= 0 && overviewBoardAt(at) == pressed) {
            handler_(BSE_WM_OVERVIEW_CLICK, static_cast<WParam>(pressed), 0);
        }
        return 0;
    }
    case WM_CONTEXTMENU: {
        POINT client = at;
        ScreenToClient(overview_, &client);
        if (const int board = overviewBoardAt(client); board >= 0) {
            handler_(BSE_WM_OVERVIEW_MENU, static_cast<WParam>(board), 0);
        }
        return 0;
    }
    case WM_KEYDOWN:
        // Plain keys are the overview's own; the commands with Ctrl come as accelerators.
        if (GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 &&
            GetKeyState(VK_SHIFT) >= 0) {
            handler_(BSE_WM_OVERVIEW_KEY, static_cast<WParam>(wParam), overviewColumns());
        }
        return 0;
    case WM_CLOSE:
        handler_(BSE_WM_OVERVIEW_CLOSED, 0, 0);
        return 0;
    default:
        return DefWindowProcW(overview_, message, wParam, lParam);
    }
}

} // namespace bse
