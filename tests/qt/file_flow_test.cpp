#include "editor/editor.h"
#include "modal_user.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace bse {
namespace {

using test::whenDialogOpens;

TEST(QtFileFlow, BoardSetSettingsTakesTheFirst199TypedCharactersIntoTheTitle) {
    auto editor = std::make_unique<Editor>();
    QtPlatform platform;
    ASSERT_TRUE(startEditor(*editor, platform));
    whenDialogOpens([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "BoardSet Information");
        auto* name = dialog.findChild<QLineEdit*>("1000");
        auto* author = dialog.findChild<QLineEdit*>("1001");
        ASSERT_NE(name, nullptr);
        ASSERT_NE(author, nullptr);
        EXPECT_EQ(name->text(), "Untitled Board");
        EXPECT_EQ(author->text(), "Unknown");
        name->clear();
        QTest::keyClicks(name, QString(250, QChar('n')));
        author->setText(QString::fromUtf8("Ren\u00e9e"));
        dialog.findChild<QPushButton*>("1")->click();
    });
    platform.mainWindow()->action(ID_BOARD_SETTINGS)->trigger();
    EXPECT_EQ(editor->boardSet.boardSetName, std::string(199, 'n'));
    EXPECT_EQ(editor->boardSet.authorName, "Ren\xe9"
                                           "e");
    EXPECT_TRUE(editor->modified);
    EXPECT_EQ(platform.mainWindow()->windowTitle(),
              QString(199, QChar('n')) + " - BoardSet Editor for Plinkor 2 - Board: 1 of 1");
}

TEST(QtFileFlow, AnAtomicWriteReplacesTheFileAndAFailedOneLeavesItWhole) {
    QtPlatform platform;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("set.BDS");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old bytes");
    }
    ASSERT_TRUE(platform.writeFileAtomically(path.toStdString(), Bytes(3000, 7)).ok());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray(3000, 7));
    written.close();

    // A read-only folder. Root writes anywhere, so the attempt runs as an unprivileged user.
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                         QFile::ReadOther | QFile::ExeOther));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) {
            _exit(3);
        }
        const Status result = platform.writeFileAtomically(path.toStdString(), Bytes(10, 1));
        _exit(result.ok() ? 1 : (result.reason().empty() ? 2 : 0));
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the write claimed success, 2: no reason given";
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray(3000, 7));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"set.BDS"});
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(QtFileFlow, PathsInMessagesReadAsTheSystemWritesThem) {
    QtPlatform platform;
    EXPECT_EQ(platform.pathForDisplay("/tmp/caf\xc3\xa9.BDS"), "/tmp/caf\xe9.BDS");
}

} // namespace
} // namespace bse
