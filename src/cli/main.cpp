// boardset: the editor's files on the command line, with no display and no toolkit.
#include "cli/command_line.h"
#include "cli/system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    bse::cli::system::prepareStandardStreams();
    const auto parsed = bse::cli::parseCommandLine(std::vector<std::string>(argv, argv + argc));
    const int* usage = std::get_if<int>(&parsed);
    const int code = usage ? *usage : bse::cli::runCommand(std::get<bse::cli::Request>(parsed));
    // Every byte for standard output is checked, the last ones here; a closed pipe has ended the
    // program by SIGPIPE before, as it ends other tools.
    if (std::ferror(stdout) || std::fclose(stdout) != 0) { // closing flushes
        std::fprintf(stderr, "boardset: standard output: %s\n", std::strerror(errno ? errno : EIO));
        return bse::cli::exitRefused;
    }
    return code;
}
