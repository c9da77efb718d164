#pragma once

#include "cli/commands.h"

#include <string>
#include <vector>

#include <variant>

namespace bse::cli {

// What the command line asks for: a subcommand to run, or an exit code once help, the version
// or a usage error has been printed. Arguments are bytes, so that a file name that is not UTF-8
// comes through byte for byte.
std::variant<Request, int> parseCommandLine(const std::vector<std::string>& arguments);

} // namespace bse::cli
