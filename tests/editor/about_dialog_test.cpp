#include "editor/about_dialog.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace bse {
namespace {

using test::FakeDialog;
using test::FakePlatform;

std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> result;
    std::string line;
    std::istringstream in{std::string(text)};
    while (std::getline(in, line)) {
        result.push_back(line);
    }
    return result;
}

TEST(AboutText, HasTheShapeOfTheCredits) {
    EXPECT_EQ(aboutText.size(), 692u);
    const auto all = lines(aboutText);
    ASSERT_EQ(all.size(), 19u);
    EXPECT_EQ(std::count(aboutText.begin(), aboutText.end(), '\n'), 18);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool blank = i == 2 || i == 8 || i == 13 || i == 17;
        EXPECT_EQ(all[i].empty(), blank) << "line " << i + 1;
    }
    std::size_t longest = 0;
    for (const std::string& line : all) {
        longest = std::max(longest, line.size());
    }
    EXPECT_EQ(longest, 59u);
    EXPECT_EQ(all[1], "Version: 0.10b Beta");
    EXPECT_NE(all[0].find("Plinkor 2"), std::string::npos);
    // Addresses are examples only.
    for (const std::string& line : all) {
        const auto at = line.find('@');
        const auto web = line.find("://");
        if (at != std::string::npos || web != std::string::npos) {
            EXPECT_NE(line.find("example.org"), std::string::npos) << line;
        }
    }
}

class About : public ::testing::Test {
  protected:
    FakePlatform platform;
    std::unique_ptr<Editor> editor = test::startedEditor(platform);
};

TEST_F(About, DrawsTheCreditsShadowFirstThenWhiteCentredFromTheTop) {
    platform.dialogScripts.push_back([](FakeDialog& dialog) {
        EXPECT_TRUE(dialog.shown);
        EXPECT_EQ(dialog.bigIcon, IDI_APPICON);
        EXPECT_EQ(dialog.invalidated, (std::vector<Rect>{{0, 0, 424, 319}}));
        dialog.send(WM_LBUTTONUP, 0, makePointerParam(200, 150));
        EXPECT_EQ(dialog.result(), 1);
    });
    platform.send(WM_COMMAND, ID_ABOUT, 0);
    EXPECT_EQ(platform.dialogsRun, std::vector<int>{IDD_ABOUT});
    ASSERT_EQ(platform.texts.size(), 2u);
    EXPECT_EQ(platform.texts[0].rect, (Rect{2, 1, 426, 320}));
    EXPECT_EQ(platform.texts[0].colour.red + platform.texts[0].colour.green +
                  platform.texts[0].colour.blue,
              0);
    EXPECT_EQ(platform.texts[1].rect, (Rect{0, 0, 424, 319}));
    EXPECT_EQ(platform.texts[1].colour.red & platform.texts[1].colour.green &
                  platform.texts[1].colour.blue,
              255);
    for (const test::TextCall& call : platform.texts) {
        EXPECT_EQ(call.text, aboutText);
        EXPECT_EQ(call.align, TextAlign::Centre);
    }
    // The picture itself carries the text: white glyph pixels with black ones 2 right, 1 down.
    const Picture& picture = editor->pictures.aboutPicture;
    int shadowed = 0;
    for (int y = 0; y < 318; ++y) {
        for (int x = 0; x < 423; ++x) {
            if (picture.at(x, y) == rgb(255, 255, 255) &&
                picture.at(x + 2, y + 1) != rgb(255, 255, 255)) {
                EXPECT_EQ(picture.at(x + 2, y + 1), rgb(0, 0, 0)) << x << "," << y;
                ++shadowed;
            }
        }
    }
    EXPECT_GT(shadowed, 100);
    EXPECT_FALSE(editor->modified);
}

TEST_F(About, OpeningTwiceShowsTheSamePicture) {
    platform.send(WM_COMMAND, ID_ABOUT, 0);
    const Picture first = editor->pictures.aboutPicture;
    EXPECT_NE(first.pixels, platform.pictures[IDB_ABOUT].pixels);
    platform.send(WM_COMMAND, ID_ABOUT, 0);
    EXPECT_EQ(editor->pictures.aboutPicture.pixels, first.pixels);
}

TEST_F(About, ClosesOnALeftReleaseEscapeOrTheCloseBoxButNotOnEnter) {
    std::vector<bool> closed;
    auto probe = [&closed](std::function<void(FakeDialog&)> act) {
        return [&closed, act](FakeDialog& dialog) {
            act(dialog);
            closed.push_back(dialog.ended());
            dialog.end(1);
        };
    };
    platform.dialogScripts.push_back(probe([](FakeDialog& d) { d.press(IDOK); }));
    platform.dialogScripts.push_back(
        probe([](FakeDialog& d) { d.send(WM_RBUTTONDOWN, MK_RBUTTON, makePointerParam(9, 9)); }));
    platform.dialogScripts.push_back(probe([](FakeDialog& d) { d.press(IDCANCEL); }));
    platform.dialogScripts.push_back(
        probe([](FakeDialog& d) { d.send(WM_LBUTTONUP, 0, makePointerParam(420, 310)); }));
    for (int i = 0; i < 4; ++i) {
        platform.send(WM_COMMAND, ID_ABOUT, 0);
    }
    EXPECT_EQ(closed, (std::vector<bool>{false, false, true, true}));
}

TEST_F(About, PaintCopiesTheAboutPicture) {
    const Picture* painted = nullptr;
    platform.dialogScripts.push_back([&painted](FakeDialog& dialog) {
        EXPECT_TRUE(dialog.send(WM_PAINT));
        ASSERT_EQ(dialog.paintedPictures.size(), 1u);
        painted = dialog.paintedPictures[0];
    });
    platform.send(WM_COMMAND, ID_ABOUT, 0);
    EXPECT_EQ(painted, &editor->pictures.aboutPicture);
}

} // namespace
} // namespace bse
