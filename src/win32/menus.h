#pragma once

#include "shell/menu.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bse {

// An item's text as the menu shows it: the mnemonic's '&' kept, the first key after a tab.
std::wstring menuItemText(const MenuItem& item);

// An item's text as the editor last set it (Windows-1252), or nothing while it is hidden.
using ItemText = std::function<std::optional<std::string>(const MenuItem&)>;

// The menu bar from the shell's data, each item's text from `itemText` (by default its own, and
// none for the items that start hidden). Win32 menus cannot hide an item: the front end builds
// the bar anew when the editor shows or hides one.
HMENU createMenuBar(std::span<const MenuBarEntry> entries, const ItemText& itemText = {});

// One key in the portable text of key sequences ("Ctrl+Shift+PgUp") as an accelerator of
// `commandId`; nothing for a key name this table does not know.
std::optional<ACCEL> acceleratorFor(std::string_view keys, int commandId);

// Every key of the menus, except the ones the window's key table routes itself from WM_KEYDOWN
// (Shift with an arrow; Ctrl+C and Ctrl+V, which act on a selection while there is one).
std::vector<ACCEL> acceleratorTable(std::span<const MenuBarEntry> entries);

} // namespace bse
