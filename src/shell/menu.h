#pragma once

#include <span>
#include <string_view>

namespace bse {

inline constexpr int menuSeparator = 0;

struct MenuItem {
    std::string_view text; // with '&' before the mnemonic
    int commandId = menuSeparator;
    // Keys that send the same command, in the portable text of key sequences ("Ctrl+Shift+Z"),
    // alternatives separated by ';'; the first is the one the menu shows.
    std::string_view shortcuts = {};
    // Greyed until the editor enables it.
    bool startsGreyed = false;
    // A check item, unchecked until the editor checks it.
    bool checkable = false;
    // Not in the menu until the editor shows it.
    bool startsHidden = false;
    // A submenu, with its own items, in place of a command.
    std::span<const MenuItem> submenu = {};
};

// A drop-down menu of the menu bar, or a command on the bar itself (no items, a command id).
struct MenuBarEntry {
    std::string_view text;
    int commandId = 0;
    std::span<const MenuItem> items;
};

// Menu 104 of the main window, with Undo and Redo added at the top of Edit.
std::span<const MenuBarEntry> mainMenu();

} // namespace bse
