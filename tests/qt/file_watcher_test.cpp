#include "qt/file_watcher.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace bse::test {
namespace {

// Each row changes the watched file one way; the watcher tells of it (or not) within 2 s.
TEST(FileWatcher, TellsOfChangesToTheFileAndOfItsReplacementsNotOfOthers) {
    const QTemporaryDir folder;
    const std::string file = folder.filePath("a.BDS").toStdString();
    const std::string other = folder.filePath("b.BDS").toStdString();
    const auto write = [](const std::string& path, const char* text) {
        std::ofstream(path, std::ios::trunc) << text;
    };
    write(file, "1");
    write(other, "1");
    int told = 0;
    FileWatcher watcher([&told] { ++told; });
    watcher.watch(other);
    watcher.watch(file);
    const struct Case {
        const char* what;
        std::function<void()> change;
        bool tells;
    } cases[] = {
        {"the file written", [&] { write(file, "2"); }, true},
        {"another file, once watched", [&] { write(other, "2"); }, false},
        {"the file removed", [&] { std::remove(file.c_str()); }, true},
        {"made again", [&] { write(file, "3"); }, true},
        {"the new file written", [&] { write(file, "4"); }, true},
        {"watching ended",
         [&] {
             watcher.watch("");
             write(file, "5");
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTest::qWait(50); // the events of the step before
        told = 0;
        c.change();
        EXPECT_EQ(QTest::qWaitFor([&] { return told > 0; }, c.tells ? 2000 : 300), c.tells);
    }
}

} // namespace
} // namespace bse::test
