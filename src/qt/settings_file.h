#pragma once

#include <QByteArray>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSettings;

namespace bse {

// The editor's settings, $XDG_CONFIG_HOME/boardset-editor/boardset-editor.conf in Qt's INI form.
// Qt never opens that file: the file layer reads its bytes (a regular file only, never waiting on
// a FIFO) and QSettings works on a private copy, which then replaces the file atomically. Every
// access reads the file again, so two editors keep each other's changes. A refused file is left
// alone for the rest of the run, said once on standard error; the lists then live in memory.
class SettingsFile {
  public:
    std::vector<std::string> readList(std::string_view key);
    void writeList(std::string_view key, const std::vector<std::string>& values);

  private:
    std::optional<QByteArray> current();
    void keep(const QSettings& settings, const QByteArray& bytes);

    bool refused_ = false;
    QByteArray parsed_; // the bytes that `kept_` was read from
    std::map<std::string, std::vector<std::string>, std::less<>> kept_;
};

} // namespace bse
