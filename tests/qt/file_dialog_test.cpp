#include "editor/file_commands.h"
#include "qt/qt_platform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace bse {
namespace {

// Acts on a dialog of type T once one is up. A dialog the action leaves open is rejected, so a
// failing test cannot hang; the watch ends with its scope.
template <typename T> class WhenShown {
  public:
    explicit WhenShown(std::function<void(T&)> act) : act_(std::move(act)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { check(); });
        poll_.start(10);
    }
    int seen = 0;

  private:
    void check() {
        if (busy_) {
            return;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<T*>(widget);
            if (dialog != nullptr && dialog->isVisible()) {
                busy_ = true;
                ++seen;
                act_(*dialog);
                if (dialog->isVisible()) {
                    dialog->reject();
                }
                busy_ = false;
                return;
            }
        }
    }

    std::function<void(T&)> act_;
    QTimer poll_;
    bool busy_ = false;
};

struct Shown {
    QString title;
    QStringList filters;
    QString selected;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QString suffix;
    bool ownDialog = false;
};

Shown describe(const QFileDialog& dialog) {
    return {dialog.windowTitle(),        dialog.nameFilters(),
            dialog.selectedNameFilter(), dialog.acceptMode(),
            dialog.defaultSuffix(),      dialog.testOption(QFileDialog::DontUseNativeDialog)};
}

// The names the dialog's file list shows for its current folder.
QStringList listed(QFileDialog& dialog) {
    auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (view == nullptr || view->model() == nullptr) {
        return {};
    }
    const QAbstractItemModel* model = view->model();
    QStringList names;
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        names << model->index(row, 0, view->rootIndex()).data().toString();
    }
    names.sort();
    return names;
}

// Types a file name and presses Enter, as a user choosing a file does.
void choose(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

class FileDialogs : public ::testing::Test {
  protected:
    QtPlatform platform;
    QTemporaryDir folder;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const char* name : {"a.BDS", "b.bds", "c.txt"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    std::string path(const char* name) const {
        return QDir(folder.path()).filePath(QString::fromLatin1(name)).toStdString();
    }
};

TEST_F(FileDialogs, OpenAndSaveShowTheirTitlesFiltersAndOptionsAndCancelGivesNothing) {
    const QStringList boardSetFilters{"BoardSets (*.BDS)", "All Files (*.*)"};
    Shown open;
    {
        WhenShown<QFileDialog> user([&open](QFileDialog& dialog) { open = describe(dialog); });
        EXPECT_EQ(platform.chooseFileToOpen(openDialogOptions()), std::nullopt);
        EXPECT_EQ(user.seen, 1);
    }
    EXPECT_EQ(open.title, "Open a Plinkor 2 BoardSet");
    EXPECT_EQ(open.filters, boardSetFilters);
    EXPECT_EQ(open.selected, "BoardSets (*.BDS)");
    EXPECT_EQ(open.mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(open.suffix, "");
    EXPECT_TRUE(open.ownDialog);

    Shown save;
    {
        WhenShown<QFileDialog> user([&save](QFileDialog& dialog) { save = describe(dialog); });
        EXPECT_EQ(platform.chooseFileToSave(saveDialogOptions()), std::nullopt);
    }
    EXPECT_EQ(save.title, "Save as a Plinkor 2 BoardSet");
    EXPECT_EQ(save.filters, boardSetFilters);
    EXPECT_EQ(save.selected, "BoardSets (*.BDS)");
    EXPECT_EQ(save.mode, QFileDialog::AcceptSave);
    EXPECT_EQ(save.suffix, "bds");
    EXPECT_TRUE(save.ownDialog);

    // Another filter first, and a filter whose name leaves its patterns out.
    FileDialogOptions other = openDialogOptions();
    other.filters.push_back({"Text", "*.txt;*.TXT"});
    other.filterIndex = 3;
    Shown third;
    {
        WhenShown<QFileDialog> user([&third](QFileDialog& dialog) { third = describe(dialog); });
        platform.chooseFileToOpen(other);
    }
    EXPECT_EQ(third.filters.value(2), "Text (*.txt *.TXT)");
    EXPECT_EQ(third.selected, "Text (*.txt *.TXT)");
}

TEST_F(FileDialogs, TheBoardSetFilterListsBdsInAnyCaseAndOpenAndImportGiveAnyTypedName) {
    QStringList boardSets;
    QStringList everything;
    {
        WhenShown<QFileDialog> user([&](QFileDialog& dialog) {
            dialog.setDirectory(folder.path());
            const QStringList expected{"a.BDS", "b.bds"};
            // The listing fills in the background; what it finally holds is checked below.
            (void)QTest::qWaitFor([&] { return listed(dialog) == expected; }, 5000);
            boardSets = listed(dialog);
            dialog.selectNameFilter(QStringLiteral("All Files (*.*)"));
            (void)QTest::qWaitFor([&] { return listed(dialog).size() == 3; }, 5000);
            everything = listed(dialog);
            choose(dialog, QStringLiteral("b.bds"));
        });
        EXPECT_EQ(platform.chooseFileToOpen(openDialogOptions()), path("b.bds"));
    }
    EXPECT_EQ(boardSets, (QStringList{"a.BDS", "b.bds"}));
    EXPECT_EQ(everything, (QStringList{"a.BDS", "b.bds", "c.txt"}));

    // A name that does not exist comes back too, with no box of Qt's: the editor's own refusal
    // answers it.
    WhenShown<QMessageBox> qtBox([](QMessageBox&) {});
    for (const auto& options : {openDialogOptions(), importDialogOptions()}) {
        SCOPED_TRACE(options.title);
        WhenShown<QFileDialog> typing([&](QFileDialog& dialog) {
            dialog.setDirectory(folder.path());
            choose(dialog, QStringLiteral("missing.BDS"));
        });
        EXPECT_EQ(platform.chooseFileToOpen(options), path("missing.BDS"));
    }
    EXPECT_EQ(qtBox.seen, 0);
}

TEST_F(FileDialogs, SaveAddsTheExtensionAndAsksBeforeReplacingAFile) {
    {
        WhenShown<QFileDialog> user([&](QFileDialog& dialog) {
            dialog.setDirectory(folder.path());
            choose(dialog, QStringLiteral("level"));
        });
        EXPECT_EQ(platform.chooseFileToSave(saveDialogOptions()), path("level.bds"));
    }
    // No returns to the dialog; Yes takes the name.
    std::vector<QMessageBox::StandardButton> answers{QMessageBox::No, QMessageBox::Yes};
    QStringList asked;
    bool plainText = true;
    WhenShown<QMessageBox> question([&](QMessageBox& box) {
        asked << box.text();
        plainText = plainText && box.textFormat() == Qt::PlainText;
        box.button(answers.at(static_cast<std::size_t>(asked.size() - 1)))->click();
    });
    bool openAfterNo = false;
    WhenShown<QFileDialog> user([&](QFileDialog& dialog) {
        dialog.setDirectory(folder.path());
        choose(dialog, QStringLiteral("a.BDS"));
        openAfterNo = dialog.isVisible();
        choose(dialog, QStringLiteral("a.BDS"));
    });
    EXPECT_EQ(platform.chooseFileToSave(saveDialogOptions()), path("a.BDS"));
    EXPECT_TRUE(openAfterNo);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].contains("a.BDS")) << asked[0].toStdString();
    EXPECT_TRUE(plainText);
}

} // namespace
} // namespace bse
