#pragma once

#include "cli/commands.h"

#include <QStringList>

#include <variant>

namespace bse::cli {

// What the command line asks for: a subcommand to run, or an exit code once help, the version
// or a usage error has been printed.
std::variant<Request, int> parseCommandLine(const QStringList& arguments);

} // namespace bse::cli
