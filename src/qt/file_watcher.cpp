#include "qt/file_watcher.h"

#include <QFileInfo>

namespace bse {

FileWatcher::FileWatcher(std::function<void()> changed) : changed_(std::move(changed)) {
    // Git and atomic savers rename a new file onto the old one: the folder tells of that, and
    // the file, once there again, is watched anew.
    const auto told = [this] {
        if (!path_.empty()) {
            const QString file = QString::fromLocal8Bit(path_);
            if (!watcher_.files().contains(file) && QFileInfo::exists(file)) {
                watcher_.addPath(file);
            }
            changed_();
        }
    };
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, told);
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, told);
}

void FileWatcher::watch(const std::string& path) {
    if (!watcher_.files().isEmpty() || !watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.files() + watcher_.directories());
    }
    path_ = path;
    if (!path.empty()) {
        const QString file = QString::fromLocal8Bit(path);
        watcher_.addPath(file);
        watcher_.addPath(QFileInfo(file).absolutePath());
    }
}

} // namespace bse
