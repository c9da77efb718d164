#include "shell/menu.h"

#include "platform/ids.h"

#include <array>

namespace bse {

namespace {

// Placeholders until the editor names the files; hidden while the list is shorter.
constexpr std::array recentItems{
    MenuItem{.text = "Recent &1", .commandId = ID_FILE_RECENT_FIRST, .startsHidden = true},
    MenuItem{.text = "Recent &2", .commandId = ID_FILE_RECENT_FIRST + 1, .startsHidden = true},
    MenuItem{.text = "Recent &3", .commandId = ID_FILE_RECENT_FIRST + 2, .startsHidden = true},
    MenuItem{.text = "Recent &4", .commandId = ID_FILE_RECENT_FIRST + 3, .startsHidden = true},
    MenuItem{.text = "Recent &5", .commandId = ID_FILE_RECENT_FIRST + 4, .startsHidden = true},
    MenuItem{.text = "Recent &6", .commandId = ID_FILE_RECENT_FIRST + 5, .startsHidden = true},
    MenuItem{.text = "Recent &7", .commandId = ID_FILE_RECENT_FIRST + 6, .startsHidden = true},
    MenuItem{.text = "Recent &8", .commandId = ID_FILE_RECENT_LAST, .startsHidden = true},
    MenuItem{"", menuSeparator},
    MenuItem{.text = "&Clear List", .commandId = ID_FILE_RECENT_CLEAR, .startsGreyed = true},
};

constexpr std::array fileItems{
    MenuItem{"&New", ID_FILE_NEW, "Ctrl+N"},
    MenuItem{"&Open...", ID_FILE_OPEN, "Ctrl+O"},
    MenuItem{"&Save", ID_FILE_SAVE, "Ctrl+S"},
    MenuItem{"Save As...", ID_FILE_SAVEAS, "Ctrl+Shift+S"},
    MenuItem{"", menuSeparator},
    MenuItem{"Import...", ID_FILE_IMPORT},
    MenuItem{"&Revert", ID_FILE_REVERT},
    MenuItem{.text = "Recen&t BoardSets", .submenu = recentItems},
    MenuItem{"", menuSeparator},
    MenuItem{"&Exit", ID_FILE_EXIT, "Ctrl+Q"},
};

constexpr std::array editItems{
    MenuItem{
        .text = "&Undo", .commandId = ID_EDIT_UNDO, .shortcuts = "Ctrl+Z", .startsGreyed = true},
    MenuItem{.text = "&Redo",
             .commandId = ID_EDIT_REDO,
             .shortcuts = "Ctrl+Shift+Z;Ctrl+Y",
             .startsGreyed = true},
    MenuItem{"", menuSeparator},
    MenuItem{"&Copy Board", ID_EDIT_COPYBOARD, "Ctrl+C"},
    MenuItem{"&Paste Board", ID_EDIT_PASTEBOARD, "Ctrl+V"},
    MenuItem{"Select &All", ID_EDIT_SELECTALL, "Ctrl+A"},
    MenuItem{"", menuSeparator},
    MenuItem{"C&lear Board", ID_EDIT_CLEARBOARD},
    MenuItem{"&Add a Board", ID_EDIT_ADDBOARD},
    MenuItem{"&Insert Board", ID_EDIT_INSERTBOARD},
    MenuItem{"&Delete Board", ID_EDIT_DELETEBOARD},
    MenuItem{"Duplica&te Board", ID_EDIT_DUPLICATEBOARD, "Ctrl+D"},
    MenuItem{"R&eplace Block...", ID_EDIT_REPLACEBLOCK, "Ctrl+H"},
    MenuItem{"", menuSeparator},
    MenuItem{.text = "&Mirror Painting",
             .commandId = ID_EDIT_MIRRORPAINTING,
             .shortcuts = "Ctrl+M",
             .checkable = true},
    MenuItem{.text = "&Keyboard Painting",
             .commandId = ID_EDIT_KEYBOARDPAINTING,
             .shortcuts = "F7",
             .checkable = true},
};

constexpr std::array boardItems{
    MenuItem{"&Previous Board", ID_BOARD_PREVIOUS, "PgUp"},
    MenuItem{"&Next Board", ID_BOARD_NEXT, "PgDown"},
    MenuItem{"&First Board", ID_BOARD_FIRST, "Home"},
    MenuItem{"&Last Board", ID_BOARD_LAST, "End"},
    MenuItem{"Jump to...", ID_BOARD_JUMP},
    MenuItem{"", menuSeparator},
    MenuItem{"Set Board Back&ground...", ID_BOARD_BACKGROUND},
    MenuItem{"BoardSet &Settings...", ID_BOARD_SETTINGS},
    MenuItem{"", menuSeparator},
    MenuItem{"Flip Left and &Right", ID_BOARD_FLIPLEFTRIGHT, "Ctrl+Shift+H"},
    MenuItem{"Flip &Top and Bottom", ID_BOARD_FLIPTOPBOTTOM, "Ctrl+Shift+V"},
    MenuItem{"Shift Left", ID_BOARD_SHIFTLEFT, "Shift+Left"},
    MenuItem{"Shift Right", ID_BOARD_SHIFTRIGHT, "Shift+Right"},
    MenuItem{"Shift Up", ID_BOARD_SHIFTUP, "Shift+Up"},
    MenuItem{"Shift Down", ID_BOARD_SHIFTDOWN, "Shift+Down"},
    MenuItem{"Move Board &Earlier", ID_BOARD_MOVEEARLIER, "Ctrl+Shift+PgUp"},
    MenuItem{"Move Board L&ater", ID_BOARD_MOVELATER, "Ctrl+Shift+PgDown"},
    MenuItem{"", menuSeparator},
    MenuItem{.text = "Board &Overview",
             .commandId = ID_BOARD_OVERVIEW,
             .shortcuts = "Ctrl+B",
             .checkable = true},
};

constexpr std::array menuBar{
    MenuBarEntry{"&File", 0, fileItems},
    MenuBarEntry{"&Edit", 0, editItems},
    MenuBarEntry{"&Board", 0, boardItems},
    MenuBarEntry{"&About", ID_ABOUT, {}},
};

} // namespace

std::span<const MenuBarEntry> mainMenu() {
    return menuBar;
}

} // namespace bse
