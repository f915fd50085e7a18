// pellitor-calc --plot: a picture of y over a range of x, as PNG or SVG.
#pragma once

#include "CommandLine.h"

namespace pellitor::cli {

// Checks the options and the expression, samples the curve and writes the picture; returns the
// exit status. The file appears only when the whole picture was written.
int runPlot(const CommandLine& line);

} // namespace pellitor::cli
