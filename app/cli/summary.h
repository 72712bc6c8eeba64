#pragma once
// `lumo summary` (and `lumo` where no display exists): loads the user's
// stars.db (beside the program, or for an installed program the user's copy,
// made on the first run), prints what it holds, and saves it back at exit.

#include <iosfwd>

#include "framework/command_help.h"

// The command's usage, for --help and the manual page.
CommandHelp SummaryHelp();

int RunSummary(std::ostream& out, std::ostream& err);
