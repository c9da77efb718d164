#pragma once

#include <cstdint>

// The program's message numbers, command identifiers, keys and button flags. They keep the
// values of the platform the editor was first written for, so files of tests and traces read
// the same everywhere.
// The names Win32 gives them carry the prefix BSE_, so that they live beside <windows.h>.

namespace bse {

using Message = unsigned int;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;

// Messages.
inline constexpr Message BSE_WM_DESTROY = 0x0002;
inline constexpr Message BSE_WM_PAINT = 0x000F;
inline constexpr Message BSE_WM_CLOSE = 0x0010;
inline constexpr Message BSE_WM_KEYDOWN = 0x0100;
inline constexpr Message BSE_WM_KEYUP = 0x0101;
inline constexpr Message BSE_WM_INITDIALOG = 0x0110;
inline constexpr Message BSE_WM_COMMAND = 0x0111;
inline constexpr Message BSE_WM_TIMER = 0x0113;
inline constexpr Message BSE_WM_MOUSEMOVE = 0x0200;
inline constexpr Message BSE_WM_LBUTTONDOWN = 0x0201;
inline constexpr Message BSE_WM_LBUTTONUP = 0x0202;
inline constexpr Message BSE_WM_LBUTTONDBLCLK = 0x0203;
inline constexpr Message BSE_WM_RBUTTONDOWN = 0x0204;
inline constexpr Message BSE_WM_RBUTTONUP = 0x0205;
inline constexpr Message BSE_WM_RBUTTONDBLCLK = 0x0206;
inline constexpr Message BSE_WM_MBUTTONDOWN = 0x0207;
inline constexpr Message BSE_WM_MBUTTONUP = 0x0208;
inline constexpr Message BSE_WM_MBUTTONDBLCLK = 0x0209;
// One file dropped on the window; Platform::droppedFile names it.
inline constexpr Message BSE_WM_DROPFILES = 0x0233;
// The program's own messages.
inline constexpr Message BSE_WM_APP = 0x8000;
// A recovery copy could not be written in the background; Platform::recoveryFailure says why.
inline constexpr Message BSE_WM_RECOVERYFAILED = BSE_WM_APP + 0x10;
// The watched file or its folder changed on disk.
inline constexpr Message BSE_WM_FILECHANGED = BSE_WM_APP + 0x11;
// Gestures in the board overview, boards counted from 0. A click on board wParam; a key wParam
// with lParam boards to a row; board wParam dropped before board lParam (the count: after the
// last); the context menu on board wParam; the overview's close box.
inline constexpr Message BSE_WM_OVERVIEW_CLICK = BSE_WM_APP + 0x20;
inline constexpr Message BSE_WM_OVERVIEW_KEY = BSE_WM_APP + 0x21;
inline constexpr Message BSE_WM_OVERVIEW_DROP = BSE_WM_APP + 0x22;
inline constexpr Message BSE_WM_OVERVIEW_MENU = BSE_WM_APP + 0x23;
inline constexpr Message BSE_WM_OVERVIEW_CLOSED = BSE_WM_APP + 0x24;
// What the desktop's clipboard offers is known anew: since the window opened, or since a change.
inline constexpr Message BSE_WM_APP_CLIPBOARD = BSE_WM_APP + 0x30;

// Button-state word of pointer messages.
inline constexpr WParam BSE_MK_LBUTTON = 0x0001;
inline constexpr WParam BSE_MK_RBUTTON = 0x0002;
inline constexpr WParam BSE_MK_SHIFT = 0x0004;
inline constexpr WParam BSE_MK_CONTROL = 0x0008;
inline constexpr WParam BSE_MK_MBUTTON = 0x0010;

// Pointer position: x in the low 16 bits, y in the next 16, both unsigned.
constexpr LParam makePointerParam(int x, int y) {
    return static_cast<LParam>((static_cast<std::uint32_t>(y & 0xffff) << 16) |
                               static_cast<std::uint32_t>(x & 0xffff));
}
constexpr int pointerX(LParam lParam) {
    return static_cast<int>(lParam & 0xffff);
}
constexpr int pointerY(LParam lParam) {
    return static_cast<int>((lParam >> 16) & 0xffff);
}

// Virtual keys.
inline constexpr WParam BSE_VK_RETURN = 13;
inline constexpr WParam BSE_VK_SPACE = 32;
inline constexpr WParam BSE_VK_END = 35;
inline constexpr WParam BSE_VK_HOME = 36;
inline constexpr WParam BSE_VK_LEFT = 37;
inline constexpr WParam BSE_VK_UP = 38;
inline constexpr WParam BSE_VK_RIGHT = 39;
inline constexpr WParam BSE_VK_DOWN = 40;
inline constexpr WParam BSE_VK_ESCAPE = 27;
inline constexpr WParam BSE_VK_DELETE = 46;
inline constexpr WParam BSE_VK_OEM_COMMA = 0xBC;  // ',' and '<' on most layouts
inline constexpr WParam BSE_VK_OEM_PERIOD = 0xBE; // '.' and '>'
// The modifier keys. The core reads nothing of WM_KEYDOWN's lParam: it asks the desktop which of
// them were held with the key (Platform::keyHeld), as a Win32 program asks GetKeyState.
inline constexpr WParam BSE_VK_SHIFT = 0x10;
inline constexpr WParam BSE_VK_CONTROL = 0x11;
inline constexpr WParam BSE_VK_MENU = 0x12; // Alt
// The modifier keys held with a key, as the key routes tell them apart (heldModifiers).
enum class HeldModifiers { None, Shift, Control, Other };

// WM_COMMAND: the command or control id is the low word of wParam; the high word says where it
// came from (1: a key of the menu) or what a control tells.
constexpr int commandIdOf(WParam wParam) {
    return static_cast<int>(wParam & 0xffff);
}

// Dialog results and standard control ids.
inline constexpr int BSE_IDOK = 1;
inline constexpr int BSE_IDCANCEL = 2;

// Menu commands.
inline constexpr int ID_FILE_EXIT = 40001;
inline constexpr int ID_FILE_OPEN = 40002;
inline constexpr int ID_FILE_SAVEAS = 40005;
inline constexpr int ID_ABOUT = 40012;
inline constexpr int ID_FILE_SAVE = 40015;
inline constexpr int ID_FILE_NEW = 40016;
inline constexpr int ID_BOARD_SETTINGS = 40017;
inline constexpr int ID_EDIT_COPYBOARD = 40018;
inline constexpr int ID_EDIT_PASTEBOARD = 40019;
inline constexpr int ID_EDIT_ADDBOARD = 40020;
inline constexpr int ID_EDIT_DELETEBOARD = 40021;
inline constexpr int ID_EDIT_CLEARBOARD = 40022;
inline constexpr int ID_FILE_REVERT = 40023;
inline constexpr int ID_EDIT_INSERTBOARD = 40024;
inline constexpr int ID_BOARD_BACKGROUND = 40025;
inline constexpr int ID_FILE_IMPORT = 40026;
inline constexpr int ID_BOARD_PREVIOUS = 40027;
inline constexpr int ID_BOARD_NEXT = 40028;
inline constexpr int ID_BOARD_FIRST = 40029;
inline constexpr int ID_BOARD_LAST = 40030;
inline constexpr int ID_BOARD_JUMP = 40031;
inline constexpr int ID_EDIT_UNDO = 40032;
inline constexpr int ID_EDIT_REDO = 40033;
// The tools of a level designer.
inline constexpr int ID_EDIT_MIRRORPAINTING = 40040;
inline constexpr int ID_BOARD_FLIPLEFTRIGHT = 40041;
inline constexpr int ID_BOARD_FLIPTOPBOTTOM = 40042;
inline constexpr int ID_BOARD_SHIFTLEFT = 40043;
inline constexpr int ID_BOARD_SHIFTRIGHT = 40044;
inline constexpr int ID_BOARD_SHIFTUP = 40045;
inline constexpr int ID_BOARD_SHIFTDOWN = 40046;
inline constexpr int ID_EDIT_DUPLICATEBOARD = 40047;
inline constexpr int ID_BOARD_MOVEEARLIER = 40048;
inline constexpr int ID_BOARD_MOVELATER = 40049;
inline constexpr int ID_BOARD_OVERVIEW = 40060;
// File > Recent BoardSets: the files, most recent first, and Clear List.
inline constexpr int ID_FILE_RECENT_FIRST = 40070;
inline constexpr int ID_FILE_RECENT_LAST = 40077;
inline constexpr int ID_FILE_RECENT_CLEAR = 40078;
// Parts of boards.
inline constexpr int ID_EDIT_SELECTALL = 40080;
inline constexpr int ID_EDIT_REPLACEBLOCK = 40081;
// Painting without a mouse.
inline constexpr int ID_EDIT_KEYBOARDPAINTING = 40090;

// Resources.
inline constexpr int IDD_MAINWINDOW = 101;
inline constexpr int IDB_EDITOR = 102;
inline constexpr int IDB_BLOCKS = 103;
inline constexpr int IDR_MENU = 104;
inline constexpr int IDI_APPICON = 105;
inline constexpr int IDB_STATUS = 106;
inline constexpr int IDD_BOARDSETINFO = 107;
inline constexpr int IDD_ABOUT = 108;
inline constexpr int IDD_BACKGROUND = 110;
inline constexpr int IDI_FRAME_FIRST = 111;
inline constexpr int IDI_FRAME_LAST = 120;
inline constexpr int IDD_JUMPTO = 121;
inline constexpr int IDB_ABOUT = 124;
inline constexpr int IDD_REPLACEBLOCK = 130;

// Dialog controls.
inline constexpr int IDC_BOARDSETNAME = 1000;
inline constexpr int IDC_AUTHORNAME = 1001;
inline constexpr int IDC_BACKGROUND = 1003;
inline constexpr int IDC_JUMPSPIN = 1004;
inline constexpr int IDC_JUMPBOARD = 1005;
inline constexpr int IDC_REPLACEFROM = 1020;
inline constexpr int IDC_REPLACEWITH = 1021;
inline constexpr int IDC_THISBOARD = 1022;
inline constexpr int IDC_EVERYBOARD = 1023;

// Timer.
inline constexpr int iconTimerId = 6711;
inline constexpr int iconTimerPeriodMs = 350;
// Recovery copies: written this long after the last change, and at least this often meanwhile.
inline constexpr int recoveryQuietTimerId = 6720;
inline constexpr int recoveryQuietMs = 2000;
inline constexpr int recoveryLongestTimerId = 6721;
inline constexpr int recoveryLongestMs = 30000;
// A change of the watched file is looked at once it has been quiet this long, or at the latest
// this long after the first change, however busy its folder is.
inline constexpr int fileSettleTimerId = 6722;
inline constexpr int fileSettleMs = 300;
inline constexpr int fileLongestWaitTimerId = 6723;
inline constexpr int fileLongestWaitMs = 900;

} // namespace bse
