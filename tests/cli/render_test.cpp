// boardset render draws what the editor's window shows: compared with the editor's own canvas.
#include "editor/editor.h"
#include "qt/canvas_widget.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "shell/main_window_proc.h"
#include "shell/startup.h"

#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bse {
namespace {

const QString source = QStringLiteral(BSE_SOURCE_DIR);
const QString boardSetFile = source + "/fuzz/corpus/board_set_reader/three_boards_varied";
const QImage golden = QImage(source + "/tests/data/cli/three_boards_varied_board_2.png")
                          .convertToFormat(QImage::Format_RGB32);

// The program run as a user would, with no display of any kind.
QImage rendered(const QStringList& arguments) {
    QTemporaryDir folder;
    QProcess boardset;
    boardset.start("env", QStringList{"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                                      "QT_QPA_PLATFORM", BSE_BOARDSET, "render", boardSetFile, "-o",
                                      folder.filePath("out.png")} +
                              arguments);
    EXPECT_TRUE(boardset.waitForFinished());
    EXPECT_EQ(boardset.exitCode(), 0) << boardset.readAllStandardError().toStdString();
    return QImage(folder.filePath("out.png")).convertToFormat(QImage::Format_RGB32);
}

TEST(Render, BoardIsTheGridTheEditorShows) {
    auto editor = std::make_unique<Editor>();
    QtPlatform platform;
    ASSERT_TRUE(startEditor(*editor, platform, boardSetFile.toStdString()));
    MainWindowProc(*editor, platform, WM_COMMAND, ID_BOARD_NEXT, 0);
    const QImage shown = platform.mainWindow()->canvas()->grab().toImage().copy(20, 4, 600, 300);
    EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == golden);
    EXPECT_TRUE(rendered({"--board", "2"}) == golden);
}

TEST(Render, SheetHoldsEachBoardAtHalfSizeUnsmoothed) {
    const QImage sheet = rendered({"--all"});
    ASSERT_EQ(sheet.size(), QSize(940, 186));
    QImage half(300, 150, QImage::Format_RGB32);
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            half.setPixel(x, y, golden.pixel(2 * x, 2 * y));
        }
    }
    // Board 2 is the second tile of the first row, under its label.
    EXPECT_TRUE(sheet.copy(320, 26, 300, 150) == half);
}

} // namespace
} // namespace bse
