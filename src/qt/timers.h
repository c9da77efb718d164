#pragma once

#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace bse {

// The window's timers by id, each tick told with its id (as WM_TIMER).
class WindowTimers {
  public:
    explicit WindowTimers(std::function<void(int timerId)> tick) : tick_(std::move(tick)) {}

    // Again with a running timer: it starts over with the new period.
    void start(int timerId, int periodMs);
    void stop(int timerId);

  private:
    std::function<void(int)> tick_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

} // namespace bse
