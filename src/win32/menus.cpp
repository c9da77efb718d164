#include "win32/menus.h"

#include "win32/text.h"

#include <array>
#include <charconv>

namespace bse {

namespace {

struct KeyName {
    std::string_view name;
    WORD virtualKey;
};

constexpr std::array keyNames{
    KeyName{"PgUp", VK_PRIOR}, KeyName{"PgDown", VK_NEXT}, KeyName{"Home", VK_HOME},
    KeyName{"End", VK_END},    KeyName{"Left", VK_LEFT},   KeyName{"Right", VK_RIGHT},
    KeyName{"Up", VK_UP},      KeyName{"Down", VK_DOWN},   KeyName{"Del", VK_DELETE},
};

std::optional<WORD> virtualKey(std::string_view name) {
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
        return static_cast<WORD>(name[0]);
    }
    int function = 0; // F1 to F12
    const char* const end = name.data() + name.size();
    if (name.size() > 1 && name[0] == 'F' &&
        std::from_chars(name.data() + 1, end, function).ptr == end && function >= 1 &&
        function <= 12) {
        return static_cast<WORD>(VK_F1 + function - 1);
    }
    for (const KeyName& key : keyNames) {
        if (key.name == name) {
            return key.virtualKey;
        }
    }
    return std::nullopt;
}

bool routedByTheWindow(const ACCEL& accel) {
    const bool arrow = accel.key >= VK_LEFT && accel.key <= VK_DOWN;
    const bool clipboard = accel.key == 'C' || accel.key == 'V';
    return (arrow && accel.fVirt == (FVIRTKEY | FSHIFT)) ||
           (clipboard && accel.fVirt == (FVIRTKEY | FCONTROL));
}

// A separator shows only between two items: Win32 draws one at the top or bottom of a menu, where
// the hidden items left it alone, as a line of its own.
void appendItems(HMENU menu, std::span<const MenuItem> items, const ItemText& itemText) {
    bool separatorDue = false;
    for (const MenuItem& item : items) {
        const std::optional<std::string> shownText = itemText(item);
        if (!shownText) {
            continue;
        }
        if (item.commandId == menuSeparator && item.submenu.empty()) {
            separatorDue = GetMenuItemCount(menu) > 0;
            continue;
        }
        if (separatorDue) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            separatorDue = false;
        }
        MenuItem shown = item;
        shown.text = *shownText;
        const std::wstring text = menuItemText(shown);
        if (!item.submenu.empty()) {
            HMENU submenu = CreatePopupMenu();
            appendItems(submenu, item.submenu, itemText);
            AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                        text.c_str());
        } else {
            const UINT flags = MF_STRING | (item.startsGreyed ? MF_GRAYED : MF_ENABLED) |
                               (item.checkable ? MF_UNCHECKED : 0u);
            AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.commandId), text.c_str());
        }
    }
}

void collectAccelerators(std::span<const MenuItem> items, std::vector<ACCEL>& table) {
    for (const MenuItem& item : items) {
        collectAccelerators(item.submenu, table);
        std::string_view rest = item.shortcuts;
        while (!rest.empty()) {
            const std::size_t end = rest.find(';');
            const std::optional<ACCEL> accel = acceleratorFor(rest.substr(0, end), item.commandId);
            if (accel && !routedByTheWindow(*accel)) {
                table.push_back(*accel);
            }
            rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        }
    }
}

} // namespace

std::wstring menuItemText(const MenuItem& item) {
    std::wstring text = wideFromWindows1252(item.text);
    const std::string_view first = item.shortcuts.substr(0, item.shortcuts.find(';'));
    if (!first.empty()) {
        text += L'\t';
        text += wideFromWindows1252(first);
    }
    return text;
}

HMENU createMenuBar(std::span<const MenuBarEntry> entries, const ItemText& itemText) {
    const ItemText textOf = itemText ? itemText : [](const MenuItem& item) {
        return item.startsHidden ? std::nullopt : std::optional<std::string>(item.text);
    };
    HMENU bar = CreateMenu();
    for (const MenuBarEntry& entry : entries) {
        const std::wstring text = wideFromWindows1252(entry.text);
        if (entry.items.empty()) {
            AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(entry.commandId), text.c_str());
        } else {
            HMENU menu = CreatePopupMenu();
            appendItems(menu, entry.items, textOf);
            AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu), text.c_str());
        }
    }
    return bar;
}

std::optional<ACCEL> acceleratorFor(std::string_view keys, int commandId) {
    ACCEL accel{};
    accel.fVirt = FVIRTKEY;
    accel.cmd = static_cast<WORD>(commandId);
    for (;;) {
        const std::size_t plus = keys.find('+');
        if (plus == std::string_view::npos) {
            break;
        }
        const std::string_view modifier = keys.substr(0, plus);
        if (modifier == "Ctrl") {
            accel.fVirt |= FCONTROL;
        } else if (modifier == "Shift") {
            accel.fVirt |= FSHIFT;
        } else if (modifier == "Alt") {
            accel.fVirt |= FALT;
        } else {
            return std::nullopt;
        }
        keys.remove_prefix(plus + 1);
    }
    const std::optional<WORD> key = virtualKey(keys);
    if (!key) {
        return std::nullopt;
    }
    accel.key = *key;
    return accel;
}

std::vector<ACCEL> acceleratorTable(std::span<const MenuBarEntry> entries) {
    std::vector<ACCEL> table;
    for (const MenuBarEntry& entry : entries) {
        collectAccelerators(entry.items, table);
    }
    return table;
}

} // namespace bse
