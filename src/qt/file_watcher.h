#pragma once

#include <QFileSystemWatcher>

#include <functional>
#include <string>

namespace bse {

// One file and its folder, watched; any change of either is told (as WM_FILECHANGED).
class FileWatcher {
  public:
    explicit FileWatcher(std::function<void()> changed);

    // Empty: none.
    void watch(const std::string& path);

  private:
    std::function<void()> changed_;
    QFileSystemWatcher watcher_;
    std::string path_;
};

} // namespace bse
