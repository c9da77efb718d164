#include "shell/startup.h"

#include "editor/editor.h"
#include "editor/file_commands.h"
#include "editor/recent_files.h"
#include "editor/safekeeping.h"
#include "editor/screen.h"
#include "editor/title.h"
#include "platform/dialog_template.h"
#include "platform/platform.h"
#include "shell/main_window_proc.h"

#include <optional>
#include <string>

namespace bse {

namespace {

// Every drawing operation relies on these sizes, so a picture of another size counts as missing.
bool loadPicture(Platform& platform, int pictureId, int width, int height, Picture& into) {
    std::optional<Picture> picture = platform.loadPicture(pictureId);
    if (!picture || picture->width != width || picture->height != height) {
        return false;
    }
    into = std::move(*picture);
    return true;
}

Status loadPictures(Editor& editor, Platform& platform) {
    struct Load {
        int id;
        int width;
        int height;
        Picture& into;
    };
    Pictures& pictures = editor.pictures;
    const Load loads[] = {
        {IDB_EDITOR, canvasWidth, canvasHeight, pictures.editorCanvas},
        {IDB_EDITOR, canvasWidth, canvasHeight, pictures.editorBackdrop},
        {IDB_BLOCKS, blockStripWidth, blockStripHeight, pictures.blockStrip},
        {IDB_STATUS, statusStripWidth, statusStripHeight, pictures.statusStrip},
        {IDB_ABOUT, aboutPictureWidth, aboutPictureHeight, pictures.aboutPicture},
    };
    for (const Load& load : loads) {
        if (!loadPicture(platform, load.id, load.width, load.height, load.into)) {
            return refuse("The picture " + std::to_string(load.id) + " (" +
                          std::to_string(load.width) + " x " + std::to_string(load.height) +
                          ") could not be loaded.");
        }
    }
    // Everything is drawn into the canvas; blocks and the status strip are copied on every
    // pointer move, fastest from true colour. The backdrop and the about picture stay small
    // until first used.
    makeTrueColour(pictures.editorCanvas);
    makeTrueColour(pictures.blockStrip);
    makeTrueColour(pictures.statusStrip);
    return Done{};
}

} // namespace

Status initialiseMainWindow(Editor& editor, Platform& platform) {
    // Centre with the halves truncated toward zero, keeping the size.
    const Rect frame = platform.mainWindowFrame();
    const Size screen = platform.screenSize();
    platform.moveMainWindow(screen.width / 2 - frame.width() / 2,
                            screen.height / 2 - frame.height() / 2);

    for (int icon = IDI_FRAME_FIRST; icon <= IDI_FRAME_LAST; ++icon) {
        if (!platform.loadIcon(icon)) {
            return refuse("The icon " + std::to_string(icon) + " could not be loaded.");
        }
    }
    platform.setWindowIcon(IDI_FRAME_FIRST);
    platform.showMainWindow();

    drawSelectedBlock(editor, platform, editor.leftBlock, leftSlotX);
    drawSelectedBlock(editor, platform, editor.rightBlock, rightSlotX);
    setDefaultStrings(editor.boardSet);
    showTitleAndMenus(editor, platform);
    loadRecentFiles(editor, platform);
    return Done{};
}

bool startEditor(Editor& editor, Platform& platform, const std::optional<std::string>& file) {
    if (const Status loaded = loadPictures(editor, platform); !loaded) {
        platform.reportStartupFailure(loaded.reason());
        return false;
    }
    const auto handler = [&editor, &platform](Message message, WParam wParam, LParam lParam) {
        return MainWindowProc(editor, platform, message, wParam, lParam);
    };
    if (!platform.createMainWindow(mainWindowTemplate(), handler)) {
        platform.reportStartupFailure("The main window could not be created.");
        return false;
    }
    if (const Status initialised = initialiseMainWindow(editor, platform); !initialised) {
        platform.reportStartupFailure(initialised.reason());
        return false;
    }
    platform.startTimer(iconTimerId, iconTimerPeriodMs);
    editor.safekeeping.on = platform.startSafekeeping();
    if (!(editor.safekeeping.on && offerRecovery(editor, platform, file)) && file) {
        openBoardSetFile(editor, platform, *file);
    }
    showState(editor, platform);
    return true;
}

int runEditor(Editor& editor, Platform& platform, const std::optional<std::string>& file) {
    if (!startEditor(editor, platform, file)) {
        return 1;
    }
    const int exitCode = platform.runMessageLoop();
    platform.stopTimer(iconTimerId);
    endSafekeeping(editor, platform);
    return exitCode;
}

} // namespace bse
