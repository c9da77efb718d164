#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

int main(int argc, char** argv) {
    // Widgets, input and painting without an X server.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Recovery copies of the editors these tests start stay out of the user's own.
    setenv("XDG_STATE_HOME", (std::filesystem::current_path() / "state").c_str(), 1);
    // The editor keeps the files it opened in the user's settings; each run starts without any.
    std::string settings =
        (std::filesystem::temp_directory_path() / "bse-qt-tests-XXXXXX").string();
    if (::mkdtemp(settings.data()) == nullptr) {
        return 1;
    }
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(settings);
    return result;
}
