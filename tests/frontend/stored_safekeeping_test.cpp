#include "frontend/stored_safekeeping.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace bse {
namespace {

namespace fs = std::filesystem;

// A recovery folder that cannot be made: the first copy says so, naming the folder as shown.
TEST(StoredSafekeeping, AFolderThatCannotBeMadeIsReportedOnceWithItsName) {
    const fs::path file =
        fs::temp_directory_path() / ("bse-safekeeping-" + std::to_string(::getpid()));
    std::ofstream(file) << "a file where the folder would go";
    setenv("XDG_STATE_HOME", file.c_str(), 1);
    int told = 0;
    {
        StoredSafekeeping safekeeping([&told] { ++told; },
                                      [](const std::string& path) { return "<" + path + ">"; });
        ASSERT_TRUE(safekeeping.startSafekeeping());
        safekeeping.writeRecoveryCopy(Bytes{1, 2});
        EXPECT_EQ(told, 1);
        EXPECT_EQ(safekeeping.recoveryFailure(),
                  "The recovery copy of the unsaved changes could not be written in <" +
                      (file / "boardset-editor" / "recovery").string() + ">.\n\nNot a directory");
    }
    fs::remove(file);
}

} // namespace
} // namespace bse
