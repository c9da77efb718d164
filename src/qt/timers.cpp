#include "qt/timers.h"

namespace bse {

void WindowTimers::start(int timerId, int periodMs) {
    std::unique_ptr<QTimer>& timer = timers_[timerId];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, timerId] { tick_(timerId); });
    }
    timer->start(periodMs);
}

void WindowTimers::stop(int timerId) {
    if (const auto timer = timers_.find(timerId); timer != timers_.end()) {
        timer->second->stop();
    }
}

} // namespace bse
