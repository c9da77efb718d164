#include "qt/file_dialogs.h"

#include "qt/text_codec.h"

#include <QChildEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>

namespace bse {

namespace {

// Qt reads the patterns from the last parentheses of a filter, separated by spaces; the options
// keep them apart, separated by semicolons. Names need no dot here, so "*.*" means every file.
// Qt's own dialog matches without regard to case; the desktop's dialogs may not, so each pattern
// also comes in lower and upper case, the given one first (Save takes its suffix from it).
QString nameFilter(const FileFilter& filter) {
    QStringList patterns;
    for (const QString& pattern : fromWindows1252(filter.pattern).split(QLatin1Char(';'))) {
        const QString any = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
        for (const QString& variant : {any, any.toLower(), any.toUpper()}) {
            if (!patterns.contains(variant)) {
                patterns << variant;
            }
        }
    }
    return QStringLiteral("%1 (%2)").arg(fromWindows1252(filter.name), patterns.join(' '));
}

// The file dialog's own question before replacing a file names it; like every box, it shows the
// name as text. Its boxes are the dialog's children, polished just before they are shown. Qt's own
// dialog shows each filter as given, not the patterns it matches by (the desktop's show the names).
class FileDialogTexts : public QObject {
  public:
    FileDialogTexts(QObject* parent, QStringList filterNames)
        : QObject(parent), filterNames_(std::move(filterNames)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildPolished) {
            if (auto* box = qobject_cast<QMessageBox*>(static_cast<QChildEvent*>(event)->child())) {
                box->setTextFormat(Qt::PlainText);
            }
        } else if (event->type() == QEvent::Show) {
            if (auto* types = watched->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
                for (int i = 0; i < types->count() && i < filterNames_.size(); ++i) {
                    types->setItemText(i, filterNames_.at(i));
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QStringList filterNames_;
};

} // namespace

std::optional<std::string> runFileDialog(QWidget* owner, const FileDialogOptions& options,
                                         bool save) {
    QFileDialog dialog(owner, fromWindows1252(options.title));
    QStringList filters;
    QStringList filterNames;
    for (const FileFilter& filter : options.filters) {
        filters << nameFilter(filter);
        filterNames << fromWindows1252(filter.name);
    }
    FileDialogTexts texts(&dialog, filterNames);
    dialog.installEventFilter(&texts);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any typed name comes back, so that the editor's own refusal answers one that does not exist.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    dialog.setNameFilters(filters);
    if (options.filterIndex >= 1 && options.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters.at(options.filterIndex - 1));
    }
    if (!options.defaultExtension.empty()) {
        dialog.setDefaultSuffix(fromWindows1252(options.defaultExtension));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return toPathBytes(dialog.selectedFiles().constFirst());
}

} // namespace bse
