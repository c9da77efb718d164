#include "qt/settings_file.h"

#include "io/file_io.h"
#include "io/recovery_store.h"
#include "qt/text_codec.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <iostream>

namespace bse {

namespace {

// Named in full: the user's default place for settings is closed to Qt's own (see QtPlatform).
std::string settingsPath() {
    return toPathBytes(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/boardset-editor/boardset-editor.conf"));
}

// A copy of `bytes` for QSettings, in a folder for this user alone that goes with it.
struct PrivateCopy {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("settings.conf"));
    bool made = false;
    explicit PrivateCopy(const QByteArray& bytes) {
        QFile file(path);
        made = folder.isValid() && file.open(QIODevice::WriteOnly) &&
               file.write(bytes) == bytes.size() && file.flush();
    }
};

} // namespace

// The file's bytes now; nothing once it was refused.
std::optional<QByteArray> SettingsFile::current() {
    if (refused_) {
        return std::nullopt;
    }
    const std::string path = settingsPath();
    const auto read = io::readSettingsFile(path);
    if (!read) {
        refused_ = true;
        std::cerr << "boardset-editor: the settings file " << path
                  << " is left alone, and the recent BoardSets are kept for this run only: "
                  << read.reason() << '\n';
        return std::nullopt;
    }
    return *read ? QByteArray(reinterpret_cast<const char*>((*read)->data()),
                              static_cast<qsizetype>((*read)->size()))
                 : QByteArray();
}

void SettingsFile::keep(const QSettings& settings, const QByteArray& bytes) {
    kept_.clear();
    for (const QString& key : settings.allKeys()) {
        auto& values = kept_[key.toStdString()];
        for (const QString& value : settings.value(key).toStringList()) {
            values.push_back(toPathBytes(value));
        }
    }
    parsed_ = bytes;
}

std::vector<std::string> SettingsFile::readList(std::string_view key) {
    // Read in QSettings' own way only when the bytes changed since.
    if (const auto bytes = current(); bytes && *bytes != parsed_) {
        if (bytes->isEmpty()) {
            kept_.clear();
            parsed_.clear();
        } else if (const PrivateCopy copy(*bytes); copy.made) {
            keep(QSettings(copy.path, QSettings::IniFormat), *bytes);
        }
    }
    const auto kept = kept_.find(key);
    return kept == kept_.end() ? std::vector<std::string>() : kept->second;
}

void SettingsFile::writeList(std::string_view key, const std::vector<std::string>& values) {
    kept_[std::string(key)] = values;
    const auto bytes = current();
    if (!bytes) {
        return;
    }
    // Until the file changes, the list stays as set here even when it cannot be written.
    parsed_ = *bytes;
    const PrivateCopy copy(*bytes);
    QSettings settings(copy.path, QSettings::IniFormat);
    settings.setAtomicSyncRequired(false); // a private copy: the real file is replaced below
    QStringList list;
    for (const std::string& value : values) {
        list << fromPathBytes(value);
    }
    settings.setValue(QString::fromStdString(std::string(key)), list);
    settings.sync();
    QFile written(copy.path);
    if (!copy.made || settings.status() != QSettings::NoError ||
        !written.open(QIODevice::ReadOnly)) {
        return; // as before, a list that cannot be kept costs nothing but the list
    }
    const QByteArray fresh = written.readAll();
    const std::string path = settingsPath();
    if (io::makePrivateFolders(path.substr(0, path.rfind('/'))) &&
        io::writeFileAtomically(path,
                                std::span(reinterpret_cast<const std::uint8_t*>(fresh.constData()),
                                          static_cast<std::size_t>(fresh.size())))) {
        keep(settings, fresh);
    }
}

} // namespace bse
