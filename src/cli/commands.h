#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bse::cli {

// Exit codes.
inline constexpr int exitSuccess = 0;
inline constexpr int exitRefused = 1; // a file was refused, or could not be read or written
inline constexpr int exitUsage = 2;

// One subcommand with its arguments, as the command line gave them.
struct Request {
    std::string command;
    std::vector<std::string> inputs;
    std::string output;
    bool json = false;
    bool all = false;
    int board = 1;
    std::optional<std::string> name; // Windows-1252
    std::optional<std::string> author;
};

// Runs a subcommand; reports on standard output and standard error; returns the exit code.
int runCommand(const Request& request);

} // namespace bse::cli
