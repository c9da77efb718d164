#include "qt/message_boxes.h"

#include "qt/text_codec.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <iostream>

namespace bse {

namespace {

// Message boxes show their text as text: left to itself, Qt renders one that looks like markup
// (a name or path holding "<b>") as rich text.
QMessageBox::StandardButton showMessageBox(QWidget* owner, QMessageBox::Icon icon,
                                           std::string_view text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton,
                                           std::string_view details = {}) {
    QMessageBox box(icon, QString::fromLatin1(programTitle), fromWindows1252(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    if (!details.empty()) {
        box.setDetailedText(fromWindows1252(details));
    }
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

Answer askInBox(QWidget* owner, std::string_view text, bool withCancel) {
    const QMessageBox::StandardButtons buttons =
        withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                   : QMessageBox::Yes | QMessageBox::No;
    switch (showMessageBox(owner, QMessageBox::Question, text, buttons, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

void refuseInBox(QWidget* owner, std::string_view text, std::string_view details) {
    showMessageBox(owner, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok, details);
}

void reportStartupFailureInBox(QWidget* owner, std::string_view text) {
    std::cerr << "boardset-editor: " << text << '\n';
    if (QGuiApplication::primaryScreen() != nullptr) {
        showMessageBox(owner, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
    }
}

} // namespace bse
