#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
    // Widgets, input and painting without an X server.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Recovery copies of the editors these tests start stay out of the user's own.
    setenv("XDG_STATE_HOME", (std::filesystem::current_path() / "state").c_str(), 1);
    // The editor keeps the files it opened in the user's settings; the tests keep theirs apart.
    setenv("XDG_CONFIG_HOME", (std::filesystem::temp_directory_path() / "bse-qt-tests").c_str(), 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
