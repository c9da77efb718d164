// The Win32 front end's translations of the core's data: templates to DLGTEMPLATE bytes, the menu
// data to a menu bar and its keys to accelerators, pictures to DIBs.
#include "platform/dialog_template.h"
#include "shell/menu.h"
#include "support/golden.h"
#include "win32/dialog_memory.h"
#include "win32/dib.h"
#include "win32/menus.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace bse {
namespace {

// Hex bytes, '#' to the end of a line a comment.
std::vector<std::uint8_t> readHex(const std::string& name) {
    std::ifstream file(test::dataPath("win32/" + name));
    EXPECT_TRUE(file) << name;
    std::vector<std::uint8_t> bytes;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        for (std::string word; words >> word;) {
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
        }
    }
    return bytes;
}

TEST(DialogMemory, TemplatesAreDlgTemplatesWithTheirFontAndControls) {
    const struct {
        const DialogTemplate& dialogTemplate;
        const char* file;
    } rows[] = {{jumpToTemplate(), "jump_template.hex"},
                {mainWindowTemplate(), "main_template.hex"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        EXPECT_EQ(dialogTemplateBytes(row.dialogTemplate), readHex(row.file));
    }
}

// The menu bar as text: one line per item, submenus indented.
void describeMenu(HMENU menu, const std::string& indent, std::string& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[100] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 100;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        out += indent;
        if ((info.fType & MFT_SEPARATOR) != 0) {
            out += "----\n";
            continue;
        }
        std::ostringstream line;
        for (const wchar_t* c = text; *c != 0; ++c) {
            line << (*c == L'\t' ? "\\t" : std::string(1, static_cast<char>(*c)));
        }
        if (info.hSubMenu == nullptr) {
            line << ' ' << info.wID;
        }
        line << ((info.fState & MFS_GRAYED) != 0 ? " greyed\n" : "\n");
        out += line.str();
        if (info.hSubMenu != nullptr) {
            describeMenu(info.hSubMenu, indent + "  ", out);
        }
    }
}

TEST(Menus, TheMenuBarHoldsTheShellsItemsWithTheirKeys) {
    HMENU bar = createMenuBar(mainMenu());
    std::string described;
    describeMenu(bar, "", described);
    DestroyMenu(bar);
    test::expectGolden("win32/menu_bar.txt", described);
}

TEST(Menus, KeyNamesBecomeAccelerators) {
    const struct {
        const char* keys;
        BYTE flags;
        WORD key;
    } rows[] = {
        {"Ctrl+Q", FVIRTKEY | FCONTROL, 'Q'},
        {"Ctrl+Shift+PgUp", FVIRTKEY | FCONTROL | FSHIFT, VK_PRIOR},
        {"PgDown", FVIRTKEY, VK_NEXT},
        {"Home", FVIRTKEY, VK_HOME},
        {"Shift+Left", FVIRTKEY | FSHIFT, VK_LEFT},
        {"Alt+End", FVIRTKEY | FALT, VK_END},
        {"F1", FVIRTKEY, VK_F1},
        {"F7", FVIRTKEY, VK_F7},
        {"Shift+F12", FVIRTKEY | FSHIFT, VK_F12},
        {"F13", 0, 0},
        {"F0", 0, 0},
        {"Meta+Q", 0, 0},
        {"Ctrl+", 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keys);
        const std::optional<ACCEL> accel = acceleratorFor(row.keys, 40001);
        ASSERT_EQ(accel.has_value(), row.flags != 0);
        if (accel) {
            EXPECT_EQ(accel->fVirt, row.flags);
            EXPECT_EQ(accel->key, row.key);
            EXPECT_EQ(accel->cmd, 40001);
        }
    }
}

TEST(Menus, EveryMenuKeyIsAnAcceleratorButThoseTheWindowRoutes) {
    std::vector<ACCEL> table = acceleratorTable(mainMenu());
    // 28 keys in the menus: Shift with the four arrows, Ctrl+C and Ctrl+V go to the key table.
    EXPECT_EQ(table.size(), 28u - 6u);
    HACCEL accelerators = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
    EXPECT_NE(accelerators, nullptr);
    DestroyAcceleratorTable(accelerators);
}

TEST(Dib, PicturesDrawAsTheirPixels) {
    constexpr int width = 5;
    Picture trueColour(width, 2, rgb(10, 20, 30));
    trueColour.set(2, 1, rgb(200, 100, 50));
    // Five columns of bytes: each row of the DIB is padded to eight.
    Picture indexed = Picture::indexed(width, 2, {rgb(1, 2, 3), rgb(250, 0, 0), rgb(0, 0, 250)});
    indexed.indexRow(0)[1] = 1;
    indexed.indexRow(1)[4] = 2;
    for (const Picture* picture : {&trueColour, &indexed}) {
        SCOPED_TRACE(picture->isIndexed() ? "indexed" : "true colour");
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        drawPicture(dc, 0, 0, *picture);
        GdiFlush();
        const auto* drawn = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < width; ++x) {
                EXPECT_EQ(drawn[y * width + x] & 0xffffff, picture->at(x, y) & 0xffffff)
                    << x << "," << y;
            }
        }
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
}

} // namespace
} // namespace bse
