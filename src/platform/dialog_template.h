#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Dialog templates as data. The desktop layer builds a window from one of these: sizes are in
// dialog units, controls in template order, which is also the tab order.

namespace bse {

enum class ControlKind {
    DefaultPushButton,
    PushButton,
    Edit,
    Label,
    UpDown,
    ComboBox,
    RadioButton
};

// Control styles, with the values the templates were first written with.
inline constexpr std::uint32_t BSE_WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t BSE_WS_BORDER = 0x00800000;
inline constexpr std::uint32_t BSE_WS_GROUP = 0x00020000;
inline constexpr std::uint32_t BSE_WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t BSE_CBS_DROPDOWNLIST = 0x0003;
inline constexpr std::uint32_t BSE_BS_AUTORADIOBUTTON = 0x0009;
inline constexpr std::uint32_t BSE_ES_AUTOHSCROLL = 0x0080;
inline constexpr std::uint32_t BSE_ES_NUMBER = 0x2000;
inline constexpr std::uint32_t BSE_UDS_WRAP = 0x0001;
inline constexpr std::uint32_t BSE_UDS_SETBUDDYINT = 0x0002;
inline constexpr std::uint32_t BSE_UDS_ALIGNRIGHT = 0x0004;
inline constexpr std::uint32_t BSE_UDS_AUTOBUDDY = 0x0010;
inline constexpr std::uint32_t BSE_UDS_ARROWKEYS = 0x0020;
inline constexpr std::uint32_t BSE_UDS_NOTHOUSANDS = 0x0080;

inline constexpr int noControlId = -1; // labels have no id of their own

struct DialogControl {
    int id = noControlId;
    ControlKind kind = ControlKind::Label;
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint32_t styles = 0;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int width = 0; // dialog units
    int height = 0;
    std::string fontName = "MS Sans Serif";
    int fontPointSize = 8;
    int menuId = 0; // 0: no menu
    std::vector<DialogControl> controls;
};

// 1.5 px per horizontal and 1.625 px per vertical dialog unit, to the nearest pixel (halves
// down): 427 x 246 units give the 640 x 400 client area.
constexpr int dialogUnitsToPixelsX(int units) {
    return units * 3 / 2;
}
constexpr int dialogUnitsToPixelsY(int units) {
    return (units * 13 + 3) / 8;
}

// The main window: a dialog without controls whose client area the canvas fills.
const DialogTemplate& mainWindowTemplate();
// "BoardSet Information" (107), "Who done it!" (108), "Pick Board Background" (110) and
// "Jump to Board" (121).
const DialogTemplate& boardSetInfoTemplate();
const DialogTemplate& aboutTemplate();
const DialogTemplate& backgroundTemplate();
const DialogTemplate& jumpToTemplate();
// "Replace Block" (130): two drop-down lists of blocks and two radio buttons.
const DialogTemplate& replaceBlockTemplate();

} // namespace bse
