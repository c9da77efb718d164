#include "modal_user.h"
#include "qt/qt_platform.h"
#include "view/geometry.h"

#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace bse {
namespace {

TEST(QtPlatformText, DrawsCrispTextClippedToItsRectangle) {
    QtPlatform platform;
    const Pixel grey = rgb(8, 8, 8);
    Picture picture(640, 400, grey);
    platform.drawText(picture, statusTextRect, std::string(80, 'M'), Rgb{255, 255, 255},
                      TextAlign::Left);
    const Pixel white = rgb(255, 255, 255);
    int whiteInside = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 640; ++x) {
            const Pixel p = picture.at(x, y);
            const bool inside = x >= 188 && x < 487 && y >= 378 && y < 395;
            if (!inside) {
                ASSERT_EQ(p, grey) << "drawn outside the rectangle at " << x << "," << y;
            } else {
                // No smoothing: every pixel is either untouched or the text colour.
                ASSERT_TRUE(p == grey || p == white) << x << "," << y;
                whiteInside += p == white ? 1 : 0;
            }
        }
    }
    EXPECT_GT(whiteInside, 500);
    // The text runs to the clip edge.
    bool reachesEdge = false;
    for (int y = 378; y < 395; ++y) {
        reachesEdge = reachesEdge || picture.at(486, y) == white || picture.at(485, y) == white;
    }
    EXPECT_TRUE(reachesEdge);
}

TEST(QtPlatformText, CentresEachLineAndDrawsTheSameTwiceAlike) {
    QtPlatform platform;
    Picture first(425, 320, rgb(0, 0, 0));
    const Rect area{0, 0, 424, 319};
    platform.drawText(first, area, "I\nWWWWWWWW", Rgb{255, 255, 255}, TextAlign::Centre);
    // The short first line sits in the middle, not at the left edge.
    int left = 425, right = -1;
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 425; ++x) {
            if (first.at(x, y) == rgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_LE(left, right);
    EXPECT_NEAR((left + right) / 2, 212, 3);
    Picture second = first;
    platform.drawText(second, area, "I\nWWWWWWWW", Rgb{255, 255, 255}, TextAlign::Centre);
    EXPECT_EQ(first.pixels, second.pixels);
}

TEST(QtPlatformBoxes, EveryBoxShowsItsTextLiterally) {
    QtPlatform platform;
    const std::string text = "<b>/tmp/bold</b> <img src=\"x.png\"> &amp;";
    const std::vector<std::pair<const char*, std::function<void()>>> boxes{
        {"question", [&] { platform.askQuestion(text); }},
        {"refusal", [&] { platform.showRefusal(text); }},
        {"start-up failure", [&] { platform.reportStartupFailure(text); }},
    };
    for (const auto& [name, show] : boxes) {
        SCOPED_TRACE(name);
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        test::whenDialogOpens([&](QWidget& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            ASSERT_NE(box, nullptr);
            format = box->textFormat();
            shown = box->text();
            box->defaultButton()->click();
        });
        show();
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(shown, QString::fromStdString(text));
    }
}

TEST(QtPlatformFiles, PathsInMessagesReadAsTheSystemWritesThem) {
    QtPlatform platform;
    EXPECT_EQ(platform.pathForDisplay("/tmp/caf\xc3\xa9.BDS"), "/tmp/caf\xe9.BDS");
}

TEST(QtPlatformPictures, UnknownResourcesAreMissing) {
    QtPlatform platform;
    EXPECT_FALSE(platform.loadPicture(999).has_value());
    EXPECT_FALSE(platform.loadIcon(999));
    EXPECT_TRUE(platform.loadIcon(111));
}

} // namespace
} // namespace bse
