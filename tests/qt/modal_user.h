#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace bse::test {

// Runs `user` on the next modal dialog once it is up, as a person at the keyboard would.
inline void whenDialogOpens(std::function<void(QWidget&)> user) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [user, poll] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            user(*dialog);
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

} // namespace bse::test
