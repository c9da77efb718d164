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

// Compares text with the golden file tests/data/<name>, naming the first line that differs and
// the "== " section it stands in. BSE_UPDATE_GOLDEN=1 writes the file instead, to be checked by
// eye before it is committed.
inline void expectGolden(const std::string& name, const std::string& actual) {
    if (std::getenv("BSE_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(dataPath(name), std::ios::binary) << actual;
        return;
    }
    std::ifstream file(dataPath(name), std::ios::binary);
    ASSERT_TRUE(file) << "no golden file " << name;
    std::stringstream expectedText;
    expectedText << file.rdbuf();
    std::istringstream expected(expectedText.str());
    std::istringstream got(actual);
    std::string wanted, line, section;
    for (int number = 1;; ++number) {
        const bool moreWanted = static_cast<bool>(std::getline(expected, wanted));
        const bool moreGot = static_cast<bool>(std::getline(got, line));
        if (!moreWanted && !moreGot) {
            return;
        }
        if (moreWanted && wanted.starts_with("== ")) {
            section = wanted;
        }
        if (moreWanted != moreGot || wanted != line) {
            ADD_FAILURE() << name << ":" << number << " in " << section
                          << "\n  expected: " << (moreWanted ? wanted : "(end)")
                          << "\n  actual:   " << (moreGot ? line : "(end)");
            return;
        }
    }
}

} // namespace bse::test
