#include "platform/item_number.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

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
}

} // namespace
} // namespace bse
