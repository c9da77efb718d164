#include "shell/menu.h"

#include "platform/ids.h"

#include <array>

namespace bse {

namespace {

// Placeholders until the editor names the files; hidden while the list is shorter.
constexpr std::array recentItems{
    MenuItem{"Recent &1", ID_FILE_RECENT_FIRST, {}, false, false, true},
    MenuItem{"Recent &2", ID_FILE_RECENT_FIRST + 1, {}, false, false, true},
    MenuItem{"Recent &3", ID_FILE_RECENT_FIRST + 2, {}, false, false, true},
    MenuItem{"Recent &4", ID_FILE_RECENT_FIRST + 3, {}, false, false, true},
    MenuItem{"Recent &5", ID_FILE_RECENT_FIRST + 4, {}, false, false, true},
    MenuItem{"Recent &6", ID_FILE_RECENT_FIRST + 5, {}, false, false, true},
    MenuItem{"Recent &7", ID_FILE_RECENT_FIRST + 6, {}, false, false, true},
    MenuItem{"Recent &8", ID_FILE_RECENT_LAST, {}, false, false, true},
    MenuItem{"", menuSeparator},
    MenuItem{"&Clear List", ID_FILE_RECENT_CLEAR, {}, true},
};

constexpr std::array fileItems{
    MenuItem{"&New", ID_FILE_NEW, "Ctrl+N"},
    MenuItem{"&Open...", ID_FILE_OPEN, "Ctrl+O"},
    MenuItem{"&Save", ID_FILE_SAVE, "Ctrl+S"},
    MenuItem{"Save As...", ID_FILE_SAVEAS, "Ctrl+Shift+S"},
    MenuItem{"", menuSeparator},
    MenuItem{"Import...", ID_FILE_IMPORT},
    MenuItem{"&Revert", ID_FILE_REVERT},
    MenuItem{"Recen&t BoardSets", 0, {}, false, false, false, recentItems},
    MenuItem{"", menuSeparator},
    MenuItem{"&Exit", ID_FILE_EXIT, "Ctrl+Q"},
};

constexpr std::array editItems{
    MenuItem{"&Undo", ID_EDIT_UNDO, "Ctrl+Z", true},
    MenuItem{"&Redo", ID_EDIT_REDO, "Ctrl+Shift+Z;Ctrl+Y", true},
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
    MenuItem{"&Mirror Painting", ID_EDIT_MIRRORPAINTING, "Ctrl+M", false, true},
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
    MenuItem{"Board &Overview", ID_BOARD_OVERVIEW, "Ctrl+B", false, true},
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
