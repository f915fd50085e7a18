// pellitor-calc --solve, --slope and --area: the graph's readings of a curve for scripts, with the
// numbers that the graph window shows.
#pragma once

#include "CommandLine.h"
#include "StandardStreams.h"

namespace pellitor::cli {

// Checks the options and the expression, calculates and prints the result; returns the exit
// status: 0 for a result, 1 where there is none (no x reaches C, no slope, no area).
int runCurveReading(const CommandLine& line, platform::StandardOutput& out);

} // namespace pellitor::cli
