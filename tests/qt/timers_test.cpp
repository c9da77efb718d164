#include "qt/timers.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace bse::test {
namespace {

TEST(WindowTimers, EachTicksWithItsIdUntilStoppedAStartAgainTakesTheNewPeriod) {
    std::vector<int> ticks;
    const auto ticked = [&ticks](int id) { return std::ranges::count(ticks, id); };
    WindowTimers timers([&ticks](int id) { ticks.push_back(id); });
    timers.stop(9); // never started: nothing happens
    timers.start(1, 10);
    timers.start(2, 60'000);
    timers.start(2, 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticked(1) > 0 && ticked(2) > 0; }, 2000));
    timers.stop(1);
    QTest::qWait(20); // a tick already on its way
    const auto before = ticked(1);
    QTest::qWait(100);
    EXPECT_EQ(ticked(1), before);
    EXPECT_GT(ticked(2), 2);
}

} // namespace
} // namespace bse::test
