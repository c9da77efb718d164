// boardset: the editor's files on the command line, with no display: QCoreApplication only.
#include "cli/command_line.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("boardset"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BSE_VERSION));
    const auto parsed = bse::cli::parseCommandLine(QCoreApplication::arguments());
    if (const int* code = std::get_if<int>(&parsed)) {
        return *code;
    }
    return bse::cli::runCommand(std::get<bse::cli::Request>(parsed));
}
