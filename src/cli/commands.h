#pragma once

#include "cli/request.h"

namespace trelfin::cli {

// Runs what `request` asks for: the check reads every file as it is; the other commands open the
// database read-only (refused while a stopped save is pending), ask for its password when it has
// one and read the period asked for. Returns the exit code.
int RunRequest(const Request &request);

// Says why the command line is wrong, and where the help is; returns the exit code of bad usage.
int ReportUsageError(const QString &reason);

} // namespace trelfin::cli
