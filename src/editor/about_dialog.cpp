#include "editor/about_dialog.h"

#include "editor/dialog_setup.h"
#include "editor/editor.h"
#include "platform/dialog_window.h"
#include "platform/platform.h"

namespace bse {

const std::string_view aboutText = "BoardSet Editor for Plinkor 2, by the BoardSet Editor team.\n"
                                   "Version: 0.10b Beta\n"
                                   "\n"
                                   "This editor is for editing the board sets of Plinkor 2 and\n"
                                   "for creating new board sets for the brick-breaking game.\n"
                                   "It was written for desktop Linux and for Windows. Please\n"
                                   "send comments, bugs and questions to the address below.\n"
                                   "Contact: editor-team@example.org\n"
                                   "\n"
                                   "Plinkor 2 is the work of its own makers,\n"
                                   "who keep its home page on the web at:\n"
                                   "https://plinkor.example.org/\n"
                                   "Visit them there for the game and its news.\n"
                                   "\n"
                                   "Neither the author nor this editor is associated with\n"
                                   "the makers of Plinkor 2. Use of this program is at\n"
                                   "your own risk; it comes with no warranty.\n"
                                   "\n"
                                   "Background picture by the BoardSet Editor team.";

namespace {

constexpr Rect shadowRect{2, 1, 426, 320};
constexpr Rect textRect{0, 0, 424, 319};

} // namespace

void drawAboutText(Editor& editor, Platform& platform) {
    Picture& picture = editor.pictures.aboutPicture;
    makeTrueColour(picture);
    platform.drawText(picture, shadowRect, aboutText, Rgb{0, 0, 0}, TextAlign::Centre);
    platform.drawText(picture, textRect, aboutText, Rgb{255, 255, 255}, TextAlign::Centre);
}

bool AboutDialog(Editor& editor, Platform& platform, DialogWindow& dialog, Message message,
                 WParam wParam, LParam) {
    switch (message) {
    case BSE_WM_INITDIALOG:
        centreAndSetIcon(dialog, platform);
        dialog.show();
        drawAboutText(editor, platform);
        dialog.invalidate(textRect);
        return false;
    case BSE_WM_PAINT:
        dialog.paintPicture(editor.pictures.aboutPicture);
        return true;
    case BSE_WM_LBUTTONUP:
        dialog.end(1);
        return true;
    default:
        break;
    }
    // Escape and the close box close it; Enter does nothing.
    return finishDialogMessage(dialog, message, wParam);
}

} // namespace bse
