#include "platform/dialog_template.h"

#include "platform/ids.h"

namespace bse {

namespace {

constexpr std::uint32_t buttonStyles = BSE_WS_TABSTOP;
constexpr std::uint32_t editStyles = BSE_WS_BORDER | BSE_WS_TABSTOP | BSE_ES_AUTOHSCROLL;
constexpr std::uint32_t numberStyles = editStyles | BSE_ES_NUMBER;
constexpr std::uint32_t upDownStyles = BSE_UDS_WRAP | BSE_UDS_SETBUDDYINT | BSE_UDS_ALIGNRIGHT |
                                       BSE_UDS_AUTOBUDDY | BSE_UDS_ARROWKEYS | BSE_UDS_NOTHOUSANDS;

DialogControl control(int id, ControlKind kind, std::string text, int x, int y, int width,
                      int height, std::uint32_t styles) {
    return {id, kind, std::move(text), x, y, width, height, styles};
}

DialogControl okButton(int x, int y, int width) {
    return control(BSE_IDOK, ControlKind::DefaultPushButton, "OK", x, y, width, 14, buttonStyles);
}

DialogControl cancelButton(int x, int y) {
    return control(BSE_IDCANCEL, ControlKind::PushButton, "Cancel", x, y, 50, 14, buttonStyles);
}

DialogControl label(std::string text, int x, int y, int width, int height) {
    return control(noControlId, ControlKind::Label, std::move(text), x, y, width, height, 0);
}

} // namespace

const DialogTemplate& mainWindowTemplate() {
    static const DialogTemplate main{
        IDD_MAINWINDOW, "Plinkor 2 Board Editor", 427, 246, "MS Sans Serif", 8, IDR_MENU, {}};
    return main;
}

const DialogTemplate& boardSetInfoTemplate() {
    static const DialogTemplate info{
        IDD_BOARDSETINFO,
        "BoardSet Information",
        194,
        82,
        "MS Sans Serif",
        8,
        0,
        {
            okButton(7, 61, 50),
            cancelButton(137, 61),
            control(IDC_BOARDSETNAME, ControlKind::Edit, "", 7, 15, 180, 12, editStyles),
            control(IDC_AUTHORNAME, ControlKind::Edit, "", 7, 41, 180, 12, editStyles),
            label("Author's Name:", 7, 33, 116, 8),
            label("BoardSet Name:", 7, 7, 113, 8),
        }};
    return info;
}

const DialogTemplate& aboutTemplate() {
    static const DialogTemplate about{IDD_ABOUT, "Who done it!", 283, 197, "MS Sans Serif", 8, 0,
                                      {}};
    return about;
}

const DialogTemplate& backgroundTemplate() {
    static const DialogTemplate background{
        IDD_BACKGROUND,
        "Pick Board Background",
        150,
        42,
        "MS Sans Serif",
        8,
        0,
        {
            okButton(39, 21, 49),
            cancelButton(93, 21),
            control(IDC_BACKGROUND, ControlKind::Edit, "", 7, 22, 25, 13, numberStyles),
            label("Enter a number between 1 and 20:", 7, 7, 136, 10),
        }};
    return background;
}

const DialogTemplate& jumpToTemplate() {
    // The up-down control follows its edit: it takes the control before it as its buddy.
    static const DialogTemplate jump{
        IDD_JUMPTO,
        "Jump to Board",
        157,
        39,
        "MS Sans Serif",
        8,
        0,
        {
            okButton(47, 18, 50),
            cancelButton(100, 18),
            control(IDC_JUMPBOARD, ControlKind::Edit, "", 7, 18, 36, 14, numberStyles),
            control(IDC_JUMPSPIN, ControlKind::UpDown, "Spin1", 113, 7, 24, 10, upDownStyles),
            label("Enter the board number to jump to:", 7, 7, 143, 11),
        }};
    return jump;
}

const DialogTemplate& replaceBlockTemplate() {
    // A drop-down list's height includes its open list.
    constexpr std::uint32_t listStyles = BSE_CBS_DROPDOWNLIST | BSE_WS_VSCROLL | BSE_WS_TABSTOP;
    constexpr std::uint32_t radioStyles = BSE_BS_AUTORADIOBUTTON;
    static const DialogTemplate replace{
        IDD_REPLACEBLOCK,
        "Replace Block",
        200,
        86,
        "MS Sans Serif",
        8,
        0,
        {
            label("Replace:", 7, 9, 32, 8),
            control(IDC_REPLACEFROM, ControlKind::ComboBox, "", 40, 7, 153, 150, listStyles),
            label("with:", 7, 27, 32, 8),
            control(IDC_REPLACEWITH, ControlKind::ComboBox, "", 40, 25, 153, 150, listStyles),
            control(IDC_THISBOARD, ControlKind::RadioButton, "on this &board", 7, 45, 90, 10,
                    radioStyles | BSE_WS_GROUP | BSE_WS_TABSTOP),
            control(IDC_EVERYBOARD, ControlKind::RadioButton, "on &every board", 100, 45, 93, 10,
                    radioStyles),
            okButton(89, 65, 50),
            cancelButton(143, 65),
        }};
    return replace;
}

} // namespace bse
