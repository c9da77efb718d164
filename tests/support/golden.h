#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace bse::test {

inline std::string dataPath(const std::string& name) {
    return std::string(BSE_TEST_DATA) + "/" + name;
}

// A whole file, as bytes or as text; empty when it cannot be read.
template <typename Contents = std::vector<std::uint8_t>>
Contents fileContents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Contents(std::istreambuf_iterator<char>(in), {});
}

// Compares text with the golden file tests/data/<name>, naming the first line that differs.
// BSE_UPDATE_GOLDEN=1 writes the file instead, to be read before it is committed.
inline void expectGolden(const std::string& name, const std::string& actual) {
    if (std::getenv("BSE_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(dataPath(name), std::ios::binary) << actual;
        return;
    }
    std::stringstream file;
    file << std::ifstream(dataPath(name), std::ios::binary).rdbuf();
    const std::string expected = file.str();
    if (expected == actual) {
        return;
    }
    const auto differs =
        static_cast<std::size_t>(std::ranges::mismatch(expected, actual).in1 - expected.begin());
    // The line where they part starts after the last line break before the difference (npos + 1
    // is 0: the first line).
    const std::size_t from = differs == 0 ? 0 : expected.rfind('\n', differs - 1) + 1;
    const auto lineAt = [from](const std::string& text) {
        return from < text.size() ? text.substr(from, text.find('\n', from) - from) : "(end)";
    };
    ADD_FAILURE() << "tests/data/" << name << ":"
                  << std::count(expected.begin(), expected.begin() + from, '\n') + 1
                  << "\n  expected: " << lineAt(expected) << "\n  actual:   " << lineAt(actual);
}

} // namespace bse::test
