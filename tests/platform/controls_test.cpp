#include "platform/item_number.h"
#include "platform/no_services.h"
#include "platform/up_down.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace bse {
namespace {

// Each stub fills its service whole, so a front end that names it owes nothing of that service.
struct Stubs : NoClipboard, NoSettings, NoOverview, NoSafekeeping, NoFileWatch {};
static_assert(!std::is_abstract_v<Stubs>);

TEST(ItemNumber, ReadsUnsignedDecimalAndRefusesEverythingElse) {
    EXPECT_EQ(parseItemNumber("0"), 0u);
    EXPECT_EQ(parseItemNumber("12"), 12u);
    EXPECT_EQ(parseItemNumber("  7"), 7u);
    EXPECT_EQ(parseItemNumber("007"), 7u);
    EXPECT_EQ(parseItemNumber("4294967295"), 4294967295u);
    EXPECT_EQ(parseItemNumber("4294967296"), std::nullopt);
    EXPECT_EQ(parseItemNumber(""), std::nullopt);
    EXPECT_EQ(parseItemNumber("   "), std::nullopt);
    EXPECT_EQ(parseItemNumber("-1"), std::nullopt);
    EXPECT_EQ(parseItemNumber("12a"), std::nullopt);
    EXPECT_EQ(parseItemNumber("1 2"), std::nullopt);
    // What a dialog reads: no number is 0, one too large is none (above any limit).
    EXPECT_EQ(readItemNumber("7x"), 0u);
    EXPECT_EQ(readItemNumber("4294967296"), std::nullopt);
}

// One arrow step over 1..3 from every start, either way, with and without wrapping.
TEST(UpDown, StepsOverTheRangeAndFromOutsideToTheNearestEnd) {
    struct Case {
        int current, delta;
        bool wrap;
        int next;
    };
    const Case cases[] = {
        {1, 1, false, 2}, {3, 1, false, 3}, {3, 1, true, 1},  {1, -1, false, 1},
        {1, -1, true, 3}, {0, 1, true, 1},  {0, -1, true, 3}, {0, -1, false, 1},
        {9, -1, true, 3}, {9, 1, true, 1},  {9, 1, false, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stepUpDown(c.current, c.delta, 1, 3, c.wrap), c.next)
            << c.current << " " << c.delta << (c.wrap ? " wrapping" : "");
    }
    EXPECT_EQ(stepUpDown(5, 1, 4, 4, true), 4); // one value
    EXPECT_EQ(stepUpDown(5, 1, 4, 3, true), 4); // no range at all
}

} // namespace
} // namespace bse
