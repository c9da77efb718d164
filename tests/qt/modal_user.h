#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace bse::test {

// Runs `user` on the next modal dialog once it is up, as a person at the keyboard would.
inline void whenDialogOpens(std::function<void(QWidget&)> user) {
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, user] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        const auto run = user; // the slot goes with the timer
        run(*dialog);
    });
    timer->start();
}

} // namespace bse::test
