#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace bse::test {

inline std::string dataPath(const std::string& name) {
    return std::string(BSE_TEST_DATA) + "/" + name;
}

// Compares text with the golden file tests/data/<name>, naming the first line that differs.
// BSE_UPDATE_GOLDEN=1 writes the file instead, to be read before it is committed.
inline void expectGolden(const std::string& name, const std::string& actual) {
    if (std::getenv("BSE_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(dataPath(name), std::ios::binary) << actual;
        return;
    }
    std::stringstream expected;
    expected << std::ifstream(dataPath(name), std::ios::binary).rdbuf();
    std::istringstream want(expected.str()), got(actual);
    for (int line = 1;; ++line) {
        std::string a, b;
        const bool moreWanted = static_cast<bool>(std::getline(want, a));
        const bool moreGot = static_cast<bool>(std::getline(got, b));
        if (moreWanted != moreGot || a != b) {
            ADD_FAILURE() << "tests/data/" << name << ":" << line
                          << "\n  expected: " << (moreWanted ? a : "(end)")
                          << "\n  actual:   " << (moreGot ? b : "(end)");
        }
        if (!moreWanted || !moreGot || a != b) {
            return;
        }
    }
}

} // namespace bse::test
