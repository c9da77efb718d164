#include "qt/text_codec.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

TEST(TextCodec, Windows1252RoundTripsEveryByteItDefines) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
    EXPECT_EQ(fromWindows1252("\x80 \x9f \xe9"), QString::fromUtf8("\u20ac \u0178 \u00e9"));
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(toWindows1252(QString::fromUtf8("a\u4e2db\U0001F600c")), "a?b?c");
    EXPECT_EQ(toWindows1252(QString::fromUtf8("\u20ac\u2122")), "\x80\x99");
}

} // namespace
} // namespace bse
