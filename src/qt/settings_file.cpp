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

QString keyText(std::string_view key) {
    return QString::fromLatin1(key.data(), qsizetype(key.size()));
}

} // namespace

// The file as it is now, copied to `copy`; false once the file was refused.
bool SettingsFile::copyTo(const QString& copy) {
    if (refused_) {
        return false;
    }
    const std::string path = settingsPath();
    const auto read = io::readSettingsFile(path);
    if (!read) {
        refused_ = true;
        std::cerr << "boardset-editor: the settings file " << path
                  << " is left alone, and the recent BoardSets are kept for this run only: "
                  << read.reason() << '\n';
        return false;
    }
    QFile file(copy);
    const auto size = qsizetype(*read ? (*read)->size() : 0);
    return file.open(QIODevice::WriteOnly) &&
           (size == 0 || file.write(reinterpret_cast<const char*>((*read)->data()), size) == size);
}

std::vector<std::string> SettingsFile::readList(std::string_view key) {
    const QTemporaryDir scratch; // for this user alone, and gone at the end
    const QString copy = scratch.filePath(QStringLiteral("settings.conf"));
    auto& kept = kept_[std::string(key)];
    if (scratch.isValid() && copyTo(copy)) {
        kept.clear();
        for (const QString& value :
             QSettings(copy, QSettings::IniFormat).value(keyText(key)).toStringList()) {
            kept.push_back(toPathBytes(value));
        }
    }
    return kept;
}

void SettingsFile::writeList(std::string_view key, const std::vector<std::string>& values) {
    kept_[std::string(key)] = values;
    const QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("settings.conf"));
    if (!scratch.isValid() || !copyTo(copy)) {
        return;
    }
    {
        QSettings settings(copy, QSettings::IniFormat);
        QStringList list;
        for (const std::string& value : values) {
            list << fromPathBytes(value);
        }
        settings.setValue(keyText(key), list);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return;
        }
    }
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray bytes = file.readAll();
    const std::string path = settingsPath();
    if (io::makePrivateFolders(path.substr(0, path.rfind('/')))) {
        // As before, a list that cannot be kept costs nothing but the list.
        (void)io::writeFileAtomically(
            path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())));
    }
}

} // namespace bse
