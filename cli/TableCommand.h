// pellitor-calc --table and --xs: y at many x, one row each, written as it is computed.
#pragma once

#include "CommandLine.h"
#include "StandardStreams.h"

namespace pellitor::cli {

// Translates the expression once and writes the table; returns the exit status.
int runTable(const CommandLine& line, platform::StandardOutput& out);

} // namespace pellitor::cli
