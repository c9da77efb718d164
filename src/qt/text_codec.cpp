#include "qt/text_codec.h"

#include "model/windows1252.h"

#include <QFile>

namespace bse {

QString fromWindows1252(std::string_view bytes) {
    QString text;
    for (const char byte : bytes) {
        text.append(
            QChar(static_cast<char16_t>(windows1252Character(static_cast<unsigned char>(byte)))));
    }
    return text;
}

std::string toWindows1252(const QString& text) {
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // one character outside the code page, one '?'
            bytes.push_back('?');
            continue;
        }
        bytes.push_back(static_cast<char>(windows1252Byte(unit.unicode()).value_or('?')));
    }
    return bytes;
}

QString fromPathBytes(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string toPathBytes(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    return std::string(encoded.constData(), static_cast<std::size_t>(encoded.size()));
}

// The title as the editor composed it. Qt takes "[*]" for its modified mark and shows "[*][*]" as
// "[*]", so each is doubled. Control characters (escape sequences too) would reach the window
// manager as they are; each shows as its Unicode control picture, which still tells which it was.
QString shownTitle(std::string_view title) {
    QString text = fromWindows1252(title);
    for (QChar& character : text) {
        const char16_t unit = character.unicode();
        if (unit < 0x20) {
            character = QChar(static_cast<char16_t>(0x2400 + unit));
        } else if (unit == 0x7F) {
            character = QChar(static_cast<char16_t>(0x2421));
        }
    }
    text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return text;
}

} // namespace bse
