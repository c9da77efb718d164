#pragma once

#include "cli/commands.h"

#include <QStringList>

#include <variant>

namespace bse::cli {

// What the command line asks for: a subcommand to run, or an exit code once help, the version
// or a usage error has been printed. Each argument comes as its bytes, each the Latin-1 character
// of its value, so that a file name that is not UTF-8 comes through byte for byte.
std::variant<Request, int> parseCommandLine(const QStringList& arguments);

} // namespace bse::cli
