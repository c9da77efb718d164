// boardset render draws what the editor's window shows: compared with the editor's own canvas.
#include "editor/editor.h"
#include "format/board_set_format.h"
#include "qt/canvas_widget.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "shell/main_window_proc.h"
#include "shell/startup.h"
#include "support/golden.h"

#include <QFile>
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

// The program run as a user would, with no display of any kind: the PNG file it wrote.
QByteArray renderedFile(const QStringList& arguments, const QString& file = boardSetFile) {
    QTemporaryDir folder;
    QProcess boardset;
    boardset.start("env",
                   QStringList{"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                               BSE_BOARDSET, "render", file, "-o", folder.filePath("out.png")} +
                       arguments);
    EXPECT_TRUE(boardset.waitForFinished());
    EXPECT_EQ(boardset.exitCode(), 0) << boardset.readAllStandardError().toStdString();
    QFile png(folder.filePath("out.png"));
    png.open(QIODevice::ReadOnly);
    return png.readAll();
}

QImage rendered(const QStringList& arguments, const QString& file = boardSetFile) {
    return QImage::fromData(renderedFile(arguments, file)).convertToFormat(QImage::Format_RGB32);
}

TEST(Render, BoardIsTheGridTheEditorShows) {
    auto editor = std::make_unique<Editor>();
    QtPlatform platform;
    ASSERT_TRUE(startEditor(*editor, platform, boardSetFile.toStdString()));
    MainWindowProc(*editor, platform, BSE_WM_COMMAND, ID_BOARD_NEXT, 0);
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

// Each board's number above its tile, in digits of 3 x 5 squares: "#" where a square is lit.
TEST(Render, SheetLabelsEachBoardWithItsNumber) {
    QTemporaryDir folder;
    BoardSet set;
    set.lastBoardIndex = 9; // numbers 1 to 10: every digit
    QFile file(folder.filePath("ten.BDS"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::vector<std::uint8_t> bytes = encodeBoardSet(set);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();
    const QImage sheet = rendered({"--all"}, file.fileName());
    ASSERT_EQ(sheet.size(), QSize(1560, 362));
    std::string labels;
    for (int board = 0; board < 10; ++board) {
        const int x = 10 + board % 5 * 310, y = 12 + board / 5 * 176;
        labels += "board " + std::to_string(board + 1) + "\n";
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 7; ++column) {
                labels +=
                    sheet.pixel(x + 2 * column, y + 2 * row) == qRgb(236, 236, 236) ? '#' : '.';
            }
            labels += '\n';
        }
    }
    test::expectGolden("cli/sheet_labels.txt", labels);
}

// zlib's fastest level, compressed (as the stream's header and first block say): a sheet of 200
// boards is written at once.
TEST(Render, WritesPngAtTheFastestCompression) {
    const QByteArray png = renderedFile({"--board", "1"});
    const qsizetype data = png.indexOf("IDAT") + 4;
    ASSERT_GT(data, 4);
    EXPECT_EQ(static_cast<unsigned char>(png.at(data + 1)) >> 6, 0) << "zlib level above 1";
    EXPECT_NE(static_cast<unsigned char>(png.at(data + 2)) >> 1 & 3, 0) << "stored uncompressed";
}

} // namespace
} // namespace bse
